// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/expandir.h"
#include "algebra/orcamento.h"

#include <optional>

// Arithmetic on polynomials in the parameters, and on polynomials in x
// whose coefficients are such polynomials: what solving for the
// parameters of a polynomial needs, for one or two letters.
namespace vendrix::algebra {

using Pp = PolinómioDeParâmetros;

[[nodiscard]] Pp ConstanteP(const Racional& c);
[[nodiscard]] Pp LetraP(char letra);
[[nodiscard]] Pp operator+(const Pp& a, const Pp& b);
[[nodiscard]] Pp operator-(const Pp& a, const Pp& b);
[[nodiscard]] Pp operator*(const Pp& a, const Pp& b);
[[nodiscard]] Pp operator*(const Racional& c, const Pp& a);

// The constant term, and whether there is nothing else.
[[nodiscard]] Racional TermoConstante(const Pp& a);
[[nodiscard]] bool ÉConstante(const Pp& a);

// The highest exponent of the letter, and the highest total degree.
[[nodiscard]] unsigned GrauEm(const Pp& a, char letra);
[[nodiscard]] unsigned GrauTotal(const Pp& a);

// The letters that appear, in alphabetical order.
[[nodiscard]] std::vector<char> Letras(const Pp& a);

// a with the letter replaced by the value.
[[nodiscard]] Pp SubstituirLetra(const Pp& a, char letra, const Pp& valor);

// a as a polynomial in the one letter it holds (or none).
[[nodiscard]] std::optional<Polinómio> EmUmaLetra(const Pp& a, char letra);
[[nodiscard]] Pp DeUmaLetra(const Polinómio& p, char letra);

// The coefficients of a as a polynomial in the letter: coeficientes[i]
// multiplies letra^i.
[[nodiscard]] std::vector<Pp> CoeficientesEm(const Pp& a, char letra);

// The digits a's numbers take to write, about.
[[nodiscard]] double Algarismos(const Pp& a);

// P(c), a polynomial in the parameters.
[[nodiscard]] Pp ValorEm(const PolinómioComParâmetros& p, const Racional& c);
[[nodiscard]] PolinómioComParâmetros DerivadaEmX(const PolinómioComParâmetros& p);
[[nodiscard]] PolinómioComParâmetros
SubstituirLetra(const PolinómioComParâmetros& p, char letra, const Pp& valor);
// With no letter left, the polynomial in x; otherwise nothing.
[[nodiscard]] std::optional<Polinómio> SemLetras(const PolinómioComParâmetros& p);
[[nodiscard]] PolinómioComParâmetros ComLetras(const Polinómio& p);

// The long division by a divisor with rational coefficients; with passos,
// each step's quotient term and the partial remainder after it.
struct DivisãoComParâmetros
{
    PolinómioComParâmetros quociente, resto;
    std::vector<PolinómioComParâmetros> restos; // the partial remainders, the last is resto
    std::vector<PolinómioComParâmetros> termos; // each step's quotient term
};

[[nodiscard]] DivisãoComParâmetros
DividirComParâmetros(const PolinómioComParâmetros& p, const Polinómio& d, bool passos = false);

// The expressions that write them: terms by falling degree, "2a-1",
// "(k+1)x^2-4".
[[nodiscard]] Expressão ExpressãoDe(const Pp& a);
[[nodiscard]] Expressão ExpressãoDe(const PolinómioComParâmetros& p);

// The resultant of a and b with respect to the letter eliminated, a
// polynomial in the other letter, by fraction-free elimination on
// Sylvester's matrix; nothing when the budget runs out or a holds a third
// letter.
[[nodiscard]] std::optional<Polinómio>
Resultante(const Pp& a, const Pp& b, char eliminada, char outra, Orçamento& orçamento);

} // namespace vendrix::algebra
