// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/resultado.h"

#include <cstdint>

namespace vendrix::ruffini {

struct Fracção
{
    std::int32_t num;
    std::int32_t den;

    bool operator==(const Fracção&) const = default;
};

// The fraction num/den whose quotient, in double precision, is exactly the
// value: the one with the smallest denominator (den >= 1), and for that
// denominator the smallest numerator. It is the fraction the table has always
// shown, that of a walk over the denominators 1, 2, 3, ... trying at each the
// numerators nearest(den × value) and the next one (for den = 1, counting up
// from 1), so 0 comes back as 0/2 and a negative value as the negated
// fraction of its magnitude. Where that walk would leave the signed 32-bit
// range, the answer is Transbordo; that includes NaN and the infinities.
[[nodiscard]] runtime::Resultado<Fracção> ProcurarFracção(double valor);

} // namespace vendrix::ruffini
