// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/expressao.h"
#include "algebra/polinomio.h"
#include "runtime/resultado.h"

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

// An expression multiplied out: a polynomial in x, exact, its coefficients
// polynomials in the parameters when there are any.
namespace vendrix::algebra {

// The work one expansion may do, in products of two coefficients weighted
// by the product of their sizes in machine words (schoolbook
// multiplication): a few milliseconds, (x+1)^255 at most. Past it the
// expansion is refused at once instead of running for minutes:
// "(x+1)^9999(x+2)^9999" would multiply millions of numbers of thousands of
// digits.
inline constexpr std::uint64_t TrabalhoMáximo = 1'000'000;

// The largest number an expansion may hold, in machine words (about
// 19,000 digits): "(10^10000)^10000" is refused, not computed.
inline constexpr std::size_t PalavrasMáximas = 1'000;

// A product of parameters with their exponents, by letter: {{'a', 2}, {'k', 1}}
// is a²k; the empty one is 1.
using MonómioDeParâmetros = std::vector<std::pair<char, unsigned>>;

// The product of two monomials in the parameters: their exponents added,
// letter by letter.
[[nodiscard]] MonómioDeParâmetros VezesMonómio(const MonómioDeParâmetros& a, const MonómioDeParâmetros& b);

// A polynomial in the parameters, no coefficient zero.
using PolinómioDeParâmetros = std::map<MonómioDeParâmetros, Racional>;

struct PolinómioComParâmetros
{
    // coeficientes[i] multiplies x^i; the last one is never empty.
    std::vector<PolinómioDeParâmetros> coeficientes;

    friend bool operator==(const PolinómioComParâmetros&, const PolinómioComParâmetros&) = default;
};

// The expansion of an expression without parameters or relation. Refuses
// with Transbordo past the work or size above, ExpoenteGrande past degree
// ExpoenteMáximo, NãoÉPolinómio for a square root that is not rational.
[[nodiscard]] runtime::Resultado<Polinómio> Expandir(const Expressão& e);

// The same with parameters.
[[nodiscard]] runtime::Resultado<PolinómioComParâmetros> ExpandirComParâmetros(const Expressão& e);

// A polynomial as the sum of its terms, by falling degree, which the writer
// puts as Escrever does: "1/2x^2-x+3".
[[nodiscard]] Expressão ComoExpressão(const Polinómio& p);

// The value of an expression without x or parameters.
[[nodiscard]] runtime::Resultado<Racional> ValorConstante(const Expressão& e);

} // namespace vendrix::algebra
