// SPDX-License-Identifier: MIT
#include "interpreter/cls_equation.h"
#include "interpreter/funcoes.h"
#include "oraculo.h"

#include <gtest/gtest.h>

#include <bit>
#include <random>
#include <string>
#include <vector>

namespace vendrix::interpreter {
namespace {

// Pieces an expression is made of, valid or not; the random-number
// functions are left out because the two evaluations would draw from
// different generators.
std::vector<std::string> Peças()
{
    std::vector<std::string> peças{"0", "1", "2",  "3",  "7",   "1.5",        ".",    "0.5", "12",
                                   "x", "y", "pi", "e",  "+",   "-",          "*",    "/",   "\\",
                                   "^", "%", "(",  ")",  ",",   " ",          "foo(", "2x",  "x2",
                                   "(", ")", "-",  "1e", "400", "99999999999"};
    for (const Função& f : Funções())
        if (f.token != "rnd(" && f.token != "random(" && f.token != "rand(")
            peças.emplace_back(f.token);
    return peças;
}

// A mostly well-formed expression, so that values and not only errors are compared.
std::string Estruturada(std::mt19937& g, int profundidade)
{
    static constexpr const char* Folhas[] = {"1", "2", "3", "0.5", "x", "pi", "e", "7", "0", "10"};
    static constexpr const char* Operadores[] = {"+", "-", "*", "/", "\\", "^", "%"};
    const auto escolha = [&g](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(g);
    };
    if (profundidade <= 0 || escolha(4) == 0)
        return Folhas[escolha(std::size(Folhas))];
    switch (escolha(5)) {
    case 0:
        return std::string("(").append(Estruturada(g, profundidade - 1)).append(")");
    case 1:
        return std::string("-").append(Estruturada(g, profundidade - 1));
    case 2: {
        const auto funções = Funções();
        std::string_view token = funções[escolha(funções.size())].token;
        if (token == "rnd(" || token == "random(" || token == "rand(")
            token = "max(";
        std::string texto(token);
        texto += Estruturada(g, profundidade - 1);
        for (std::size_t n = escolha(3); n > 0; --n)
            texto.append(",").append(Estruturada(g, profundidade - 1));
        return texto + ")";
    }
    default:
        return Estruturada(g, profundidade - 1) + Operadores[escolha(std::size(Operadores))] +
               Estruturada(g, profundidade - 1);
    }
}

std::string Sopa(std::mt19937& g, const std::vector<std::string>& peças)
{
    std::string texto;
    const auto tamanho = std::uniform_int_distribution<int>(0, 24)(g);
    std::uniform_int_distribution<std::size_t> peça(0, peças.size() - 1);
    for (int i = 0; i < tamanho; ++i)
        texto += peças[peça(g)];
    return texto;
}

// Runs both evaluations; returns an empty text when they agree.
std::string Comparar(const std::string& texto, double x, bool graus)
{
    clsEquation rápida([] { return 1U; });
    rápida.Var("x", x);
    rápida.Graus(graus);
    rápida.Equation(texto);
    const auto r = rápida.Solution();

    TabelaDeVariáveis variáveis{{"x", x}};
    Gerador gerador([] { return 1U; });
    const auto o = ResolverLiteralmente(texto, variáveis, Contexto{graus, gerador});
    if (r.Ok() != o.Ok())
        return "one fails, the other does not";
    if (r.Ok() && std::bit_cast<std::uint64_t>(r.Valor()) != std::bit_cast<std::uint64_t>(o.Valor()))
        return "values differ";
    if (!r.Ok() && !(r.Falha() == o.Falha()))
        return "errors differ: " + std::to_string(r.Falha().Número()) + " " +
               std::to_string(o.Falha().Número());
    return {};
}

TEST(Diferencial, SopaDePecas)
{
    std::mt19937 g(20240601);
    const auto peças = Peças();
    for (int i = 0; i < 20000; ++i) {
        const std::string texto = Sopa(g, peças);
        const std::string diferença = Comparar(texto, i % 5 - 2.0, i % 7 == 0);
        ASSERT_TRUE(diferença.empty()) << texto << ": " << diferença;
    }
}

TEST(Diferencial, ExpressoesBemFormadas)
{
    std::mt19937 g(77);
    int valores = 0;
    for (int i = 0; i < 20000; ++i) {
        const std::string texto = Estruturada(g, 5);
        const std::string diferença = Comparar(texto, i % 9 * 0.75 - 3, i % 11 == 0);
        ASSERT_TRUE(diferença.empty()) << texto << ": " << diferença;
        clsEquation e;
        e.Var("x", 1);
        e.Equation(texto);
        valores += e.Solution().Ok() ? 1 : 0;
    }
    // The comparison means little unless many expressions have a value.
    EXPECT_GT(valores, 5000);
}

TEST(Diferencial, FormasLongas)
{
    const std::string formas[] = {
        [] {
            std::string s = "1";
            for (int i = 0; i < 600; ++i)
                s += "+1";
            return s;
        }(),
        std::string(600, '(') + "1" + std::string(600, ')'),
        std::string(600, '-') + "1",
        [] {
            std::string s;
            for (int i = 0; i < 300; ++i)
                s += "sin(";
            return s + "1" + std::string(300, ')');
        }(),
        [] {
            std::string s = "max(1";
            for (int i = 0; i < 600; ++i)
                s += ",1";
            return s + ")";
        }(),
        [] {
            std::string s;
            for (int i = 0; i < 300; ++i)
                s += "x^2-(x,";
            return s + "1" + std::string(300, ')');
        }(),
    };
    for (const std::string& texto : formas)
        EXPECT_EQ(Comparar(texto, 2, false), "") << texto.substr(0, 40);
}

} // namespace
} // namespace vendrix::interpreter
