// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/inteiros.h"

#include <utility>
#include <vector>

namespace vendrix::algebra {

struct RaízesRacionais
{
    // Distinct rational roots with their multiplicities, in the order found.
    std::vector<std::pair<Racional, std::size_t>> raízes;
    // The primitive polynomial left once every root found is divided out.
    PolInteiro resto;
    // False only when no proof was found that the rest has no rational root:
    // a very high degree with repeated irreducible factors that have roots
    // modulo every prime tried.
    bool completas = true;
};

// The rational roots of a primitive polynomial. Each one found is checked
// by exact division, so none is ever wrong; the search works modulo small
// primes, lifts each root there p-adically, and proves the rest free of
// rational roots by the roots it has modulo one prime.
[[nodiscard]] RaízesRacionais ProcurarRaízesRacionais(PolInteiro f);

} // namespace vendrix::algebra
