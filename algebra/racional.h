// SPDX-License-Identifier: MIT
#pragma once

#include <boost/multiprecision/cpp_int.hpp>

// Exact numbers of the algebra: integers and rationals of any size. Nothing
// here is ever rounded; a result is as long as it needs to be.
namespace vendrix::algebra {

using Inteiro = boost::multiprecision::cpp_int;
using Racional = boost::multiprecision::cpp_rational;

// A fraction's sum and product reduce by gcds, which whole numbers never
// need; most coefficients of an expansion are whole.
[[nodiscard]] inline bool ÉInteiro(const Racional& r) { return denominator(r) == 1; }

// r == v. A fraction compares with an integer, or with another fraction,
// by dividing; a whole one compares its numerator.
[[nodiscard]] inline bool Vale(const Racional& r, int v) { return ÉInteiro(r) && numerator(r) == v; }

// a += b.
inline void Acumular(Racional& a, const Racional& b)
{
    if (ÉInteiro(a) && ÉInteiro(b))
        a = Racional(numerator(a) + numerator(b));
    else
        a += b;
}

// a · b.
[[nodiscard]] inline Racional Multiplicado(const Racional& a, const Racional& b)
{
    if (ÉInteiro(a) && ÉInteiro(b))
        return Racional(numerator(a) * numerator(b));
    return a * b;
}

} // namespace vendrix::algebra
