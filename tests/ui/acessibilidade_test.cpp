// SPDX-License-Identifier: MIT
#include "comum/gravador_mensagens.h"
#include "janela.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QHash>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <string>

namespace vendrix::ui {
namespace {

using testes::Controlo;

struct Leitura
{
    std::string nome;
    std::string descrição;
};

// What a screen reader finds by walking the window's accessibility tree
// from the top, by object name.
class Leitor
{
public:
    explicit Leitor(QWidget& janela) { Percorrer(QAccessible::queryAccessibleInterface(&janela)); }

    Leitura operator[](const char* nome) const
    {
        const QString chave = QString::fromUtf8(nome);
        EXPECT_TRUE(lidos.contains(chave)) << nome << " is not reachable";
        return lidos.value(chave);
    }

private:
    void Percorrer(QAccessibleInterface* i)
    {
        if (i == nullptr)
            return;
        if (QObject* o = i->object(); o != nullptr && !o->objectName().isEmpty())
            lidos.insert(
                o->objectName(),
                {i->text(QAccessible::Name).toStdString(), i->text(QAccessible::Description).toStdString()});
        for (int k = 0; k < i->childCount(); ++k)
            Percorrer(i->child(k));
    }

    QHash<QString, Leitura> lidos;
};

struct Caso
{
    const char* nome;
    const char* controlo;
    const char* lido;
    const char* descrito;
};

void PrintTo(const Caso& c, std::ostream* os) { *os << c.nome; }

constexpr const char* Reduzir = "Reduzir os termos semelhantes e ordenar o polinómio.";

constexpr Caso Botões[] = {
    {"simplificar1", "SimplificarPolinómio1", "Reduzir os termos semelhantes e ordenar o polinómio", Reduzir},
    {"simplificar2", "SimplificarPolinómio2", "Reduzir os termos semelhantes e ordenar o polinómio", Reduzir},
    {"apagar1", "ApagarPolinómio1", "Apagar", "Apagar."},
    {"apagar2", "ApagarPolinómio2", "Apagar", "Apagar."},
    {"apagar_resultado", "ApagarResultado", "Apagar", "Apagar."},
    {"apagar_ruffini", "ApagarRuffini", "Apagar", "Apagar."},
    {"somar", "Somar", "Somar", "Somar o Polinómio1 com o Polinómio2."},
    {"subtrair", "Subtrair", "Subtrair", "Subtrair o Polinómio2 do Polinómio1."},
    {"multiplicar", "Multiplicar", "Multiplicar", "Multiplicar o Polinómio1 pelo  Polinómio2."},
    {"ruffini", "Ruffini", "Ruffini", "Dividir o Polinómio1 pelo  Polinómio2, usando a Regra de Ruffini."},
    {"sair", "Sair", "Sair", "Sair do programa."},
};

class Form1Acessivel : public ::testing::Test
{
protected:
    Form1Acessivel() { janela.show(); }

    void Clicar(const char* botão)
    {
        QTest::mouseClick(Controlo<QAbstractButton>(janela, botão), Qt::LeftButton);
    }

    std::string Descrição(const char* área) { return Leitor(janela)[área].descrição; }

    testes::GravadorDeMensagens gravador;
    Form1 janela{gravador};
};

class BotoesLidos
    : public Form1Acessivel
    , public ::testing::WithParamInterface<Caso>
{};

TEST_P(BotoesLidos, NomeEDescricaoVemDaDica)
{
    const Leitura l = Leitor(janela)[GetParam().controlo];
    EXPECT_EQ(l.nome, GetParam().lido);
    EXPECT_EQ(l.descrição, GetParam().descrito);
}

std::string NomeDaLinha(const ::testing::TestParamInfo<Caso>& linha) { return linha.param.nome; }

INSTANTIATE_TEST_SUITE_P(Form1, BotoesLidos, ::testing::ValuesIn(Botões), NomeDaLinha);

TEST_F(Form1Acessivel, AreasComecamSemDescricao)
{
    for (const char* área : {"Picture1", "Picture3", "Picture4", "Picture5"})
        EXPECT_EQ(Descrição(área), "") << área;
}

TEST_F(Form1Acessivel, SomaDescreveOResultadoEApagarLimpa)
{
    Clicar("Somar");
    EXPECT_EQ(Descrição("Picture1"), "x elevado a 4 - 3x elevado a 3 + 5x elevado a 2 - x - 3");
    Clicar("ApagarResultado");
    EXPECT_EQ(Descrição("Picture1"), "");
}

TEST_F(Form1Acessivel, DesenhoPorCimaDescreveOUltimo)
{
    Clicar("Somar");
    Clicar("Subtrair");
    EXPECT_EQ(Descrição("Picture1"), "x elevado a 4 - 3x elevado a 3 + 5x elevado a 2 - 3x + 1");
}

TEST_F(Form1Acessivel, SimplificarDescreveCadaPolinomio)
{
    Clicar("SimplificarPolinómio1");
    Clicar("SimplificarPolinómio2");
    EXPECT_EQ(Descrição("Picture3"), "x elevado a 4 - 3x elevado a 3 + 5x elevado a 2 - 2x - 1");
    EXPECT_EQ(Descrição("Picture4"), "x - 2");
    Clicar("ApagarPolinómio1");
    EXPECT_EQ(Descrição("Picture3"), "");
    EXPECT_EQ(Descrição("Picture4"), "x - 2"); // each clear button has its own area
}

TEST_F(Form1Acessivel, RuffiniDescreveOQuocienteEORestoLeSe)
{
    Clicar("Ruffini");
    EXPECT_EQ(Descrição("Picture5"), "x elevado a 3 - x elevado a 2 + 3x + 4");
    EXPECT_EQ(Leitor(janela)["Label16"].nome, "7");
    Clicar("ApagarRuffini");
    EXPECT_EQ(Descrição("Picture5"), "");
    EXPECT_EQ(Leitor(janela)["Label16"].nome, "");
}

} // namespace
} // namespace vendrix::ui
