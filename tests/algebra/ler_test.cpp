// SPDX-License-Identifier: MIT
#include "algebra/escrever.h"
#include "algebra/ler.h"
#include "gerar.h"

#include <gtest/gtest.h>

#include <random>

namespace vendrix::algebra {
namespace {

using enum runtime::Código;

struct Leitura
{
    std::string_view nome, texto, escrito;
};

// clang-format off
constexpr Leitura Leituras[] = {
    {"fraccoes", "1/2x^2-3x+5/3", "1/2x^2-3x+5/3"},
    {"decimal_exacto", "0.25x-.5+2.", "1/4x+3/2"},
    {"menos_tipografico_e_traco", "2x\u00b2\u22123x\u20131", "2x^2-3x-1"},
    {"sobrescritos_varios", "x\u00b9\u2070+x\u00b9+x\u2070", "x^10+x+1"},
    {"brancos_de_toda_a_sorte", "+ x ^ 2\u00a0-\u20091\u202f0", "x^2-10"},
    {"sinais_em_serie", "x^3+-2x--2+-+-1", "x^3-2x+3"},
    {"produtos", "2*x^2+3\u00b7x-4\u00d7x", "2x^2-x"},
    {"termos_semelhantes_e_desordem", "1+x+x-3x^0+X", "3x-2"},
    {"expoente_decimal_inteiro", "x^2.0", "x^2"},
    {"anulado", "x-x", "0"},
    {"quocientes_do_programa", "-4/-2x+1/1+0/2", "2x+1"},
    {"notacao_cientifica", "1.234568E+07x^2-5E-2", "12345680x^2-1/20"},
    {"coeficiente_enorme", "123456789012345678901234567890x", "123456789012345678901234567890x"},
    {"expoente_maximo", "x^10000-x^0010000", "0"},
};

struct Recusa
{
    std::string_view nome, texto;
    runtime::Código código;
    std::size_t posição;
    std::string_view pedaço;
};

constexpr Recusa Recusas[] = {
    {"vazio", " \u00a0", TextoVazio, 1, ""},
    {"sinal_no_fim", "x^2+", SinalSemTermo, 4, "+"},
    {"so_sinais", "\u2212", SinalSemTermo, 1, "\u2212"},
    {"algarismo_depois_de_x", "3x3+1", TermoIlegível, 3, "3x3"},
    {"dois_asteriscos", "x**2", TermoIlegível, 2, "x**2"},
    {"asterisco_sem_coeficiente", "1-*x", TermoIlegível, 3, "*x"},
    {"segundo_x", "x^2x^3", TermoIlegível, 4, "x^2x^3"},
    {"expoente_partido", "2x\u00b2+x^2.5", TermoIlegível, 7, "x^2.5"},
    {"expoente_negativo", "x^-1", TermoIlegível, 3, "x^-1"},
    {"circunflexo_sem_expoente", "x^", TermoIlegível, 3, "x^"},
    {"expoente_grande", "1+x^10001", ExpoenteGrande, 5, "x^10001"},
    {"sobrescrito_grande", "x\u00b9\u2070\u2070\u2070\u2070\u2070", ExpoenteGrande, 2, "x\u00b9\u2070\u2070\u2070\u2070\u2070"},
    {"potencia_de_dez_longa", "1E+100x", TermoIlegível, 2, "1E"},
    {"denominador_zero", "x+1/0.0x", DenominadorZero, 5, "1/0.0x"},
    // Positions count characters: "−" and "²" are one each.
    {"letra_depois_de_caracteres_largos", "x\u00b2\u2212y", TermoIlegível, 4, "y"},
    {"virgula", "1,5x", TermoIlegível, 2, "1,5x"},
    {"utf8_partido", "x+\xc3", TermoIlegível, 3, "\xc3"},
    {"menos_longo_demais", "x\xc0\xad" "1", TermoIlegível, 2, "x\xc0\xad" "1"},
    {"igual", "x+2=0", TermoIlegível, 4, "2=0"},
};
// clang-format on

using Leituras_ = ::testing::TestWithParam<Leitura>;

TEST_P(Leituras_, LeEEscreveNaFormaCanonica)
{
    const Lido<Polinómio> lido = LerPolinómio(GetParam().texto);
    ASSERT_TRUE(lido.Ok()) << lido.Falha().erro.Descrição();
    EXPECT_EQ(Escrever(lido.Valor()), GetParam().escrito);
}

INSTANTIATE_TEST_SUITE_P(Textos, Leituras_, ::testing::ValuesIn(Leituras), [](const auto& linha) {
    return std::string(linha.param.nome);
});

using Recusas_ = ::testing::TestWithParam<Recusa>;

TEST_P(Recusas_, DizOndeParouEQuePedaco)
{
    const Lido<Polinómio> lido = LerPolinómio(GetParam().texto);
    ASSERT_FALSE(lido.Ok()) << Escrever(lido.Valor());
    EXPECT_EQ(lido.Falha().erro.código, GetParam().código);
    EXPECT_EQ(lido.Falha().posição, GetParam().posição);
    EXPECT_EQ(lido.Falha().erro.símbolo, GetParam().pedaço);
}

INSTANTIATE_TEST_SUITE_P(Textos, Recusas_, ::testing::ValuesIn(Recusas), [](const auto& linha) {
    return std::string(linha.param.nome);
});

TEST(LerRacional, InteirosDecimaisEFraccoes)
{
    const std::pair<std::string_view, std::string_view> bons[] = {
        {"1/2", "1/2"}, {"\u2212 0.75", "-3/4"}, {"--6/4", "3/2"}, {"+7", "7"}, {"2/-4", "-1/2"}};
    for (const auto& [texto, escrito] : bons) {
        const Lido<Racional> lido = LerRacional(texto);
        ASSERT_TRUE(lido.Ok()) << texto;
        EXPECT_EQ(EscreverRacional(lido.Valor()), escrito);
    }
    const std::tuple<std::string_view, runtime::Código, std::size_t> maus[] = {{"", TextoVazio, 1},
                                                                               {"x", NúmeroIlegível, 1},
                                                                               {"1/2/3", NúmeroIlegível, 4},
                                                                               {"1 -2", NúmeroIlegível, 3},
                                                                               {"3/0", DenominadorZero, 3},
                                                                               {"1/", NúmeroIlegível, 3}};
    for (const auto& [texto, código, posição] : maus) {
        const Lido<Racional> lido = LerRacional(texto);
        ASSERT_FALSE(lido.Ok()) << texto;
        EXPECT_EQ(lido.Falha(), (FalhaDeLeitura{runtime::Falhar(código, {}, std::string(texto)), posição}));
    }
}

// Whatever is written reads back as the same polynomial.
TEST(Propriedades, LerOQueSeEscreveuDaOMesmoPolinomio)
{
    std::mt19937 gerador(20);
    for (int n = 0; n < 300; ++n) {
        const Polinómio p = PolinómioAoAcaso(gerador);
        const std::string escrito = Escrever(p);
        const Lido<Polinómio> lido = LerPolinómio(escrito);
        ASSERT_TRUE(lido.Ok()) << escrito;
        EXPECT_EQ(lido.Valor(), p) << escrito;
    }
}

} // namespace
} // namespace vendrix::algebra
