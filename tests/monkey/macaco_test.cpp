// SPDX-License-Identifier: MIT
#include "entradas.h"
#include "fechador.h"
#include "ui/form1.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace vendrix::monkey {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool ComAsan = true;
#elif defined(__has_feature)
constexpr bool ComAsan = __has_feature(address_sanitizer);
#else
constexpr bool ComAsan = false;
#endif

// Between step 1,000 (caches, fonts and the allocator's pools warm) and
// step 10,000 the resident memory may grow by this much at most: a text
// kept per command that is never let go grows without bound, far beyond.
constexpr long CrescimentoMáximoKiB = 32 * 1024;

constexpr std::array<const char*, 10> Botões = {
    "SimplificarPolinómio1",
    "SimplificarPolinómio2",
    "ApagarPolinómio1",
    "ApagarPolinómio2",
    "ApagarResultado",
    "Somar",
    "Subtrair",
    "Multiplicar",
    "Ruffini",
    "ApagarRuffini",
};

long Número(const char* variável, long padrão)
{
    const char* v = std::getenv(variável);
    return v == nullptr ? padrão : std::strtol(v, nullptr, 10);
}

long ResidenteKiB()
{
    std::ifstream statm("/proc/self/statm");
    long páginas = 0, residentes = 0;
    statm >> páginas >> residentes;
    return residentes * (sysconf(_SC_PAGESIZE) / 1024);
}

// A text as it can be quoted in a report: its length and its start, with
// every byte outside printable ASCII escaped.
std::string Resumo(const QString& texto)
{
    const std::string utf8 = texto.toStdString();
    std::string r = "(" + std::to_string(utf8.size()) + " bytes) \"";
    for (std::size_t i = 0; i < utf8.size() && i < 100; ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
            r += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            r += hex;
        }
    }
    return r + (utf8.size() > 100 ? "\"..." : "\"");
}

// The Ruffini table's controls, found by name once.
struct Tabela
{
    explicit Tabela(const QWidget& janela)
    {
        const auto achar = [&](const std::string& nome) {
            return janela.findChild<QWidget*>(QString::fromStdString(nome));
        };
        for (std::size_t i = 0; i < Coef.size(); ++i) {
            Coef[i] = achar("Coef(" + std::to_string(i) + ")");
            Ter[i] = achar("Ter(" + std::to_string(i) + ")");
        }
        for (std::size_t i = 0; i < Seg.size(); ++i)
            Seg[i] = achar("Seg(" + std::to_string(i) + ")");
        Div = achar("Div");
        Line1 = achar("Line1");
        Label16 = janela.findChild<QLabel*>(QStringLiteral("Label16"));
    }

    std::array<QWidget*, 11> Coef{};
    std::array<QWidget*, 10> Seg{};
    std::array<QWidget*, 11> Ter{};
    QWidget* Div = nullptr;
    QWidget* Line1 = nullptr;
    QLabel* Label16 = nullptr;
};

// Empty when the table shows nothing, or exactly the columns 0 … g of a
// dividend of degree g (1 to 9) with no product under the last one, its
// remainder repeated beside it; otherwise what is wrong.
std::string ProblemaDaTabela(const Tabela& t, const QWidget& janela)
{
    const auto visível = [&](const QWidget* w) { return w->isVisibleTo(&janela); };
    const auto visíveis = std::count_if(t.Coef.begin(), t.Coef.end(), visível);
    const long g = static_cast<long>(visíveis) - 1;
    std::string forma;
    for (std::size_t i = 0; i < t.Coef.size(); ++i) {
        const auto col = static_cast<long>(i);
        if (visível(t.Coef[i]) != (col <= g) || visível(t.Ter[i]) != (col <= g) ||
            (i < t.Seg.size() && visível(t.Seg[i]) != (col < g)))
            forma += " column " + std::to_string(i);
    }
    if (visível(t.Div) != (g >= 0) || visível(t.Line1) != (g >= 0))
        forma += " Div/Line1";
    if (!forma.empty())
        return "cells out of shape for degree " + std::to_string(g) + ":" + forma;
    if (g == -1)
        return t.Label16->text().isEmpty() ? "" : "remainder shown without a table";
    if (g < 1 || g > 9)
        return "table of degree " + std::to_string(g);
    const QString resto = t.Ter[static_cast<std::size_t>(g)]->property("text").toString();
    if (t.Label16->text() != resto)
        return "Label16 " + Resumo(t.Label16->text()) + " is not Ter(" + std::to_string(g) + ") " +
               Resumo(resto);
    return "";
}

bool LegendaConhecida(const QString& legenda)
{
    for (const char* l :
         {"Resultado", "Resultado (soma)", "Resultado (subtração)", "Resultado (multiplicação)"})
        if (legenda == QString::fromUtf8(l))
            return true;
    return false;
}

struct Tempos
{
    std::vector<double> ms;
    double pior = 0;
    std::string piorPasso;
    long maisCaixas = 0; // boxes raised by one click
    std::string passoDeMaisCaixas;
};

class Macaco : public ::testing::Test
{
protected:
    Macaco() { janela.show(); }

    // Small printable texts are typed key by key; the rest, bytes and huge
    // texts that nobody types, are pasted in one go.
    void Escrever(QLineEdit* caixa, const Entrada& e, QString& esperado, std::string& relato)
    {
        esperado = QString::fromUtf8(e.texto.data(), static_cast<qsizetype>(e.texto.size()));
        const bool teclável = e.texto.size() <= 40 && std::all_of(e.texto.begin(), e.texto.end(), [](char c) {
                                  return c >= 0x20 && c < 0x7F;
                              });
        if (teclável) {
            caixa->clear();
            QTest::keyClicks(caixa, esperado);
        } else {
            caixa->setText(esperado);
        }
        relato += std::string(" typed ") + NomeDaEspécie(e.espécie) + " into " +
                  caixa->objectName().toStdString() + ";";
    }

