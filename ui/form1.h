// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>

class QGroupBox;
class QLabel;
class QLineEdit;
class QAbstractButton;
class QTextEdit;

namespace vendrix::engine {
struct Comando;
}

namespace vendrix::ruffini {
struct VistaRuffini;
}

namespace vendrix::ui {

class ServiçoDeMensagens;
class CaixaDeDesenho;
class CaixaDeTrabalho;

// The program's one window. Its handlers read the input boxes, call the
// toolkit-free commands, and put what they return into the hidden work
// boxes, the captions and the drawing areas.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    // Reports go to real modal message boxes.
    explicit Form1(QWidget* parent = nullptr);
    // Reports go to the given service, which must outlive the window.
    explicit Form1(ServiçoDeMensagens& mensagens, QWidget* parent = nullptr);
    ~Form1() override;

    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // Draw the text of Resultado into Picture1 and into Picture5.
    void DesenharResultado();
    void DesenharQuociente();

Q_SIGNALS:
    // After each division and each clearing of its area: whether the
    // Ruffini table is on show.
    void tableChanged(bool shown);
    // After the division refused its divisor as not fit for Ruffini's
    // rule, with the divisor's box as typed.
    void divisorRefused(const QString& divisor);

private:
    void Construir();
    void Ligar();
    void Form_Load();

    void SimplificarPolinómio1_Click();
    void SimplificarPolinómio2_Click();
    void ApagarPolinómio1_Click();
    void ApagarPolinómio2_Click();
    void ApagarResultado_Click();
    void Sair_Click();
    void Somar_Click();
    void Subtrair_Click();
    void Multiplicar_Click();
    void Ruffini_Click();
    void ApagarRuffini_Click();

    void Simplificar(QLineEdit* entrada, CaixaDeTrabalho* cópia, CaixaDeDesenho* área);
    void AplicarComando(const engine::Comando& comando);
    void DesenharEm(CaixaDeDesenho* área, double pontos, float baseY);
    void MostrarTabela(const ruffini::VistaRuffini& vista);

    // Each result can leave the window: context menus, Ctrl+C, clipboard.
    void LigarCópias();
    void AtualizarCópias();
    void CopiarÁrea(QWidget* área, bool latex);
    void CopiarTabela(bool latex);

    std::unique_ptr<ServiçoDeMensagens> caixasPróprias;
    ServiçoDeMensagens* mensagens;

    QLabel* LabelTítulo = nullptr;
    QGroupBox* frame1 = nullptr;
    QGroupBox* frame2 = nullptr;
    QGroupBox* frame3 = nullptr;
    QGroupBox* Frame4 = nullptr;
    QGroupBox* Frame6 = nullptr;
    QTextEdit* Text1 = nullptr;
    QLineEdit* Polinómio1 = nullptr;
    QLineEdit* Polinómio2 = nullptr;
    CaixaDeTrabalho* Polinómio1A = nullptr;
    CaixaDeTrabalho* Polinómio2A = nullptr;
    CaixaDeTrabalho* Resultado = nullptr;
    CaixaDeTrabalho* Text2 = nullptr;
    CaixaDeTrabalho* Text3 = nullptr;
    CaixaDeTrabalho* Text4 = nullptr;
    CaixaDeDesenho* Picture1 = nullptr;
    CaixaDeDesenho* Picture2 = nullptr;
    CaixaDeDesenho* Picture3 = nullptr;
    CaixaDeDesenho* Picture4 = nullptr;
    CaixaDeDesenho* Picture5 = nullptr;
    QAbstractButton* SimplificarPolinómio1 = nullptr;
    QAbstractButton* SimplificarPolinómio2 = nullptr;
    QAbstractButton* ApagarPolinómio1 = nullptr;
    QAbstractButton* ApagarPolinómio2 = nullptr;
    QAbstractButton* ApagarResultado = nullptr;
    QAbstractButton* ApagarRuffini = nullptr;
    QAbstractButton* Somar = nullptr;
    QAbstractButton* Subtrair = nullptr;
    QAbstractButton* Multiplicar = nullptr;
    QAbstractButton* Ruffini = nullptr;
    QAbstractButton* Sair = nullptr;
    QLabel* Label14 = nullptr;
    QLabel* Label15 = nullptr;
    QLabel* Label16 = nullptr;
    QWidget* Line1 = nullptr;
    QLineEdit* Div = nullptr;
    std::array<QLineEdit*, 11> Coef{};
    std::array<QLineEdit*, 10> Seg{};
    std::array<QLineEdit*, 11> Ter{};

    // The dividend's degree, written and read only by the division.
    std::int16_t GrauDividendo = 0;
    // What the last division shows, kept for copying the table.
    std::unique_ptr<ruffini::VistaRuffini> vistaRuffini;
};

} // namespace vendrix::ui
