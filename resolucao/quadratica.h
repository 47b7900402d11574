// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/polinomio.h"
#include "resolucao/documento.h"

#include <string>
#include <string_view>

namespace vendrix::resolucao {

// a·v^2 + b·v + c = 0 by the quadratic formula, as a student writes it:
// the formula, the numbers a, b and c, Δ with the numbers in, √Δ
// simplified with its step (√8 = 2√2), the roots joined by "∨"; for Δ < 0
// the equation is impossible in ℝ, and the complex roots follow in a remark
// of their own. resta says that other factors came before this one.
void ResolverQuadrática(Documento& doc,
                        const Tradutor& tradutor,
                        const algebra::Polinómio& q,
                        std::string_view variável,
                        bool resta);

// A number that follows an operator or stands under a fraction bar: in
// brackets when negative, "(-2)".
[[nodiscard]] std::string SeNegativo(const algebra::Racional& r);

} // namespace vendrix::resolucao
