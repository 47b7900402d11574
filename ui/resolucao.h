// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <cstddef>
#include <memory>

class QCloseEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPrinter;
class QPushButton;
class QScrollArea;
class QTextBrowser;

// Only declared: moc reads this header, and the core's names are not ASCII.
namespace vendrix::resolucao {
struct Documento;
struct Verificação;
} // namespace vendrix::resolucao

namespace vendrix::ui {

// The window of worked solutions: a summary of the results, the core's
// document as it exports it to HTML, its graphs drawn by the SVG module,
// and the ways it leaves the program (clipboard, printer, PDF). It shows
// what it is given and decides nothing; the point of P(a) it reads is
// handed back through pointEntered, the conditions of an exercise with
// parameters through solveRequested, the student's own answer through
// checkRequested, and its Cancelar through cancelRequested.
class Resolucao : public QWidget
{
    Q_OBJECT

public:
    explicit Resolucao(QWidget* parent = nullptr);

    // Shows a document and the summary of its results, and keeps the
    // document for the copy buttons.
    void Mostrar(const resolucao::Documento& documento, const resolucao::Documento& resumo);

    // The forms the document on show leaves the window in.
    enum class Formato { Texto, Html, LaTeX };
    // The document on show in that form, rendered when asked, as the copy
    // buttons put it on the clipboard; empty with no document.
    [[nodiscard]] QString Exportar(Formato formato) const;

    // Shows or hides the line that says an exercise is being worked out,
    // with its Cancelar.
    void MostrarProgresso(bool mostrar);

    // Shows or hides the line that asks for the point a of P(a).
    void PedirPonto(bool pedir);
    [[nodiscard]] QString Ponto() const;

    // Shows or hides the box of the conditions that the parameters must
    // meet, with its Resolver.
    void PedirCondições(bool pedir);
    [[nodiscard]] QString Condições() const;

    // The student's answer to check: the box is focused and the worked
    // solution hidden, so that nothing gives the answer away.
    void PedirResposta();
    [[nodiscard]] QString Resposta() const;

    // A check's verdict, only its sentence: the worked solution stays
    // hidden until VerResolucao. An answer that could not be read gets the
    // cursor where reading stopped.
    void MostrarVerificação(const resolucao::Verificação& verificação);

    // Puts the cursor in a box of this window (Ponto, Condicoes or
    // Resposta) at a character counted from 1, or at its end for 0.
    void Marcar(const QString& caixa, std::size_t posição);

    // Prints the document on a printer set up by the caller.
    void Imprimir(QPrinter& impressora) const;

Q_SIGNALS:
    void pointEntered(const QString& ponto);
    void solveRequested();
    void checkRequested();
    void cancelRequested();
    // The window was closed: whatever it was waiting for is not wanted.
    void closed();

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    void Copiar_Click() const;
    void CopiarLaTeX_Click() const;
    void Imprimir_Click();
    void ExportarPdf_Click();
    void OcultarResolução(bool ocultar);

    QWidget* linhaDoPonto = nullptr;
    QWidget* linhaDasCondições = nullptr;
    QPlainTextEdit* condições = nullptr;
    QLineEdit* resposta = nullptr;
    QPushButton* VerResolucao = nullptr;
    QLabel* Veredicto = nullptr;
    bool temResumo = false;
    QWidget* Progresso = nullptr;
    QLabel* Resumo = nullptr;
    QScrollArea* áreaDoResumo = nullptr;
    QLineEdit* ponto = nullptr;
    QPushButton* CalcularValor = nullptr;
    QTextBrowser* documento = nullptr;
    std::shared_ptr<const resolucao::Documento> mostrado; // never null
};

// The rules the worked solutions are shown with, for any rich text that
// shows one of the core's documents.
[[nodiscard]] QString EstiloDosDocumentos();

// The index in a QString of a character counted from 1, as the core counts
// the place where reading stopped; 0, or a place past the end, is the end.
[[nodiscard]] qsizetype ÍndiceDoCarácter(const QString& texto, std::size_t posição);

} // namespace vendrix::ui
