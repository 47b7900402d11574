// SPDX-License-Identifier: MIT
#include "runtime/numeros.h"

#include <gtest/gtest.h>

#include <limits>

namespace vendrix::runtime {
namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Infinito = std::numeric_limits<double>::infinity();

struct CasoInteiro
{
    const char* nome;
    double entrada;
    bool cabe16;
    std::int16_t esperado16;
    bool cabe32;
    std::int32_t esperado32;
};

constexpr CasoInteiro CasosInteiros[] = {
    {"meio_para_par_abaixo", 2.5, true, 2, true, 2},
    {"meio_para_par_acima", 3.5, true, 4, true, 4},
    {"meio_negativo", -2.5, true, -2, true, -2},
    {"quase_meio", 2.4999999, true, 2, true, 2},
    {"maximo16", 32767.0, true, 32767, true, 32767},
    {"meio_acima_do_maximo16_arredonda_para_par_fora", 32767.5, false, 0, true, 32768},
    {"minimo16", -32768.0, true, -32768, true, -32768},
    {"meio_abaixo_do_minimo16_arredonda_para_dentro", -32768.5, true, -32768, true, -32768},
    {"maximo32", 2147483647.0, false, 0, true, 2147483647},
    {"acima_do_maximo32", 2147483647.5, false, 0, false, 0},
    {"minimo32", -2147483648.0, false, 0, true, -2147483647 - 1},
    {"abaixo_do_minimo32", -2147483649.0, false, 0, false, 0},
    {"nan", NaN, false, 0, false, 0},
    {"infinito", Infinito, false, 0, false, 0},
    {"menos_infinito", -Infinito, false, 0, false, 0},
};

void PrintTo(const CasoInteiro& c, std::ostream* saída) { *saída << c.nome; }

class ParaInteiroTeste : public ::testing::TestWithParam<CasoInteiro>
{
};

TEST_P(ParaInteiroTeste, ArredondaMeioParaParOuRecusa)
{
    const CasoInteiro& c = GetParam();
    const auto r16 = ParaInteiro16(c.entrada);
    ASSERT_EQ(r16.Ok(), c.cabe16);
    if (c.cabe16)
        EXPECT_EQ(r16.Valor(), c.esperado16);
    else
        EXPECT_EQ(r16.Falha().código, Código::Transbordo);
    const auto r32 = ParaInteiro32(c.entrada);
    ASSERT_EQ(r32.Ok(), c.cabe32);
    if (c.cabe32)
        EXPECT_EQ(r32.Valor(), c.esperado32);
    else
        EXPECT_EQ(r32.Falha().código, Código::Transbordo);
}

std::string NomeInteiro(const ::testing::TestParamInfo<CasoInteiro>& linha) { return linha.param.nome; }

INSTANTIATE_TEST_SUITE_P(Limites, ParaInteiroTeste, ::testing::ValuesIn(CasosInteiros), NomeInteiro);

TEST(ParaSimples, RecusaSóOQueNãoCabe)
{
    EXPECT_EQ(ParaSimples(0.1).Valor(), 0.1f);
    EXPECT_EQ(ParaSimples(3.4028234663852886e38).Valor(), std::numeric_limits<float>::max());
    // Just below half a unit past the largest single still rounds down to it.
    EXPECT_EQ(ParaSimples(0x1.fffffefffffffp127).Valor(), std::numeric_limits<float>::max());
    EXPECT_FALSE(ParaSimples(0x1.ffffffp127).Ok());
    EXPECT_FALSE(ParaSimples(-1e39).Ok());
    EXPECT_FALSE(ParaSimples(NaN).Ok());
    EXPECT_EQ(ParaSimples(1e-50).Valor(), 0.0f);
}

struct CasoTexto
{
    const char* nome;
    const char* texto;
    Código falha; // Nenhum when it converts
    double esperado;
};

constexpr CasoTexto CasosTextoParaNúmero[] = {
    {"inteiro", "42", Código::Nenhum, 42},
    {"sinal_mais", "+5", Código::Nenhum, 5},
    {"sinal_menos", "-3", Código::Nenhum, -3},
    {"brancos_a_volta", "  7 \t", Código::Nenhum, 7},
    {"decimal", "2.5", Código::Nenhum, 2.5},
    {"so_fraccao", ".5", Código::Nenhum, 0.5},
    {"ponto_final", "3.", Código::Nenhum, 3},
    {"expoente", "1.5E3", Código::Nenhum, 1500},
    {"expoente_negativo", "25e-1", Código::Nenhum, 2.5},
    {"expoente_enorme", "1e99999999999999999999", Código::Transbordo, 0},
    {"grande_demais", "1e400", Código::Transbordo, 0},
    {"pequeno_demais_e_zero", "1e-400", Código::Nenhum, 0},
    {"zeros_grandes_sao_zero", "0e999", Código::Nenhum, 0},
    {"vazio", "", Código::TipoIncompatível, 0},
    {"so_brancos", "   ", Código::TipoIncompatível, 0},
    {"sinal_sozinho", "-", Código::TipoIncompatível, 0},
    {"ponto_sozinho", ".", Código::TipoIncompatível, 0},
    {"virgula_decimal", "2,5", Código::TipoIncompatível, 0},
    {"letra", "3a", Código::TipoIncompatível, 0},
    {"x_maiusculo", "3X", Código::TipoIncompatível, 0},
    {"asterisco", "2*", Código::TipoIncompatível, 0},
    {"expoente_sem_algarismos", "1e", Código::TipoIncompatível, 0},
    {"dois_sinais", "+-1", Código::TipoIncompatível, 0},
    {"branco_depois_do_sinal", "- 1", Código::TipoIncompatível, 0},
    {"hexadecimal", "0x10", Código::TipoIncompatível, 0},
    {"infinito_escrito", "inf", Código::TipoIncompatível, 0},
};

void PrintTo(const CasoTexto& c, std::ostream* saída) { *saída << c.nome; }

class TextoParaNúmeroTeste : public ::testing::TestWithParam<CasoTexto>
{
};

TEST_P(TextoParaNúmeroTeste, ConverteOuFalhaComOCódigoCerto)
{
    const CasoTexto& c = GetParam();
    const auto r = TextoParaNúmero(c.texto);
    if (c.falha == Código::Nenhum) {
        ASSERT_TRUE(r.Ok()) << r.Falha().Descrição();
        EXPECT_EQ(r.Valor(), c.esperado);
    } else {
        ASSERT_FALSE(r.Ok());
        EXPECT_EQ(r.Falha().código, c.falha);
    }
}

std::string NomeTexto(const ::testing::TestParamInfo<CasoTexto>& linha) { return linha.param.nome; }

INSTANTIATE_TEST_SUITE_P(Formas, TextoParaNúmeroTeste, ::testing::ValuesIn(CasosTextoParaNúmero), NomeTexto);

TEST(TextoParaSimples, TransbordaForaDoAlcanceSimples)
{
    EXPECT_EQ(TextoParaSimples("16777217").Valor(), 16777216.0f);
    EXPECT_EQ(TextoParaSimples("1e39").Falha().código, Código::Transbordo);
    EXPECT_EQ(TextoParaSimples("x").Falha().código, Código::TipoIncompatível);
}

constexpr CasoTexto CasosNúmeroInicial[] = {
    {"vazio_e_zero", "", Código::Nenhum, 0},
    {"fraccao_le_o_numerador", "-3/2", Código::Nenhum, -3},
    {"decimal", "2.5x", Código::Nenhum, 2.5},
    {"brancos_antes", "  12", Código::Nenhum, 12},
    {"expoente", "1E-06", Código::Nenhum, 1e-06},
    {"e_sem_algarismos_para", "3e", Código::Nenhum, 3},
    {"letra_primeiro_e_zero", "x2", Código::Nenhum, 0},
    {"sinal_sozinho_e_zero", "-", Código::Nenhum, 0},
    {"grande_demais", "1E400", Código::Transbordo, 0},
};

class NúmeroInicialTeste : public ::testing::TestWithParam<CasoTexto>
{
};

TEST_P(NúmeroInicialTeste, LêTantoQuantoONúmeroVai)
{
    const CasoTexto& c = GetParam();
    const auto r = NúmeroInicial(c.texto);
    if (c.falha == Código::Nenhum) {
        ASSERT_TRUE(r.Ok());
        EXPECT_EQ(r.Valor(), c.esperado);
    } else {
        ASSERT_FALSE(r.Ok());
        EXPECT_EQ(r.Falha().código, c.falha);
    }
}

INSTANTIATE_TEST_SUITE_P(Formas, NúmeroInicialTeste, ::testing::ValuesIn(CasosNúmeroInicial), NomeTexto);

TEST(TextoDeNúmero, SeteAlgarismosParaSimplesQuinzeParaDuplo)
{
    EXPECT_EQ(TextoDeSimples(12.0f), "12");
    EXPECT_EQ(TextoDeSimples(-6.0f), "-6");
    EXPECT_EQ(TextoDeSimples(0.0f), "0");
    EXPECT_EQ(TextoDeSimples(-0.0f), "0");
    EXPECT_EQ(TextoDeSimples(0.5f), "0.5");
    EXPECT_EQ(TextoDeSimples(-0.25f), "-0.25");
    EXPECT_EQ(TextoDeSimples(0.1f), "0.1");
    EXPECT_EQ(TextoDeSimples(10.0f / 3.0f), "3.333333");
    EXPECT_EQ(TextoDeSimples(9999999.0f), "9999999");
    EXPECT_EQ(TextoDeSimples(12345678.0f), "1.234568E+07");
    EXPECT_EQ(TextoDeSimples(10000000.0f), "1E+07");
    EXPECT_EQ(TextoDeSimples(0.0001f), "0.0001");
    EXPECT_EQ(TextoDeSimples(0.00001f), "1E-05");
    EXPECT_EQ(TextoDeSimples(-3.4028235e38f), "-3.402823E+38");
    EXPECT_EQ(TextoDeDuplo(-12345678.0), "-12345678");
    EXPECT_EQ(TextoDeDuplo(999999999999999.0), "999999999999999");
    EXPECT_EQ(TextoDeDuplo(1e15), "1E+15");
    EXPECT_EQ(TextoDeDuplo(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(TextoDeDuplo(0.1 + 0.2), "0.3");
    EXPECT_EQ(TextoDeInteiro(-2147483648LL), "-2147483648");
}

TEST(AritméticaVerificada, TransbordaNosLimitesDe32Bits)
{
    constexpr std::int32_t Máximo = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t Mínimo = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(Somar32(Máximo - 1, 1).Valor(), Máximo);
    EXPECT_FALSE(Somar32(Máximo, 1).Ok());
    EXPECT_FALSE(Subtrair32(Mínimo, 1).Ok());
    EXPECT_EQ(Subtrair32(0, Máximo).Valor(), -Máximo);
    EXPECT_FALSE(Subtrair32(0, Mínimo).Ok());
    EXPECT_FALSE(Multiplicar32(Mínimo, -1).Ok());
    EXPECT_EQ(Multiplicar32(-46341, 46340).Valor(), -2147441940);
    EXPECT_FALSE(Multiplicar32(46341, 46341).Ok());
}

} // namespace
} // namespace vendrix::runtime
