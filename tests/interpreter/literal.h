// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/resultado.h"

#include <string_view>

namespace vendrix::interpreter::testes {

// The slow, literal evaluation the fast one is checked against: one scan of
// every token per priority level, and neighbour searches that walk over the
// emptied slots; only the steps themselves are shared. The random numbers
// come from a generator seeded with 1 every time.
[[nodiscard]] runtime::Resultado<double> ResolverLiteralmente(std::string_view texto, double x, bool graus);

} // namespace vendrix::interpreter::testes
