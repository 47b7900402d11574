// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/polinomio.h"

#include <string>

// The one written form of exact results, which the reader reads back.
namespace vendrix::algebra {

// "-120": the decimal digits of n, the sign in front.
[[nodiscard]] std::string EscreverInteiro(const Inteiro& n);

// "3", "-15/8", "0": an integer or a reduced fraction, the sign in front.
[[nodiscard]] std::string EscreverRacional(const Racional& r);

// By falling degree, each coefficient before its x: "1/2x^2-3x+5/3". A
// coefficient 1 or -1 before x is left out, x^1 is "x", and the zero
// polynomial is "0".
[[nodiscard]] std::string Escrever(const Polinómio& p);

} // namespace vendrix::algebra
