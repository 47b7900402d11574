// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/resultado.h"

#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

// The arithmetic of the Ruffini table, on the texts of its cells: the top
// row and the root in, the middle and bottom rows and the quotient out.
namespace vendrix::ruffini {

// The divisor's root as the table needs it.
struct Raiz
{
    std::string Div; // "2", "-1/2", "0": an integer, or a fraction in lowest terms
    float y0 = 0;    // the divisor's value at x = 0
    float a = 0;     // its x-coefficient
    // The signed numerator and the denominator, when Div is a fraction.
    float rnum = 0;
    float rden = 0;

    bool operator==(const Raiz&) const = default;
};

// A coefficient of the quotient: a number, or a text such as "2/2".
using EntradaDoQuociente = std::variant<double, std::string>;

struct Tabela
{
    std::vector<std::string> Ter;                // columns 0 … degree; Ter(degree) is the remainder
    std::vector<std::optional<std::string>> Seg; // columns 0 … degree; the hidden Seg(degree) may be missing
    std::vector<EntradaDoQuociente> Quociente;   // the coefficients of x^(degree-1) … x^0
};

// The synthetic division of the top row Coef(0) … Coef(degree) by the root:
// whole-number arithmetic when Div is an integer, fractions otherwise, then
// the quotient divided by a when the divisor's coefficients call for it. A
// shown value that cannot be worked out (beyond the 32-bit range, or a cell
// text that does not read as a number) fails the whole table with
// Transbordo: the user must never see a cell left over from an earlier step.
[[nodiscard]] runtime::Resultado<Tabela> CalcularTabela(std::span<const std::string> Coef, const Raiz& raiz);

// The quotient as polynomial text ("x^3-x^2+3x+4", "2/2x+1/1"); zero
// coefficients are left out.
[[nodiscard]] std::string TextoDoQuociente(std::span<const EntradaDoQuociente> quociente);

} // namespace vendrix::ruffini
