// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/polinomio.h"

#include <span>
#include <string>

// Numbers and polynomials as a worked solution writes them, in the
// canonical notation that reads back: "-3/4", "1/2x^2-3x+5/3", "0".
namespace vendrix::resolucao {

[[nodiscard]] std::string EscreverRacional(const algebra::Racional& r);

[[nodiscard]] std::string EscreverPolinómio(const algebra::Polinómio& p);

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
