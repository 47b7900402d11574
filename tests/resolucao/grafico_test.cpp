// SPDX-License-Identifier: MIT
// For polynomials made from known roots, the graph's window holds every
// real root and turning point, and marks every root.
#include "resolucao/grafico.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace vendrix::resolucao {
namespace {

using algebra::Polinómio;
using algebra::Racional;

struct Caso
{
    const char* nome;
    unsigned semente;
    int raízes; // rational roots p/q with |p| <= amplitude, q in 1 .. 3
    int amplitude;
    bool semRaízes;  // times x^2 + 1, whose roots are not real
    bool irracional; // times x^2 - 2
};

const Caso Casos[] = {
    {"uma_raiz", 1, 1, 5, false, false},
    {"tres_raizes_juntas", 2, 3, 1, false, false},
    {"cinco_raizes_afastadas", 3, 5, 400, false, false},
    {"raizes_repetidas_e_irracionais", 4, 6, 3, false, true},
    {"grau_doze", 5, 10, 20, true, false},
    {"sem_raizes_reais", 6, 0, 1, true, false},
};

class GraficoTeste : public ::testing::TestWithParam<Caso>
{};

TEST_P(GraficoTeste, JanelaTemTodasAsRaizesMarcadas)
{
    const Caso& c = GetParam();
    std::mt19937 gerador(c.semente);
    std::uniform_int_distribution<int> numerador(-c.amplitude, c.amplitude), denominador(1, 3);
    Polinómio p = algebra::DeCoeficientes({Racional(1)});
    std::vector<double> esperadas;
    for (int i = 0; i < c.raízes; ++i) {
        const Racional r(numerador(gerador), denominador(gerador));
        p = p * algebra::DeCoeficientes({-r, Racional(1)});
        esperadas.push_back(r.convert_to<double>());
    }
    if (c.semRaízes)
        p = p * algebra::DeCoeficientes({Racional(1), Racional(0), Racional(1)});
    if (c.irracional) {
        p = p * algebra::DeCoeficientes({Racional(-2), Racional(0), Racional(1)});
        esperadas.insert(esperadas.end(), {-std::sqrt(2.0), std::sqrt(2.0)});
    }
    const Janela j = JanelaDoGráfico(p);
    for (const double r : esperadas) {
        EXPECT_LT(j.xMínimo, r);
        EXPECT_GT(j.xMáximo, r);
        EXPECT_TRUE(std::ranges::any_of(j.raízesMarcadas, [&](double m) { return std::abs(m - r) < 1e-6; }))
            << r;
    }
    EXPECT_LE(j.raízesMarcadas.size(), esperadas.size());
    // The curve is drawn inside the window: every sample fits the y range.
    for (int i = 0; i <= 100; ++i) {
        const double x = j.xMínimo + (j.xMáximo - j.xMínimo) * i / 100;
        const double y = algebra::Avaliar(p, Racional(x)).convert_to<double>();
        EXPECT_LE(j.yMínimo, y + 1e-9 * std::abs(y));
        EXPECT_GE(j.yMáximo, y - 1e-9 * std::abs(y));
    }
    const std::string svg = DesenharGráfico(p, std::nullopt, EmPortuguês).svg;
    std::size_t pontos = 0;
    for (std::size_t i = svg.find("<circle"); i != std::string::npos; i = svg.find("<circle", i + 1))
        ++pontos;
    EXPECT_EQ(pontos, j.raízesMarcadas.size() + 1); // and the y-intercept
}

std::string NomeDaLinha(const ::testing::TestParamInfo<Caso>& linha) { return linha.param.nome; }

void PrintTo(const Caso& c, std::ostream* os) { *os << c.nome; }

INSTANTIATE_TEST_SUITE_P(Amostras, GraficoTeste, ::testing::ValuesIn(Casos), NomeDaLinha);

} // namespace
} // namespace vendrix::resolucao
