// SPDX-License-Identifier: MIT
// Building worked solutions: the factorization document of a degree-10
// polynomial with ten distinct rational roots, the graph of a degree-12
// one with irrational roots and turning points, and the whole
// factorization exercise of that degree-12 polynomial, document and HTML
// included, beside the one analysis it rests on (factorization and root
// isolation): the exercise should take at most twice the analysis.
#include "algebra/analise.h"
#include "algebra/ler.h"
#include "resolucao/exercicio.h"
#include "resolucao/exportar.h"
#include "resolucao/factorizacao.h"
#include "resolucao/grafico.h"

#include <benchmark/benchmark.h>

namespace {

using namespace vendrix;

constexpr const char* GrauDoze = "x^12-7x^10+3x^9+11x^8-20x^7+4x^6+15x^5-9x^4-2x^3+6x^2-x-1";

void FactorizarGrauDez(benchmark::State& estado)
{
    // (x-1)(x+2)(x-3)(x+4)(x-5)(2x+1)(3x-1)(x+6)(x-7)(2x-3)
    const auto p = algebra::LerPolinómio("12x^10-64x^9-685x^8+3415x^7+9206x^6-45602x^5-12685x^4+"
                                         "136535x^3-68568x^2-36684x+15120");
    for (auto _ : estado)
        benchmark::DoNotOptimize(resolucao::EmHtml(
            resolucao::ResolverFactorização(algebra::Analisar(p.Valor()), resolucao::EmPortuguês)));
}

BENCHMARK(FactorizarGrauDez)->Unit(benchmark::kMicrosecond);

void GráficoGrauDoze(benchmark::State& estado)
{
    const auto p = algebra::LerPolinómio(GrauDoze);
    const algebra::Raízes raízes = algebra::CalcularRaízes(p.Valor());
    for (auto _ : estado)
        benchmark::DoNotOptimize(resolucao::SvgDoGráfico(
            resolucao::DesenharGráfico(p.Valor(), raízes, std::nullopt, resolucao::EmPortuguês)));
}

BENCHMARK(GráficoGrauDoze)->Unit(benchmark::kMicrosecond);

// The one analysis: the factorization over Q with its roots isolated.
void AnáliseGrauDoze(benchmark::State& estado)
{
    const auto p = algebra::LerPolinómio(GrauDoze);
    for (auto _ : estado)
        benchmark::DoNotOptimize(algebra::Analisar(p.Valor()));
}

BENCHMARK(AnáliseGrauDoze)->Unit(benchmark::kMicrosecond);

// Everything the factorization exercise gives: reading, the analysis, the
// steps, the fields, the graph, and the HTML the page shows, which is the
// steps' and the graph's own SVG.
void ExercícioGrauDoze(benchmark::State& estado)
{
    for (auto _ : estado) {
        const resolucao::Resolução r = resolucao::ResolverExercício(
            resolucao::Exercício::Factorizar, GrauDoze, "", "", resolucao::EmPortuguês);
        benchmark::DoNotOptimize(resolucao::EmHtmlSemGráficos(r.documento));
        benchmark::DoNotOptimize(r.svg);
    }
}

BENCHMARK(ExercícioGrauDoze)->Unit(benchmark::kMicrosecond);

// Solving an inequality of degree 12, the exercise whole: reading, expanding,
// factoring, the sign table with its factor rows, the set, and the
// document in HTML. Should stay under 2 ms natively.
void ResolverGrauDoze(benchmark::State& estado, const char* condição)
{
    for (auto _ : estado) {
        const resolucao::Resolução r = resolucao::ResolverExercício(
            resolucao::Exercício::Resolver, condição, "", "", resolucao::EmPortuguês);
        benchmark::DoNotOptimize(resolucao::EmHtml(r.documento));
    }
}

BENCHMARK_CAPTURE(ResolverGrauDoze, factores, "x(x^2-2)(x-1)^2(x+3)(2x-1)(x^3-3x+1)(x^2+1) >= 0")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ResolverGrauDoze,
                  desenvolvido,
                  "x^12-7x^10+3x^9+11x^8-20x^7+4x^6+15x^5-9x^4-2x^3+6x^2-x-1 < 0")
    ->Unit(benchmark::kMicrosecond);

} // namespace
