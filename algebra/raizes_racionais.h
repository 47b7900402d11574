// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/inteiros.h"
#include "algebra/orcamento.h"

#include <utility>
#include <vector>

namespace vendrix::algebra {

struct RaízesRacionais
{
    // Distinct rational roots with their multiplicities, in the order found.
    std::vector<std::pair<Racional, std::size_t>> raízes;
    // What is left once every root found is divided out, as its square-free
    // parts with their multiplicities: primitive, pairwise coprime, each of
    // degree one or more. Their product to those powers is the rest.
    std::vector<std::pair<PolInteiro, std::size_t>> partes;
    // False only when the budget ran out before the search was done: then
    // the parts may still hold rational roots.
    bool completas = true;
};

// The rational roots of a non-zero polynomial. Each square-free part is
// taken modulo a prime that keeps it square-free, found in a number of
// tries bounded by its degree and digits; each root there is lifted
// p-adically past the bound on a root's size and tried by exact division.
// A rational root reduces to a simple root modulo such a prime, so none is
// missed, and none found is ever wrong.
[[nodiscard]] RaízesRacionais ProcurarRaízesRacionais(PolInteiro f, Orçamento& orçamento);

} // namespace vendrix::algebra
