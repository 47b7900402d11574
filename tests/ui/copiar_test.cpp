// SPDX-License-Identifier: MIT
#include "gravador_mensagens.h"
#include "ui/caixa_desenho.h"
#include "ui/desenho_janela.h"
#include "ui/form1.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace vendrix::ui {
namespace {

using Cadeia = const char*;

constexpr Cadeia P1 = "x^4-3x^3+5x^2-2x-1";

// A shown window whose results are copied to the clipboard.
template <typename Fila = int>
class Cópia : public ::testing::TestWithParam<Fila>
{
protected:
    Cópia()
    {
        janela.show();
        janela.activateWindow(); // a click gives the focus only in the active window
        EXPECT_TRUE(QTest::qWaitForWindowActive(&janela));
        QGuiApplication::clipboard()->setText(QStringLiteral("antes"));
    }

    template <typename T = QWidget>
    T* C(const char* nome)
    {
        T* c = janela.findChild<T*>(QString::fromUtf8(nome));
        EXPECT_NE(c, nullptr) << nome;
        return c;
    }

    void Correr(Cadeia polinómio1, Cadeia polinómio2, Cadeia botões)
    {
        C<QLineEdit>("Polinómio1")->setText(QString::fromUtf8(polinómio1));
        C<QLineEdit>("Polinómio2")->setText(QString::fromUtf8(polinómio2));
        for (const QString& b : QString::fromUtf8(botões).split(u' ', Qt::SkipEmptyParts))
            QTest::mouseClick(C<QAbstractButton>(b.toUtf8().constData()), Qt::LeftButton);
    }

    QAction* Acção(const char* área, const char* nome)
    {
        return C(área)->template findChild<QAction*>(QString::fromUtf8(nome), Qt::FindDirectChildrenOnly);
    }

    static std::string Texto() { return QGuiApplication::clipboard()->text().toStdString(); }

    // One notch of the wheel towards the user; true when the area took it.
    static bool Rodar(QWidget* área)
    {
        QWheelEvent roda(QPointF(20, 20),
                         área->mapToGlobal(QPointF(20, 20)),
                         {},
                         {0, -120},
                         Qt::NoButton,
                         {},
                         Qt::NoScrollPhase,
                         false);
        QApplication::sendEvent(área, &roda);
        return roda.isAccepted();
    }