    QAbstractButton* Botão(const char* nome)
    {
        return janela.findChild<QAbstractButton*>(QString::fromUtf8(nome));
    }

    ui::Form1 janela; // real modal boxes, closed by the Fechador
};

TEST_F(Macaco, UsoAoAcasoNaoEstragaAJanela)
{
    const auto semente = static_cast<std::uint64_t>(Número("VENDRIX_MACACO_SEMENTE", 1));
    const long passos = Número("VENDRIX_MACACO_PASSOS", 2000);
    Gerador gerador(semente);
    Fechador fechador;
    const Tabela tabela(janela);
    auto* p1 = janela.findChild<QLineEdit*>(QStringLiteral("Polinómio1"));
    auto* p2 = janela.findChild<QLineEdit*>(QStringLiteral("Polinómio2"));
    auto* frame3 = janela.findChild<QGroupBox*>(QStringLiteral("frame3"));
    ASSERT_TRUE(p1 != nullptr && p2 != nullptr && frame3 != nullptr);
    QString esperado1 = p1->text(), esperado2 = p2->text();
    Tempos tempos;
    long rss1 = 0, rss1000 = 0, rss10000 = 0;
    const long rssInício = ResidenteKiB();

    for (long passo = 1; passo <= passos; ++passo) {
        std::string relato = "seed " + std::to_string(semente) + " step " + std::to_string(passo) + ":";
        if (gerador.Moeda(0.35))
            Escrever(p1, gerador.Próxima(), esperado1, relato);
        if (gerador.Moeda(0.35))
            Escrever(p2, gerador.Próxima(), esperado2, relato);
        const char* nome = Botões[gerador.Índice(Botões.size())];
        relato += std::string(" click ") + nome + " with Polinómio1 " + Resumo(esperado1) + ", Polinómio2 " +
                  Resumo(esperado2);

        // The input boxes lay out what was typed before the user can click;
        // that time is not the click's.
        QCoreApplication::processEvents();
        const long caixasAntes = fechador.Total();
        const Relógio::duration antes = fechador.Aberta();
        const Relógio::time_point início = Relógio::now();
        QTest::mouseClick(Botão(nome), Qt::LeftButton);
        const Relógio::duration gasto = Relógio::now() - início - (fechador.Aberta() - antes);
        const double ms = std::chrono::duration<double, std::milli>(gasto).count();
        tempos.ms.push_back(ms);
        if (ms > tempos.pior) {
            tempos.pior = ms;
            tempos.piorPasso = relato;
        }
        if (fechador.Total() - caixasAntes > tempos.maisCaixas) {
            tempos.maisCaixas = fechador.Total() - caixasAntes;
            tempos.passoDeMaisCaixas = relato;
        }

        ASSERT_EQ(p1->text(), esperado1) << relato;
        ASSERT_EQ(p2->text(), esperado2) << relato;
        const std::string tabelaErrada = ProblemaDaTabela(tabela, janela);
        ASSERT_EQ(tabelaErrada, "") << relato;
        ASSERT_TRUE(LegendaConhecida(frame3->title())) << Resumo(frame3->title()) << " " << relato;
        ASSERT_EQ(QApplication::activeModalWidget(), nullptr) << relato;

        if (passo == 1)
            rss1 = ResidenteKiB();
        if (passo == 1000)
            rss1000 = ResidenteKiB();
        if (passo == 10000)
            rss10000 = ResidenteKiB();
    }

    std::sort(tempos.ms.begin(), tempos.ms.end());
    const auto p99 = tempos.ms.empty() ? 0.0 : tempos.ms[tempos.ms.size() * 99 / 100];
    const long rssFim = ResidenteKiB();
    std::printf("monkey: seed %llu, %ld steps, %ld boxes closed\n",
                static_cast<unsigned long long>(semente),
                passos,
                fechador.Total());
    std::printf("monkey: click time without boxes: p99 %.2f ms, max %.2f ms, %s\n",
                p99,
                tempos.pior,
                tempos.piorPasso.c_str());
    std::printf("monkey: resident KiB: start %ld, step 1 %ld, step 1000 %ld, step 10000 %ld, end %ld\n",
                rssInício,
                rss1,
                rss1000,
                rss10000,
                rssFim);
    std::printf(
        "monkey: most boxes from one click: %ld, %s\n", tempos.maisCaixas, tempos.passoDeMaisCaixas.c_str());
    for (const auto& [caixa, vezes] : fechador.vistas)
        std::printf("monkey: box %6ld x %s\n", vezes, caixa.c_str());
    if (passos >= 10000 && !ComAsan) { // the sanitizer keeps freed memory in quarantine
        EXPECT_LE(rss10000 - rss1000, CrescimentoMáximoKiB);
    }
}

} // namespace
} // namespace vendrix::monkey

// --passos=N and --semente=N choose the run, as do VENDRIX_MACACO_PASSOS
// and VENDRIX_MACACO_SEMENTE; the command line wins.
int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication aplicação(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a.starts_with("--passos="))
            setenv("VENDRIX_MACACO_PASSOS", a.c_str() + 9, 1);
        else if (a.starts_with("--semente="))
            setenv("VENDRIX_MACACO_SEMENTE", a.c_str() + 10, 1);
    }
    return RUN_ALL_TESTS();
}
