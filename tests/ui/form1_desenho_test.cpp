// SPDX-License-Identifier: MIT
#include "comum/gravador_mensagens.h"
#include "janela.h"
#include "ui/caixa_desenho.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <string>

namespace vendrix::ui {
namespace {

using testes::Controlo;

// A window built once for all the rows: they only read its start state.
class Form1Desenho : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { janela = std::make_unique<Form1>(gravador); }

    static void TearDownTestSuite() { janela.reset(); }

    static testes::GravadorDeMensagens gravador;
    static std::unique_ptr<Form1> janela;
};

testes::GravadorDeMensagens Form1Desenho::gravador;
std::unique_ptr<Form1> Form1Desenho::janela;

// Pixels at 96 dpi, relative to the container; a picture area's children
// count from inside its 2-pixel border.
struct Lugar
{
    const char* nome;
    const char* contentor;
    int x, y, largura, altura;
    bool visível;
};

void PrintTo(const Lugar& l, std::ostream* os) { *os << l.nome; }

constexpr Lugar Lugares[] = {
    {"Form1_LabelTitulo", "Form1", 120, 28, 415, 45, true},
    {"Form1_Frame6", "Form1", 4, 378, 679, 349, true},
    {"Form1_Text1", "Form1", 696, 104, 305, 609, true},
    {"Form1_Resultado", "Form1", 728, 530, 257, 23, false},
    {"Form1_Text4", "Form1", 868, 604, 89, 25, false},
    {"frame1_Polinomio1", "frame1", 16, 18, 615, 21, true},
    {"frame1_Picture3", "frame1", 16, 44, 613, 33, true},
    {"frame2_SimplificarPolinomio2", "frame2", 640, 16, 21, 21, true},
    {"frame3_Picture1", "frame3", 16, 30, 615, 47, true},
    {"Frame4_Ruffini", "Frame4", 188, 20, 49, 49, true},
    {"Frame4_Sair", "Frame4", 248, 20, 49, 49, true},
    {"Frame6_ApagarRuffini", "Frame6", 626, 300, 21, 21, true},
    {"Picture2_Picture5", "Picture2", 56, 204, 571, 35, true},
    {"Picture2_Label16", "Picture2", 56, 256, 71, 29, true},
    {"Picture2_Line1", "Picture2", 78, 32, 1, 124, false},
    {"Picture2_Coef0", "Picture2", 96, 36, 41, 19, false},
    {"Picture2_Coef10", "Picture2", 629, 36, 41, 19, false},
    {"Picture2_Seg9", "Picture2", 629, 84, 41, 19, false},
    {"Picture2_Ter1", "Picture2", 149, 132, 41, 19, false},
    {"Picture2_Div", "Picture2", 26, 84, 41, 19, false},
};

// The Portuguese name behind each ASCII row name.
std::string NomeReal(std::string_view linha)
{
    std::string n(linha.substr(linha.find('_') + 1));
    const auto trocar = [&](std::string_view de, std::string_view para) {
        if (const auto p = n.find(de); p != std::string::npos)
            n.replace(p, de.size(), para);
    };
    trocar("Polinomio", "Polinómio");
    trocar("LabelTitulo", "LabelTítulo");
    for (const char* matriz : {"Coef", "Seg", "Ter"})
        if (n.starts_with(matriz) && n.size() > std::string_view(matriz).size())
            n = std::string(matriz) + "(" + n.substr(std::string_view(matriz).size()) + ")";
    return n;
}

class Form1Lugares
    : public Form1Desenho
    , public ::testing::WithParamInterface<Lugar>
{};

TEST_P(Form1Lugares, EstaOndeFoiDesenhado)
{
    const Lugar& l = GetParam();
    const QWidget* c = Controlo(*janela, NomeReal(l.nome).c_str());
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->parentWidget()->objectName(), QString::fromUtf8(l.contentor));
    EXPECT_EQ(c->geometry(), QRect(l.x, l.y, l.largura, l.altura));
    EXPECT_EQ(c->isVisibleTo(janela.get()), l.visível);
}

