// SPDX-License-Identifier: MIT
#include "ui/form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <numeric>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace vendrix::monkey {
namespace {

using Relógio = std::chrono::steady_clock;
using Sorte = std::mt19937_64;
using std::to_string;

// Near misses and edges of the notation, decimals, numbers past every integer and float range,
// divisors (first degree, constant, bare x) and divisors as interpreter expressions.
// clang-format off
constexpr const char* Fixos =
    "+x|x^|3X^2|x^-2|x^2.5|1.5x|2,5x|x^^2|xx|x2|^2|--x|x+|x-|| |x ^2|x^ 2|3x^2+|x^1e3|1e5x|+|-|x^+2|0x^3|0|"
    "-0|x^0|x^1|3x^2-3x^2|x-x|2x^2x|x*x|(x-1)|x^2+1=0|x\t-1|x\xC2\xA0-1|\xC3\xB3x|1/2x|x/2|32767x-1|32768x-1|"
    "-32769x|x^32768+x|2147483648x^2|-2147483649x|x^2147483648|9999999x|10000000x|1e39x|x^1e39|"
    "9223372036854775808x|340282356779733661637539395458142568448x-1|"
    "-1234567890123456789012345678901234567890x^2|x^99999999999999999999|3x-2|-5x-7|x|2x+1|-x|x+0|7|-3|"
    "sqr(2)x-1|pi*x-1|sin(1)x+2|x/0|log(0)x|2^1000x-1|exp(1000)x|1/0|rnd*x|x)|(x-1|abs(-3)x+1|sqr(-1)x|x*x-1|"
    "2*x+1|e*x|cos(pi)x-1|int(2.7)x|x--1|sqr(x)|fact(200)x-1|x^0.5-1|1e308x-1e308|atn(1)*4x-pi";

// clang-format on

// Every draw is a statement of its own, never two in one expression, whose order of evaluation
// the language leaves open: so a seed gives the same texts under g++ and clang.
long long Entre(Sorte& s, long long a, long long b) { return std::uniform_int_distribution(a, b)(s); }

long long Índice(Sorte& s, long long n) { return Entre(s, 0, n - 1); }

bool Moeda(Sorte& s, double p) { return std::bernoulli_distribution(p)(s); }

std::string Termo(Sorte& s, long long c, long long e) // now and then "1x", "x^1" or "x^0" written out
{
    const bool um = Moeda(s, 0.1), x = e > 0 || Moeda(s, 0.05), comExpoente = e != 1 || Moeda(s, 0.05);
    std::string t = c < 0 ? "-" : "+";
    if (!x || (c != 1 && c != -1) || um)
        t += to_string(c < 0 ? -c : c);
    if (x)
        t += comExpoente ? "x^" + to_string(e) : "x";
    return t;
}

// Well formed; now and then with like terms, or its terms out of order.
std::string Polinómio(Sorte& s, long long grau)
{
    std::vector<std::string> termos;
    for (long long e = grau; e >= 0; --e) {
        const long long c = e == grau ? Entre(s, 1, 12) : Entre(s, -30, 30);
        const bool negativo = e == grau && Moeda(s, 0.3);
        if (c != 0 || Moeda(s, 0.1))
            termos.push_back(Termo(s, negativo ? -c : c, e));
        if (Moeda(s, 0.1))
            termos.push_back(Termo(s, Entre(s, -5, 5), e));
    }
    if (Moeda(s, 0.3))
        std::shuffle(termos.begin(), termos.end(), s);
    const std::string texto = std::accumulate(termos.begin(), termos.end(), std::string());
    return texto.starts_with('+') ? texto.substr(1) : texto;
}

std::string Próxima(Sorte& s) // weights out of 100
{
    const long long sorteio = Índice(s, 100);
    if (sorteio < 30 || sorteio >= 97) // a dividend, now and then thousands of terms long
        return Polinómio(s, sorteio < 30 ? Entre(s, 1, 10) : Entre(s, 1000, 9000));
    if (sorteio < 45)
        return Polinómio(s, 1); // a divisor
    if (sorteio < 65) {
        const QStringList fixos = QString::fromUtf8(Fixos).split(u'|');
        return fixos[Índice(s, fixos.size())].toStdString();
    }
    if (sorteio < 75) { // a polynomial with one character dropped, doubled or changed
        std::string texto = Polinómio(s, Entre(s, 1, 10));
        const long long i = Índice(s, texto.size()), como = Índice(s, 3);
        const char troca = "x0123456789+-^.X ,"[Índice(s, 18)];
        return texto.replace(i, como == 1 ? 0 : 1, como == 2 ? std::string(1, troca) : texto.substr(i, como));
    }
    // Any bytes: mostly few, now and then up to 100 KB.
    const std::size_t teto = std::size_t{1} << Índice(s, 18);
    std::string bytes(std::min<std::size_t>(Índice(s, teto), 100 * 1024), '\0');
    for (char& c : bytes)
        c = static_cast<char>(Índice(s, 256));
    return bytes;
}

// Closes every modal window once its event loop runs, as a user who reads nothing would, and adds up
// the time message boxes exist, from their first event to their end, so a click is timed without them.
class Fechador : public QObject
{
public:
    Fechador() { qApp->installEventFilter(this); }

