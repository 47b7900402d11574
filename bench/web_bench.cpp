// SPDX-License-Identifier: MIT
// The page's commands natively, answer and copy texts included, to set
// beside the same commands timed in a browser (web/testes/medir.mjs).
#include "web/comandos_web.h"

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

} // namespace