std::string NomeDoLugar(const ::testing::TestParamInfo<Lugar>& linha) { return linha.param.nome; }

INSTANTIATE_TEST_SUITE_P(Tabelas, Form1Lugares, ::testing::ValuesIn(Lugares), NomeDoLugar);

// Texts, tool tips, fonts and colours, a few rows of each table.
struct Aspecto
{
    const char* nome;
    const char* texto;
    const char* dica;
    const char* família; // the face actually used, after substitution
    int pixels;
    bool negrito;
    QRgb cor; // the text colour
};

void PrintTo(const Aspecto& a, std::ostream* os) { *os << a.nome; }

const Aspecto Aspectos[] = {
    {"Form1_LabelTitulo", "VENDRIX", "", "Comic Neue", 32, true, qRgb(255, 0, 0)},
    {"Form1_frame3", "Resultado", "", "Liberation Sans", 11, true, qRgb(0, 0, 255)},
    {"Form1_Frame4", "Opções", "", "Liberation Sans", 11, true, qRgb(0, 0, 255)},
    {"frame1_Polinomio1", "x^4-3x^3+5x^2-2x-1", "", "Liberation Sans", 11, false, qRgb(0, 0, 0)},
    {"frame2_Polinomio2", "x-2", "", "Liberation Sans", 11, false, qRgb(0, 0, 0)},
    {"Form1_Text2", "Text2", "", "Liberation Sans", 11, false, qRgb(0, 0, 0)},
    {"frame1_SimplificarPolinomio1",
     "",
     "Reduzir os termos semelhantes e ordenar o polinómio.",
     "Liberation Sans",
     11,
     false,
     qRgb(0, 0, 0)},
    {"Frame6_ApagarRuffini", "", "Apagar.", "Liberation Sans", 11, false, qRgb(0, 0, 0)},
    {"Frame4_Multiplicar",
     "Multiplicar",
     "Multiplicar o Polinómio1 pelo  Polinómio2.",
     "Liberation Serif",
     8,
     false,
     qRgb(0, 0, 0)},
    {"Picture2_Label14", "Q(x) =", "", "Liberation Sans", 11, true, qRgb(0, 0, 255)},
    {"Picture2_Label16", "", "", "Liberation Sans", 13, true, qRgb(0, 0, 255)},
    {"Picture2_Coef3", "", "", "Liberation Sans", 11, false, qRgb(0, 0, 255)},
};

QString TextoDe(const QWidget* c)
{
    if (const QVariant texto = c->property("text"); texto.isValid())
        return texto.toString(); // text boxes, hidden work boxes, buttons
    if (const auto* rótulo = qobject_cast<const QLabel*>(c))
        return rótulo->text();
    if (const auto* moldura = qobject_cast<const QGroupBox*>(c))
        return moldura->title();
    return {};
}

QRgb CorDoTexto(const QWidget* c)
{
    if (qobject_cast<const QLineEdit*>(c) != nullptr)
        return c->palette().color(QPalette::Text).rgb();
    if (qobject_cast<const QAbstractButton*>(c) != nullptr)
        return c->palette().color(QPalette::ButtonText).rgb();
    return c->palette().color(QPalette::WindowText).rgb();
}

class Form1Aspectos
    : public Form1Desenho
    , public ::testing::WithParamInterface<Aspecto>
{};

TEST_P(Form1Aspectos, TemOsTextosELetrasDoDesenho)
{
    const Aspecto& a = GetParam();
    const QWidget* c = Controlo(*janela, NomeReal(a.nome).c_str());
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(TextoDe(c), QString::fromUtf8(a.texto));
    EXPECT_EQ(c->toolTip(), QString::fromUtf8(a.dica));
    const QFontInfo letra(c->font());
    EXPECT_EQ(letra.family(), QString::fromUtf8(a.família));
    EXPECT_EQ(c->font().pixelSize(), a.pixels);
    EXPECT_EQ(c->font().bold(), a.negrito);
    EXPECT_EQ(CorDoTexto(c), a.cor);
}

