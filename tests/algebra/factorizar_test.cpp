// SPDX-License-Identifier: MIT
#include "algebra/factorizar.h"
#include "polinomios.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
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
    {"grau_13_todo_factorizado",
     "1 0 0 0 0 0 0 0 0 0 0 0 -1 0",
     "(x+1)x(x-1)(x^2-x+1)(x^2+1)(x^2+x+1)(x^4-x^2+1)",
     true},
    {"dominante_dos_primos_ate_73",
     "20364840299624512075310661735 0 20364840299624512075310661736 0 1",
     "20364840299624512075310661735(x^2+1/20364840299624512075310661735)(x^2+1)",
     true},
    {"colisao_em_todos_os_primos_ate_59",
     "1 -961380175077106319537 961380175077106319536",
     "(x-1)(x-961380175077106319536)",
     true},
    {"raiz_menos_24",
     "1 -961380175077106319487 -23073124201850551668264",
     "(x+24)(x-961380175077106319511)",
     true},
    {"cinco_raizes_reais",
     "1 -3 -20364840299624512075310661753 -20364840299624512075310661649 346202285093616705280281249384 "
     "-305472604494367681129659925980",
     "(x+5)(x-1)(x-3)(x^2-4x-20364840299624512075310661732)",
     true},
    {"grau_14_com_quadratica", "1 0 -2 0 0 0 0 0 0 0 0 1 1 -2 -2", "(x^2-2)(x^12+x+1)", true},
    {"raiz_cubica_dupla", "1 0 0 -6 0 0 10 1 0 -6 -6 0 9 9", "(x^3-3)^2(x^7+x+1)", true},
    {"grau_33_fica_por_partir",
     "1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1 1",
     "(x^33+x+1)",
     false},
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

// Products of non-monic factors with thirty-digit coefficients, degree up
// to six each and twelve in all: the leading coefficient times the factors
// to their multiplicities is the polynomial, and no factor splits again.
TEST(Factorizar, ProdutosDeFactoresGrandes)
{
    for (unsigned semente = 1; semente <= 12; ++semente) {
        std::mt19937 acaso(semente);
        const auto número = [&](int de, int até) {
            return std::uniform_int_distribution<int>(de, até)(acaso);
        };
        Polinómio p = Monómio(1, 0);
        for (int grau = 0; grau < 12;) {
            const int g = std::min(número(1, 6), 12 - grau), m = g <= 3 ? número(1, 2) : 1;
            std::vector<Racional> c;
            for (int i = 0; i <= g; ++i)
                c.emplace_back(Inteiro(número(1, 999999)) * número(-999999, 999999) *
                                   Inteiro("1000000000000000000000000") +
                               número(-9, 9));
            for (int k = 0; k < m && grau + g <= 12; ++k, grau += g)
                p = p * DeCoeficientes(c);
        }
        const Factorização f = Factorizar(p);
        Polinómio produto = Monómio(f.dominante, 0);
        for (const Factor& factor : f.factores) {
            for (std::size_t k = 0; k < factor.multiplicidade; ++k)
                produto = produto * factor.polinómio;
            const Factorização outra = Factorizar(factor.polinómio);
            EXPECT_EQ(outra.factores.size(), 1u) << semente << " " << TextoFactorização(outra);
        }
        EXPECT_EQ(produto, p) << semente;
        EXPECT_TRUE(f.completa) << semente;
    }
}

// Products of factors known irreducible come back as exactly those factors,
// so the factorization is complete and its product is the polynomial.
TEST(Factorizar, DevolveOsFactoresIrredutíveis)
{
    for (unsigned semente = 1; semente <= 200; ++semente) {
        ProdutoConhecido esperado = ProdutoAleatório(semente);
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
