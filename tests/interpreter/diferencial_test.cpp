// SPDX-License-Identifier: MIT
#include "interpreter/cls_equation.h"
#include "interpreter/funcoes.h"
#include "oraculo.h"
#include "runtime/textos.h"

#include <gtest/gtest.h>

#include <bit>
#include <random>

namespace vendrix::interpreter {
namespace {

// The random-number functions are left out: the two evaluations would draw from different generators.
bool Aleatória(std::string_view token) { return token == "rnd(" || token == "random(" || token == "rand("; }

std::string Repetir(std::string_view s, int n) { return runtime::Substituir(std::string(n, '#'), "#", s); }

std::size_t Escolha(std::mt19937& g, std::size_t n) { return g() % n; }

// Up to 24 pieces an expression is made of, valid or not.
std::string Sopa(std::mt19937& g)
{
    static const std::vector<std::string_view> peças = [] {
        auto p = runtime::Dividir(
            "0|1|2|3|7|1.5|.|0.5|12|x|y|pi|e|+|-|*|/|\\|^|%|(|)|,| |foo(|2x|x2|(|)|-|1e|400|99999999999",
            "|");
        for (const Função& f : Funções())
            if (!Aleatória(f.token))
                p.emplace_back(f.token);
        return p;
    }();
    std::string texto;
    for (std::size_t n = Escolha(g, 25); n > 0; --n)
        texto += peças[Escolha(g, peças.size())];
    return texto;
}

// A mostly well-formed expression, so that values and not only errors are compared.
std::string Estruturada(std::mt19937& g, int profundidade = 5)
{
    static constexpr const char* Folhas[] = {"1", "2", "3", "0.5", "x", "pi", "e", "7", "0", "10", "()"};
    const auto dentro = [&] { return Estruturada(g, profundidade - 1); };
    const std::size_t forma = profundidade <= 0 || Escolha(g, 4) == 0 ? 5 : Escolha(g, 5);
    if (forma == 5)
        return Folhas[Escolha(g, std::size(Folhas))];
    if (forma == 0)
        return "(" + dentro() + ")";
    if (forma == 1)
        return "-" + dentro();
    if (forma > 2) { // in this order under any compiler
        std::string texto = dentro();
        texto += "+-*/\\^%"[Escolha(g, 7)];
        return texto + dentro();
    }
    const std::string_view token = Funções()[Escolha(g, NúmeroDeFunções)].token;
    std::string texto = (Aleatória(token) ? "max(" : std::string(token)) + dentro();
    for (std::size_t n = Escolha(g, 3); n > 0; --n)
        texto += "," + dentro();
    return texto + ")";
}

// Solves both ways, counting the fast one's values: the same value to the bit, or the same error.
bool Iguais(const std::string& texto, double x, bool graus, int& valores)
{
    clsEquation rápida([] { return 1U; });
    rápida.Var("x", x);
    rápida.Graus(graus);
    rápida.Equation(texto);
    const auto r = rápida.Solution();
    Gerador gerador([] { return 1U; });
    const auto o = ResolverLiteralmente(texto, {{"x", x}}, Contexto{graus, gerador});
    valores += r.Ok() ? 1 : 0;
    if (r.Ok() && o.Ok())
        return std::bit_cast<std::uint64_t>(r.Valor()) == std::bit_cast<std::uint64_t>(o.Valor());
    return !r.Ok() && !o.Ok() && r.Falha() == o.Falha();
}

TEST(Diferencial, MilharesDeExpressoesEFormasLongas)
{
    int valores[2] = {0, 0}; // of the soups and of the well-formed ones
    for (const std::string& texto : {"1" + Repetir("+1", 600),
                                     Repetir("(", 600) + "1" + Repetir(")", 600),
                                     Repetir("-", 600) + "1",
                                     Repetir("sin(", 300) + "1" + Repetir(")", 300),
                                     "max(1" + Repetir(",1", 600) + ")",
                                     Repetir("x^2-(x,", 300) + "1" + Repetir(")", 300)})
        EXPECT_TRUE(Iguais(texto, 2, false, valores[0])) << texto.substr(0, 40);
    std::mt19937 g(77);
    for (int i = 0; i < 40000; ++i) {
        const std::string texto = i % 2 == 0 ? Sopa(g) : Estruturada(g);
        ASSERT_TRUE(Iguais(texto, i % 9 * 0.75 - 3, i % 7 == 0, valores[i % 2])) << texto;
    }
    EXPECT_GT(valores[1], 5000); // the comparison means little unless many expressions have a value
}

} // namespace
} // namespace vendrix::interpreter
