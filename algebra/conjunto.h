// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/expressao.h"
#include "algebra/sinais.h"

#include <string>

// The solution set of P(x) = 0, P(x) < 0, ..., read off P's sign table.
namespace vendrix::algebra {

struct ConjuntoSolução
{
    // For checks: intervals and points by increasing left end, joined by
    // "∪" with no blanks, "-∞" and "+∞", endpoints in the algebra's notation
    // or "≈" and ten digits: "]-∞,-√2]∪[√2,+∞[", "{-1,2}", "ℝ\{1}", "∅", "ℝ".
    std::string canónico;
    // As the curriculum prints it: "]−∞, −√2] ∪ [√2, +∞[", "{−1, 2}", "ℝ \ {1}".
    std::string escrito;
    // The same as an expression, the decimals in the user's notation.
    Expressão forma;
};

// Where the sign of P, given by its table, satisfies P relação 0. The
// table must be complete (TabelaDeSinais::completa). The decimals are
// written with the decimal sign given.
[[nodiscard]] ConjuntoSolução
ConjuntoDaCondição(const TabelaDeSinais& tabela, Nó relação, char vírgulaDecimal = '.');

// A real root as an endpoint: its exact form, or "≈" and its decimal.
[[nodiscard]] Expressão ExpressãoDaRaiz(const RaizReal& raiz, char vírgulaDecimal);

// A real root as an endpoint: its exact form, or "≈" and its decimal.
[[nodiscard]] std::string TextoDaRaiz(const RaizReal& raiz);

// The canonical text as the curriculum prints it: "−" for minus, a blank
// after each comma and around "∪" and "\". With a decimal comma, the
// decimals take it and the endpoints are parted by "; " instead.
[[nodiscard]] std::string ComoSeImprime(std::string_view canónico, char vírgulaDecimal = '.');

} // namespace vendrix::algebra
