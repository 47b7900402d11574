// SPDX-License-Identifier: MIT
#include "ruffini/coeficientes.h"
#include "ruffini/raiz.h"
#include "ruffini/tabela.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vendrix::ruffini {
namespace {

using runtime::Código;

struct CasoQuociente
{
    const char* nome;
    std::vector<EntradaDoQuociente> quociente;
    const char* texto;
};

const CasoQuociente CasosQuociente[] = {
    {"padrao", {"1", "-1", "3", "4"}, "x^3-x^2+3x+4"},
    {"fraccoes_por_reduzir", {"2/2", "1/1"}, "2/2x+1/1"},
    {"numeros_negativos", {-1.0, -3.0}, "-x-3"},
    {"dez_nao_perde_o_um", {"1", "10"}, "x+10"},
    {"dez_em_x", {"10", "1"}, "10x+1"},
    {"onze_na_frente", {"11", "1"}, "11x+1"},
    {"um_na_frente", {"1", "1"}, "x+1"},
    {"menos_um_na_frente", {"-1", "0", "0"}, "-x^2"},
    {"zeros_de_todos_os_tipos", {"1", 0.0, "0/2"}, "x^2"},
    {"so_constante", {"1"}, "1"},
    {"so_constante_negativa", {"-1"}, "-1"},
    {"fraccoes_negativas", {"2/3", "-1/3"}, "2/3x-1/3"},
    {"numero_escrito", {-2.5, 1.0}, "-2.5x+1"},
};

void PrintTo(const CasoQuociente& c, std::ostream* saída) { *saída << c.nome; }

class TextoDoQuocienteTeste : public ::testing::TestWithParam<CasoQuociente>
{};

TEST_P(TextoDoQuocienteTeste, EscreveOPolinómio)
{
    EXPECT_EQ(TextoDoQuociente(GetParam().quociente), GetParam().texto);
}

std::string NomeQuociente(const ::testing::TestParamInfo<CasoQuociente>& linha) { return linha.param.nome; }

INSTANTIATE_TEST_SUITE_P(Textos, TextoDoQuocienteTeste, ::testing::ValuesIn(CasosQuociente), NomeQuociente);

struct CasoRaiz
{
    const char* nome;
    float y0, a;
    bool cabe;
    const char* Div;
    float rnum, rden;
};

const CasoRaiz CasosRaiz[] = {
    {"inteira_positiva", -2, 1, true, "2", 0, 0},
    {"meio_negativo", 1, 2, true, "-1/2", -1, 2},
    {"a_negativo", 2, -1, true, "2", 0, 0},
    {"reduzida", 2, 4, true, "-1/2", -1, 2},
    {"sinais_iguais_negativos", -1, -2, true, "-1/2", -1, 2},
    {"zero", 0, 1, true, "0", 0, 0},
    {"zero_com_a_negativo", 0, -3, true, "0", 0, 0},
    {"produto_que_se_anularia", -1e-30f, 1e-30f, true, "1", 0, 0},
    {"produto_que_transbordaria", 1e30f, 1e30f, true, "-1", 0, 0},
    {"raiz_de_dois", -1.41421356f, 1, true, "11863283/8388608", 11863283, 8388608},
    {"alem_de_32_bits", -1e13f, 1, false, "", 0, 0},
    {"minuscula", 1e-13f, 1, false, "", 0, 0},
};

void PrintTo(const CasoRaiz& c, std::ostream* saída) { *saída << c.nome; }

class EscreverRaizTeste : public ::testing::TestWithParam<CasoRaiz>
{};

TEST_P(EscreverRaizTeste, EscreveARaizComoInteiroOuFracção)
{
    const CasoRaiz& c = GetParam();
    const auto raiz = EscreverRaiz({c.y0, c.a});
    ASSERT_EQ(raiz.Ok(), c.cabe);
    if (!c.cabe) {
        EXPECT_EQ(raiz.Falha().código, Código::Transbordo);
        return;
    }
    EXPECT_EQ(raiz.Valor().Div, c.Div);
    EXPECT_EQ(raiz.Valor().rnum, c.rnum);
    EXPECT_EQ(raiz.Valor().rden, c.rden);
}

std::string NomeRaiz(const ::testing::TestParamInfo<CasoRaiz>& linha) { return linha.param.nome; }

INSTANTIATE_TEST_SUITE_P(Raizes, EscreverRaizTeste, ::testing::ValuesIn(CasosRaiz), NomeRaiz);

struct CasoDivisor
{
    const char* nome;
    const char* divisor;
    Código falha; // Nenhum: evaluates
    float y0, a;
};

const CasoDivisor CasosDivisor[] = {
    {"padrao", "x-2", Código::Nenhum, -2, 1},
    {"dois_x_mais_um", "2x+1", Código::Nenhum, 1, 2},
    {"com_guarda_do_menos", "0-x+2", Código::Nenhum, 2, -1},
    {"sem_termo_constante", "3x", Código::Nenhum, 0, 3},
    {"constante_com_oito_algarismos", "x+12345678", Código::Nenhum, 12345678, 1},
    {"constante_negativa_com_oito_algarismos", "2x-12345678", Código::Nenhum, -12345678, 2},
    {"constante", "5", Código::DivisãoPorZero, 0, 0},
    {"x_que_se_anula", "x-x+3", Código::DivisãoPorZero, 0, 0},
    {"vazio", "", Código::ExpressãoInválida, 0, 0},
    {"outra_variavel", "y+1", Código::VariávelNãoDefinida, 0, 0},
    {"valor_em_zero_alem_da_precisao_simples", "x+exp(100)", Código::Transbordo, 0, 0},
    {"coeficiente_alem_da_precisao_simples", "exp(100)*x", Código::Transbordo, 0, 0},
};

void PrintTo(const CasoDivisor& c, std::ostream* saída) { *saída << c.nome; }

class AvaliarDivisorTeste : public ::testing::TestWithParam<CasoDivisor>
{};

TEST_P(AvaliarDivisorTeste, DáOValorEmZeroEOCoeficienteDeX)
{
    const CasoDivisor& c = GetParam();
    const auto valores = AvaliarDivisor(c.divisor);
    ASSERT_EQ(valores.Ok(), c.falha == Código::Nenhum);
    if (valores.Ok())
        EXPECT_EQ(valores.Valor(), (ValoresDoDivisor{c.y0, c.a}));
    else
        EXPECT_EQ(valores.Falha().código, c.falha);
}

std::string NomeDivisor(const ::testing::TestParamInfo<CasoDivisor>& linha) { return linha.param.nome; }

INSTANTIATE_TEST_SUITE_P(Divisores, AvaliarDivisorTeste, ::testing::ValuesIn(CasosDivisor), NomeDivisor);

TEST(CoeficientesTeste, CopiaOsCoeficientesComoEscritos)
{
    const std::vector<std::string_view> termos = {
        "-x^4", "+2.5x^3", "-1.234568E+07x^2", "+x", "+1.5E+10", ""};
    ASSERT_EQ(LerGrauDoDividendo(termos).Valor(), 4);
    const auto Coef = LerCoeficientes(termos, 4);
    ASSERT_TRUE(Coef.Ok());
    EXPECT_EQ(Coef.Valor(), (std::vector<std::string>{"-1", "2.5", "-1.234568E07", "1", "1.5E+10"}));
}

TEST(CoeficientesTeste, GrauSoDeUmaPotenciaOuDeUmX)
{
    EXPECT_EQ(LerGrauDoDividendo(std::vector<std::string_view>{"+x", "-1", ""}).Valor(), 1);
    EXPECT_FALSE(LerGrauDoDividendo(std::vector<std::string_view>{}).Ok());
    EXPECT_FALSE(LerGrauDoDividendo(std::vector<std::string_view>{"+5", ""}).Ok());
}

// The hidden last product may fail without harm; nothing that is shown may.
TEST(TabelaTeste, SóOProdutoEscondidoPodeFalhar)
{
    const std::vector<std::string> Coef = {"1", "1"};
    const Raiz raiz{"-1/65536", 1, 65536, -1, 65536};
    const auto tabela = CalcularTabela(Coef, raiz);
    ASSERT_TRUE(tabela.Ok());
    EXPECT_EQ(tabela.Valor().Ter[1], "65535/65536");
    EXPECT_FALSE(tabela.Valor().Seg[1].has_value());
    const std::vector<std::string> Coef2 = {"1", "1", "1"};
    EXPECT_EQ(CalcularTabela(Coef2, raiz).Falha().código, Código::Transbordo);
}

// With a rounding to 0 the test of the division by a cannot be made, and
// the quotient is divided by a as it always was.
TEST(TabelaTeste, DivisãoPorAQuandoOTesteNãoSeFaz)
{
    const std::vector<std::string> Coef = {"1", "-2"};
    const auto tabela = CalcularTabela(Coef, Raiz{"8", -1, 0.125f, 0, 0});
    ASSERT_TRUE(tabela.Ok());
    EXPECT_EQ(tabela.Valor().Ter[1], "6");
    ASSERT_EQ(tabela.Valor().Quociente.size(), 1u);
    EXPECT_EQ(tabela.Valor().Quociente[0], EntradaDoQuociente(8.0));
}

} // namespace
} // namespace vendrix::ruffini
