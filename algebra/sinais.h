// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/raizes.h"

#include <string>
#include <vector>

namespace vendrix::algebra {

struct TabelaDeSinais
{
    std::vector<RaizReal> raízes; // the distinct real roots, by increasing value
    // The sign from -∞ to +∞, on each interval and at each root in turn:
    // "-0+0-" is negative, zero at the first root, positive, zero, negative.
    // A non-zero constant is "+" or "-", the zero polynomial "0".
    std::string sinais;
    // False when some real root could not be found (see Raízes::completas),
    // and the signs are then left empty.
    bool completa = true;
};

[[nodiscard]] TabelaDeSinais CalcularSinais(const Polinómio& p);

// The same from a factorization and its roots, already computed.
[[nodiscard]] TabelaDeSinais CalcularSinais(const Factorização& f, const Raízes& raízes);

// The signs of the factor^multiplicidade in the columns of s, for the factor
// at place índice of the factorization s was computed from. It vanishes at
// its own roots only, and changes sign there when the multiplicity is odd;
// every factor leads with a positive coefficient.
[[nodiscard]] std::string
SinaisDoFactor(const TabelaDeSinais& s, std::size_t índice, std::size_t multiplicidade);

} // namespace vendrix::algebra