    testes::GravadorDeMensagens gravador;
    Form1 janela{gravador};
};

struct Caso
{
    Cadeia nome, polinomio1, polinomio2, botoes, area, accao, texto, html;
};

void PrintTo(const Caso& c, std::ostream* os) { *os << c.nome; }

// One division of each kind: a whole quotient, whole coefficients over a
// divisor's leading two, and fractions left as the division made them.
constexpr Cadeia P2 = "x-2", F1 = "2x^2+3x+1", F2 = "2x+1";

constexpr Cadeia Tabela =
    "\t1\t-3\t5\t-2\t-1\n2\t\t2\t-2\t6\t8\n\t1\t-1\t3\t4\t7\nQ(x) = x^3-x^2+3x+4\nR = 7\n";
constexpr Cadeia LaTeXFraccoes =
    "\\[\n\\begin{array}{c|ccc}\n & 2 & 3 & 1 \\\\\n-\\frac{1}{2} &  & -\\frac{1}{1} & "
    "-\\frac{1}{1} \\\\\n\\hline\n & 2 & \\frac{2}{1} & \\boxed{\\frac{0}{2}}\n"
    "\\end{array}\n\\]\n\\[Q(x) = \\frac{2}{2}x+\\frac{1}{1}\\]\n\\[R = \\frac{0}{2}\\]\n";

// Each area with each of its formats; "antes" is what the clipboard held, and
// a html of "-" means none.
// clang-format off
constexpr Caso Casos[] = {
    {"soma", P1, P2, "Somar", "Picture1", "Copiar", "x^4-3x^3+5x^2-x-3", "x<sup>4</sup>-3x<sup>3</sup>+5x<sup>2</sup>-x-3"},
    {"soma_latex", P1, P2, "Somar", "Picture1", "CopiarLaTeX", "x^{4}-3x^{3}+5x^{2}-x-3", "-"},
    {"produto_sobre_a_soma", "x^2-1", "x+3", "Somar Multiplicar", "Picture1", "CopiarLaTeX", "x^{3}+3x^{2}-x-3", "-"},
    {"soma_nula", "x", "-x", "Somar", "Picture1", "Copiar", "0", "0"},
    {"soma_nula_latex", "x", "-x", "Somar", "Picture1", "CopiarLaTeX", "0", "-"},
    {"simplificado1", "3x+x^2-x", "x", "SimplificarPolinómio1", "Picture3", "Copiar", "x^2+2x", "x<sup>2</sup>+2x"},
    {"simplificado2", "x", "-x+1+3x", "SimplificarPolinómio2", "Picture4", "CopiarLaTeX", "2x+1", "-"},
    {"quociente_inteiro", P1, P2, "Ruffini", "Picture5", "Copiar", "x^3-x^2+3x+4", "x<sup>3</sup>-x<sup>2</sup>+3x+4"},
    {"quociente_por_dois", "x^2+5x+6", "2x+4", "Ruffini", "Picture5", "CopiarLaTeX", "\\frac{1}{2}x+\\frac{3}{2}", "-"},
    {"quociente_fraccoes", F1, F2, "Ruffini", "Picture5", "CopiarLaTeX", "\\frac{2}{2}x+\\frac{1}{1}", "-"},
    {"resto_inteiro", P1, P2, "Ruffini", "Label16", "Copiar", "7", "7"},
    {"resto_fraccao_latex", F1, F2, "Ruffini", "Label16", "CopiarLaTeX", "\\frac{0}{2}", "-"},
    {"tabela_inteira", P1, P2, "Ruffini", "Frame6", "CopiarTabela", Tabela, "<table"},
    {"tabela_fraccoes_latex", F1, F2, "Ruffini", "Frame6", "CopiarTabelaLaTeX", LaTeXFraccoes, "-"},
    // Nothing shown: the action is off and the clipboard keeps what it had.
    {"nada_no_inicio", P1, P2, "", "Picture1", "Copiar", "antes", "-"},
    {"resultado_apagado", P1, P2, "Somar ApagarResultado", "Picture1", "Copiar", "antes", "-"},
    {"tabela_apagada", P1, P2, "Ruffini ApagarRuffini", "Frame6", "CopiarTabela", "antes", "-"},
    {"divisao_recusada", "7", P2, "Ruffini", "Frame6", "CopiarTabelaLaTeX", "antes", "-"},
};
// clang-format on

using CopiaCasos = Cópia<Caso>;

TEST_P(CopiaCasos, AccaoPoeTextoEHtml)
{
    const Caso& c = GetParam();
    Correr(c.polinomio1, c.polinomio2, c.botoes);
    QAction* acção = Acção(c.area, c.accao);
    ASSERT_NE(acção, nullptr);
    EXPECT_TRUE(C(c.area)->actions().contains(acção));
    EXPECT_EQ(acção->isEnabled(), std::string(c.texto) != "antes");
    acção->trigger();
    EXPECT_EQ(Texto(), c.texto);
    const QMimeData* dados = QGuiApplication::clipboard()->mimeData();
    EXPECT_EQ(dados->hasHtml() ? dados->html().toStdString().substr(0, std::string(c.html).size()) : "-",
              c.html);
}

INSTANTIATE_TEST_SUITE_P(Accoes, CopiaCasos, ::testing::ValuesIn(Casos), ::testing::PrintToStringParamName());

using CopiaTeste = Cópia<>;

// Ctrl+C copies from the area that has the focus, which a click gives it
// (the table's drawing passes it to its frame).
TEST_F(CopiaTeste, CtrlCCopiaDaAreaComFoco)
{
    Correr(P1, P2, "Somar Ruffini");
    for (const auto& [clicada, comFoco, texto] : {std::tuple{"Picture1", "Picture1", "x^4-3x^3+5x^2-x-3"},
                                                  std::tuple{"Picture2", "Frame6", Tabela}}) {
        QTest::mouseClick(C(clicada), Qt::LeftButton, {}, QPoint(5, 5));
        ASSERT_EQ(QApplication::focusWidget(), C(comFoco));
        QTest::keyClick(C(comFoco), Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(Texto(), texto);
    }
}

// The menu, opened by the right button or from the keyboard, lists the actions.
TEST_F(CopiaTeste, MenuDeContextoMostraAsAccoes)
{
    Correr(P1, P2, "Somar");
    QStringList vistas;
    QTimer vigia; // the menu runs its own event loop
    QObject::connect(&vigia, &QTimer::timeout, &janela, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (const QAction* a : menu->actions())
                vistas << a->text() + (a->isEnabled() ? QString() : QStringLiteral(" (off)"));
            menu->close();
        }
    });
    vigia.start(10);
    QWidget* área = C("Picture1");
    QContextMenuEvent rato(QContextMenuEvent::Mouse, QPoint(10, 10), área->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(área, &rato);
    QTest::mouseClick(C("Label16"), Qt::LeftButton);
    QTest::keyClick(janela.windowHandle(), Qt::Key_Menu);
    QTest::mouseClick(C("Frame6"), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::keyClick(janela.windowHandle(), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(vistas.join(u'|').toStdString(),
              "Copiar|Copiar como LaTeX|Copiar (off)|Copiar como LaTeX (off)|Copiar tabela (off)|"
              "Copiar tabela como LaTeX (off)");
}

// The areas take the focus only when clicked: Tab goes as designed.
TEST_F(CopiaTeste, TabulacaoComoDesenhada)
{
    C("Polinómio1")->setFocus();
    std::string visitados = "Polinómio1";
    for (int i = 0; i < 13; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visitados += " " + QApplication::focusWidget()->objectName().toStdString();
    }
    EXPECT_EQ(
        visitados,
        "Polinómio1 Polinómio2 Somar Subtrair Multiplicar Ruffini SimplificarPolinómio1 "
        "SimplificarPolinómio2 ApagarPolinómio1 ApagarPolinómio2 ApagarResultado ApagarRuffini Sair Text1");
}

// Copying, the menus, the focus and the view leave every control where it was designed.
TEST_F(CopiaTeste, GeometriaComoDesenhadaDepoisDeUsar)
{
    Correr(P1, P2, "Somar Ruffini");
    QTest::mouseClick(C("Picture1"), Qt::LeftButton);
    QTest::keyClick(C("Picture1"), Qt::Key_End);
    Acção("Frame6", "CopiarTabela")->trigger();
    for (const Controlo& c : ControlosDoForm1()) {
        const QWidget* w = C(std::string(c.nome).c_str());
        QPoint origem;
        if (const auto* área = qobject_cast<const CaixaDeDesenho*>(w->parentWidget()))
            origem = área->contentsRect().topLeft();
        EXPECT_EQ(w->geometry(),
                  QRect(origem + QPoint(Pixels(c.esquerda), Pixels(c.topo)),
                        QSize(Pixels(c.largura), Pixels(c.altura))))
            << c.nome;
    }
}

// Until the user moves the view, a result looks as it always did, with the
// focus or without it. (The input box that loses the focus does change.)
TEST_F(CopiaTeste, AspectoIgualComFoco)
{
    Correr(P1, P2, "Somar Ruffini");
    const QImage resultado = C("frame3")->grab().toImage(), ruffini = C("Frame6")->grab().toImage();
    for (const auto& [clicada, área, acção] : {std::tuple{"Picture1", "Picture1", "Copiar"},
                                               std::tuple{"Label16", "Label16", "Copiar"},
                                               std::tuple{"Picture5", "Picture5", "Copiar"},
                                               std::tuple{"Picture2", "Frame6", "CopiarTabela"}}) {
        QTest::mouseClick(C(clicada), Qt::LeftButton, {}, QPoint(5, 5));
        Acção(área, acção)->trigger();
        EXPECT_EQ(C("frame3")->grab().toImage(), resultado) << área;
        EXPECT_EQ(C("Frame6")->grab().toImage(), ruffini) << área;
    }
}

// A sum of 400 terms, x^400 + ... + x^1: wider than its area by far.
TEST_F(CopiaTeste, ResultadoLongoLeSeAteAoFim)
{
    std::string longo = "x^400";
    for (int k = 399; k >= 1; --k)
        longo += "+x^" + std::to_string(k);
    Correr(longo.c_str(), "0", "Somar");
    auto* área = C<CaixaDeDesenho>("Picture1");
    const QRect dentro = área->contentsRect();
    const QPoint direita(dentro.right() - 3, dentro.center().y()),
        esquerda(dentro.left() + 3, dentro.center().y());
    const QRgb marca = área->palette().color(QPalette::Dark).rgb();
    EXPECT_EQ(área->grab().toImage().pixel(direita), marca); // more lies to the right
    EXPECT_NE(área->grab().toImage().pixel(esquerda), marca);

    QTest::mouseClick(área, Qt::LeftButton);
    QTest::keyClick(área, Qt::Key_End);
    auto vista = área->VistaDoÚltimo();
    ASSERT_TRUE(vista.has_value());
    const display::Traçado& t = vista->traçado;
    ASSERT_FALSE(t.cortado);
    ASSERT_GE(t.glifos.size(), 2U);
    // The last term "+x" (x^1 simplified), both characters inside the view.
    EXPECT_EQ(t.glifos.back().caractere.data() + 1,
              área->ÚltimoTexto()->data() + área->ÚltimoTexto()->size());
    EXPECT_EQ(std::string(t.glifos[t.glifos.size() - 2].caractere), "+");
    EXPECT_GE(t.glifos[t.glifos.size() - 2].x, vista->xEsquerda);
    EXPECT_LE(t.x, vista->xDireita);
    EXPECT_NE(área->grab().toImage().pixel(direita), marca); // at the end: no mark there
    EXPECT_EQ(área->grab().toImage().pixel(esquerda), marca);

    const float fim = área->Deslocamento();
    QTest::keyClick(área, Qt::Key_Left);
    EXPECT_LT(área->Deslocamento(), fim);
    QTest::keyClick(área, Qt::Key_Home);
    EXPECT_EQ(área->Deslocamento(), 0.0F);
    Rodar(área);
    const float rodado = área->Deslocamento();
    EXPECT_GT(rodado, 0.0F);
    QTest::mousePress(área, Qt::LeftButton, {}, QPoint(300, 20));
    QTest::mouseMove(área, QPoint(200, 20));
    QTest::mouseRelease(área, Qt::LeftButton, {}, QPoint(200, 20));
    EXPECT_GT(área->Deslocamento(), rodado); // dragged left: the text follows the mouse

    // The screen reader hears it all, to the last term.
    const QString fala = QAccessible::queryAccessibleInterface(área)->text(QAccessible::Description);
    EXPECT_TRUE(fala.endsWith(QStringLiteral("+ x elevado a 2 + x"))) << fala.right(40).toStdString();

    // A short result drawn over it still scrolls as far as the long one.
    Correr("x", "1", "Somar");
    EXPECT_EQ(área->Deslocamento(), 0.0F);
    QTest::keyClick(área, Qt::Key_End);
    EXPECT_EQ(área->Deslocamento(), fim);
    EXPECT_EQ(Texto(), "antes");
}

// A result that fits does not move, and the wheel goes on to the window.
TEST_F(CopiaTeste, ResultadoCurtoNaoSeMove)
{
    Correr(P1, P2, "Somar");
    auto* área = C<CaixaDeDesenho>("Picture1");
    QTest::mouseClick(área, Qt::LeftButton);
    QTest::keyClick(área, Qt::Key_End);
    EXPECT_EQ(área->Deslocamento(), 0.0F);
    EXPECT_FALSE(Rodar(área)); // left to the window
}

} // namespace
} // namespace vendrix::ui
