// SPDX-License-Identifier: MIT
#include "gravador_mensagens.h"
#include "ui/caixa_desenho.h"
#include "ui/form1.h"
#include "ui/grelha_ruffini.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>

namespace vendrix::ui {
namespace {

using Cadeia = const char*;

constexpr QRgb Azul = qRgb(0, 0, 255), Vermelho = qRgb(255, 0, 0), Preto = qRgb(0, 0, 0);
constexpr Cadeia P1 = "x^4-3x^3+5x^2-2x-1", Produto = "x^5-5x^4+11x^3-12x^2+3x+2";

// A shown window, its controls found by name, its reports recorded.
template <typename Fila = int>
class Janela : public ::testing::TestWithParam<Fila> // Fila: a table row
{
protected:
    Janela() { janela.show(); }

    template <typename T = QWidget>
    T* C(const std::string& nome)
    {
        T* c = janela.findChild<T*>(QString::fromStdString(nome));
        EXPECT_NE(c, nullptr) << nome;
        return c;
    }

    void Escrever(Cadeia caixa, Cadeia texto)
    {
        C<QLineEdit>(caixa)->clear();
        QTest::keyClicks(C<QLineEdit>(caixa), QString::fromUtf8(texto));
    }

    void Clicar(Cadeia botões) // separated by spaces
    {
        for (const QString& b : QString::fromUtf8(botões).split(u' ', Qt::SkipEmptyParts))
            QTest::mouseClick(C<QAbstractButton>(b.toStdString()), Qt::LeftButton);
    }

    // Boxes, hidden work boxes, labels, cells and buttons; a frame's caption.
    std::string Texto(const std::string& nome)
    {
        const QWidget* c = C(nome);
        return c->property(qobject_cast<const QGroupBox*>(c) ? "title" : "text").toString().toStdString();
    }

    std::string Caixas() { return Texto("Polinómio1") + " | " + Texto("Polinómio2"); }

    bool Visível(const std::string& nome) { return C(nome)->isVisibleTo(&janela); }

    // The numbers of the picture areas that hold a drawing.
    std::string Desenhadas()
    {
        std::string d;
        for (const char n : std::string_view("12345"))
            if (!C<CaixaDeDesenho>(std::string("Picture") + n)->Vazia())
                d += n;
        return d;
    }

    // The texts of the visible cells of a row of the Ruffini table.
    std::string Linha(const std::string& matriz, int células)
    {
        std::string linha;
        for (int i = 0; i < células; ++i)
            if (const std::string c = matriz + "(" + std::to_string(i) + ")"; Visível(c))
                linha += (linha.empty() ? "" : " ") + Texto(c);
        return linha;
    }

    std::string Tabela() { return Linha("Coef", 11) + " / " + Linha("Seg", 10) + " / " + Linha("Ter", 11); }

