// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/analise.h"
#include "resolucao/documento.h"

namespace vendrix::resolucao {

// The factorization of P as it is taught, from its analysis: the common
// factor x^k, the biquadratic substitution or the rational root theorem
// (integer candidates first, each test written out), the Ruffini table of
// each root found, its quotients named Q₁, Q₂, …, the quadratic formula
// with the numbers in for a quadratic factor left, an identity or
// Bolzano's theorem for a factor without rational roots; then the
// factored form over Q and in ℝ, the roots with their multiplicities, the
// solution set and the sign table with a row per factor.
[[nodiscard]] Documento ResolverFactorização(const algebra::Análise& análise, const Tradutor& tradutor);

} // namespace vendrix::resolucao
