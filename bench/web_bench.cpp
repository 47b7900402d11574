// SPDX-License-Identifier: MIT
// The page's commands natively, answer and copy texts included, to set
// beside the same commands timed in a browser (web/testes/medir.mjs).
#include "web/comandos_web.h"
#include "web/porta_web.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// 180 terms with degrees 179 down to 0, as the page's measurement types them.
std::string CentoEOitentaTermos()
{
    std::string texto;
    for (int i = 0; i < 180; ++i) {
        texto += i % 2 == 0 ? (i == 0 ? "" : "+") : "-";
        texto += std::to_string(i % 97 + 2) + "x^" + std::to_string(179 - i);
    }
    return texto;
}

void ProdutoDe180Termos(benchmark::State& estado)
{
    const std::string p = CentoEOitentaTermos();
    for (auto _ : estado)
        benchmark::DoNotOptimize(vendrix::web::MultiplicarEmJson(p, p));
}

BENCHMARK(ProdutoDe180Termos)->Unit(benchmark::kMillisecond);

void DivisaoGrauNoveComFraccoes(benchmark::State& estado)
{
    for (auto _ : estado)
        benchmark::DoNotOptimize(vendrix::web::RuffiniEmJson("x^9+x^8+x^7+x^6+x^5+x^4+x^3+x^2+x+1", "7x-3"));
}

BENCHMARK(DivisaoGrauNoveComFraccoes)->Unit(benchmark::kMicrosecond);

// Every exercise through the page's one door, on the texts medir.mjs times
// in the browser.
void Exercicio(benchmark::State& estado, const char* nome, const char* p1, const char* p2, const char* a)
{
    for (auto _ : estado)
        benchmark::DoNotOptimize(vendrix::web::ExercícioPeloNomeEmJson(nome, p1, p2, a, "", ""));
}

BENCHMARK_CAPTURE(Exercicio, dividir, "dividir", "x^12-3x^9+5x^5-2x^2-7", "2x^3-x+1", "")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Exercicio, factorizar, "factorizar", "x^12-1", "", "")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Exercicio, valor, "valor", "x^12-3x^9+5x^5-2x^2-7", "", "-3/2")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Exercicio, grafico, "grafico", "x^4-5x^2+4", "", "")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Exercicio, explicar, "explicar", "x^12-3x^9+5x^5-2x^2-7", "3x-2", "")
    ->Unit(benchmark::kMicrosecond);

} // namespace
