// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>
#include <QString>

class QAction;
class QLineEdit;
class QMenu;

namespace vendrix::resolucao {
enum class Exercício;
}

namespace vendrix::ui {

class Form1;
class Resolucao;

// The program's window with its menus: Form1, unchanged, in the middle,
// and above it the exercises, the copy commands of its results and the
// about box. The worked solutions open in one window of their own, which
// is made on first use and then reused.
class JanelaPrincipal : public QMainWindow
{
    Q_OBJECT

public:
    explicit JanelaPrincipal(QWidget* parent = nullptr);
    ~JanelaPrincipal() override;

    JanelaPrincipal(const JanelaPrincipal&) = delete;
    JanelaPrincipal& operator=(const JanelaPrincipal&) = delete;

private:
    void CriarMenuExercício();
    void CriarMenuEditar();
    void CriarMenuAjuda();
    QAction* NovaAcção(QMenu* menu, const char* nome, const QString& texto, const QKeySequence& atalho);

    void Dividir_Triggered();
    void Factorizar_Triggered();
    void ValorNumerico_Triggered();
    void Grafico_Triggered();
    void ExplicarRuffini_Triggered();
    void CalcularValor(const QString& ponto);
    void Resolver(resolucao::Exercício exercício);
    void Resolver(resolucao::Exercício exercício,
                  const QString& polinómio1,
                  const QString& polinómio2,
                  const QString& ponto);
    void Sobre_Triggered();
    void TabelaMudou(bool mostrada);

    Resolucao* JanelaDeResolução();
    QString Texto(const char* caixa) const;

    Form1* form1 = nullptr;
    Resolucao* resolução = nullptr;
    QAction* ExplicarRuffini = nullptr;
    // The texts that made the table on show: the boxes may have changed since.
    QString dividendoDaTabela;
    QString divisorDaTabela;
};

} // namespace vendrix::ui
