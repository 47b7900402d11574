// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/expressao.h"
#include "algebra/polinomio.h"
#include "algebra/raizes.h"
#include "resolucao/documento.h"

#include <string>

namespace vendrix::resolucao {

// a·v^2 + b·v + c = 0 by the quadratic formula, as a student writes it:
// the formula, the numbers a, b and c, Δ with the numbers in, √Δ
// simplified with its step (√8 = 2√2), the roots joined by "∨"; for Δ < 0
// the equation is impossible in ℝ, and the complex roots follow in a remark
// of their own. resta says that other factors came before this one.
void ResolverQuadrática(Documento& doc,
                        const Tradutor& tradutor,
                        const algebra::Polinómio& q,
                        const algebra::Expressão& variável,
                        bool resta);

// A real root as a step writes it: its exact form, or its decimal in the
// user's language.
[[nodiscard]] algebra::Expressão ValorDaRaiz(const Tradutor& tradutor, const algebra::RaizReal& raiz);

// The same named on its own: its exact form, or "≈1,324717957".
[[nodiscard]] algebra::Expressão RaizEscrita(const Tradutor& tradutor, const algebra::RaizReal& raiz);

// "x = (1+√5)/2", or "x ≈ 1,324717957" for a root without an exact form.
[[nodiscard]] algebra::Expressão
SoluçãoDaRaiz(const Tradutor& tradutor, const algebra::RaizReal& raiz, const algebra::Expressão& variável);

// e with x written as the variable asked for: "y^2-5y+4".
[[nodiscard]] algebra::Expressão NaVariável(algebra::Expressão e, const algebra::Expressão& variável);

} // namespace vendrix::resolucao
