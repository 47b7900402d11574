// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/escrever.h"

#include <span>
#include <string>

// Pieces of formulas a worked solution writes, in the algebra's canonical
// notation, which reads back.
namespace vendrix::resolucao {

// The coefficient before a power of x: "" for 1, "-" for -1, "3", "-1/2".
[[nodiscard]] std::string Coeficiente(const algebra::Racional& c);

// "1, -3, 5, -2, -1".
[[nodiscard]] std::string Lista(std::span<const algebra::Racional> números);

// The coefficients from the highest degree down, zeros included.
[[nodiscard]] std::vector<algebra::Racional> Descendentes(const algebra::Polinómio& p);

// A number ready to follow another in a sum or a product: in brackets when
// it is negative or a fraction, "(-2)", "(1/2)".
[[nodiscard]] std::string EntreParênteses(const algebra::Racional& r);

} // namespace vendrix::resolucao
