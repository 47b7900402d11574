// SPDX-License-Identifier: MIT
#include "ui/form1.h"
#include "ui/servico_mensagens.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

namespace {

// A report would wait for the user; the benchmark counts them instead.
class Silêncio final : public vendrix::ui::ServiçoDeMensagens
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

// A polynomial text of about n bytes whose last term does not read.
QString TextoComErro(std::size_t n)
{
    std::string texto = "x";
    while (texto.size() < n)
        texto += "+" + std::to_string(texto.size() % 97) + "x^" + std::to_string(texto.size() % 89);
    return QString::fromStdString(texto + "+x^a");
}

// Closes every message box as soon as it has been painted, and notes when
// that was.
class FechaCaixas final : public QObject
{
public:
    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        auto* caixa = qobject_cast<QMessageBox*>(objeto);
        if (caixa != nullptr && evento->type() == QEvent::Paint && !pintada) {
            pintada = std::chrono::steady_clock::now();
            QTimer::singleShot(0, caixa, &QMessageBox::accept);
        }
        return false;
    }

    std::optional<std::chrono::steady_clock::time_point> pintada;
};

// A click of the sum on a text pasted into Polinómio1, with the window
// shown and the real modal box: the time from the click to the box
// painted. "ate_fechar_ms" is the whole click with the box closed as soon
// as it is painted. With pintadoAntes false the input box still has a
// paint pending when the click comes, as after a blink of its cursor.
void BM_CaixaSobreTextoEnorme(benchmark::State& estado, bool pintadoAntes)
{
    vendrix::ui::Form1 janela;
    janela.show();
    janela.activateWindow();
    auto* entrada = janela.findChild<QLineEdit*>(QStringLiteral("Polinómio1"));
    const QString texto = TextoComErro(static_cast<std::size_t>(estado.range(0)));
    auto* somar = janela.findChild<QAbstractButton*>(QStringLiteral("Somar"));
    FechaCaixas fecha;
    qApp->installEventFilter(&fecha);
    double total = 0;
    for (auto _ : estado) {
        // Pasted anew each time.
        entrada->setText(texto);
        entrada->setFocus();
        QCoreApplication::processEvents();
        if (pintadoAntes)
            janela.repaint();
        fecha.pintada.reset();
        const auto início = std::chrono::steady_clock::now();
        somar->click();
        const std::chrono::duration<double> tudo = std::chrono::steady_clock::now() - início;
        if (!fecha.pintada) {
            estado.SkipWithError("no box was painted");
            break;
        }
        const std::chrono::duration<double> atéÀCaixa = *fecha.pintada - início;
        estado.SetIterationTime(atéÀCaixa.count());
        total += tudo.count();
    }
    qApp->removeEventFilter(&fecha);
    estado.counters["ate_fechar_ms"] = benchmark::Counter(total * 1000, benchmark::Counter::kAvgIterations);
}

BENCHMARK_CAPTURE(BM_CaixaSobreTextoEnorme, pintado, true)
    ->Range(1 << 10, 1 << 20)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CaixaSobreTextoEnorme, pintura_pendente, false)
    ->Range(1 << 10, 1 << 20)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// One paint of an input box holding n bytes: what every change of its
// focus, and every blink of its cursor, costs.
void BM_PintarCaixaDeEntrada(benchmark::State& estado)
{
    vendrix::ui::Form1 janela;
    janela.show();
    auto* entrada = janela.findChild<QLineEdit*>(QStringLiteral("Polinómio1"));
    entrada->setText(TextoComErro(static_cast<std::size_t>(estado.range(0))));
    QCoreApplication::processEvents();
    for (auto _ : estado)
        entrada->repaint();
}

BENCHMARK(BM_PintarCaixaDeEntrada)->Range(1 << 10, 1 << 20)->Unit(benchmark::kMillisecond);

// The measure the line editor of the toolkit takes of its whole text at
// every paint, only for the height of the line: the floor of the paint
// above, out of the program's reach.
void BM_MedidaDaCaixaDeEntrada(benchmark::State& estado)
{
    vendrix::ui::Form1 janela;
    auto* entrada = janela.findChild<QLineEdit*>(QStringLiteral("Polinómio1"));
    const QString texto = TextoComErro(static_cast<std::size_t>(estado.range(0)));
    for (auto _ : estado)
        benchmark::DoNotOptimize(entrada->fontMetrics().boundingRect(texto));
}

BENCHMARK(BM_MedidaDaCaixaDeEntrada)->Range(1 << 10, 1 << 20)->Unit(benchmark::kMillisecond);

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
