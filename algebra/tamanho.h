// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/polinomio.h"

// How long an exact answer would be, told before it is computed: an upper
// bound on its decimal digits from the degrees and the sizes of the
// coefficients alone, in time linear in the length of the input. A reply of
// forty million digits helps no one; the bound lets an exercise refuse it at
// once and say how large it would have been.
namespace vendrix::algebra {

struct Tamanho
{
    double resposta = 0;  // digits of the answer: numerators, denominators, signs and bars
    double resolução = 0; // digits of the worked solution besides the answer

    [[nodiscard]] double Total() const noexcept { return resposta + resolução; }
};

// Digits in all above which an exercise is refused. A school exercise
// writes a few hundred, "x^300+1" ÷ "x-1" about fifteen thousand. An exact
// fraction of 200,000 digits takes about two seconds to reduce and write
// (x^10000 at 12345678901234567890/7), one of 100,000 under half a second:
// hence half the 200,000 first thought of.
inline constexpr double AlgarismosMáximos = 100'000;

// P ÷ D, by the pseudo-division bound: with l the leading coefficient of
// the integer form of D and H its largest, the k-th partial remainder times
// l^k has coefficients below |P|·(|l| + H)^k.
[[nodiscard]] Tamanho TamanhoDaDivisão(const Polinómio& p, const Polinómio& d);

// P(a) by Horner's scheme: the k-th value is a sum of k+1 terms c·u^i·v^(k-i)
// over v^k, a = u/v.
[[nodiscard]] Tamanho TamanhoDoValor(const Polinómio& p, const Racional& a);

// P's factors over Q, by the Landau-Mignotte bound: a factor of degree d of
// the integer form f has coefficients below 2^d·‖f‖₂.
[[nodiscard]] Tamanho TamanhoDaFactorização(const Polinómio& p);

} // namespace vendrix::algebra