    testes::GravadorDeMensagens gravador;
    Form1 janela{gravador};
};

const auto Nome = ::testing::PrintToStringParamName(); // rows are named by PrintTo

using Form1Teste = Janela<>;

// Every control's place and size is checked against the design after use
// (copiar_test); here what that leaves out: the faces after substitution,
// sizes, colours and texts, the hidden work boxes, the cells placed at load,
// and a picture area's children counted from inside its border.
struct Retrato
{
    Cadeia nome, controlo, esperado;
};

void PrintTo(const Retrato& r, std::ostream* os) { *os << r.nome; }

constexpr Retrato Retratos[] = {
    {"titulo", "LabelTítulo", "Form1 120,28 415x45 | VENDRIX | Comic Neue 32 bold #ff0000"},
    {"resultado", "Resultado", "Form1 728,530 257x23 hidden |  | Liberation Sans 11 #000000"},
    {"sair", "Sair", "Frame4 248,20 49x49 | Sair | Liberation Serif 8 #000000"},
    {"resto", "Label16", "Picture2 56,256 71x29 |  | Liberation Sans 13 bold #0000ff"},
    {"coef10", "Coef(10)", "Picture2 629,36 41x19 hidden |  | Liberation Sans 11 #0000ff"},
    {"div", "Div", "Picture2 26,84 41x19 hidden |  | Liberation Sans 11 #0000ff"},
};

using Form1Retratos = Janela<Retrato>;

TEST_P(Form1Retratos, ComecaComoFoiDesenhado)
{
    const QWidget* c = C(GetParam().controlo);
    ASSERT_NE(c, nullptr);
    const QRect g = c->geometry();
    const QFont f = c->font();
    const auto n = [](int i) { return std::to_string(i); };
    EXPECT_EQ(c->parentWidget()->objectName().toStdString() + " " + n(g.x()) + "," + n(g.y()) + " " +
                  n(g.width()) + "x" + n(g.height()) + (c->isVisibleTo(&janela) ? "" : " hidden") + " | " +
                  Texto(GetParam().controlo) + " | " + QFontInfo(f).family().toStdString() + " " +
                  n(f.pixelSize()) + (f.bold() ? " bold " : " ") +
                  c->palette().color(c->foregroundRole()).name().toStdString(),
              GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(Tabelas, Form1Retratos, ::testing::ValuesIn(Retratos), Nome);

TEST_F(Form1Teste, ComecaComOFocoEmPolinomio1ESairFecha)
{
    EXPECT_EQ(janela.windowTitle(), QStringLiteral("VENDRIX"));
    EXPECT_EQ(janela.size(), QSize(1018, 736));
    EXPECT_EQ(C("SimplificarPolinómio1")->palette().color(QPalette::Button).rgb(), Azul);
    EXPECT_EQ(C("ApagarResultado")->palette().color(QPalette::Button).rgb(), Vermelho);
    EXPECT_EQ(Desenhadas(), "");
    EXPECT_EQ(Tabela(), " /  / ");
    EXPECT_EQ(Caixas(), "x^4-3x^3+5x^2-2x-1 | x-2");
    EXPECT_EQ(janela.focusWidget(), C("Polinómio1")); // what gets the focus when the window is active
    Clicar("Sair");
    EXPECT_FALSE(janela.isVisible());
}

struct Operacao
{
    Cadeia nome, polinomio1, polinomio2, cliques, resultado, legenda, desenhadas;
};

void PrintTo(const Operacao& o, std::ostream* os) { *os << o.nome; }

constexpr Operacao Operações[] = {
    {"soma_inicial", P1, "x-2", "Somar", "x^4-3x^3+5x^2-x-3", "Resultado (soma)", "1"},
    {"produto_inicial", P1, "x-2", "Multiplicar", Produto, "Resultado (multiplicação)", "1"},
    {"soma_que_se_anula", "x", "-x", "Somar", "", "Resultado (soma)", ""},
    {"diferenca_de_negativos", "-x^2+1", "-x-1", "Subtrair", "-x^2+x+2", "Resultado (subtração)", "1"},
    {"simplificar2", P1, "-x+1+3x", "SimplificarPolinómio2", "2x+1", "Resultado", "4"},
    {"apagar1", P1, "x", "Somar SimplificarPolinómio1 ApagarPolinómio1", P1, "Resultado (soma)", "1"},
    {"apagar2", P1, "x", "Somar SimplificarPolinómio2 ApagarPolinómio2", "x", "Resultado (soma)", "1"},
    {"apagar_resultado", P1, "x-2", "Multiplicar ApagarResultado", Produto, "Resultado", ""},
    {"soma_segundo_mais_menos", "x", "+-x", "Somar", "", "Resultado (soma)", ""},
    {"diferenca_segundo_mais_menos",
     "x",
     "+-766x^12+3x^12-6x^8",
     "Subtrair",
     "763x^12+6x^8+x",
     "Resultado (subtração)",
     "1"},
};

using Form1Operacoes = Janela<Operacao>;

TEST_P(Form1Operacoes, EscreveResultadoLegendaEDesenho)
{
    const Operacao& o = GetParam();
    Escrever("Polinómio1", o.polinomio1);
    Escrever("Polinómio2", o.polinomio2);
    Clicar(o.cliques);
    EXPECT_EQ(Texto("Resultado"), o.resultado);
    EXPECT_EQ(Texto("frame3"), o.legenda);
    EXPECT_EQ(Desenhadas(), o.desenhadas);
    EXPECT_TRUE(gravador.caixas.empty());
    EXPECT_EQ(Caixas(), std::string(o.polinomio1) + " | " + o.polinomio2); // as typed
}

INSTANTIATE_TEST_SUITE_P(Botoes, Form1Operacoes, ::testing::ValuesIn(Operações), Nome);

// The columns holding pure blue (not the blended edges), with their top and bottom blue rows.
std::map<int, std::pair<int, int>> Azuis(const QImage& imagem)
{
    std::map<int, std::pair<int, int>> a;
    for (int x = 0; x < imagem.width(); ++x)
        for (int y = 0; y < imagem.height(); ++y)
            if (imagem.pixel(x, y) == Azul)
                a.try_emplace(x, y, y).first->second.second = y;
    return a;
}

TEST_F(Form1Teste, ExpoenteDesenhadoAcimaDaLinhaEmAzul)
{
    Escrever("Polinómio1", "x^2");
    Escrever("Polinómio2", "0");
    Clicar("Somar");
    const auto azuis = Azuis(C("Picture1")->grab().toImage());
    ASSERT_FALSE(azuis.empty());
    // First column: the "x" on the line; last: the raised "2", neither as low nor as high.
    const auto [x, dois] = std::pair(azuis.begin()->second, azuis.rbegin()->second);
    EXPECT_LT(dois.second, x.second);
    EXPECT_LT(dois.first, x.first);
    EXPECT_NEAR(azuis.begin()->first, 2 + 611 / 50, 2); // from x = 1 of 50, past the 2-pixel border
}

// A drawing is kept while the window is hidden, and the next one lands on top of it.
TEST_F(Form1Teste, DesenhoSobreviveAoEsconderEOSeguinteFicaPorCima)
{
    Escrever("Polinómio1", "x");
    Escrever("Polinómio2", "0");
    Clicar("Somar");
    const QImage primeiro = C("Picture1")->grab().toImage();
    janela.hide();
    janela.show();
    EXPECT_EQ(C("Picture1")->grab().toImage(), primeiro);
    Escrever("Polinómio1", "1");
    Clicar("Somar");
    const QImage segundo = C("Picture1")->grab().toImage();
    const auto antes = Azuis(primeiro), depois = Azuis(segundo);
    EXPECT_GT(depois.size(), antes.size());
    for (const auto& [x, coluna] : antes)
        EXPECT_EQ(segundo.pixel(x, coluna.first), Azul) << x;
}

TEST(Form1CaixasReais, FalhaMostraCaixaModalComTituloIconeETexto)
{
    Form1 janela; // its own message boxes
    QStringList vistas;
    QTimer vigia; // the box runs its own event loop: a timer reads it and presses OK
    QObject::connect(&vigia, &QTimer::timeout, &janela, [&] {
        if (auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            vistas << caixa->windowTitle() << caixa->text() << QString::number(caixa->icon())
                   << QString::number(caixa->isModal());
            QTest::mouseClick(caixa->button(QMessageBox::Ok), Qt::LeftButton);
        }
    });
    vigia.start(10);
    janela.findChild<QLineEdit*>(QStringLiteral("Polinómio1"))->setText(QStringLiteral("x+"));
    QTest::mouseClick(janela.findChild<QAbstractButton*>(QStringLiteral("Somar")), Qt::LeftButton);
    EXPECT_EQ(vistas.join(u'|').toStdString(),
              "Erro2 na expressão.|Falta um termo depois do último sinal.|3|1"); // 3: critical
    EXPECT_EQ(janela.findChild<QWidget*>(QStringLiteral("Resultado"))->property("text"), QString());
    EXPECT_EQ(janela.findChild<QGroupBox*>(QStringLiteral("frame3"))->title(),
              QStringLiteral("Resultado (soma)"));
}

TEST_F(Form1Teste, RuffiniMostraTabelaQuocienteERestoApagarEscondeERecusaDevolveOFoco)
{
    Clicar("Ruffini");
    EXPECT_EQ(Texto("Div"), "2");
    EXPECT_EQ(Tabela(), "1 -3 5 -2 -1 / 2 -2 6 8 / 1 -1 3 4 7"); // no product under the remainder
    EXPECT_TRUE(Visível("Div") && Visível("Line1"));
    EXPECT_EQ(Texto("Resultado"), "x^3-x^2+3x+4");
    EXPECT_EQ(Texto("Label16"), "7");
    EXPECT_EQ(Desenhadas(), "25"); // the rules and the quotient
    // The rules lie under the cells: the one at y = 1740 twips is black where no cell covers it.
    EXPECT_EQ(C("Picture2")->grab().toImage().pixel(2 + 700 / 15, 2 + 1740 / 15), Preto);
    Clicar("ApagarRuffini");
    EXPECT_EQ(Tabela(), " /  / ");
    EXPECT_FALSE(Visível("Div") || Visível("Line1"));
    EXPECT_EQ(Texto("Label16") + Desenhadas(), "");
    EXPECT_EQ(Caixas(), "x^4-3x^3+5x^2-2x-1 | x-2");
    EXPECT_EQ(Texto("Coef(0)"), "1"); // hidden cells keep their texts
    // A refusal clears the table and sends the focus to the box at fault.
    Clicar("Ruffini");
    C<QLineEdit>("Polinómio1")->setText(QStringLiteral("7"));
    C("Polinómio2")->setFocus();
    Clicar("Ruffini");
    ASSERT_EQ(gravador.caixas.size(), 1U); // the first division showed none
    const testes::CaixaMostrada& caixa = gravador.caixas[0];
    EXPECT_EQ(caixa.título, runtime::TextoDoTítulo(runtime::Título::Vendrix));
    EXPECT_EQ(caixa.texto, runtime::Falhar(runtime::Código::DividendoInválido).Descrição());
    EXPECT_EQ(caixa.ícone, runtime::Ícone::Informação);
    EXPECT_EQ(Tabela() + Texto("Label16"), " /  / ");
    EXPECT_EQ(janela.focusWidget(), C("Polinómio1"));
}

// Degrees 1 and 9 pin the three lines.
TEST(GrelhaRuffini, Linhas)
{
    using Linhas = std::array<Segmento, 3>;
    EXPECT_EQ(LinhasDaGrelha(1),
              (Linhas{{{690, 1740, 2840, 1740}, {2135, 2350, 2830, 2350}, {2135, 1740, 2135, 2350}}}));
    EXPECT_EQ(LinhasDaGrelha(9),
              (Linhas{{{690, 1740, 9560, 1740}, {8495, 2350, 9470, 2350}, {8495, 1740, 8495, 2350}}}));
}

// Ten boxes at most for one product, the last counting the failures not shown.
TEST_F(Form1Teste, ProdutoQueFalhaEmOnzeMonomiosMostraDezCaixas)
{
    Escrever("Polinómio1", "3z");
    Escrever("Polinómio2", "x+x^2+x^3+x^4+x^5+x^6+x^7+x^8+x^9+x^10+x^11");
    Clicar("Multiplicar");
    ASSERT_EQ(gravador.caixas.size(), 10U);
    EXPECT_EQ(gravador.caixas[8].título + " | " + gravador.caixas[9].título,
              "Erro3 na expressão. | Erro3 na expressão.");
    EXPECT_EQ(gravador.caixas[9].texto,
              runtime::Falhar(runtime::Código::OutrosMonómios, {}, "2").Descrição());
    EXPECT_EQ(Texto("frame3"), "Resultado (multiplicação)");
}

struct Quadro
{
    Cadeia nome, polinomio1, polinomio2, div, quociente, resto;
    runtime::Código recusa; // Nenhum: no box
    Cadeia foco;
};

void PrintTo(const Quadro& d, std::ostream* os) { *os << d.nome; }

using enum runtime::Código;

constexpr Quadro Divisões[] = {
    {"alem_de_32_bits",
     "43x^9-8",
     "x+12",
     "-12",
     "43x^8-516x^7+6192x^6-74304x^5+891648x^4-10699776x^3+128397312x^2-1540767744x+18489212928",
     "-221870555144",
     Nenhum,
     "Ruffini"},
    {"constante_2_24",
     "x^2+1",
     "x+16777216",
     "-16777216",
     "x-16777216",
     "281474976710657",
     Nenhum,
     "Ruffini"},
    {"alem_de_10_15", "x^9+1", "x-999", "", "", "", ValoresGrandes, "Ruffini"},
    {"divisor_x_vezes_x", "x^9-1", "x*x", "", "", "", DivisorInválido, "Polinómio2"},
    {"constante_2_24_mais_1", "x^2+1", "x+16777217", "", "", "", ValoresGrandes, "Ruffini"},
};

using Form1Divisoes = Janela<Quadro>;

// The focus is on the button just clicked, unless a refusal sends it to a box.
TEST_P(Form1Divisoes, MostraATabelaOuRecusa)
{
    const Quadro& d = GetParam();
    Escrever("Polinómio1", d.polinomio1);
    Escrever("Polinómio2", d.polinomio2);
    C("Ruffini")->setFocus();
    Clicar("Ruffini");
    EXPECT_EQ(Visível("Div") ? Texto("Div") : "", d.div);
    EXPECT_EQ(Visível("Div") ? Texto("Resultado") : "", d.quociente);
    EXPECT_EQ(Texto("Label16"), d.resto);
    std::string caixas;
    for (const testes::CaixaMostrada& c : gravador.caixas)
        caixas += c.texto;
    EXPECT_EQ(caixas, runtime::Falhar(d.recusa).Descrição());
    EXPECT_EQ(janela.focusWidget(), C(d.foco));
}

INSTANTIATE_TEST_SUITE_P(Ruffini, Form1Divisoes, ::testing::ValuesIn(Divisões), Nome);

// A remainder of 15 digits is longer than its cell: the user clicks into the
// cell and moves along it with Home, End and the arrows, and reads it whole.
TEST_F(Form1Teste, ValorLongoLeSeNaCelulaSemMudar)
{
    Escrever("Polinómio1", "x^2+1");
    Escrever("Polinómio2", "x+12345678");
    Clicar("Ruffini");
    auto* célula = C<QLineEdit>("Ter(2)");
    ASSERT_EQ(célula->text().toStdString(), "152415765279685");
    ASSERT_GT(célula->fontMetrics().horizontalAdvance(célula->text()), célula->width()); // it does not fit
    QTest::mouseClick(célula, Qt::LeftButton);
    EXPECT_EQ(janela.focusWidget(), célula);
    QTest::keyClick(célula, Qt::Key_Home);
    EXPECT_EQ(célula->cursorPosition(), 0);
    const QImage início = célula->grab().toImage();
    QTest::keyClick(célula, Qt::Key_Right);
    QTest::keyClick(célula, Qt::Key_Right);
    EXPECT_EQ(célula->cursorPosition(), 2);
    QTest::keyClick(célula, Qt::Key_End);
    EXPECT_EQ(célula->cursorPosition(), 15);
    EXPECT_NE(célula->grab().toImage(), início); // the end of the value has come into view
    QTest::keyClick(célula, Qt::Key_Left);
    EXPECT_EQ(célula->cursorPosition(), 14);
    EXPECT_EQ(célula->text().toStdString(), "152415765279685");
    EXPECT_EQ(Texto("Label16"), "152415765279685");
}

// What a screen reader finds for a control, walking the window's
// accessibility tree from the top: its name and its description.
std::optional<std::pair<std::string, std::string>> Ler(QAccessibleInterface* i, Cadeia nome)
{
    using enum QAccessible::Text;
    if (i == nullptr)
        return std::nullopt;
    if (i->object() != nullptr && i->object()->objectName() == QString::fromUtf8(nome))
        return std::pair{i->text(Name).toStdString(), i->text(Description).toStdString()};
    for (int k = 0; k < i->childCount(); ++k)
        if (auto lido = Ler(i->child(k), nome))
            return lido;
    return std::nullopt;
}

constexpr Cadeia Reduzir = "Reduzir os termos semelhantes e ordenar o polinómio.";
constexpr Cadeia Soma = "x elevado a 4 - 3x elevado a 3 + 5x elevado a 2 - x - 3";

struct Leitura
{
    Cadeia nome, cliques, controlo, lido, descrito; // lido: the accessible name, if checked
};

void PrintTo(const Leitura& l, std::ostream* os) { *os << l.nome; }

constexpr Leitura Leituras[] = {
    {"reduzir", "", "SimplificarPolinómio2", "Reduzir os termos semelhantes e ordenar o polinómio", Reduzir},
    {"multiplicar", "", "Multiplicar", "Multiplicar", "Multiplicar o Polinómio1 pelo  Polinómio2."},
    {"soma", "Somar", "Picture1", nullptr, Soma},
    {"soma_apagada", "Somar ApagarResultado", "Picture1", nullptr, ""},
    {"por_cima", "Subtrair Somar", "Picture1", nullptr, Soma},
    {"outra_area_fica", "SimplificarPolinómio2 ApagarPolinómio1", "Picture4", nullptr, "x - 2"},
    {"quociente", "Ruffini", "Picture5", nullptr, "x elevado a 3 - x elevado a 2 + 3x + 4"},
};

using Form1Acessivel = Janela<Leitura>;

TEST_P(Form1Acessivel, LeitorDeEcraEncontraNomeEDescricao)
{
    Clicar(GetParam().cliques);
    const auto lido = Ler(QAccessible::queryAccessibleInterface(&janela), GetParam().controlo);
    ASSERT_TRUE(lido.has_value()) << "not reachable";
    if (GetParam().lido != nullptr) { // a button: the toolkit names a picture area after its frame
        EXPECT_EQ(lido->first, GetParam().lido);
        EXPECT_EQ(C(GetParam().controlo)->toolTip().toStdString(), GetParam().descrito);
    }
    EXPECT_EQ(lido->second, GetParam().descrito);
}

INSTANTIATE_TEST_SUITE_P(Form1, Form1Acessivel, ::testing::ValuesIn(Leituras), Nome);

} // namespace
} // namespace vendrix::ui

// Test discovery runs this outside ctest: no screen is needed unless one is chosen.
int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication aplicação(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
