// SPDX-License-Identifier: MIT
#include "menus.h"
#include "resolucao/exercicio.h"
#include "ui/janela_principal.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTextBrowser>
#include <QThreadPool>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <string>
#include <thread>

namespace vendrix::ui {
namespace {

using MenusJanela = Menus<>;

// Each menu's commands by name, in order, with their shortcuts.
std::string Conteúdo(const QMenu* menu)
{
    QStringList linhas;
    for (const QAction* acção : menu->actions())
        if (!acção->isSeparator())
            linhas << acção->objectName() + u'=' + acção->shortcut().toString();
    return linhas.join(u' ').toStdString();
}

TEST_F(MenusJanela, MenusAtalhosEForm1QueSoCrescePelaBarra)
{
    EXPECT_EQ(
        Conteúdo(C<QMenu>("MenuExercicio")),
        "Dividir=Ctrl+D Factorizar=Ctrl+F ValorNumerico= Grafico=Ctrl+G Desenvolver=Ctrl+E Resolver=Ctrl+R "
        "Parametros= ExplicarRuffini= VerificarResposta= Praticar= Ficha=");
    // The newer exercises are offered as soon as the core knows them.
    for (const auto& [acção, nome] :
         {std::pair{"Desenvolver", "desenvolver"}, std::pair{"Resolver", "resolver"}})
        EXPECT_EQ(C<QAction>(acção)->isEnabled(), resolucao::ExercícioDoNome(nome).has_value()) << nome;
    EXPECT_EQ(Conteúdo(C<QMenu>("MenuAjuda")), "Sobre=");
    QWidget* form1 = C("Form1");
    EXPECT_EQ(form1->pos(), QPoint(0, janela.menuBar()->height()));
    EXPECT_EQ(janela.size(),
              form1->size() + QSize(0, janela.menuBar()->height() + janela.statusBar()->height()));
    QList<QAction*> noMenu, deContexto;
    for (QAction* submenu : C<QMenu>("MenuEditar")->actions())
        noMenu << submenu->menu()->actions();
    for (Cadeia área : {"Picture3", "Picture4", "Picture1", "Frame6", "Picture5", "Label16"})
        deContexto << C(área)->actions();
    EXPECT_EQ(deContexto.size(), 12);
    EXPECT_EQ(noMenu, deContexto); // the very actions of the context menus
}

// The properties that are not empty, "name=value" in a fixed order.
struct Exemplo
{
    Cadeia nome, polinómio1, polinómio2, acção, ponto, propriedades;
};

constexpr Exemplo Exemplos[] = {
    {"dividir", "x^4-3x^3+5x^2-2x-1", "x^2+1", "Dividir", "", "comando=dividir quociente=x^2-3x+4 resto=x-5"},
    {"factorizar",
     "x^3-6x^2+11x-6",
     "",
     "Factorizar",
     "",
     "comando=factorizar factorizacao=(x-1)(x-2)(x-3) sinais=-0+0-0+ raizes=1|1|1;2|2|1;3|3|1"},
    {"factorizar_nao_monico",
     "2x^3+3x^2-1",
     "",
     "Factorizar",
     "",
     "comando=factorizar factorizacao=2(x+1)^2(x-1/2) sinais=-0-0+ raizes=-1|-1|2;1/2|0.5|1"},
    {"valor", "x^3-6x^2+11x-6", "", "ValorNumerico", "1/2", "comando=valor valor=-15/8"},
    {"grafico", "x^3-6x^2+11x-6", "", "Grafico", "", "comando=grafico"},
};

using MenusExemplos = Menus<Exemplo>;

// What the core found, as the properties say it; Copiar and Copiar como
// LaTeX put the document's forms, rendered when asked, on the clipboard.
TEST_P(MenusExemplos, ResolveNaJanelaDeResolucaoECopia)
{
    const Exemplo& e = GetParam();
    Escrever(e.polinómio1, e.polinómio2);
    Correr(e.acção, e.ponto);
    std::string propriedades;
    for (const char* nome : {"comando", "quociente", "resto", "factorizacao", "valor", "sinais", "raizes"})
        if (const std::string valor = Propriedade(nome); !valor.empty())
            propriedades += (propriedades.empty() ? "" : " ") + std::string(nome) + "=" + valor;
    EXPECT_EQ(propriedades, e.propriedades);
    // What the window shows raises its exponents, graph captions included.
    EXPECT_FALSE(C<QTextBrowser>("Documento")->toPlainText().contains(u'^'));
    const QString resumo = C<QLabel>("Resumo")->text();
    EXPECT_FALSE(resumo.contains(u'^')) << resumo.toStdString();
    EXPECT_EQ(resumo.contains(QStringLiteral("class=\"vx-sinais\"")), !Propriedade("sinais").empty());
    ASSERT_FALSE(Exportado(Resolucao::Formato::Texto).empty());
    QTest::mouseClick(C<QAbstractButton>("Copiar"), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), Exportado(Resolucao::Formato::Texto));
    EXPECT_EQ(QGuiApplication::clipboard()->mimeData()->html().toStdString(),
              Exportado(Resolucao::Formato::Html));
    QTest::mouseClick(C<QAbstractButton>("CopiarLaTeX"), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), Exportado(Resolucao::Formato::LaTeX));
    EXPECT_TRUE(caixas.isEmpty());
    EXPECT_EQ(janela.findChildren<QWidget*>(QStringLiteral("Resolucao")).size(), 1);
}

