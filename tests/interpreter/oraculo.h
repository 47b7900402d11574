// SPDX-License-Identifier: MIT
#pragma once

#include "interpreter/avaliar.h"
#include "runtime/resultado.h"

#include <string_view>

namespace vendrix::interpreter {

// The evaluation done the slow, literal way, as a reference for the fast one: the order is built by one
// scan of every token per priority level, and each neighbour search walks over the emptied slots one by
// one. Only the steps themselves (operators, names, functions) are shared.
[[nodiscard]] runtime::Resultado<double>
ResolverLiteralmente(std::string_view texto, const TabelaDeVariáveis& variáveis, Contexto contexto);

} // namespace vendrix::interpreter
