// SPDX-License-Identifier: MIT
#include "algebra/dividir.h"
#include "algebra/escrever.h"
#include "algebra/ler.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <random>
#include <string>

namespace vendrix::algebra {
namespace {

// A polynomial of the given degree with two-digit integer coefficients of
// either sign, as typed, the same on every run.
std::string Texto(std::size_t grau, unsigned semente)
{
    std::mt19937 gerador(semente);
    std::uniform_int_distribution<int> valor(10, 99), sinal(0, 1);
    std::string texto;
    for (std::size_t g = grau + 1; g-- > 0;) {
        texto += sinal(gerador) == 0 ? '-' : '+';
        texto += std::to_string(valor(gerador));
        if (g > 0)
            texto += "x^" + std::to_string(g);
    }
    return texto;
}

// Degree 200 by degree 100: the quotient's fractions run to about 200
// digits. Reading both texts and writing Q and R are part of the work.
void Dividir_200_por_100(benchmark::State& estado)
{
    const std::string p = Texto(200, 1), d = Texto(100, 2);
    std::size_t escrito = 0;
    for (auto _ : estado) {
        const runtime::Resultado<Polinómio> lp = LerPolinómio(p), ld = LerPolinómio(d);
        if (!lp.Ok() || !ld.Ok())
            std::abort();
        const runtime::Resultado<Divisão> r = Dividir(lp.Valor(), ld.Valor());
        if (!r.Ok())
            std::abort();
        const std::string q = Escrever(r.Valor().quociente), resto = Escrever(r.Valor().resto);
        escrito = q.size() + resto.size();
        benchmark::DoNotOptimize(escrito);
    }
    estado.counters["bytes_escritos"] = static_cast<double>(escrito);
}

BENCHMARK(Dividir_200_por_100)->Unit(benchmark::kMillisecond);

// The largest value the size budget lets through: x^n at a 20-digit
// fraction, about 20n digits, computed and written.
void Valor_x_n_em_20_algarismos(benchmark::State& estado)
{
    const Polinómio p = Monómio(1, static_cast<std::size_t>(estado.range(0)));
    const Racional a(Inteiro("12345678901234567890"), 7);
    for (auto _ : estado)
        benchmark::DoNotOptimize(EscreverRacional(Avaliar(p, a)).size());
}

BENCHMARK(Valor_x_n_em_20_algarismos)->Arg(2500)->Arg(5000)->Arg(10000)->Unit(benchmark::kMillisecond);

// x^10000 by x^5000 + x/3 + 1/7: a short answer, once a long division cost
// a step per coefficient of the divisor.
void Dividir_por_divisor_esparso(benchmark::State& estado)
{
    const Polinómio p = Monómio(1, 10000);
    const Polinómio d = Monómio(1, 5000) + Monómio(Racional(1, 3), 1) + Monómio(Racional(1, 7), 0);
    for (auto _ : estado) {
        const Divisão q = Dividir(p, d).Valor();
        benchmark::DoNotOptimize(Verificar(p, d, q).confere);
    }
}

BENCHMARK(Dividir_por_divisor_esparso)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vendrix::algebra
