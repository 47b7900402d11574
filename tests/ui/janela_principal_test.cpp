// SPDX-License-Identifier: MIT
#include "ui/janela_principal.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <string>

namespace vendrix::ui {
namespace {

using Cadeia = const char*;

// The window with its menus, driven as a user would; the modal boxes it
// opens are read and closed by a timer, since each runs its own loop.
template <typename Fila = int>
class Menus : public ::testing::TestWithParam<Fila>
{
protected:
    Menus()
    {
        janela.show();
        QObject::connect(&vigia, &QTimer::timeout, &janela, [this] {
            if (auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                caixas << caixa->windowTitle() + u'|' + QString::number(caixa->icon()) + u'|' + caixa->text();
                QTest::mouseClick(caixa->button(QMessageBox::Ok), Qt::LeftButton);
            }
        });
        vigia.start(10);
    }

    template <typename T = QWidget>
    T* C(Cadeia nome)
    {
        T* c = janela.findChild<T*>(QString::fromUtf8(nome));
        EXPECT_NE(c, nullptr) << nome;
        return c;
    }

    void Escrever(Cadeia polinómio1, Cadeia polinómio2)
    {
        C<QLineEdit>("Polinómio1")->setText(QString::fromUtf8(polinómio1));
        C<QLineEdit>("Polinómio2")->setText(QString::fromUtf8(polinómio2));
    }

    // The point is typed into the solution window and sent with Enter.
    void Correr(Cadeia acção, Cadeia ponto)
    {
        C<QAction>(acção)->trigger();
        if (*ponto != '\0') {
            auto* caixa = C<QLineEdit>("Ponto");
            caixa->clear();
            QTest::keyClicks(caixa, QString::fromUtf8(ponto));
            QTest::keyClick(caixa, Qt::Key_Return);
        }
    }

    std::string Propriedade(const char* nome)
    {
        const QVariant v = C("Resolucao")->property(nome);
        return (v.typeId() == QMetaType::QStringList ? v.toStringList().join(u';') : v.toString())
            .toStdString();
    }