INSTANTIATE_TEST_SUITE_P(JanelaPrincipal, MenusExemplos, ::testing::ValuesIn(Exemplos), Nome<Exemplo>);

// The explanation follows the table on show, whatever the boxes say now.
TEST_F(MenusJanela, ExplicarRuffiniSoComTabelaEDaTabelaMostrada)
{
    auto* explicar = C<QAction>("ExplicarRuffini");
    EXPECT_FALSE(explicar->isEnabled());
    Escrever("2x^3+3x^2-1", "2x-1");
    QTest::mouseClick(C<QAbstractButton>("Ruffini"), Qt::LeftButton);
    ASSERT_TRUE(explicar->isEnabled());
    Escrever("x", "x");
    explicar->trigger();
    Esperar();
    EXPECT_EQ(Propriedade("comando"), "explicar");
    EXPECT_EQ(Propriedade("quociente") + " " + Propriedade("resto"), "x^2+2x+1 0"); // not the table's 2 4 2
    // Refused by Ruffini: its own box, then the hint for a divisor that
    // Dividir takes, naming it as typed.
    for (const auto& [divisor, dica] :
         {std::pair{"x^2 +1", "Para dividir por x^2 +1 use Dividir (divisão longa)."},
          std::pair{"3", "Para dividir por 3 use Dividir (divisão longa)."},
          std::pair{"0", ""},
          std::pair{"x+y", ""}}) {
        Escrever("x^3", divisor);
        caixas.clear();
        QTest::mouseClick(C<QAbstractButton>("Ruffini"), Qt::LeftButton);
        EXPECT_EQ(caixas.size(), 1) << divisor;
        EXPECT_EQ(janela.statusBar()->currentMessage().toStdString(), dica);
        EXPECT_FALSE(explicar->isEnabled());
    }
    Escrever("x^3", "x^2+1");
    QTest::mouseClick(C<QAbstractButton>("Ruffini"), Qt::LeftButton);
    Escrever("x^3", "x-1");
    QTest::mouseClick(C<QAbstractButton>("Ruffini"), Qt::LeftButton);
    EXPECT_TRUE(janela.statusBar()->currentMessage().isEmpty()); // a table on show needs no hint
    EXPECT_TRUE(explicar->isEnabled());
    QTest::mouseClick(C<QAbstractButton>("ApagarRuffini"), Qt::LeftButton);
    EXPECT_FALSE(explicar->isEnabled());
}

struct Ilegível
{
    Cadeia nome, polinómio1, polinómio2, acção, ponto, caixa;
};

constexpr Ilegível Ilegíveis[] = {
    {"polinomio1",
     "x^2+2y",
     "x",
     "Factorizar",
     "",
     "Vendrix|1|No Polinómio 1, a leitura parou no carácter 6."},
    {"polinomio2", "x", "", "Dividir", "", "Vendrix|1|No Polinómio 2, a leitura parou no carácter 1."},
    {"ponto", "x", "", "ValorNumerico", "1/0", "Vendrix|1|No valor de x, a leitura parou no carácter 3."},
};

using MenusIlegiveis = Menus<Ilegível>;

// One information box naming the box and the place; no solution opens.
TEST_P(MenusIlegiveis, UmaCaixaENadaMais)
{
    const Ilegível& e = GetParam();
    Escrever(e.polinómio1, e.polinómio2);
    Correr(e.acção, e.ponto);
    ASSERT_EQ(caixas.size(), 1);
    EXPECT_TRUE(caixas.front().startsWith(QString::fromUtf8(e.caixa))) << caixas.front().toStdString();
    if (janela.findChild<QWidget*>(QStringLiteral("Resolucao")) != nullptr) { // asked for the point
        EXPECT_EQ(Propriedade("comando") + Exportado(Resolucao::Formato::Texto), "valor");
    }
}

INSTANTIATE_TEST_SUITE_P(JanelaPrincipal, MenusIlegiveis, ::testing::ValuesIn(Ilegíveis), Nome<Ilegível>);

// A refused point clears the answer to the point before at once, and
// keeps what was typed, so no old answer sits under a new question.
TEST_F(MenusJanela, ValorRecusadoApagaARespostaAnterior)
{
    Escrever("x^2-1", "");
    Correr("ValorNumerico", "3");
    ASSERT_EQ(Propriedade("valor"), "8");
    Correr("ValorNumerico", "1/0");
    ASSERT_EQ(caixas.size(), 1);
    EXPECT_EQ(Propriedade("comando") + "|" + Propriedade("valor") + "|" +
                  Exportado(Resolucao::Formato::Texto),
              "valor||");
    EXPECT_TRUE(C<QTextBrowser>("Documento")->toPlainText().isEmpty());
    EXPECT_EQ(C<QLineEdit>("Ponto")->text(), QStringLiteral("1/0"));
}

