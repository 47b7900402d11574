// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/inteiros.h"
#include "algebra/orcamento.h"

#include <vector>

namespace vendrix::algebra {

struct FactoresInteiros
{
    std::vector<PolInteiro> factores;
    // False when the budget ran out first: then the last factor may split.
    bool completa = true;
};

// The irreducible factors over the integers (primitive, highest coefficient
// positive) of a primitive square-free polynomial, by Zassenhaus's method:
// factors modulo a prime, lifted by Hensel's lemma beyond the Landau-Mignotte
// bound, then recombined. Recombination tries subsets of the modular factors,
// which for some inputs are exponentially many: the budget bounds them.
[[nodiscard]] FactoresInteiros FactorizarSemQuadrados(const PolInteiro& f, Orçamento& orçamento);

} // namespace vendrix::algebra