    JanelaPrincipal janela;
    QTimer vigia;
    QStringList caixas; // "title|icon|text", 1 being the information icon
};

struct Atalho
{
    Cadeia nome, menu, atalho;
};

constexpr Atalho Atalhos[] = {
    {"Dividir", "MenuExercicio", "Ctrl+D"},
    {"Factorizar", "MenuExercicio", "Ctrl+F"},
    {"ValorNumerico", "MenuExercicio", ""},
    {"Grafico", "MenuExercicio", "Ctrl+G"},
    {"ExplicarRuffini", "MenuExercicio", ""},
    {"Sobre", "MenuAjuda", ""},
};

using MenusAtalhos = Menus<Atalho>;

TEST_P(MenusAtalhos, AcaoNoSeuMenuComOSeuAtalho)
{
    auto* acção = C<QAction>(GetParam().nome);
    ASSERT_NE(acção, nullptr);
    EXPECT_TRUE(C<QMenu>(GetParam().menu)->actions().contains(acção));
    EXPECT_EQ(acção->shortcut().toString().toStdString(), GetParam().atalho);
}

INSTANTIATE_TEST_SUITE_P(JanelaPrincipal, MenusAtalhos, ::testing::ValuesIn(Atalhos), [](const auto& linha) {
    return std::string(linha.param.nome);
});

using MenusJanela = Menus<>;

TEST_F(MenusJanela, Form1CrescePelaBarraDeMenusEEditarTemAsAcoesDosMenusDeContexto)
{
    QWidget* form1 = C("Form1");
    EXPECT_EQ(form1->pos(), QPoint(0, janela.menuBar()->height()));
    EXPECT_EQ(janela.size(), form1->size() + QSize(0, janela.menuBar()->height()));
    QList<QAction*> noMenu, deContexto;
    for (QAction* submenu : C<QMenu>("MenuEditar")->actions())
        noMenu << submenu->menu()->actions();
    for (Cadeia área : {"Picture3", "Picture4", "Picture1", "Frame6", "Picture5", "Label16"})
        deContexto << C(área)->actions();
    EXPECT_EQ(deContexto.size(), 12);
    EXPECT_EQ(noMenu, deContexto);
}

struct Exemplo
{
    Cadeia nome, polinómio1, polinómio2, acção, ponto;
    Cadeia comando, quociente, resto, factorização, valor, sinais, raízes;
};

constexpr Exemplo Exemplos[] = {
    {"dividir", "x^4-3x^3+5x^2-2x-1", "x^2+1", "Dividir", "", "dividir", "x^2-3x+4", "x-5", "", "", "", ""},
    {"factorizar",
     "x^3-6x^2+11x-6",
     "",
     "Factorizar",
     "",
     "factorizar",
     "",
     "",
     "(x-1)(x-2)(x-3)",
     "",
     "-0+0-0+",
     "1|1|1;2|2|1;3|3|1"},
    {"factorizar_nao_monico",
     "2x^3+3x^2-1",
     "",
     "Factorizar",
     "",
     "factorizar",
     "",
     "",
     "2(x+1)^2(x-1/2)",
     "",
     "-0-0+",
     "-1|-1|2;1/2|0.5|1"},
    {"valor", "x^3-6x^2+11x-6", "", "ValorNumerico", "1/2", "valor", "", "", "", "-15/8", "", ""},
    {"grafico", "x^3-6x^2+11x-6", "", "Grafico", "", "grafico", "", "", "", "", "", ""},
};

using MenusExemplos = Menus<Exemplo>;

// What the core found, as the properties say it; Copiar and Copiar como
// LaTeX put the document's forms on the clipboard.
TEST_P(MenusExemplos, ResolveNaJanelaDeResolucaoECopia)
{
    const Exemplo& e = GetParam();
    Escrever(e.polinómio1, e.polinómio2);
    Correr(e.acção, e.ponto);
    EXPECT_EQ(Propriedade("comando"), e.comando);
    EXPECT_EQ(Propriedade("quociente"), e.quociente);
    EXPECT_EQ(Propriedade("resto"), e.resto);
    EXPECT_EQ(Propriedade("factorizacao"), e.factorização);
    EXPECT_EQ(Propriedade("valor"), e.valor);
    EXPECT_EQ(Propriedade("sinais"), e.sinais);
    EXPECT_EQ(Propriedade("raizes"), e.raízes);
    ASSERT_FALSE(Propriedade("texto").empty());
    QTest::mouseClick(C<QAbstractButton>("Copiar"), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), Propriedade("texto"));
    EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasHtml());
    QTest::mouseClick(C<QAbstractButton>("CopiarLaTeX"), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), Propriedade("latex"));
    EXPECT_TRUE(caixas.isEmpty());
    EXPECT_EQ(janela.findChildren<QWidget*>(QStringLiteral("Resolucao")).size(), 1);
}

INSTANTIATE_TEST_SUITE_P(JanelaPrincipal,
                         MenusExemplos,
                         ::testing::ValuesIn(Exemplos),
                         [](const auto& linha) { return std::string(linha.param.nome); });

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
    EXPECT_EQ(Propriedade("comando"), "explicar");
    EXPECT_EQ(Propriedade("quociente") + " " + Propriedade("resto"), "x^2+2x+1 0");
    Escrever("x^3", "x^2+1"); // refused by Ruffini: the box stays, Ctrl+D divides
    QTest::mouseClick(C<QAbstractButton>("Ruffini"), Qt::LeftButton);
    EXPECT_EQ(caixas.size(), 1);
    EXPECT_FALSE(explicar->isEnabled());
    Escrever("x^3", "x-1");
    QTest::mouseClick(C<QAbstractButton>("Ruffini"), Qt::LeftButton);
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
     "Vendrix|1|No Polinómio 1, a leitura parou no carácter 6. O termo «2y» não se lê: escreva termos como "
     "3x^2, "
     "-1/2x ou 0.25."},
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
        EXPECT_EQ(Propriedade("comando") + Propriedade("texto"), "valor");
    }
}

INSTANTIATE_TEST_SUITE_P(JanelaPrincipal,
                         MenusIlegiveis,
                         ::testing::ValuesIn(Ilegíveis),
                         [](const auto& linha) { return std::string(linha.param.nome); });

} // namespace
} // namespace vendrix::ui
