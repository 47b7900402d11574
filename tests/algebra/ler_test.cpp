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
    {"parenteses_e_potencia", "(x+1)(x-2)^2", "x^3-3x^2+4"},
    {"coeficiente_antes_de_parenteses", "2(x-1)^3-(x-1)", "2x^3-6x^2+5x-1"},
    {"x_antes_de_parenteses", "x(x+1)", "x^2+x"},
    {"menos_antes_de_parenteses", "-(x-3)", "-x+3"},
    {"diferenca_de_quadrados", "(2x-3)(2x+3)", "4x^2-9"},
    {"divisao_por_numero", "x/2+(x+1)/3", "5/6x+1/3"},
    {"divisao_por_expressao_constante", "x/(1/2)-x/(2·3)", "11/6x"},
    {"fraccao_antes_de_x", "1/2x/2", "1/4x"},
    {"virgula_decimal", "0,5x-1,25", "1/2x-5/4"},
    {"produtos_tipograficos", "2×x·x*3", "6x^2"},
    {"sinais_depois_de_produto", "2*-x", "-2x"},
    {"segundo_x", "x^2x^3", "x^5"},
    {"torre_de_expoentes", "x^2^3", "x^8"},
    {"potencia_de_numero", "2^10x", "1024x"},
    {"raiz_racional", "√4x+√(9/4)", "2x+3/2"},
    {"parenteses_fundos", "((((x))))^2", "x^2"},
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
    {"dois_asteriscos", "x**2", TermoIlegível, 3, "x**2"},
    {"asterisco_sem_coeficiente", "1-*x", TermoIlegível, 3, "*x"},
    {"expoente_partido", "2x\u00b2+x^2.5", TermoIlegível, 7, "x^2.5"},
    {"expoente_negativo", "x^-1", TermoIlegível, 3, "x^-1"},
    {"circunflexo_sem_expoente", "x^", TermoIlegível, 3, "x^"},
    {"expoente_grande", "1+x^10001", ExpoenteGrande, 5, "x^10001"},
    {"sobrescrito_grande", "x\u00b9\u2070\u2070\u2070\u2070\u2070", ExpoenteGrande, 2, "x\u00b9\u2070\u2070\u2070\u2070\u2070"},
    {"torre_grande", "x^10^5", ExpoenteGrande, 3, "x^10^5"},
    {"potencia_de_dez_longa", "1E+100x", TermoIlegível, 2, "1E"},
    {"denominador_zero", "x+1/0.0x", DenominadorZero, 5, "1/0.0x"},
    // Positions count characters: "−" and "²" are one each.
    {"letra_depois_de_caracteres_largos", "x\u00b2\u2212y", TermoIlegível, 4, "y"},
    {"letra_dentro_de_parenteses", "(x+1)(x+2y)", TermoIlegível, 10, "2y"},
    {"utf8_partido", "x+\xc3", TermoIlegível, 3, "\xc3"},
    {"menos_longo_demais", "x\xc0\xad" "1", TermoIlegível, 2, "x\xc0\xad" "1"},
    {"igual", "x+2=0", RelaçãoNãoPermitida, 4, "="},
    {"menor_ou_igual", "x<=1", RelaçãoNãoPermitida, 2, "<="},
    {"relacao_dentro_de_parenteses", "(x\u22651)", RelaçãoNãoPermitida, 3, "\u2265"},
    {"dividir_por_x", "1/x", NãoÉPolinómio, 3, "/x"},
    {"dividir_por_expressao_com_x", "x/(x+1)", NãoÉPolinómio, 3, "/(x+1)"},
    {"dividir_por_zero", "x/(2-2)", DivisãoPorZero, 3, "(2-2)"},
    {"parentese_por_fechar", "(x+1", ParêntesesIncorrectos, 5, "(x+1"},
    {"parentese_a_mais", "x+1)", ParêntesesIncorrectos, 4, ")"},
    {"parenteses_vazios", "2()", ParêntesesIncorrectos, 3, ")"},
    {"parenteses_fundos_demais", "((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((x", Transbordo, 65, "("},
    {"raiz_negativa", "\u221a(1-2)", ArgumentoInválido, 1, "\u221a(1-2)"},
    {"raiz_de_x", "\u221ax", NãoÉPolinómio, 1, "\u221ax"},
    {"raiz_irracional", "\u221a2x", NãoÉPolinómio, 1, "\u221a2x"},
    // Expansions past the budget are refused at once, naming the whole text.
    {"desenvolvimento_enorme", "(x+1)^9999(x+2)^9999", Transbordo, 1, "(x+1)^9999(x+2)^9999"},
    {"grau_enorme", "x^9999x^9999", ExpoenteGrande, 1, "x^9999x^9999"},
    {"grau_enorme_numa_potencia", "(x^2+1)^6000", ExpoenteGrande, 1, "(x^2+1)^6000"},
    {"trabalho_enorme", "(x+1)^9999", Transbordo, 1, "(x+1)^9999"},
    {"numero_enorme", "(10^10000)^10000x", Transbordo, 1, "(10^10000)^10000x"},
};
// clang-format on

