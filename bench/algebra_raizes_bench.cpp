// SPDX-License-Identifier: MIT
#include "algebra/sinais.h"

#include <benchmark/benchmark.h>

namespace {

using namespace vendrix::algebra;

Polinómio ProdutoDeLineares(const std::vector<Racional>& raízes)
{
    Polinómio p = Monómio(3, 0);
    for (const Racional& r : raízes)
        p = p * DeCoeficientes({-r, Racional(1)});
    return p;
}

// Ten distinct rational roots, some of them fractions.
void BM_Factorizar_Grau10RaizesRacionais(benchmark::State& estado)
{
    const Polinómio p = ProdutoDeLineares(
        {-5, -3, -1, Racional(1, 2), Racional(2, 3), 2, Racional(7, 4), 4, Racional(-9, 5), 11});
    for (auto _ : estado)
        benchmark::DoNotOptimize(TextoFactorização(Factorizar(p)));
}

BENCHMARK(BM_Factorizar_Grau10RaizesRacionais)->Unit(benchmark::kMicrosecond);

// Degree 12 with no rational root: irreducible factors of degree 8 and 4
// that split into many factors modulo small primes, left to recombine.
void BM_Factorizar_Grau12Irredutiveis(benchmark::State& estado)
{
    const Polinómio p =
        DeCoeficientes({576, 0, -960, 0, 352, 0, -40, 0, 1}) * DeCoeficientes({4, 0, 0, 0, 1});
    for (auto _ : estado)
        benchmark::DoNotOptimize(TextoFactorização(Factorizar(p)));
}

BENCHMARK(BM_Factorizar_Grau12Irredutiveis)->Unit(benchmark::kMicrosecond);

// Degree 12: x - 1/3, four quadratics with irrational roots and a cubic with
// three, every root given to ten digits.
void BM_Sinais_Grau12Irracionais(benchmark::State& estado)
{
    Polinómio p = DeCoeficientes({Racional(-1, 3), 1}) * DeCoeficientes({1, -3, 0, 1});
    for (const int d : {2, 3, 5, 7})
        p = p * DeCoeficientes({-d, 0, 1});
    for (auto _ : estado)
        benchmark::DoNotOptimize(CalcularSinais(p).sinais);
}

BENCHMARK(BM_Sinais_Grau12Irracionais)->Unit(benchmark::kMicrosecond);

} // namespace
