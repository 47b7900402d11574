// SPDX-License-Identifier: MIT
#include "caixas.h"
#include "engine/comandos.h"
#include "engine/produto.h"
#include "engine/simplificar.h"

#include <gtest/gtest.h>

#include <ostream>

namespace vendrix::engine {
namespace {

using runtime::Código;

constexpr std::string_view Polinómio1PorOmissão = "x^4-3x^3+5x^2-2x-1";
constexpr std::string_view Polinómio2PorOmissão = "x-2";

TEST(Comandos, TextosDeTrabalhoDosPolinómiosPorOmissão)
{
    testes::GravadorDeMensagens gravador;
    const Comando soma = Somar(Polinómio1PorOmissão, Polinómio2PorOmissão, gravador);
    EXPECT_EQ(soma.Polinómio1A, "x^4 -3x^3 +5x^2 -2x -1");
    EXPECT_EQ(soma.Polinómio2A, " +x -2");
    EXPECT_EQ(soma.Text2, std::nullopt);
    EXPECT_EQ(soma.Text3, "x^4 -3x^3 +5x^2 -2x -1 +x -2");
    EXPECT_EQ(soma.Resultado, "x^4-3x^3+5x^2-x-3");
    EXPECT_EQ(soma.legenda, "Resultado (soma)");

    const Comando diferença = Subtrair(Polinómio1PorOmissão, Polinómio2PorOmissão, gravador);
    EXPECT_EQ(diferença.Text2, "+x-2");
    EXPECT_EQ(diferença.Text3, "x^4 -3x^3 +5x^2 -2x -1 -x +2");
    EXPECT_EQ(diferença.Resultado, "x^4-3x^3+5x^2-3x+1");
    EXPECT_EQ(diferença.legenda, "Resultado (subtração)");

    const Comando produto = Multiplicar(Polinómio1PorOmissão, Polinómio2PorOmissão, gravador);
    EXPECT_EQ(produto.Polinómio1A, "x^4 -3x^3 +5x^2 -2x -1");
    EXPECT_EQ(produto.Polinómio2A, "x -2");
    EXPECT_EQ(produto.Text3, std::nullopt);
    EXPECT_EQ(produto.Resultado, "x^5-5x^4+11x^3-12x^2+3x+2");
    EXPECT_EQ(produto.legenda, "Resultado (multiplicação)");
    EXPECT_TRUE(gravador.caixas.empty());
}

enum class Operação {
    Soma,
    Diferença,
    Produto,
};

struct CasoComando
{
    const char* nome;
    Operação operação;
    std::string_view polinómio1;
    std::string_view polinómio2;
    std::string_view resultado;
    std::string_view título; // of every box shown; empty when none is
    Código falha;
    std::size_t caixas;
};

constexpr std::string_view Erro2 = TítuloSimplificar;
constexpr std::string_view Erro3 = TítuloMultiplicarMonómios;
constexpr Código Nenhum = Código::Nenhum;
constexpr Código Índice = Código::ÍndiceForaDoIntervalo;
constexpr Código Tipo = Código::TipoIncompatível;

constexpr CasoComando Casos[] = {
    {"soma_da_dois", Operação::Soma, "x", "-x+2", "2", "", Nenhum, 0},
    {"soma_nula_vazia", Operação::Soma, "x", "-x", "", "", Nenhum, 0},
    {"soma_com_guarda_do_menos", Operação::Soma, "-x^2", "3x^2-1", "2x^2-1", "", Nenhum, 0},
    {"soma_com_brancos", Operação::Soma, " x ^ 2 ", "x - 1", "x^2+x-1", "", Nenhum, 0},
    {"diferenca_de_negativos", Operação::Diferença, "-x^2+1", "-x-1", "-x^2+x+2", "", Nenhum, 0},
    {"diferenca_nula", Operação::Diferença, "x^2", "x^2", "", "", Nenhum, 0},
    {"diferenca_com_brancos", Operação::Diferença, "x", "- x", "2x", "", Nenhum, 0},
    {"produto_de_negativos", Operação::Produto, "-x+1", "-x-1", "x^2-1", "", Nenhum, 0},
    {"soma_mais_inicial_no_primeiro", Operação::Soma, "+x", "x", "", Erro2, Índice, 1},
    {"diferenca_mais_inicial_no_primeiro", Operação::Diferença, "+x", "x", "", Erro2, Índice, 1},
    {"produto_mais_inicial_no_primeiro", Operação::Produto, "+x", "x-1", "", Erro3, Índice, 2},
    {"produto_mais_inicial_no_segundo", Operação::Produto, "x^2-1", "+x", "x^3-x", Erro3, Índice, 1},
    {"produto_segundo_vazio", Operação::Produto, "x", "", "", "", Nenhum, 0},
    {"soma_primeiro_vazio_comeca_por_branco", Operação::Soma, "", "x", "", Erro2, Índice, 1},
    {"soma_ilegivel", Operação::Soma, "2*x", "1", "", Erro2, Tipo, 1},
    // The second polynomial, when empty or blank, counts as 0.
    {"soma_segundo_vazio", Operação::Soma, "x", "", "x", "", Nenhum, 0},
    {"soma_segundo_em_branco", Operação::Soma, "x", "   ", "x", "", Nenhum, 0},
    {"diferenca_segundo_vazio", Operação::Diferença, "x", "", "x", "", Nenhum, 0},
    {"diferenca_segundo_em_branco", Operação::Diferença, "x", "  ", "x", "", Nenhum, 0},
    {"ambos_vazios_na_soma", Operação::Soma, "", "", "", Erro2, Índice, 1},
    // A second polynomial beginning with its own sign.
    {"soma_segundo_com_mais", Operação::Soma, "x", "+x", "2x", "", Nenhum, 0},
    {"diferenca_segundo_com_mais", Operação::Diferença, "x", "+x", "", "", Nenhum, 0},
    {"soma_segundo_com_branco_e_menos", Operação::Soma, "x", " -x", "", "", Nenhum, 0},
    {"diferenca_segundo_com_branco_e_menos", Operação::Diferença, "x", " -x", "2x", "", Nenhum, 0},
    {"diferenca_segundo_com_branco_e_mais", Operação::Diferença, "x", " +x-1", "1", "", Nenhum, 0},
    // Typed "&" is not a sign: "x&2" reads as x (what follows x without "^"
    // is ignored), "2&x" does not read at all.
    {"diferenca_e_comercial_depois_de_x", Operação::Diferença, "x", "x&2", "", "", Nenhum, 0},
    {"diferenca_e_comercial_no_coeficiente", Operação::Diferença, "x", "2&x", "", Erro2, Tipo, 1},
    {"soma_e_comercial_no_coeficiente", Operação::Soma, "x", "2&x", "", Erro2, Tipo, 1},
};

void PrintTo(const CasoComando& c, std::ostream* saída) { *saída << c.nome; }

class ComandoTeste : public ::testing::TestWithParam<CasoComando>
{};

TEST_P(ComandoTeste, ResultadoLegendaECaixas)
{
    const CasoComando& c = GetParam();
    testes::GravadorDeMensagens gravador;
    Comando comando;
    std::string_view legenda;
    switch (c.operação) {
    case Operação::Soma:
        comando = Somar(c.polinómio1, c.polinómio2, gravador);
        legenda = "Resultado (soma)";
        break;
    case Operação::Diferença:
        comando = Subtrair(c.polinómio1, c.polinómio2, gravador);
        legenda = "Resultado (subtração)";
        break;
    case Operação::Produto:
        comando = Multiplicar(c.polinómio1, c.polinómio2, gravador);
        legenda = "Resultado (multiplicação)";
        break;
    }
    EXPECT_EQ(comando.Resultado, c.resultado);
    EXPECT_EQ(comando.legenda, legenda); // set after a failure too
    const std::vector<testes::CaixaMostrada> esperadas(c.caixas, Caixa(c.título, c.falha));
    EXPECT_EQ(gravador.caixas, esperadas);
}

std::string Nome(const ::testing::TestParamInfo<CasoComando>& linha) { return linha.param.nome; }

INSTANTIATE_TEST_SUITE_P(Operações, ComandoTeste, ::testing::ValuesIn(Casos), Nome);

struct CasoSimplificação
{
    const char* nome;
    std::string_view polinómio;
    std::string_view cópia;
    std::string_view resultado;
    Código falha;
};

constexpr CasoSimplificação CasosSimplificação[] = {
    {"por_omissao", "x^4-3x^3+5x^2-2x-1", "x^4 -3x^3 +5x^2 -2x -1", "x^4-3x^3+5x^2-2x-1", Nenhum},
    {"menos_inicial_guardado", "-x+1", "0 -x +1", "-x+1", Nenhum},
    {"mais_do_resultado_cai", "1+x", "1 +x", "x+1", Nenhum},
    {"vazio", "", "", "", Nenhum},
    {"brancos", " 2x - x ", "2x -x", "x", Nenhum},
    {"mais_inicial", "+x", " +x", "", Índice},
    {"x_maiusculo", "3X^2", "3X^2", "", Tipo},
};

void PrintTo(const CasoSimplificação& c, std::ostream* saída) { *saída << c.nome; }

class SimplificarPolinómioTeste : public ::testing::TestWithParam<CasoSimplificação>
{};

TEST_P(SimplificarPolinómioTeste, CópiaEResultado)
{
    const CasoSimplificação& c = GetParam();
    testes::GravadorDeMensagens gravador;
    const Simplificação s = SimplificarPolinómio(c.polinómio, gravador);
    EXPECT_EQ(s.cópia, c.cópia);
    EXPECT_EQ(s.Resultado, c.resultado);
    EXPECT_EQ(gravador.caixas, CaixasDe(TítuloSimplificar, c.falha));
}

std::string NomeSimplificação(const ::testing::TestParamInfo<CasoSimplificação>& linha)
{
    return linha.param.nome;
}

INSTANTIATE_TEST_SUITE_P(Botões,
                         SimplificarPolinómioTeste,
                         ::testing::ValuesIn(CasosSimplificação),
                         NomeSimplificação);

} // namespace
} // namespace vendrix::engine
