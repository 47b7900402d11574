// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/relato.h"

#include <span>
#include <string>
#include <string_view>

namespace vendrix::engine {

inline constexpr runtime::Título TítuloSimplificar = runtime::Título::Erro2;

// Adds like terms of a separated text and writes them by falling degree,
// every term with its sign and one blank after it ("+x^4 -3x^3 -1 "). A
// failure is reported and gives the empty text, as does a polynomial that
// comes to zero.
[[nodiscard]] runtime::Relatado<std::string> Simplificar(std::string_view texto);

// The last step of Simplificar alone: a coefficient table, indexed by
// degree, written by falling degree with its zero entries left out.
[[nodiscard]] std::string EscreverTabela(std::span<const float> tabela);

} // namespace vendrix::engine
