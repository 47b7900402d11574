// SPDX-License-Identifier: MIT
#include "comum/gravador_mensagens.h"
#include "janela.h"
#include "ui/caixa_desenho.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vendrix::ui {
namespace {

using testes::Controlo;

class Form1Comandos : public ::testing::Test
{
protected:
    Form1Comandos() { janela.show(); }

    void Escrever(const char* caixa, const char* texto)
    {
        auto* c = Controlo<QLineEdit>(janela, caixa);
        c->clear();
        QTest::keyClicks(c, QString::fromUtf8(texto));
    }

    void Clicar(const char* botão)
    {
        QTest::mouseClick(Controlo<QAbstractButton>(janela, botão), Qt::LeftButton);
    }

    // Input boxes and hidden work boxes alike.
    std::string Texto(const char* caixa)
    {
        return Controlo(janela, caixa)->property("text").toString().toStdString();
    }

    std::string Legenda() { return Controlo<QGroupBox>(janela, "frame3")->title().toStdString(); }

    QImage Imagem(const char* área) { return Controlo(janela, área)->grab().toImage(); }

    testes::GravadorDeMensagens gravador;
    Form1 janela{gravador};
};

struct Operação
{
    const char* nome;
    const char* botão;
    const char* polinómio1;
    const char* polinómio2;
    const char* resultado;
    const char* legenda;
    std::size_t caixas; // failure reports shown
};

void PrintTo(const Operação& o, std::ostream* os) { *os << o.nome; }

constexpr Operação Operações[] = {
    {"soma_inicial", "Somar", "x^4-3x^3+5x^2-2x-1", "x-2", "x^4-3x^3+5x^2-x-3", "Resultado (soma)", 0},
    {"diferenca_inicial",
     "Subtrair",
     "x^4-3x^3+5x^2-2x-1",
     "x-2",
     "x^4-3x^3+5x^2-3x+1",
     "Resultado (subtração)",
     0},
    {"produto_inicial",
     "Multiplicar",
     "x^4-3x^3+5x^2-2x-1",
     "x-2",
     "x^5-5x^4+11x^3-12x^2+3x+2",
     "Resultado (multiplicação)",
     0},
    {"soma_que_se_anula", "Somar", "x", "-x", "", "Resultado (soma)", 0},
    {"soma_com_menos_a_frente", "Somar", "-x^2", "3x^2-1", "2x^2-1", "Resultado (soma)", 0},
    {"diferenca_de_negativos", "Subtrair", "-x^2+1", "-x-1", "-x^2+x+2", "Resultado (subtração)", 0},
    {"produto_de_negativos", "Multiplicar", "-x+1", "-x-1", "x^2-1", "Resultado (multiplicação)", 0},
};

class Form1Operações
    : public Form1Comandos
    , public ::testing::WithParamInterface<Operação>
{};

TEST_P(Form1Operações, EscreveResultadoELegenda)
{
    const Operação& o = GetParam();
    Escrever("Polinómio1", o.polinómio1);
    Escrever("Polinómio2", o.polinómio2);
    Clicar(o.botão);
    EXPECT_EQ(Texto("Resultado"), o.resultado);
    EXPECT_EQ(Legenda(), o.legenda);
    EXPECT_EQ(gravador.caixas.size(), o.caixas);
    // The typed texts stay as they were typed.
    EXPECT_EQ(Texto("Polinómio1"), o.polinómio1);
    EXPECT_EQ(Texto("Polinómio2"), o.polinómio2);
    EXPECT_EQ(Controlo<CaixaDeDesenho>(janela, "Picture1")->Vazia(), std::string_view(o.resultado).empty());
}

std::string NomeDaOperação(const ::testing::TestParamInfo<Operação>& linha) { return linha.param.nome; }

INSTANTIATE_TEST_SUITE_P(Botoes, Form1Operações, ::testing::ValuesIn(Operações), NomeDaOperação);

TEST_F(Form1Comandos, DiferencaDeixaOsTextosDeTrabalho)
{
    Clicar("Subtrair");
    EXPECT_EQ(Texto("Text2"), "+x-2");
    EXPECT_EQ(Texto("Polinómio1A"), "x^4-3x^3+5x^2-2x-1");
    EXPECT_EQ(Texto("Text4"), "Text4"); // no command uses it
}

// Pure blue (RGB 0, 0, 255): the colour every result is drawn in; the
// antialiased edges of the letters are blends and do not count.
bool Azul(const QImage& imagem, int x, int y) { return imagem.pixel(x, y) == qRgb(0, 0, 255); }

// The lowest and highest blue rows of one column, or nothing.
std::optional<std::pair<int, int>> AlturaAzul(const QImage& imagem, int x)
{
    std::optional<std::pair<int, int>> a;
    for (int y = 0; y < imagem.height(); ++y)
        if (Azul(imagem, x, y))
            a = std::pair{a ? a->first : y, y};
    return a;
}

// The first and the last columns that hold blue.
std::pair<int, int> ColunasAzuis(const QImage& imagem)
{
    int primeira = -1, última = -1;
    for (int x = 0; x < imagem.width(); ++x)
        if (AlturaAzul(imagem, x)) {
            primeira = primeira < 0 ? x : primeira;
            última = x;
        }
    return {primeira, última};
}

TEST_F(Form1Comandos, ExpoenteDesenhadoAcimaDaLinhaEmAzul)
{
    Escrever("Polinómio1", "x^2");
    Escrever("Polinómio2", "0");
    Clicar("Somar");
    ASSERT_EQ(Texto("Resultado"), "x^2");
    const QImage imagem = Imagem("Picture1");
    const auto [primeira, última] = ColunasAzuis(imagem);
    ASSERT_GE(primeira, 0);
    // The first column holds the "x" on the line, the last one the raised
    // "2": it reaches neither as low nor as high.
    const auto x = *AlturaAzul(imagem, primeira);
    const auto dois = *AlturaAzul(imagem, última);
    EXPECT_LT(dois.second, x.second);
    EXPECT_LT(dois.first, x.first);
    // Drawn from x = 1 of 50, past the 2-pixel border.
    EXPECT_NEAR(primeira, 2 + 611 / 50, 2);
}

TEST_F(Form1Comandos, DesenhoSobreviveAoTapareDesenhaPorCima)
{
    Clicar("SimplificarPolinómio1");
    const QImage primeira = Imagem("Picture3");
    EXPECT_GE(ColunasAzuis(primeira).first, 0);
    janela.hide();
    janela.show();
    EXPECT_EQ(Imagem("Picture3"), primeira);
    // The same text again lands on the same letters, over the first drawing.
    Clicar("SimplificarPolinómio1");
    const QImage segunda = Imagem("Picture3");
    for (int x = 0; x < primeira.width(); ++x)
        for (int y = 0; y < primeira.height(); ++y)
            if (Azul(primeira, x, y)) {
                ASSERT_TRUE(Azul(segunda, x, y)) << x << "," << y;
            }
    EXPECT_EQ(Texto("Polinómio1A"), "x^4 -3x^3 +5x^2 -2x -1");
}

TEST_F(Form1Comandos, SimplificarGuardaMenosEDesenhaReduzido)
{
    Escrever("Polinómio2", "-x+1+3x");
    Clicar("SimplificarPolinómio2");
    EXPECT_EQ(Texto("Polinómio2A"), "0 -x +1 +3x");
    EXPECT_EQ(Texto("Resultado"), "2x+1");
    EXPECT_EQ(Texto("Polinómio2"), "-x+1+3x");
    EXPECT_FALSE(Controlo<CaixaDeDesenho>(janela, "Picture4")->Vazia());
    EXPECT_TRUE(Controlo<CaixaDeDesenho>(janela, "Picture3")->Vazia());
}

TEST_F(Form1Comandos, BotoesVermelhosApagamSoASuaArea)
{
    Clicar("SimplificarPolinómio1");
    Clicar("SimplificarPolinómio2");
    Clicar("Multiplicar");
    Clicar("ApagarPolinómio1");
    EXPECT_TRUE(Controlo<CaixaDeDesenho>(janela, "Picture3")->Vazia());
    EXPECT_FALSE(Controlo<CaixaDeDesenho>(janela, "Picture4")->Vazia());
    Clicar("ApagarPolinómio2");
    EXPECT_TRUE(Controlo<CaixaDeDesenho>(janela, "Picture4")->Vazia());
    EXPECT_EQ(Legenda(), "Resultado (multiplicação)");
    Clicar("ApagarResultado");
    EXPECT_TRUE(Controlo<CaixaDeDesenho>(janela, "Picture1")->Vazia());
    EXPECT_EQ(Legenda(), "Resultado");
    EXPECT_EQ(Texto("Resultado"), "x^5-5x^4+11x^3-12x^2+3x+2");
    EXPECT_EQ(Texto("Polinómio1"), "x^4-3x^3+5x^2-2x-1");
    EXPECT_EQ(Texto("Polinómio2"), "x-2");
}

TEST_F(Form1Comandos, ResultadoEnormeGuardadoInteiroEDesenhadoAteAMargem)
{
    std::string enorme = "x";
    for (int i = 0; i < 20000; ++i)
        enorme += "+x^" + std::to_string(i + 2);
    Controlo<QLineEdit>(janela, "Polinómio1")->setText(QString::fromStdString(enorme));
    EXPECT_EQ(Texto("Polinómio1").size(), enorme.size()); // typed or pasted, never cut
    Escrever("Polinómio2", "0");
    Clicar("Somar");
    EXPECT_GT(Texto("Text3").size(), 32767U); // no box cuts it at the old limit
    const auto [primeira, última] = ColunasAzuis(Imagem("Picture1"));
    ASSERT_GE(primeira, 0);
    EXPECT_LE(última, 2 + 611); // cut at the inner right edge
}

TEST_F(Form1Comandos, SairFechaAJanela)
{
    Clicar("Sair");
    EXPECT_FALSE(janela.isVisible());
}

TEST_F(Form1Comandos, FalhaDoMotorPassaPeloServico)
{
    Escrever("Polinómio1", "+x");
    Clicar("Somar");
    ASSERT_EQ(gravador.caixas.size(), 1U);
    EXPECT_EQ(gravador.caixas[0].título, "Erro2 na expressão.");
    EXPECT_EQ(gravador.caixas[0].ícone, runtime::Ícone::Crítico);
    EXPECT_EQ(Texto("Resultado"), "");
    EXPECT_EQ(Legenda(), "Resultado (soma)");
}

// What a real message box showed, read while it was open.
struct CaixaVista
{
    QString título;
    QString texto;
    QMessageBox::Icon ícone = QMessageBox::NoIcon;
    bool modal = false;
};

TEST(Form1CaixasReais, FalhaMostraCaixaModalComTituloIconeEOk)
{
    Form1 janela; // its own message boxes
    janela.show();
    std::vector<CaixaVista> vistas;
    // The box runs its own event loop; a timer reads it and presses OK.
    QTimer vigia;
    QObject::connect(&vigia, &QTimer::timeout, &janela, [&] {
        if (auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            vistas.push_back({caixa->windowTitle(), caixa->text(), caixa->icon(), caixa->isModal()});
            QTest::mouseClick(caixa->button(QMessageBox::Ok), Qt::LeftButton);
        }
    });
    vigia.start(10);
    auto* p1 = Controlo<QLineEdit>(janela, "Polinómio1");
    p1->setText(QStringLiteral("+x"));
    QTest::mouseClick(Controlo<QAbstractButton>(janela, "Somar"), Qt::LeftButton);
    ASSERT_EQ(vistas.size(), 1U);
    EXPECT_EQ(vistas[0].título, QStringLiteral("Erro2 na expressão."));
    EXPECT_EQ(vistas[0].ícone, QMessageBox::Critical);
    EXPECT_FALSE(vistas[0].texto.isEmpty());
    EXPECT_TRUE(vistas[0].modal);
    EXPECT_EQ(Controlo(janela, "Resultado")->property("text").toString(), QString());
}

} // namespace
} // namespace vendrix::ui
