// SPDX-License-Identifier: MIT
#include "interpreter/cls_equation.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>

namespace vendrix::interpreter {
namespace {

constexpr std::size_t Longa = 32766; // the longest expression the interpreter takes

// Repeats peça until the text is as long as it can be with fim after it.
std::string Encher(std::string texto, std::string_view peça, std::string_view fim)
{
    while (texto.size() + peça.size() + fim.size() <= Longa)
        texto += peça;
    return texto + std::string(fim);
}

std::string Aninhado(std::string_view abre, int níveis)
{
    std::string texto;
    for (int i = 0; i < níveis; ++i)
        texto += abre;
    return Encher(texto + "1", "+1", std::string(static_cast<std::size_t>(níveis), ')'));
}

std::string Forma(int forma)
{
    switch (forma) {
    case 0:
        return Encher("1", "+1", "");
    case 1:
        return Aninhado("(", 4680);
    case 2:
        return std::string(Longa - 1, '-') + "1";
    case 3:
        return Aninhado("sin(", 4680);
    case 4:
        return Encher("max(1", ",1", ")");
    case 5:
        return Encher("1", "*x^2-(x)", "");
    default: {
        std::mt19937 g(1);
        std::string bytes(Longa, ' ');
        for (char& c : bytes)
            c = static_cast<char>(g());
        return bytes;
    }
    }
}

// Equation set and Solve: tokenizing included.
void Resolver(benchmark::State& estado)
{
    const std::string texto = Forma(static_cast<int>(estado.range(0)));
    clsEquation equação([] { return 1U; });
    equação.Var("x", 1.5);
    for (auto _ : estado) {
        equação.Equation(texto);
        benchmark::DoNotOptimize(equação.Solve());
    }
    const auto r = equação.Solution();
    estado.SetLabel(
        std::to_string(texto.size()) + " chars, " +
        (r.Ok() ? "value " + std::to_string(r.Valor()) : "error " + std::to_string(r.Falha().Número())));
}

BENCHMARK(Resolver)
    ->ArgName("soma0_aninhado1_menos2_sin3_max4_mistura5_bytes6")
    ->DenseRange(0, 6)
    ->Unit(benchmark::kMillisecond);

// A megabyte of anything is turned away by its length alone.
void MegabyteAleatório(benchmark::State& estado)
{
    std::mt19937 g(2);
    std::string bytes(1 << 20, ' ');
    for (char& c : bytes)
        c = static_cast<char>(g());
    clsEquation equação;
    for (auto _ : estado) {
        equação.Equation(bytes);
        benchmark::DoNotOptimize(equação.Solve());
    }
}

BENCHMARK(MegabyteAleatório)->Unit(benchmark::kMicrosecond);

// The Ruffini command's use: the divisor at x = 0 and at x = 1.
void RaizDoDivisor(benchmark::State& estado)
{
    clsEquation equação;
    const std::string divisor = "3x-2";
    for (auto _ : estado) {
        equação.Equation(divisor);
        equação.Var("x", 0);
        benchmark::DoNotOptimize(equação.Solve());
        benchmark::DoNotOptimize(equação.Solution());
        equação.Equation(divisor);
        equação.Var("x", 1);
        benchmark::DoNotOptimize(equação.Solve());
        benchmark::DoNotOptimize(equação.Solution());
    }
}

BENCHMARK(RaizDoDivisor);

// Linear growth of the long sum with its length.
void SomaLonga(benchmark::State& estado)
{
    std::string texto = "1";
    for (std::int64_t i = 1; i < estado.range(0); ++i)
        texto += "+1";
    clsEquation equação;
    for (auto _ : estado) {
        equação.Equation(texto);
        benchmark::DoNotOptimize(equação.Solve());
    }
    estado.SetComplexityN(estado.range(0));
}

BENCHMARK(SomaLonga)->Arg(64)->Arg(256)->Arg(1024)->Arg(4096)->Arg(16383)->Complexity();

} // namespace
} // namespace vendrix::interpreter
