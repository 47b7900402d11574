// SPDX-License-Identifier: MIT
#pragma once

#include "interpreter/valor.h"
#include "runtime/resultado.h"

#include <string_view>

namespace vendrix::interpreter {

// Splits the lower-cased expression into tokens with their priorities
// (7 per level of parentheses plus the rank of the operator) and builds
// the evaluation order. Fails with 1100 when the parentheses do not balance,
// and 6 past the 16-bit limits: 32,767 characters or tokens, or a nesting
// deeper than 4,680 levels. The tokens go into saída, whose storage is
// reused.
[[nodiscard]] runtime::Resultado<void> Tokenizar(std::string_view texto, Expressão& saída);

// Every token of priority 1 or more, by falling priority and from left to
// right among equals (a stable sort), as positions from 1.
void OrdenarPorPrioridade(Expressão& expressão);

} // namespace vendrix::interpreter
