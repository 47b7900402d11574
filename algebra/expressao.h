// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/racional.h"

#include <string>
#include <vector>

// Mathematics as a student writes it, held as a value: numbers, x, one-letter
// parameters, sums, products, whole powers, quotients by a number, square
// roots of positive rationals, and the relations between two expressions.
// The shape is kept as typed, "(x+1)(x-2)^2" stays a product of a bracket
// and a power, so that a worked solution can expand it one step at a time.
namespace vendrix::algebra {

// The highest exponent a typed power may have, and the highest degree an
// expansion may reach.
inline constexpr unsigned ExpoenteMáximo = 10000;

enum class Nó : unsigned char {
    Número,    // número
    X,         // the variable
    Parâmetro, // letra, a letter other than x
    Soma,      // filhos, two or more
    Produto,   // filhos, two or more
    Potência,  // filhos[0] ^ expoente
    Quociente, // filhos[0] / filhos[1], a nonzero number written as an expression
    Simétrico, // -filhos[0]
    Raiz,      // √filhos[0], a positive rational
    // The relations, filhos[0] against filhos[1]; only ever the whole expression.
    Igual,
    Menor,
    MenorOuIgual,
    Maior,
    MaiorOuIgual,
};

struct Expressão
{
    Nó nó = Nó::Número;
    Racional número;
    char letra = 0;
    unsigned expoente = 0;
    std::vector<Expressão> filhos;

    friend bool operator==(const Expressão&, const Expressão&) = default;
};

[[nodiscard]] Expressão Número(Racional r);
[[nodiscard]] Expressão X();
[[nodiscard]] Expressão Parâmetro(char letra);
// A sum or product of two or more terms; one term is itself, none is 0 or 1.
[[nodiscard]] Expressão Soma(std::vector<Expressão> termos);
[[nodiscard]] Expressão Produto(std::vector<Expressão> factores);
[[nodiscard]] Expressão Potência(Expressão base, unsigned expoente);
[[nodiscard]] Expressão Quociente(Expressão numerador, Expressão denominador);
[[nodiscard]] Expressão Simétrico(Expressão e);
[[nodiscard]] Expressão Raiz(Racional radicando);
[[nodiscard]] Expressão Relação(Nó relação, Expressão esquerda, Expressão direita);

[[nodiscard]] bool ÉRelação(Nó nó) noexcept;

// Whether x, or a parameter, appears anywhere in e.
[[nodiscard]] bool TemX(const Expressão& e) noexcept;
[[nodiscard]] bool TemParâmetros(const Expressão& e) noexcept;

// The value at x (parameters and relations have none: 0), for checks that
// compare an expression with its expansion at a few points.
[[nodiscard]] double ValorAproximado(const Expressão& e, double x);

// The canonical text, which LerExpressão reads back to the same value:
// "(x+1)(x-2)^2", "2·(-3)^2", "(1-√5)/2", "x^3 = 4x". Brackets only where
// precedence needs them, and around a negative number after an operator or
// under a fraction bar.
[[nodiscard]] std::string EscreverExpressão(const Expressão& e);

// The same for a page, exponents raised in <sup>, "−" for minus, escaped.
[[nodiscard]] std::string ExpressãoEmHtml(const Expressão& e);

// The same for LaTeX's maths mode: "\frac{1-\sqrt{5}}{2}", "x^{2}", "\leq".
[[nodiscard]] std::string ExpressãoEmLaTeX(const Expressão& e);

// The words a screen reader says for the signs, in the user's language.
struct Vocabulário
{
    std::string mais, menos, vezes, sobre, elevadoA, raizDe, abre, fecha;
    std::string igual, menor, menorOuIgual, maior, maiorOuIgual;
};

// "x elevado a 2 menos 1", with the given words; numbers stay as digits.
[[nodiscard]] std::string ExpressãoEmFala(const Expressão& e, const Vocabulário& v);

} // namespace vendrix::algebra