std::string NomeDoAspecto(const ::testing::TestParamInfo<Aspecto>& linha) { return linha.param.nome; }

INSTANTIATE_TEST_SUITE_P(Tabelas, Form1Aspectos, ::testing::ValuesIn(Aspectos), NomeDoAspecto);

TEST_F(Form1Desenho, JanelaTemOTamanhoEOTituloDoDesenho)
{
    EXPECT_EQ(janela->windowTitle(), QStringLiteral("VENDRIX"));
    EXPECT_EQ(janela->size(), QSize(1018, 736));
    EXPECT_FALSE(janela->windowIcon().isNull());
}

TEST_F(Form1Desenho, BotoesQuadradosTemAsCoresDoDesenho)
{
    const auto fundo = [&](const char* nome) {
        return Controlo(*janela, nome)->palette().color(QPalette::Button).rgb();
    };
    EXPECT_EQ(fundo("SimplificarPolinómio1"), qRgb(0, 0, 255));
    EXPECT_EQ(fundo("ApagarResultado"), qRgb(255, 0, 0));
    EXPECT_EQ(fundo("ApagarRuffini"), qRgb(255, 0, 0));
}

TEST_F(Form1Desenho, AreasComecamVaziasECelulasEscondidas)
{
    for (const char* nome : {"Picture1", "Picture2", "Picture3", "Picture4", "Picture5"})
        EXPECT_TRUE(Controlo<CaixaDeDesenho>(*janela, nome)->Vazia()) << nome;
    const auto células =
        janela->findChildren<QLineEdit*>(QRegularExpression(QStringLiteral("^(Coef|Seg|Ter)\\(")));
    EXPECT_EQ(células.size(), 32);
    for (const QLineEdit* c : células)
        EXPECT_FALSE(c->isVisibleTo(janela.get())) << c->objectName().toStdString();
}

TEST_F(Form1Desenho, AjudaTemSeisParagrafosCentrados)
{
    const auto* ajuda = Controlo<QTextEdit>(*janela, "Text1");
    ASSERT_NE(ajuda, nullptr);
    const QStringList linhas = ajuda->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(linhas.size(), 11);
    EXPECT_TRUE(linhas[0].startsWith(QStringLiteral("- Utilize apenas")));
    EXPECT_EQ(linhas[5], QStringLiteral("       "));
    EXPECT_TRUE(linhas[10].endsWith(QStringLiteral("totalmente os valores.")));
    EXPECT_EQ(ajuda->document()->lastBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
}

TEST_F(Form1Desenho, TabulacaoSegueAOrdemDoDesenhoEComecaEmPolinomio1)
{
    janela->show();
    QApplication::setActiveWindow(janela.get());
    EXPECT_EQ(QApplication::focusWidget(), Controlo(*janela, "Polinómio1"));
    // Frames, labels, pictures and hidden boxes take no focus: from the first
    // box the order runs to the second box, then to the command bar.
    const char* ordem[] = {
        "Polinómio2", "Somar", "Subtrair", "Multiplicar", "Ruffini", "SimplificarPolinómio1"};
    QWidget* atual = Controlo(*janela, "Polinómio1");
    for (const char* seguinte : ordem) {
        atual = atual->nextInFocusChain();
        while (atual->focusPolicy() == Qt::NoFocus || !atual->isVisibleTo(janela.get()))
            atual = atual->nextInFocusChain();
        EXPECT_EQ(atual->objectName(), QString::fromUtf8(seguinte));
    }
    janela->hide();
}

} // namespace
} // namespace vendrix::ui
