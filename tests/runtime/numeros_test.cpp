// SPDX-License-Identifier: MIT
#include "runtime/numeros.h"
#include "runtime/numeros_rapidos.h"
#include "runtime/texto_decimal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <concepts>
#include <limits>

namespace vendrix::runtime {
namespace {

using enum Código;

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Fora = 0x1p40; // an expected value that is Transbordo instead

// A row prints as its name; the constraint makes this win over GoogleTest's own template.
void PrintTo(const std::semiregular auto& c, std::ostream* saída) { *saída << c.nome; }

constexpr auto Nome = [](const auto& linha) { return std::string(linha.param.nome); };

// The value, or the failure's code when falha is not Nenhum.
void Confere(const auto& r, Código falha, auto esperado)
{
    ASSERT_EQ(r.Ok() ? Nenhum : r.Falha().código, falha);
    if (r.Ok()) {
        EXPECT_EQ(r.Valor(), esperado);
    }
}

struct CasoAjuste
{
    const char* nome;
    double entrada;
    double inteiro16, inteiro32, simples;
};

constexpr CasoAjuste CasosAjuste[] = {
    {"meio_para_par_abaixo", 2.5, 2, 2, 2.5},
    {"meio_para_par_acima", 3.5, 4, 4, 3.5},
    {"maximo16", 32767.0, 32767, 32767, 32767},
    {"meio_acima_do_maximo16", 32767.5, Fora, 32768, 32767.5},
    {"minimo16", -32768.0, -32768, -32768, -32768},
    {"meio_abaixo_do_minimo16_para_dentro", -32768.5, -32768, -32768, -32768.5},
    {"meio_acima_do_maximo32", 2147483647.5, Fora, Fora, 0x1p31},
    {"minimo32", -2147483648.0, Fora, -2147483648.0, -0x1p31},
    {"nan", NaN, Fora, Fora, Fora},
    {"abaixo_do_menor_simples_e_zero", 1e-50, 0, 0, 0},
    {"logo_abaixo_do_limite_simples", 0x1.fffffefffffffp127, Fora, Fora, 0x1.fffffep127},
    {"limite_simples", 0x1.ffffffp127, Fora, Fora, Fora},
    {"menos_limite_simples", -1e39, Fora, Fora, Fora},
};

using AjusteTeste = ::testing::TestWithParam<CasoAjuste>;

TEST_P(AjusteTeste, ArredondaMeioParaParOuTransborda)
{
    const CasoAjuste& c = GetParam();
    Confere(ParaInteiro16(c.entrada), c.inteiro16 == Fora ? Transbordo : Nenhum, c.inteiro16);
    Confere(ParaInteiro32(c.entrada), c.inteiro32 == Fora ? Transbordo : Nenhum, c.inteiro32);
    Confere(ParaSimples(c.entrada), c.simples == Fora ? Transbordo : Nenhum, c.simples);
}

INSTANTIATE_TEST_SUITE_P(Limites, AjusteTeste, ::testing::ValuesIn(CasosAjuste), Nome);

struct CasoLeitura
{
    const char* nome;
    const char* texto;
    Código falha; // of TextoParaNúmero; NúmeroInicial fails only on Transbordo
    double valor; // read by NúmeroInicial, and by TextoParaNúmero when it converts
};

constexpr CasoLeitura CasosLeitura[] = {
    {"brancos_e_mais", "  +7 \t", Nenhum, 7},
    {"menos_e_ponto_final", "-3.", Nenhum, -3},
    {"so_fraccao", ".5", Nenhum, 0.5},
    {"expoente_negativo", "25e-1", Nenhum, 2.5},
    {"pequeno_demais_e_zero", "1e-400", Nenhum, 0},
    {"menos_zero", "-0", Nenhum, -0.0},
    {"sete_algarismos", "-9999999", Nenhum, -9999999},
    {"oito_algarismos", "16777217", Nenhum, 16777217},
    {"vazio", "", TipoIncompatível, 0},
    {"so_brancos", "   ", TipoIncompatível, 0},
    {"ponto_sozinho", ".", TipoIncompatível, 0},
    {"fraccao", "-3/2", TipoIncompatível, -3},
    {"expoente_sem_algarismos", "1e", TipoIncompatível, 1},
    {"expoente_e_resto", "1E-06x", TipoIncompatível, 1e-06},
    {"dois_sinais", "+-1", TipoIncompatível, 0},
    {"infinito_escrito", "inf", TipoIncompatível, 0},
    {"grande_demais", "1e400", Transbordo, 0},
    {"expoente_enorme", "1e99999999999999999999", Transbordo, 0},
};

using LeituraTeste = ::testing::TestWithParam<CasoLeitura>;

// The shortcut must read every text exactly as the general conversion does.
TEST_P(LeituraTeste, TextoInteiroOuNumeroInicial)
{
    const CasoLeitura& c = GetParam();
    Confere(TextoParaNúmero(c.texto), c.falha, c.valor);
    Confere(NúmeroInicial(c.texto), c.falha == Transbordo ? Transbordo : Nenhum, c.valor);
    const Resultado<float> geral = TextoParaSimples(c.texto), rápido = TextoParaSimplesDepressa(c.texto);
    Confere(rápido, geral.Ok() ? Nenhum : geral.Falha().código, geral.ValorOu(0));
    EXPECT_EQ(std::signbit(rápido.ValorOu(0)), std::signbit(geral.ValorOu(0)));
}

INSTANTIATE_TEST_SUITE_P(Formas, LeituraTeste, ::testing::ValuesIn(CasosLeitura), Nome);

struct CasoEscrita
{
    const char* nome;
    double valor;
    std::string_view simples, duplo,
        decimal; // TextoDeSimples of the nearest single, TextoDeDuplo, TextoDecimal
};

constexpr CasoEscrita CasosEscrita[] = {
    {"menos_zero", -0.0, "0", "0", "0"},
    {"um_terco", 1.0 / 3.0, "0.3333333", "0.333333333333333", "0.3333333333333333"},
    {"menos_sete_noves", -9999999, "-9999999", "-9999999", "-9999999"},
    {"oito_algarismos", -12345678, "-1.234568E+07", "-12345678", "-12345678"},
    {"menos_dez_milhoes", -1e7, "-1E+07", "-10000000", "-10000000"},
    {"meio_abaixo_de_dez_milhoes", 123456.5, "123456.5", "123456.5", "123456.5"},
    {"decimo_milesimo", 0.0001, "0.0001", "0.0001", "0.0001"},
    {"cem_milesimo", 1e-5, "1E-05", "1E-05", "0.00001"},
    {"quinze_noves", 999999999999999, "1E+15", "999999999999999", "999999999999999"},
    {"dez_a_quinze", 1e15, "1E+15", "1E+15", "1000000000000000"},
    {"soma_inexacta", 0.1 + 0.2, "0.3", "0.3", "0.30000000000000004"},
    {"decimo_simples", double{0.1f}, "0.1", "0.100000001490116", "0.10000000149011612"},
};

using EscritaTeste = ::testing::TestWithParam<CasoEscrita>;

// The shortcut must write every single exactly as the general conversion does.
TEST_P(EscritaTeste, SeteAlgarismosSimplesQuinzeDuploTodosDecimal)
{
    const CasoEscrita& c = GetParam();
    const float simples = ParaSimples(c.valor).Valor();
    EXPECT_EQ(TextoDeSimples(simples), c.simples);
    EXPECT_EQ(TextoDeSimplesDepressa(simples), c.simples);
    EXPECT_EQ(TextoDeDuplo(c.valor), c.duplo);
    EXPECT_EQ(TextoDecimal(c.valor), c.decimal);
}

INSTANTIATE_TEST_SUITE_P(Valores, EscritaTeste, ::testing::ValuesIn(CasosEscrita), Nome);

TEST(Limites, SimplesETextoDecimalDeNaN)
{
    EXPECT_EQ(TextoDecimal(NaN), "0");
    EXPECT_EQ(TextoParaSimples("1e39").Falha().código, Transbordo);
    EXPECT_EQ(TextoDeInteiro(INT32_MIN), "-2147483648");
}

} // namespace
} // namespace vendrix::runtime
