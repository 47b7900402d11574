// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/inteiros.h"

#include <vector>

namespace vendrix::algebra {

// The irreducible factors over the integers (primitive, highest coefficient
// positive) of a primitive square-free polynomial, by Zassenhaus's method:
// factors modulo a small prime, lifted by Hensel's lemma beyond Mignotte's
// bound, then recombined. Recombination tries subsets of the modular
// factors, so callers keep the degree small.
// True when a small prime shows f square-free, which spares computing its
// square-free parts; false when none of them tells.
[[nodiscard]] bool ProvadoSemQuadrados(const PolInteiro& f);

[[nodiscard]] std::vector<PolInteiro> FactorizarSemQuadrados(const PolInteiro& f);

} // namespace vendrix::algebra
