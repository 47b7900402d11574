// SPDX-License-Identifier: MIT
#pragma once

#include "interpreter/gerador.h"
#include "ruffini/tabela.h"
#include "runtime/resultado.h"

#include <string_view>

namespace vendrix::ruffini {

struct ValoresDoDivisor
{
    float y0; // the divisor's value at x = 0
    float a;  // its x-coefficient, value(1) - value(0)
    // False when the value at 0, or the value that gave a, was a whole
    // number that single precision could not hold: y0 or a then lost its
    // last digits and the root would be plainly wrong.
    bool exactos = true;

    bool operator==(const ValoresDoDivisor&) const = default;
};

// Evaluates the divisor with the interpreter, its random numbers seeded
// from sementes, at 0 and at 1, then at -1 and 2
// to see that it is the line y0 + a·x. Fails with the interpreter's error,
// with Transbordo for a value beyond single precision, with DivisãoPorZero
// when the divisor has no x-coefficient, and with TipoIncompatível when it
// is not of the first degree: the division has no root then, and the
// divisor is refused.
[[nodiscard]] runtime::Resultado<ValoresDoDivisor> AvaliarDivisor(std::string_view divisor,
                                                                  interpreter::FonteDeSementes sementes);

// The root -y0/a as the table shows it: an integer, or a fraction in lowest
// terms with a positive denominator. Transbordo when that fraction does not
// fit the 32-bit range.
[[nodiscard]] runtime::Resultado<Raiz> EscreverRaiz(ValoresDoDivisor valores);

} // namespace vendrix::ruffini
