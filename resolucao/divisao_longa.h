// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/polinomio.h"
#include "resolucao/escrita.h"
#include "runtime/resultado.h"

namespace vendrix::resolucao {

// P ÷ D by long division, laid out as it is taught here (dividend at the
// left, divisor at the right, quotient under it, the opposite of each
// partial product written under the dividend and added), one sentence per
// step, then Q, R and the check, with Q and R themselves. D = 0 is refused
// as the algebra refuses it. A divisor of higher degree gives the quotient
// 0, which the layout shows.
[[nodiscard]] runtime::Resultado<DivisãoResolvida> ResolverDivisãoLonga(const algebra::Polinómio& dividendo,
                                                                        const algebra::Polinómio& divisor,
                                                                        const Tradutor& tradutor);

} // namespace vendrix::resolucao