    bool eventFilter(QObject* objecto, QEvent* evento) override
    {
        auto* janela = qobject_cast<QWidget*>(objecto);
        if (janela != nullptr && janela->isModal() && evento->type() == QEvent::Show) {
            ++total;
            QTimer::singleShot(0, janela, &QWidget::close);
        }
        if (caixa == nullptr && qobject_cast<QMessageBox*>(objecto) != nullptr) {
            caixa = objecto;
            criada = Relógio::now();
            connect(objecto, &QObject::destroyed, this, [this] {
                aberta += Relógio::now() - criada;
                caixa = nullptr;
            });
        }
        return false;
    }

    const QObject* caixa = nullptr; // the box being timed
    Relógio::time_point criada{};
    Relógio::duration aberta{};
    long total = 0;
};

// Empty when the Ruffini table shows nothing, or exactly the columns 0 … g of a dividend of
// degree g (1 to 9) with no product under the last one and its remainder in Label16.
std::string ProblemaDaTabela(const QWidget& j)
{
    const auto w = [&](const std::string& n) { return j.findChild<QWidget*>(QString::fromStdString(n)); };
    const auto vê = [&](auto m, long i) { return w(m + ("(" + to_string(i) + ")"))->isVisibleTo(&j); };
    long g = -1;
    for (long i = 0; i <= 10; ++i)
        g += vê("Coef", i);
    std::string erro;
    for (long i = 0; i <= 10; ++i)
        if (vê("Coef", i) != (i <= g) || vê("Ter", i) != (i <= g) || (i < 10 && vê("Seg", i) != (i < g)))
            erro += " column " + to_string(i);
    if (w("Div")->isVisibleTo(&j) != (g >= 0) || w("Line1")->isVisibleTo(&j) != (g >= 0) || g == 0 || g > 9)
        erro += " Div, Line1 or degree";
    const QString resto = g < 0 ? QString() : w("Ter(" + to_string(g) + ")")->property("text").toString();
    if (w("Label16")->property("text").toString() != resto)
        erro += " Label16 is not the remainder";
    return erro.empty() ? erro : "degree " + to_string(g) + ":" + erro;
}

long ResidenteKiB()
{
    long páginas = 0, residentes = 0;
    std::ifstream("/proc/self/statm") >> páginas >> residentes;
    return residentes * (sysconf(_SC_PAGESIZE) / 1024);
}

TEST(Macaco, UsoAoAcasoNaoEstragaAJanela)
{
    const auto semente = std::strtoull(std::getenv("VENDRIX_MACACO_SEMENTE"), nullptr, 10);
    const long passos = std::strtol(std::getenv("VENDRIX_MACACO_PASSOS"), nullptr, 10);
    ui::Form1 janela; // real modal boxes, closed by the Fechador
    janela.show();
    Sorte sorte(semente);
    Fechador fechador;
    QLineEdit* const caixas[] = {janela.findChild<QLineEdit*>(QStringLiteral("Polinómio1")),
                                 janela.findChild<QLineEdit*>(QStringLiteral("Polinómio2"))};
    ASSERT_TRUE(caixas[0] != nullptr && caixas[1] != nullptr);
    QString esperados[] = {caixas[0]->text(), caixas[1]->text()};
    auto botões = janela.findChildren<QAbstractButton*>(); // in the order they were built
    botões.removeIf([](const QAbstractButton* b) { return b->objectName() == QStringLiteral("Sair"); });
    ASSERT_GT(passos, 0);
    std::vector<std::pair<double, long>> ms; // click time, step
    long rss1000 = 0, rss10000 = 0;
    const long rssInício = ResidenteKiB();
    for (long passo = 1; passo <= passos; ++passo) {
        for (std::size_t k = 0; k < 2; ++k) {
            if (!Moeda(sorte, 0.35))
                continue;
            const std::string texto = Próxima(sorte);
            esperados[k] = QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size()));
            // Short printable texts are typed key by key; bytes and huge texts are pasted.
            const bool teclável =
                texto.size() <= 40 && std::ranges::all_of(texto, [](char c) { return c >= ' ' && c <= '~'; });
            caixas[k]->setText(teclável ? QString() : esperados[k]);
            if (teclável)
                QTest::keyClicks(caixas[k], esperados[k]);
        }
        QAbstractButton* botão = botões[Índice(sorte, botões.size())];
        const std::string relato = "step " + to_string(passo) + ": " + botão->objectName().toStdString();
        QCoreApplication::processEvents(); // laying out what was typed is not the click's time
        const Relógio::duration antes = fechador.aberta;
        const long caixasAntes = fechador.total;
        const Relógio::time_point início = Relógio::now();
        QTest::mouseClick(botão, Qt::LeftButton);
        const auto gasto = Relógio::now() - início - (fechador.aberta - antes);
        ms.emplace_back(std::chrono::duration<double, std::milli>(gasto).count(), passo);
        ASSERT_EQ(caixas[0]->text(), esperados[0]) << relato;
        ASSERT_EQ(caixas[1]->text(), esperados[1]) << relato;
        ASSERT_EQ(ProblemaDaTabela(janela), "") << relato;
        ASSERT_EQ(QApplication::activeModalWidget(), nullptr) << relato;
        // Every box must be closed by hand: ten for the failing monomials of a
        // product, and the few a command shows besides.
        ASSERT_LE(fechador.total - caixasAntes, 12) << relato;
        if (passo == 1000 || passo == 10000)
            (passo == 1000 ? rss1000 : rss10000) = ResidenteKiB();
    }
    std::ranges::sort(ms);
    std::cout << "monkey: seed " << semente << ", " << passos << " steps, " << fechador.total
              << " boxes closed; click time without boxes: p99 " << ms[ms.size() * 99 / 100].first
              << " ms, max " << ms.back().first << " ms (step " << ms.back().second
              << "); resident KiB: start " << rssInício << ", step 1000 " << rss1000 << ", step 10000 "
              << rss10000 << ", end " << ResidenteKiB() << "\n";
    // A leak per command outgrows 32 MiB from step 1,000 (caches warm) to 10,000; ASan keeps freed memory.
#ifndef __SANITIZE_ADDRESS__
    EXPECT_LE(passos < 10000 ? 0 : rss10000 - rss1000, 32 * 1024);
#endif
}

} // namespace
} // namespace vendrix::monkey

// The run is chosen by VENDRIX_MACACO_PASSOS and VENDRIX_MACACO_SEMENTE, or --passos=N and --semente=N.
int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication aplicação(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    setenv("VENDRIX_MACACO_PASSOS", "2000", 0);
    setenv("VENDRIX_MACACO_SEMENTE", "1", 0);
    for (int i = 1; i < argc; ++i)
        for (const auto& [opção, variável] :
             {std::pair{"--passos=", "VENDRIX_MACACO_PASSOS"}, {"--semente=", "VENDRIX_MACACO_SEMENTE"}})
            if (std::string_view(argv[i]).starts_with(opção))
                setenv(variável, argv[i] + std::string_view(opção).size(), 1);
    return RUN_ALL_TESTS();
}
