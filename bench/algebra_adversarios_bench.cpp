// SPDX-License-Identifier: MIT
#include "algebra/analise.h"
#include "tests/algebra/adversarios.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

namespace {

using namespace vendrix::algebra;

// One analysis of an input built to defeat it: factors, roots and signs
// within the normal budget. The counters say how much of the budget it
// spent and whether its answer is complete.
void Analisar_Adversário(benchmark::State& estado, const Polinómio& p)
{
    std::uint64_t gasto = 0;
    bool completa = false;
    for (auto _ : estado) {
        Orçamento orçamento;
        const Análise a = Analisar(p, orçamento);
        gasto = orçamento.Gasto();
        completa = a.factorização.completa && a.raízes.completas;
        benchmark::DoNotOptimize(a.sinais.sinais);
    }
    estado.counters["passos"] = static_cast<double>(gasto);
    estado.counters["completa"] = completa ? 1 : 0;
}

// Every input once, timed by hand: the worst one's milliseconds and steps,
// the figure that must stay well under a second.
void Pior_Adversário(benchmark::State& estado)
{
    const auto todos = adversarios::Todos();
    double pior = 0, passos = 0;
    for (auto _ : estado)
        for (const auto& a : todos) {
            const auto início = std::chrono::steady_clock::now();
            Orçamento orçamento;
            benchmark::DoNotOptimize(Analisar(a.polinómio, orçamento).sinais.sinais);
            const std::chrono::duration<double, std::milli> ms = std::chrono::steady_clock::now() - início;
            if (ms.count() > pior) {
                pior = ms.count();
                passos = static_cast<double>(orçamento.Gasto());
            }
        }
    estado.counters["pior_ms"] = pior;
    estado.counters["passos_do_pior"] = passos;
}

BENCHMARK(Pior_Adversário)->Unit(benchmark::kMillisecond)->Iterations(1);

const bool Registados = [] {
    for (const auto& a : adversarios::Todos())
        benchmark::RegisterBenchmark(("Analisar/" + a.nome).c_str(), Analisar_Adversário, a.polinómio)
            ->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace
