// SPDX-License-Identifier: MIT
#include "ui/caixa_desenho.h"
#include "ui/form1.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QPixmap>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace {

// A result of about n bytes in Resultado.
void Encher(vendrix::ui::Form1& janela, std::int64_t n)
{
    std::string texto;
    while (texto.size() < static_cast<std::size_t>(n))
        texto += "+123x^45";
    janela.findChild<QWidget*>(QStringLiteral("Resultado"))
        ->setProperty("text", QString::fromStdString(texto));
}

// The first End over a freshly drawn result: the whole measure, with the
// window's font widths, then one paint of the view at the end.
void BM_FimDeResultadoNovo(benchmark::State& estado)
{
    vendrix::ui::Form1 janela;
    Encher(janela, estado.range(0));
    auto* área = janela.findChild<vendrix::ui::CaixaDeDesenho*>(QStringLiteral("Picture1"));
    QKeyEvent fim(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier);
    for (auto _ : estado) {
        estado.PauseTiming();
        área->Cls();
        janela.DesenharResultado();
        estado.ResumeTiming();
        QApplication::sendEvent(área, &fim);
        benchmark::DoNotOptimize(área->grab());
    }
}

BENCHMARK(BM_FimDeResultadoNovo)->Range(1 << 10, 1 << 20)->Unit(benchmark::kMillisecond);

// Copying the result as text and HTML, and as LaTeX.
void BM_Copiar(benchmark::State& estado)
{
    vendrix::ui::Form1 janela;
    Encher(janela, estado.range(0));
    janela.DesenharResultado();
    auto* área = janela.findChild<QWidget*>(QStringLiteral("Picture1"));
    QAction* copiar = área->findChild<QAction*>(QStringLiteral("Copiar"));
    QAction* latex = área->findChild<QAction*>(QStringLiteral("CopiarLaTeX"));
    for (auto _ : estado) {
        copiar->trigger();
        latex->trigger();
    }
}

BENCHMARK(BM_Copiar)->Range(1 << 10, 1 << 20)->Unit(benchmark::kMillisecond);

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
