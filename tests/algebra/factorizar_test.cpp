// SPDX-License-Identifier: MIT
#include "algebra/factorizar.h"
#include "polinomios.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace vendrix::algebra {
namespace {

struct Caso
{
    const char* nome;
    std::string_view polinómio, factorização;
    bool completa;
};

constexpr Caso Casos[] = {
    {"raiz_dupla_e_fraccao", "2 3 0 -1", "2(x+1)^2(x-1/2)", true},
    {"x4_menos_1", "1 0 0 0 -1", "(x+1)(x-1)(x^2+1)", true},
    {"x4_mais_4", "1 0 0 0 4", "(x^2-2x+2)(x^2+2x+2)", true},
    {"dominante_fora", "2 1 1", "2(x^2+1/2x+1/2)", true},
    {"fraccoes_negativas_no_factor", "6 -3 2", "6(x^2-1/2x+1/3)", true},
    {"menos_e_raiz_zero", "-1 0 1 0", "-(x+1)x(x-1)", true},
    {"linear", "1 -1", "(x-1)", true},
    {"irredutivel_so", "1 0 1", "(x^2+1)", true},
    {"constante", "-3/2", "-3/2", true},
    {"zero", "", "0", true},
    {"tres_raizes", "1 -6 11 -6", "(x-1)(x-2)(x-3)", true},
    {"fraccoes_e_x_dupla", "1/2 -1/3 0 0", "1/2x^2(x-2/3)", true},
    {"repetidos", "1 -3 5 -7 7 -5 3 -1", "(x-1)^3(x^2+1)^2", true},
    {"swinnerton_dyer", "1 0 -40 0 352 0 -960 0 576", "(x^8-40x^6+352x^4-960x^2+576)", true},
    {"x12_menos_1", "1 0 0 0 0 0 0 0 0 0 0 0 -1", "(x+1)(x-1)(x^2-x+1)(x^2+1)(x^2+x+1)(x^4-x^2+1)", true},
    {"grau_13_resto_inteiro", "1 0 0 0 0 0 0 0 0 0 0 0 -1 0", "(x+1)x(x-1)(x^10+x^8+x^6+x^4+x^2+1)", false},
    {"grau_13_resto_cubico",
     "1 -10 45 -122 230 -342 450 -540 549 -430 241 -90 20 -2",
     "(x-1)^10(x^3-2)",
     true},
};

void PrintTo(const Caso& c, std::ostream* saída) { *saída << c.nome; }

class FactorizarTeste : public ::testing::TestWithParam<Caso>
{};

TEST_P(FactorizarTeste, EscreveAFormaDoCurriculo)
{
    const Caso& c = GetParam();
    const Factorização f = Factorizar(P(c.polinómio));
    EXPECT_EQ(TextoFactorização(f), c.factorização);
    EXPECT_EQ(f.completa, c.completa);
}

std::string NomeDaLinha(const ::testing::TestParamInfo<Caso>& linha) { return linha.param.nome; }

INSTANTIATE_TEST_SUITE_P(Exemplos, FactorizarTeste, ::testing::ValuesIn(Casos), NomeDaLinha);

// Modulo 23, (x-1)(x-2)...(x-22) is x^22-1: every residue but one is a
// root, each lifted to a large power of 23.
TEST(Factorizar, RaízesQueEnchemOsResíduos)
{
    Polinómio p = Monómio(1, 0);
    for (int i = 1; i <= 22; ++i)
        p = p * DeCoeficientes({-i, 1});
    const Factorização f = Factorizar(p);
    ASSERT_EQ(f.factores.size(), 22u);
    EXPECT_EQ(f.factores.back().polinómio, DeCoeficientes({-22, 1}));
    EXPECT_TRUE(f.completa);
}

// Products of factors known irreducible come back as exactly those factors,
// so the factorization is complete and its product is the polynomial.
TEST(Factorizar, DevolveOsFactoresIrredutíveis)
{
    for (unsigned semente = 1; semente <= 200; ++semente) {
        Produto esperado = ProdutoAleatório(semente);
        const Factorização f = Factorizar(esperado.polinómio);
        auto& factores = esperado.factores.factores;
        std::sort(factores.begin(), factores.end(), [](const Factor& a, const Factor& b) {
            return TextoFactorização({1, {a}}) < TextoFactorização({1, {b}});
        });
        auto obtidos = f.factores;
        std::sort(obtidos.begin(), obtidos.end(), [](const Factor& a, const Factor& b) {
            return TextoFactorização({1, {a}}) < TextoFactorização({1, {b}});
        });
        EXPECT_EQ(f.dominante, esperado.factores.dominante) << semente;
        EXPECT_EQ(obtidos, factores) << semente << " " << TextoFactorização(f);
        EXPECT_TRUE(f.completa);
    }
}

} // namespace
} // namespace vendrix::algebra