// x(x^2-1)(x^2-4)…(x^2-100): a summary of 21 roots scrolls instead of
// widening the window past any screen.
TEST_F(MenusJanela, ResumoDeMuitasRaizesNaoAlargaAJanela)
{
    Escrever("x^21-385x^19+61446x^17-5293970x^15+268880381x^13-8261931405x^11+151847872396x^9"
             "-1593719752240x^7+8689315795776x^5-20407635072000x^3+13168189440000x",
             "");
    Correr("Factorizar", "");
    ASSERT_EQ(std::ranges::count(Propriedade("raizes"), ';'), 20);
    EXPECT_LT(C("Resolucao")->minimumSizeHint().width(), 700);
}

// Every exercise but factorizing waits until the test lets it go, as a long
// one would.
class Fundo : public Menus<>
{
protected:
    Fundo()
        : Menus([this](resolucao::Exercício e, const resolucao::Pergunta& p, const runtime::Tradutor& t) {
            using namespace std::chrono_literals;
            if (e != resolucao::Exercício::Factorizar)
                ++lentos;
            for (int i = 0; e != resolucao::Exercício::Factorizar && !solto && i < 10'000; ++i)
                std::this_thread::sleep_for(1ms);
            return resolucao::ResolverExercício(e, p, t);
        })
    {}

    ~Fundo() override
    {
        solto = true;
        Esperar();
    }

    Fundo(const Fundo&) = delete;
    Fundo& operator=(const Fundo&) = delete;

    bool ProgressoVisível() { return C("Progresso")->isVisible(); }

    std::atomic<bool> solto = false;
    std::atomic<int> lentos = 0; // the slow requests that started
};

// A long exercise leaves the window alive: Form1 answers a click, the
// progress line comes after a while, and Cancelar drops the answer; so
// does a newer request.
TEST_F(Fundo, ExercicioLongoNaoPrendeAJanelaECancelarDescartaOResultado)
{
    Escrever("x^2-1", "x-2");
    Correr("Factorizar", "");
    ASSERT_EQ(Propriedade("comando"), "factorizar");

    C<QAction>("Grafico")->trigger();
    EXPECT_FALSE(ProgressoVisível()); // a quick answer never flashes it
    QTest::mouseClick(C<QAbstractButton>("Somar"), Qt::LeftButton);
    EXPECT_EQ(C<QGroupBox>("frame3")->title(), QStringLiteral("Resultado (soma)"));
    ASSERT_TRUE(QTest::qWaitFor([this] { return ProgressoVisível(); }, 5000));
    QTest::mouseClick(C<QAbstractButton>("Cancelar"), Qt::LeftButton);
    EXPECT_FALSE(ProgressoVisível());
    solto = true;
    Esperar();
    EXPECT_EQ(Propriedade("comando"), "factorizar"); // the graph came, and was dropped

    Correr("ValorNumerico", "3");
    ASSERT_EQ(Propriedade("valor"), "8");
    solto = false;
    QTest::keyClicks(C<QLineEdit>("Ponto"), QStringLiteral("0"));
    QTest::keyClick(C<QLineEdit>("Ponto"), Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([this] { return ProgressoVisível(); }, 5000));
    QTest::mouseClick(C<QAbstractButton>("Cancelar"), Qt::LeftButton);
    EXPECT_EQ(Propriedade("comando") + "|" + Propriedade("valor"), "valor|"); // not 8 under 30

    C<QAction>("Grafico")->trigger(); // closing the window cancels too
    C("Resolucao")->close();
    solto = true;
    Esperar();
    EXPECT_FALSE(C("Resolucao")->isVisible());
    EXPECT_EQ(Propriedade("comando"), "valor");

    solto = false;
    C<QAction>("Grafico")->trigger();
    Escrever("x^2-4", "");
    C<QAction>("Factorizar")->trigger();
    solto = true;
    Esperar();
    EXPECT_EQ(Propriedade("comando") + " " + Propriedade("raizes"), "factorizar -2|-2|1;2|2|1");
    EXPECT_FALSE(ProgressoVisível());
    EXPECT_TRUE(caixas.isEmpty());
}

// A held-down shortcut queues no work: a dropped request that has not
// started never starts, and only the last one is answered.
TEST_F(Fundo, PedidosUltrapassadosQueNaoComecaramNaoCorrem)
{
    Escrever("x^2-9", "");
    for (int i = 0; i < 20; ++i)
        C<QAction>("Grafico")->trigger();
    solto = true;
    Esperar();
    EXPECT_LE(lentos, QThreadPool::globalInstance()->maxThreadCount() + 1);
    EXPECT_EQ(Propriedade("comando"), "grafico");
}

} // namespace
} // namespace vendrix::ui
