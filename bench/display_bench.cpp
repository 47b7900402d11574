// SPDX-License-Identifier: MIT
#include "display/deslocamento.h"
#include "display/exportar.h"
#include "display/fala.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace vendrix::display;

// A result of about n bytes, in the shape products and sums take.
std::string Resultado(std::int64_t n)
{
    std::string texto = "x^9999";
    for (int k = 0; texto.size() < static_cast<std::size_t>(n); ++k)
        texto.append(k % 3 == 0 ? "-" : "+")
            .append(std::to_string(k % 97 + 2))
            .append(k % 5 == 0 ? "/3" : "")
            .append("x^")
            .append(std::to_string(k % 89 + 2));
    return texto;
}

// Every character a unit wide: the window's own widths come from a table
// of the few characters a result uses, so this is close to its cost.
const Largura Um = [](std::string_view) { return 1.0F; };

// The first move of the view over a cut result measures it whole.
void BM_MedirPolinómio(benchmark::State& estado)
{
    const std::string texto = Resultado(estado.range(0));
    for (auto _ : estado)
        benchmark::DoNotOptimize(MedirPolinómio(texto, 1, 2, Um));
    estado.SetBytesProcessed(estado.iterations() * estado.range(0));
}

BENCHMARK(BM_MedirPolinómio)->Range(1 << 10, 1 << 20)->Unit(benchmark::kMillisecond);

// Every later paint traces only what the view shows: the cost does not
// grow with the text.
void BM_TraçarVistaAoFim(benchmark::State& estado)
{
    const std::string texto = Resultado(estado.range(0));
    const Medida m = MedirPolinómio(texto, 1, 2, Um);
    for (auto _ : estado)
        benchmark::DoNotOptimize(TraçarVista(texto, m, 2, m.xFinal - 50, m.xFinal, Um));
}

BENCHMARK(BM_TraçarVistaAoFim)->Range(1 << 10, 1 << 20)->Unit(benchmark::kMicrosecond);

// What a screen reader asks for, and each copy.
void BM_Falar(benchmark::State& estado)
{
    const std::string texto = Resultado(estado.range(0));
    for (auto _ : estado)
        benchmark::DoNotOptimize(FalarPolinómio(texto));
    estado.SetBytesProcessed(estado.iterations() * estado.range(0));
}

BENCHMARK(BM_Falar)->Range(1 << 10, 1 << 20)->Unit(benchmark::kMillisecond);

void BM_EmLaTeX(benchmark::State& estado)
{
    const std::string texto = Resultado(estado.range(0));
    for (auto _ : estado)
        benchmark::DoNotOptimize(PolinómioEmLaTeX(texto));
    estado.SetBytesProcessed(estado.iterations() * estado.range(0));
}

BENCHMARK(BM_EmLaTeX)->Range(1 << 10, 1 << 20)->Unit(benchmark::kMillisecond);

void BM_EmHtml(benchmark::State& estado)
{
    const std::string texto = Resultado(estado.range(0));
    for (auto _ : estado)
        benchmark::DoNotOptimize(PolinómioEmHtml(texto));
    estado.SetBytesProcessed(estado.iterations() * estado.range(0));
}

BENCHMARK(BM_EmHtml)->Range(1 << 10, 1 << 20)->Unit(benchmark::kMillisecond);

} // namespace
