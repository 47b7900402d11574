// SPDX-License-Identifier: MIT
// A teacher's worksheet of 20 exercises, every kind at the second level,
// with its key and each worked solution, exported to HTML and LaTeX: the
// whole of what the worksheet dialog does. Should stay under 50 ms
// natively.
#include "resolucao/praticar.h"

#include <benchmark/benchmark.h>

namespace {

using namespace vendrix::resolucao;

void FichaDeVinte(benchmark::State& estado)
{
    const PedidoDeFicha pedido{{{Tipo::DividirPorXMenosA, 3},
                                {Tipo::DividirPorAXMaisB, 2},
                                {Tipo::DividirPorQuadrática, 3},
                                {Tipo::TeoremaDoResto, 2},
                                {Tipo::Factorizar, 3},
                                {Tipo::Equação, 3},
                                {Tipo::Inequação, 2},
                                {Tipo::Parâmetros, 2}},
                               static_cast<int>(estado.range(0)),
                               2026};
    for (auto _ : estado) {
        const Ficha ficha = FazerFicha(pedido, EmPortuguês);
        benchmark::DoNotOptimize(FichaEmHtml(ficha, EmPortuguês));
        benchmark::DoNotOptimize(FichaEmLaTeX(ficha, EmPortuguês));
    }
}

BENCHMARK(FichaDeVinte)->DenseRange(NívelMínimo, NívelMáximo)->Unit(benchmark::kMillisecond);

// One exercise for practice, the hardest level of each kind.
void UmExercício(benchmark::State& estado)
{
    const auto tipo = static_cast<Tipo>(estado.range(0));
    std::uint64_t semente = 0;
    for (auto _ : estado)
        benchmark::DoNotOptimize(GerarExercício(tipo, NívelMáximo, ++semente, EmPortuguês));
    estado.SetLabel(std::string(NomeDoTipo(tipo)));
}

BENCHMARK(UmExercício)->DenseRange(0, 7)->Unit(benchmark::kMicrosecond);

} // namespace
