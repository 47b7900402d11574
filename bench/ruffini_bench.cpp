// SPDX-License-Identifier: MIT
#include "ruffini/divisao.h"
#include "ruffini/procurar_fraccao.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <numbers>
#include <random>
#include <string_view>

namespace vendrix::ruffini {
namespace {

struct Valor
{
    const char* nome;
    double valor;
};

// From what the old walk finished at once to what it took minutes over or
// never finished.
const std::array Valores{
    Valor{"meio", 0.5},
    Valor{"dois_tercos", 2.0 / 3.0},
    Valor{"maior_inteiro", 2147483647.0},
    Valor{"inverso_de_pi_simples", 1.0 / static_cast<double>(std::numbers::pi_v<float>)},
    Valor{"pi", std::numbers::pi},
    Valor{"raiz_de_dois", std::numbers::sqrt2},
    Valor{"transborda_minusculo", 1e-12},
    Valor{"transborda_enorme", 1e12},
};

void ProcurarFracção(benchmark::State& estado)
{
    const Valor& v = Valores[static_cast<std::size_t>(estado.range(0))];
    estado.SetLabel(v.nome);
    for (auto _ : estado)
        benchmark::DoNotOptimize(ruffini::ProcurarFracção(v.valor));
}

BENCHMARK(ProcurarFracção)->DenseRange(0, Valores.size() - 1);

// Doubles of every size with all 53 bits in use, the same on every run.
void ProcurarFracçãoAoAcaso(benchmark::State& estado)
{
    std::mt19937_64 gerador(20240601);
    std::uniform_real_distribution<double> expoente(-40.0, 40.0);
    std::array<double, 1024> valores{};
    for (double& v : valores)
        v = std::exp2(expoente(gerador));
    std::size_t i = 0;
    for (auto _ : estado)
        benchmark::DoNotOptimize(ruffini::ProcurarFracção(valores[i++ % valores.size()]));
}

BENCHMARK(ProcurarFracçãoAoAcaso);

struct Par
{
    const char* nome;
    std::string_view dividendo;
    std::string_view divisor;
};

const std::array Pares{
    Par{"padrao", "x^4-3x^3+5x^2-2x-1", "x-2"},
    Par{"grau_nove_raiz_3_7", "7x^9+4x^8+4x^7+4x^6+4x^5+4x^4+4x^3+4x^2+4x-1", "7x-3"},
    Par{"grau_nove_raiz_3_7_fraccoes", "x^9+x^8+x^7+x^6+x^5+x^4+x^3+x^2+x+1", "7x-3"},
    Par{"raiz_de_dois", "x^4-3x^3+5x^2-2x-1", "x-sqr(2)"},
    Par{"inverso_de_pi", "x^4-3x^3+5x^2-2x-1", "pi*x-1"},
};

void Dividir(benchmark::State& estado)
{
    const Par& par = Pares[static_cast<std::size_t>(estado.range(0))];
    const auto sementes = interpreter::SementesDoRelógio();
    const Divisão amostra = ruffini::Dividir(par.dividendo, par.divisor, sementes);
    estado.SetLabel(std::string(par.nome) + (amostra.Recusa() != nullptr ? ": mensagem" : ": tabela"));
    for (auto _ : estado)
        benchmark::DoNotOptimize(ruffini::Dividir(par.dividendo, par.divisor, sementes));
}

BENCHMARK(Dividir)->DenseRange(0, Pares.size() - 1)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vendrix::ruffini
