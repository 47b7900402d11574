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
    Raiz,      // √filhos[0], a positive rational, or an expression in a worked step
    // The forms a worked step writes and no student types:
    Nome,        // nome, applied to the filhos when there are any: "Δ", "P(2)", "Q₁(x)"
    MaisOuMenos, // filhos[0] ± filhos[1], or ±filhos[0] alone
    Decimal,     // nome, a decimal as the user's language writes it: "1,532088886"
    Ou,          // the filhos, two or more, parted by the word in nome: "x = 1 ∨ x = 2"
    // Sets of reals, for solution sets; their members are parted by ", ",
    // or by "; " when a decimal among them is written with a comma.
    Infinito,  // +∞ when número > 0, -∞ otherwise
    Intervalo, // from filhos[0] to filhos[1], closed at the left when expoente & 1, at the right when & 2
    Chaves,    // the filhos, a finite set: "{-1, 2}"
    Lista,     // the filhos parted as a set's: "±1, ±2, ±4"
    União,     // the filhos, two or more: "]-∞, 1[ ∪ {3}"
    Reais,     // ℝ
    Vazio,     // ∅
    SemOs,     // filhos[0] without filhos[1]: "ℝ \ {1}"
    // The relations, each of the filhos (two or more: "a = b = c") against
    // the next; only ever the whole expression, or a member of Ou or Equivale.
    // With one member, the sign stands before it: "≈ 1,618033989".
    Igual,
    Menor,
    MenorOuIgual,
    Maior,
    MaiorOuIgual,
    Diferente,
    Aproximado,
    Equivale, // between two relations: "x^2 = 4 ⇔ x = -2 ∨ x = 2"
};

struct Expressão
{
    Nó nó = Nó::Número;
    Racional número;
    char letra = 0;
    unsigned expoente = 0;
    std::string nome;
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
// "a = b = c": each member against the next.
[[nodiscard]] Expressão Cadeia(Nó relação, std::vector<Expressão> membros);

// The forms of a worked step.
[[nodiscard]] Expressão RaizDe(Expressão radicando);
[[nodiscard]] Expressão Nome(std::string nome, std::vector<Expressão> argumentos = {});
[[nodiscard]] Expressão MaisOuMenos(Expressão a, Expressão b);
[[nodiscard]] Expressão MaisOuMenos(Expressão a); // "±2"
[[nodiscard]] Expressão Lista(std::vector<Expressão> membros);
[[nodiscard]] Expressão Decimal(std::string escrito);
// One member is itself; the word is the user's language's "or".
[[nodiscard]] Expressão Ou(std::vector<Expressão> membros, std::string palavra);

// Sets of reals.
[[nodiscard]] Expressão Infinito(bool positivo);
[[nodiscard]] Expressão IntervaloDe(Expressão de, Expressão até, bool fechadoÀEsquerda, bool fechadoÀDireita);
[[nodiscard]] Expressão Chaves(std::vector<Expressão> membros);
// One member is itself.
[[nodiscard]] Expressão União(std::vector<Expressão> membros);
[[nodiscard]] Expressão Reais();
[[nodiscard]] Expressão Vazio();
[[nodiscard]] Expressão SemOs(Expressão conjunto, Expressão excluídos);

[[nodiscard]] bool ÉRelação(Nó nó) noexcept;

// Whether x, or a parameter, appears anywhere in e.
[[nodiscard]] bool TemX(const Expressão& e) noexcept;
[[nodiscard]] bool TemParâmetros(const Expressão& e) noexcept;

// Whether the written form starts with a minus sign: "-3x", "-(x+1)".
[[nodiscard]] bool ComeçaPorMenos(const Expressão& e);

// The value at x (parameters and relations have none: 0), for checks that
// compare an expression with its expansion at a few points.
[[nodiscard]] double ValorAproximado(const Expressão& e, double x);

// The canonical text, which LerExpressão reads back to the same value
// when it holds only what a student types:
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
    // The signs only a worked step writes, said as they are unless given.
    std::string diferente = "≠", aproximado = "≈", equivale = "⇔", maisOuMenos = "±";
    std::string infinito = "∞", união = "∪", semOs = "\\";
};

// "x elevado a 2 menos 1", with the given words; numbers stay as digits.
[[nodiscard]] std::string ExpressãoEmFala(const Expressão& e, const Vocabulário& v);

} // namespace vendrix::algebra
