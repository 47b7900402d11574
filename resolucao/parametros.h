// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/expressao.h"

#include <vector>

// The parameters of a polynomial that meet the conditions set on it:
// "determine k so that x^3 + kx^2 - 4 is divisible by x - 2".
namespace vendrix::resolucao {

// One parameter's value in a solution: a number, "(1-√5)/2", or for a
// family an expression in the free parameter, which is itself ("a=a").
struct ValorDoParâmetro
{
    char letra = 0;
    algebra::Expressão valor;
    bool aproximado = false; // valor is a decimal of ten significant digits: no exact form exists

    friend bool operator==(const ValorDoParâmetro&, const ValorDoParâmetro&) = default;
};

// One solution: every parameter, in alphabetical order.
using Atribuição = std::vector<ValorDoParâmetro>;

} // namespace vendrix::resolucao

#include <optional>
#include <string_view>

namespace vendrix::resolucao {

// The solutions for the parameters of the polynomial typed in Polinómio 1
// under the conditions typed in Condições, exactly as the exercise gives
// them; an empty list when no value meets the conditions, nothing when a
// text cannot be read or the system is refused.
[[nodiscard]] std::optional<std::vector<Atribuição>> SoluçõesDosParâmetros(std::string_view polinómio1,
                                                                           std::string_view condições);

} // namespace vendrix::resolucao
