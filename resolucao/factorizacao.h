// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/polinomio.h"
#include "resolucao/documento.h"

namespace vendrix::resolucao {

// The factorization of P as it is taught: a common factor of x, the
// candidate rational roots, each tested by the remainder theorem until one
// gives 0, the Ruffini table of each root found, chained and repeated for
// multiplicity, the quadratic formula for a quadratic factor left, then
// the factored form, the roots with their multiplicities and, when every
// real root is rational, the sign table.
[[nodiscard]] Documento ResolverFactorização(const algebra::Polinómio& p, const Tradutor& tradutor);

} // namespace vendrix::resolucao
