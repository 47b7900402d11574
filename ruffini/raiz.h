// SPDX-License-Identifier: MIT
#pragma once

#include "ruffini/tabela.h"
#include "runtime/resultado.h"

#include <string_view>

namespace vendrix::ruffini {

struct ValoresDoDivisor
{
    float y0; // the divisor's value at x = 0
    float a;  // its x-coefficient, value(1) - value(0)

    bool operator==(const ValoresDoDivisor&) const = default;
};

// Evaluates the divisor with the interpreter at 0 and at 1. Fails with the
// interpreter's error, with Transbordo for a value beyond single precision,
// and with DivisãoPorZero when the divisor has no x-coefficient: the
// division has no root then, and the divisor is refused.
[[nodiscard]] runtime::Resultado<ValoresDoDivisor> AvaliarDivisor(std::string_view divisor);

// The root -y0/a as the table shows it: an integer, or a fraction in lowest
// terms with a positive denominator. Transbordo when that fraction does not
// fit the 32-bit range.
[[nodiscard]] runtime::Resultado<Raiz> EscreverRaiz(ValoresDoDivisor valores);

} // namespace vendrix::ruffini
