// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <string>

class QCloseEvent;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QScrollArea;
class QTextBrowser;

// Only declared: moc reads this header, and the core's names are not ASCII.
namespace vendrix::resolucao {
struct Documento;
}

namespace vendrix::ui {

// The window of worked solutions: a summary of the results, the core's
// document as it exports it to HTML, its graphs drawn by the SVG module,
// and the ways it leaves the program (clipboard, printer, PDF). It shows
// what it is given and decides nothing; the point of P(a) it reads is
// handed back through pointEntered, and its Cancelar through
// cancelRequested.
class Resolucao : public QWidget
{
    Q_OBJECT

public:
    explicit Resolucao(QWidget* parent = nullptr);

    // Shows a document and the summary of its results, with the document's
    // plain-text and LaTeX forms, which are what the copy buttons put on the
    // clipboard.
    void Mostrar(const resolucao::Documento& documento,
                 const resolucao::Documento& resumo,
                 const std::string& texto,
                 const std::string& latex);

    // Shows or hides the line that says an exercise is being worked out,
    // with its Cancelar.
    void MostrarProgresso(bool mostrar);

    // Shows or hides the line that asks for the point a of P(a).
    void PedirPonto(bool pedir);
    [[nodiscard]] QString Ponto() const;

    // Prints the document on a printer set up by the caller.
    void Imprimir(QPrinter& impressora) const;

Q_SIGNALS:
    void pointEntered(const QString& ponto);
    void cancelRequested();
    // The window was closed: whatever it was waiting for is not wanted.
    void closed();

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    void Copiar_Click();
    void CopiarLaTeX_Click();
    void Imprimir_Click();
    void ExportarPdf_Click();

    QWidget* linhaDoPonto = nullptr;
    QWidget* Progresso = nullptr;
    QLabel* Resumo = nullptr;
    QScrollArea* áreaDoResumo = nullptr;
    QLineEdit* ponto = nullptr;
    QPushButton* CalcularValor = nullptr;
    QTextBrowser* documento = nullptr;
    std::string html;
    std::string texto;
    std::string latex;
};

} // namespace vendrix::ui
