// SPDX-License-Identifier: MIT
// For polynomials made from known roots, the graph's window holds every
// real root and turning point, and marks every root and the y-intercept
// when x = 0 is in it.
#include "algebra/ler.h"
#include "resolucao/exportar.h"
#include "resolucao/grafico.h"

#include <gtest/gtest.h>

#include <algorithm>
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
    int desvio = 0;  // added to every rational root
};

const Caso Casos[] = {
    {"uma_raiz", 1, 1, 5, false, false},
    {"tres_raizes_juntas", 2, 3, 1, false, false},
    {"cinco_raizes_afastadas", 3, 5, 400, false, false},
    {"raizes_repetidas_e_irracionais", 4, 6, 3, false, true},
    {"grau_doze", 5, 10, 20, true, false},
    {"sem_raizes_reais", 6, 0, 1, true, false},
    {"longe_da_origem", 7, 3, 2, false, false, 40},
    {"longe_e_sem_raizes_reais", 8, 2, 3, true, false, -25},
    {"raizes_apertadas_e_ordenada", 9, 4, 1, false, true, 0},
    {"muitas_raizes_juntas", 10, 9, 2, false, true, 0},
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
        const Racional r = Racional(numerador(gerador), denominador(gerador)) + c.desvio;
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
    // Turning points, where P' changes sign on a fine grid out to a bound
    // on its roots, lie inside the window with their values.
    const Polinómio d = algebra::Derivada(p);
    double limite = 1; // Fujiwara's bound
    for (std::size_t k = 1; k < d.coeficientes.size(); ++k) {
        const Racional razão =
            d.coeficientes[d.coeficientes.size() - 1 - k] / algebra::CoeficienteDominante(d);
        limite = std::max(limite, 2 * std::pow(std::abs(razão.convert_to<double>()), 1.0 / double(k)));
    }
    const auto valor = [](const Polinómio& q, double x) {
        double v = 0;
        for (auto k = q.coeficientes.rbegin(); k != q.coeficientes.rend(); ++k)
            v = v * x + k->convert_to<double>();
        return v;
    };
    for (int i = -4000; i < 4000; ++i) {
        const double x = limite * i / 4000, x2 = limite * (i + 1) / 4000;
        if ((valor(d, x) < 0) == (valor(d, x2) < 0))
            continue;
        EXPECT_LT(j.xMínimo, x) << x;
        EXPECT_GT(j.xMáximo, x2) << x;
        EXPECT_LE(j.yMínimo, valor(p, x) + 1e-9 * std::abs(valor(p, x))) << x;
        EXPECT_GE(j.yMáximo, valor(p, x) - 1e-9 * std::abs(valor(p, x))) << x;
    }
    const double p0 = algebra::Avaliar(p, 0).convert_to<double>();
    EXPECT_EQ(j.ordenadaMarcada, j.xMínimo < 0 && 0 < j.xMáximo);
    if (j.ordenadaMarcada) {
        EXPECT_LE(j.yMínimo, p0);
        EXPECT_GE(j.yMáximo, p0);
    }
    // Half the roots' spread, at least, on either side.
    if (!esperadas.empty()) {
        const auto [menor, maior] = std::ranges::minmax(esperadas);
        const double folga = 1e-9 * (1 + maior - menor); // the roots' doubles are rounded
        EXPECT_LE(j.xMínimo, menor - (maior - menor) / 2 + folga);
        EXPECT_GE(j.xMáximo, maior + (maior - menor) / 2 - folga);
    }
    // No label covers another.
    for (std::size_t a = 0; a < j.rótulos.size(); ++a)
        for (std::size_t b = a + 1; b < j.rótulos.size(); ++b) {
            const auto &r = j.rótulos[a], &q = j.rótulos[b];
            EXPECT_FALSE(r[0] < q[1] && q[0] < r[1] && r[2] < q[3] && q[2] < r[3]) << a << " " << b;
        }
    const std::string svg =
        SvgDoGráfico(DesenharGráfico(p, algebra::CalcularRaízes(p), std::nullopt, EmPortuguês));
    std::size_t pontos = 0;
    for (std::size_t i = svg.find("<circle"); i != std::string::npos; i = svg.find("<circle", i + 1))
        ++pontos;
    // and the y-intercept, unless it is the root at the origin
    EXPECT_EQ(pontos, j.raízesMarcadas.size() + (j.ordenadaMarcada && p0 != 0 ? 1 : 0));
    // Every label, ticks and the y-intercept's point included, writes a minus
    // as "−"; an irrational root's label is still its text.
    for (std::size_t i = svg.find("<text"); i != std::string::npos && !c.irracional;
         i = svg.find("<text", i + 1)) {
        const std::size_t início = svg.find('>', i) + 1;
        EXPECT_EQ(svg.substr(início, svg.find("</text>", início) - início).find('-'), std::string::npos);
    }
}

std::string NomeDaLinha(const ::testing::TestParamInfo<Caso>& linha) { return linha.param.nome; }

void PrintTo(const Caso& c, std::ostream* os) { *os << c.nome; }

INSTANTIATE_TEST_SUITE_P(Amostras, GraficoTeste, ::testing::ValuesIn(Casos), NomeDaLinha);

// Values no double holds are cut to the picture, and turning points whose
// derivative no double holds are still placed: every number written in the
// SVG is finite and inside it, and the window of x^3-1 shows the branch
// left of its turning point as well as its root.
TEST(Grafico, EscreveSoCoordenadasFinitasDentroDaFigura)
{
    const std::string mil(400, '0');
    for (const std::string& texto : {"1" + mil + "x^2-1",
                                     "2" + mil + "x^3-3x+1",
                                     "x-1" + mil,
                                     std::string("x^10000-1"),
                                     std::string("x^3-1")}) {
        const Polinómio p = algebra::LerPolinómio(texto).Valor();
        const std::string svg =
            SvgDoGráfico(DesenharGráfico(p, algebra::CalcularRaízes(p), std::nullopt, EmPortuguês));
        EXPECT_EQ(svg.find("nan"), std::string::npos) << texto;
        EXPECT_EQ(svg.find("inf"), std::string::npos) << texto;
        for (const char* atributo : {" x=\"", " y=\"", " cx=\"", " cy=\"", " x1=\"", " y2=\""})
            for (std::size_t i = svg.find(atributo); i != std::string::npos; i = svg.find(atributo, i + 1)) {
                const double v = std::stod(svg.substr(i + std::string_view(atributo).size()));
                EXPECT_TRUE(v >= 0 && v <= 640) << texto << " " << svg.substr(i, 20);
            }
    }
    const Janela cubo = JanelaDoGráfico(algebra::LerPolinómio("x^3-1").Valor());
    EXPECT_LE(cubo.xMínimo, -1);
}

// Roots the budget could not isolate are not absent roots: the caption
// says which it is.
TEST(Grafico, RaizesPorIsolarNaoSaoRaizesAusentes)
{
    const Polinómio p = algebra::LerPolinómio("x^3-3x+1").Valor();
    algebra::Raízes porIsolar;
    porIsolar.completas = false;
    const std::string legenda = EmTexto({{DesenharGráfico(p, porIsolar, std::nullopt, EmPortuguês)}});
    EXPECT_EQ(legenda.find("sem raízes reais"), std::string::npos) << legenda;
    EXPECT_NE(legenda.find("nem todas as raízes reais"), std::string::npos) << legenda;
}

} // namespace
} // namespace vendrix::resolucao
