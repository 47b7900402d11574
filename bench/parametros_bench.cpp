// SPDX-License-Identifier: MIT
// The parameters exercise: two parameters in a polynomial of degree 12,
// found from two remainder conditions by elimination, the worked document
// and its HTML included.
#include "resolucao/exercicio.h"
#include "resolucao/exportar.h"

#include <benchmark/benchmark.h>

namespace {

using namespace vendrix;

void ParâmetrosLinearGrauDoze(benchmark::State& estado)
{
    const resolucao::Pergunta pergunta{"x^12-3x^11+ax^9+7x^8-2x^6+bx^5+x^4-9x^3+ax^2+bx-5",
                                       {},
                                       {},
                                       "divisível por x-1; resto da divisão por x+2 é 7",
                                       {}};
    for (auto _ : estado) {
        const resolucao::Resolução r =
            resolucao::ResolverExercício(resolucao::Exercício::Parâmetros, pergunta, resolucao::EmPortuguês);
        benchmark::DoNotOptimize(resolucao::EmHtml(r.documento));
    }
}

BENCHMARK(ParâmetrosLinearGrauDoze)->Unit(benchmark::kMicrosecond);

// The same with a divisor of degree 2, worked as a long division.
void ParâmetrosDivisãoLongaGrauDoze(benchmark::State& estado)
{
    const resolucao::Pergunta pergunta{
        "x^12-3x^11+ax^9+7x^8-2x^6+bx^5+x^4-9x^3+ax^2+bx-5", {}, {}, "divisível por x^2-x-2", {}};
    for (auto _ : estado) {
        const resolucao::Resolução r =
            resolucao::ResolverExercício(resolucao::Exercício::Parâmetros, pergunta, resolucao::EmPortuguês);
        benchmark::DoNotOptimize(resolucao::EmHtml(r.documento));
    }
}

BENCHMARK(ParâmetrosDivisãoLongaGrauDoze)->Unit(benchmark::kMicrosecond);

} // namespace
