// SPDX-License-Identifier: MIT
#include "engine/comandos.h"
#include "engine/produto.h"
#include "engine/simplificar.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>

namespace vendrix::engine {
namespace {

using Rotina = runtime::Relatado<std::string> (*)(std::string_view, std::string_view);

// A separated polynomial of n terms whose degrees run down from grauMáximo
// and wrap round, so that every entry of the table is added to many times.
std::string Polinómio(std::size_t n, int grauMáximo)
{
    std::string texto;
    for (std::size_t i = 0; i < n; ++i) {
        const int grau = grauMáximo - static_cast<int>(i % static_cast<std::size_t>(grauMáximo + 1));
        if (i > 0)
            texto += ' ';
        texto += i % 2 == 0 ? '+' : '-';
        texto += std::to_string(i % 97 + 2);
        texto += "x^";
        texto += std::to_string(grau);
    }
    return texto;
}

// A megabyte drawn from the given characters, the same on every run.
std::string Lixo(std::string_view caracteres)
{
    std::mt19937 gerador(20240601);
    std::uniform_int_distribution<std::size_t> escolha(0, caracteres.size() - 1);
    std::string texto(1 << 20, ' ');
    for (char& c : texto)
        c = caracteres[escolha(gerador)];
    return texto;
}

std::string TodosOsBytes()
{
    std::string todos;
    for (int c = 1; c < 256; ++c)
        todos += static_cast<char>(c);
    return todos;
}

void BM_Simplificar(benchmark::State& estado)
{
    const std::string texto = Polinómio(static_cast<std::size_t>(estado.range(0)), 180);
    for (auto _ : estado)
        benchmark::DoNotOptimize(Simplificar(texto));
    estado.SetComplexityN(estado.range(0));
}

BENCHMARK(BM_Simplificar)->RangeMultiplier(4)->Range(512, 32767)->Complexity(benchmark::oN);

// The product of two polynomials of n terms each, the way the command takes
// it (straight into the table) and by way of the joined text.
void BM_MultiplicarPolinómios(benchmark::State& estado, Rotina rotina)
{
    const auto n = static_cast<std::size_t>(estado.range(0));
    const std::string a = Polinómio(n, static_cast<int>(n) - 1);
    const std::string b = Polinómio(n, static_cast<int>(n) - 1);
    for (auto _ : estado)
        benchmark::DoNotOptimize(rotina(a, b));
    estado.SetComplexityN(estado.range(0) * estado.range(0));
}

BENCHMARK_CAPTURE(BM_MultiplicarPolinómios, direto, MultiplicarPolinómios)
    ->Arg(16)
    ->Arg(64)
    ->Arg(180)
    ->Complexity(benchmark::oN);
BENCHMARK_CAPTURE(BM_MultiplicarPolinómios, por_extenso, MultiplicarPolinómiosPorExtenso)
    ->Arg(16)
    ->Arg(64)
    ->Arg(180)
    ->Complexity(benchmark::oN);

// Pasted polynomials far past the term limit: the product is forecast, not written.
void BM_MultiplicarColados(benchmark::State& estado)
{
    const std::string a = Polinómio(20000, 100);
    for (auto _ : estado)
        benchmark::DoNotOptimize(MultiplicarPolinómios(a, a));
}

BENCHMARK(BM_MultiplicarColados)->Unit(benchmark::kMillisecond);

enum class Qual {
    Soma,
    Diferença,
    Produto,
    Simplificação,
};

void BM_ComandoSobreLixo(benchmark::State& estado, Qual qual, std::string_view caracteres)
{
    const std::string lixo = Lixo(caracteres);
    for (auto _ : estado) {
        switch (qual) {
        case Qual::Soma:
            benchmark::DoNotOptimize(Somar(lixo, lixo));
            break;
        case Qual::Diferença:
            benchmark::DoNotOptimize(Subtrair(lixo, lixo));
            break;
        case Qual::Produto:
            benchmark::DoNotOptimize(Multiplicar(lixo, lixo));
            break;
        case Qual::Simplificação:
            benchmark::DoNotOptimize(SimplificarPolinómio(lixo));
            break;
        }
    }
    estado.SetBytesProcessed(static_cast<std::int64_t>(estado.iterations()) * (1 << 20));
}

// Any byte; the characters of the notation with signs and blanks (many
// terms); and without them (a few enormous terms).
const std::string Bytes = TodosOsBytes();
constexpr std::string_view Notação = "0123456789x^+- ";
constexpr std::string_view SemSinais = "0123456789x^.";

BENCHMARK_CAPTURE(BM_ComandoSobreLixo, soma_bytes, Qual::Soma, Bytes)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ComandoSobreLixo, diferenca_bytes, Qual::Diferença, Bytes)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ComandoSobreLixo, produto_bytes, Qual::Produto, Bytes)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ComandoSobreLixo, simplificar_bytes, Qual::Simplificação, Bytes)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ComandoSobreLixo, soma_notacao, Qual::Soma, Notação)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ComandoSobreLixo, diferenca_notacao, Qual::Diferença, Notação)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ComandoSobreLixo, produto_notacao, Qual::Produto, Notação)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ComandoSobreLixo, simplificar_notacao, Qual::Simplificação, Notação)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ComandoSobreLixo, soma_sem_sinais, Qual::Soma, SemSinais)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ComandoSobreLixo, diferenca_sem_sinais, Qual::Diferença, SemSinais)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ComandoSobreLixo, produto_sem_sinais, Qual::Produto, SemSinais)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ComandoSobreLixo, simplificar_sem_sinais, Qual::Simplificação, SemSinais)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vendrix::engine
