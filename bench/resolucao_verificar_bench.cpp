// SPDX-License-Identifier: MIT
// Checking a student's answer of degree twelve, once the exercise has its
// analysis: the factorization, the division, the solution set and the
// value. The target is well under 2 ms for each.
#include "algebra/analise.h"
#include "algebra/ler.h"
#include "resolucao/verificar.h"

#include <benchmark/benchmark.h>

namespace {

using namespace vendrix;

// (x+6)(x+5)…(x+1)(x-1)…(x-6), as typed in another order.
constexpr const char* Factores = "(x-1)(x+1)(x-2)(x+2)(x-3)(x+3)(x-4)(x+4)(x-5)(x+5)(x-6)(x+6)";

algebra::Análise Análise() { return algebra::Analisar(algebra::LerPolinómio(Factores).Valor()); }

void FactorizaçãoGrauDoze(benchmark::State& estado)
{
    const algebra::Análise a = Análise();
    for (auto _ : estado)
        benchmark::DoNotOptimize(resolucao::VerificarFactorização(a, Factores, resolucao::EmPortuguês));
}

BENCHMARK(FactorizaçãoGrauDoze)->Unit(benchmark::kMicrosecond);

void DivisãoGrauDoze(benchmark::State& estado)
{
    const algebra::Polinómio p =
        algebra::LerPolinómio("x^12-7x^10+3x^9+11x^8-20x^7+4x^6+15x^5-9x^4-2x^3+6x^2-x-1").Valor();
    const algebra::Polinómio d = algebra::LerPolinómio("2x-3").Valor();
    // A quotient with the sign of a changed: every rule is tried.
    const std::string resposta = "Q = 1/2x^11+3/4x^10-19/8x^9-33/16x^8+187/32x^7-29/64x^6+439/128x^5; R = 7";
    for (auto _ : estado)
        benchmark::DoNotOptimize(resolucao::VerificarDivisão(p, d, false, resposta, resolucao::EmPortuguês));
}

BENCHMARK(DivisãoGrauDoze)->Unit(benchmark::kMicrosecond);

void ConjuntoGrauDoze(benchmark::State& estado)
{
    const algebra::Análise a = Análise();
    const auto relação =
        algebra::LerExpressão(std::string(Factores) + " > 0", {.parâmetros = {}, .relação = true, .x = true});
    const char* resposta = "]-inf,-6[ U ]-5,-4[ U ]-3,-2[ U ]-1,1[ U ]2,3[ U ]4,5[ U ]6,+inf[";
    for (auto _ : estado)
        benchmark::DoNotOptimize(
            resolucao::VerificarConjunto(relação.Valor(), a, resposta, resolucao::EmPortuguês));
}

BENCHMARK(ConjuntoGrauDoze)->Unit(benchmark::kMicrosecond);

void ValorGrauDoze(benchmark::State& estado)
{
    const algebra::Polinómio p = algebra::LerPolinómio(Factores).Valor();
    for (auto _ : estado)
        benchmark::DoNotOptimize(
            resolucao::VerificarValor(p, algebra::Racional(7, 2), "-12345", resolucao::EmPortuguês));
}

BENCHMARK(ValorGrauDoze)->Unit(benchmark::kMicrosecond);

} // namespace
