// SPDX-License-Identifier: MIT
#include "runtime/servico_mensagens.h"
#include "ui/form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

namespace {

// A report would wait for the user; the benchmark counts them instead.
class Silêncio final : public vendrix::runtime::ServiçoDeMensagens
{
public:
    void Mostrar(std::string_view, std::string_view, vendrix::runtime::Ícone) override { ++caixas; }

    int caixas = 0;
};

// A whole process, from its start to its window shown and painted, under
// the offscreen platform; also its peak resident memory.
void BM_Arranque(benchmark::State& estado)
{
    char programa[] = VENDRIX_ARRANQUE;
    char* argumentos[] = {programa, nullptr};
    long pico = 0;
    for (auto _ : estado) {
        const auto início = std::chrono::steady_clock::now();
        pid_t filho = 0;
        if (posix_spawn(&filho, programa, nullptr, nullptr, argumentos, environ) != 0) {
            estado.SkipWithError("the start-up program did not start");
            return;
        }
        int saída = 0;
        rusage uso{};
        wait4(filho, &saída, 0, &uso);
        const std::chrono::duration<double> tempo = std::chrono::steady_clock::now() - início;
        if (!WIFEXITED(saída) || WEXITSTATUS(saída) != 0) {
            estado.SkipWithError("the start-up program failed");
            return;
        }
        estado.SetIterationTime(tempo.count());
        pico = std::max(pico, uso.ru_maxrss);
    }
    estado.counters["rss_MB"] = static_cast<double>(pico) / 1024.0;
}

BENCHMARK(BM_Arranque)->UseManualTime()->Unit(benchmark::kMillisecond);

// The window built inside a running application: its share of start-up.
void BM_ConstruirForm1(benchmark::State& estado)
{
    for (auto _ : estado) {
        vendrix::ui::Form1 janela;
        benchmark::DoNotOptimize(janela.winId());
    }
}

BENCHMARK(BM_ConstruirForm1)->Unit(benchmark::kMillisecond);

// Drawing a result of any length costs what fits in the area, not the
// length of the text.
void BM_DesenharResultado(benchmark::State& estado)
{
    vendrix::ui::Form1 janela;
    std::string texto;
    while (texto.size() < static_cast<std::size_t>(estado.range(0)))
        texto += "+123x^45";
    janela.findChild<QWidget*>(QStringLiteral("Resultado"))
        ->setProperty("text", QString::fromStdString(texto));
    for (auto _ : estado)
        janela.DesenharResultado();
}

BENCHMARK(BM_DesenharResultado)->Range(1 << 10, 1 << 20)->Unit(benchmark::kMicrosecond);

// A whole click of the sum on a polynomial of about a megabyte: the
// engine's work, the hidden boxes written, the result drawn.
void BM_SomarTextoEnorme(benchmark::State& estado)
{
    Silêncio silêncio;
    vendrix::ui::Form1 janela(silêncio);
    std::string texto = "x";
    while (texto.size() < static_cast<std::size_t>(estado.range(0)))
        texto += "+" + std::to_string(texto.size() % 97) + "x^" + std::to_string(texto.size() % 89);
    janela.findChild<QLineEdit*>(QStringLiteral("Polinómio1"))->setText(QString::fromStdString(texto));
    auto* somar = janela.findChild<QAbstractButton*>(QStringLiteral("Somar"));
    for (auto _ : estado)
        somar->click();
    estado.counters["caixas"] = silêncio.caixas;
}

BENCHMARK(BM_SomarTextoEnorme)->Range(1 << 10, 1 << 20)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication aplicação(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
