// SPDX-License-Identifier: MIT
#include "comum/gravador_mensagens.h"
#include "janela.h"
#include "ui/caixa_desenho.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <string>

namespace vendrix::ui {
namespace {

using testes::Controlo;

class Form1Ruffini : public ::testing::Test
{
protected:
    Form1Ruffini() { janela.show(); }

    void Clicar(const char* botão)
    {
        QTest::mouseClick(Controlo<QAbstractButton>(janela, botão), Qt::LeftButton);
    }

    std::string Texto(const char* nome)
    {
        return Controlo(janela, nome)->property("text").toString().toStdString();
    }

    bool Visível(const char* nome) { return Controlo(janela, nome)->isVisible(); }

    bool Vazia(const char* nome) { return Controlo<CaixaDeDesenho>(janela, nome)->Vazia(); }

    testes::GravadorDeMensagens gravador;
    Form1 janela{gravador};
};

TEST_F(Form1Ruffini, DivisaoInicialMostraTabelaQuocienteEResto)
{
    Clicar("Ruffini");
    EXPECT_TRUE(gravador.caixas.empty());
    EXPECT_EQ(Texto("Div"), "2");
    const char* topo[] = {"1", "-3", "5", "-2", "-1"};
    const char* fundo[] = {"1", "-1", "3", "4", "7"};
    for (int i = 0; i <= 4; ++i) {
        const std::string coef = "Coef(" + std::to_string(i) + ")", ter = "Ter(" + std::to_string(i) + ")";
        EXPECT_EQ(Texto(coef.c_str()), topo[i]);
        EXPECT_EQ(Texto(ter.c_str()), fundo[i]);
        EXPECT_TRUE(Visível(coef.c_str()));
        EXPECT_TRUE(Visível(ter.c_str()));
    }
    EXPECT_TRUE(Visível("Seg(3)"));
    EXPECT_FALSE(Visível("Seg(4)")); // the remainder's column has no product
    EXPECT_FALSE(Visível("Coef(5)"));
    EXPECT_TRUE(Visível("Div"));
    EXPECT_TRUE(Visível("Line1"));
    EXPECT_EQ(Texto("Resultado"), "x^3-x^2+3x+4");
    EXPECT_EQ(Texto("Label16"), "7");
    EXPECT_FALSE(Vazia("Picture2")); // the rules
    EXPECT_FALSE(Vazia("Picture5")); // the quotient
}

TEST_F(Form1Ruffini, RegrasFicamDebaixoDasCelulas)
{
    Clicar("Ruffini");
    // The rule between the middle and the bottom row, at y = 1740 twips,
    // is black in Picture2's own image where no cell covers it.
    const QImage imagem = Controlo(janela, "Picture2")->grab().toImage();
    EXPECT_EQ(imagem.pixel(2 + 700 / 15, 2 + 1740 / 15), qRgb(0, 0, 0));
}

TEST_F(Form1Ruffini, ApagarEscondeATabelaEDeixaOsPolinomios)
{
    Clicar("Ruffini");
    Clicar("ApagarRuffini");
    for (const char* nome : {"Coef(0)", "Ter(4)", "Seg(0)", "Div", "Line1"})
        EXPECT_FALSE(Visível(nome)) << nome;
    EXPECT_EQ(Texto("Label16"), "");
    EXPECT_TRUE(Vazia("Picture2"));
    EXPECT_TRUE(Vazia("Picture5"));
    EXPECT_EQ(Texto("Polinómio1"), "x^4-3x^3+5x^2-2x-1");
    EXPECT_EQ(Texto("Polinómio2"), "x-2");
    EXPECT_EQ(Texto("Coef(0)"), "1"); // hidden cells keep their texts
}

TEST_F(Form1Ruffini, RecusaMostraCaixaVendrixEDeixaATabelaLimpa)
{
    Clicar("Ruffini");
    auto* p1 = Controlo<QLineEdit>(janela, "Polinómio1");
    p1->setText(QStringLiteral("7"));
    Controlo<QLineEdit>(janela, "Polinómio2")->setFocus();
    Clicar("Ruffini");
    ASSERT_EQ(gravador.caixas.size(), 1U);
    EXPECT_EQ(gravador.caixas[0].título, "Vendrix");
    EXPECT_EQ(gravador.caixas[0].ícone, runtime::Ícone::Informação);
    EXPECT_FALSE(Visível("Coef(0)"));
    EXPECT_EQ(Texto("Label16"), "");
    QApplication::setActiveWindow(&janela);
    EXPECT_EQ(QApplication::focusWidget(), p1); // the focus goes to the box at fault
}

} // namespace
} // namespace vendrix::ui