using Leituras_ = ::testing::TestWithParam<Leitura>;

TEST_P(Leituras_, LeEEscreveNaFormaCanonica)
{
    const runtime::Resultado<Polinómio> lido = LerPolinómio(GetParam().texto);
    ASSERT_TRUE(lido.Ok()) << lido.Falha().Descrição();
    EXPECT_EQ(Escrever(lido.Valor()), GetParam().escrito);
}

INSTANTIATE_TEST_SUITE_P(Textos, Leituras_, ::testing::ValuesIn(Leituras), [](const auto& linha) {
    return std::string(linha.param.nome);
});

using Recusas_ = ::testing::TestWithParam<Recusa>;

TEST_P(Recusas_, DizOndeParouEQuePedaco)
{
    const runtime::Resultado<Polinómio> lido = LerPolinómio(GetParam().texto);
    ASSERT_FALSE(lido.Ok()) << Escrever(lido.Valor());
    EXPECT_EQ(lido.Falha().código, GetParam().código);
    EXPECT_EQ(lido.Falha().posição, GetParam().posição);
    EXPECT_EQ(lido.Falha().símbolo, GetParam().pedaço);
}

INSTANTIATE_TEST_SUITE_P(Textos, Recusas_, ::testing::ValuesIn(Recusas), [](const auto& linha) {
    return std::string(linha.param.nome);
});

// Every power of ten to 10^60 and its neighbours, both signs, as Boost's
// own conversion writes them: each group of eighteen digits keeps its zeros.
TEST(EscreverInteiro, PotenciasDeDezEVizinhas)
{
    for (unsigned k = 0; k <= 60; ++k)
        for (const int vizinho : {-1, 0, 1})
            for (const int sinal : {-1, 1}) {
                const Inteiro n = sinal * (boost::multiprecision::pow(Inteiro(10), k) + vizinho);
                EXPECT_EQ(EscreverInteiro(n), n.str());
            }
}

TEST(LerRacional, InteirosDecimaisEFraccoes)
{
    const std::pair<std::string_view, std::string_view> bons[] = {
        {"1/2", "1/2"},
        {"\u2212 0.75", "-3/4"},
        {"--6/4", "3/2"},
        {"+7", "7"},
        {"2/-4", "-1/2"},
        {"1/2/3", "1/6"},
        {"(1/2)^2", "1/4"},
        {"-0,5", "-1/2"},
        {"1 -2", "-1"},
        {"-0", "0"},
        {"999999999999999999", "999999999999999999"},
        {"-1000000000000000000", "-1000000000000000000"},
        {"1000000000000000000000000000000000007/3", "1000000000000000000000000000000000007/3"}};
    for (const auto& [texto, escrito] : bons) {
        const runtime::Resultado<Racional> lido = LerRacional(texto);
        ASSERT_TRUE(lido.Ok()) << texto;
        EXPECT_EQ(EscreverRacional(lido.Valor()), escrito);
    }
    const std::tuple<std::string_view, runtime::Código, std::size_t> maus[] = {
        {"", TextoVazio, 1},
        {"x", NúmeroIlegível, 1},
        {"1/2=3", RelaçãoNãoPermitida, 4},
        {"1 2)", ParêntesesIncorrectos, 4},
        {"3/0", DenominadorZero, 3},
        {"3/(1-1)", DivisãoPorZero, 3},
        {"1/", NúmeroIlegível, 3}};
    for (const auto& [texto, código, posição] : maus) {
        const runtime::Resultado<Racional> lido = LerRacional(texto);
        ASSERT_FALSE(lido.Ok()) << texto;
        EXPECT_EQ(lido.Falha(), runtime::FalharEm(código, posição, std::string(texto))) << texto;
    }
}

// Whatever is written reads back as the same polynomial.
TEST(Propriedades, LerOQueSeEscreveuDaOMesmoPolinomio)
{
    std::mt19937 gerador(20);
    for (int n = 0; n < 300; ++n) {
        const Polinómio p = PolinómioAoAcaso(gerador);
        const std::string escrito = Escrever(p);
        const runtime::Resultado<Polinómio> lido = LerPolinómio(escrito);
        ASSERT_TRUE(lido.Ok()) << escrito;
        EXPECT_EQ(lido.Valor(), p) << escrito;
    }
}

} // namespace
} // namespace vendrix::algebra
