// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/servico_mensagens.h"

#include <span>
#include <string>
#include <string_view>

namespace vendrix::engine {

inline constexpr std::string_view TítuloSimplificar = "Erro2 na expressão.";

// Adds like terms of a separated text and writes them by falling degree,
// every term with its sign and one blank after it ("+x^4 -3x^3 -1 "). A
// failure is shown through mensagens and gives the empty text, as does a
// polynomial that comes to zero.
[[nodiscard]] std::string Simplificar(std::string_view texto, runtime::ServiçoDeMensagens& mensagens);

// The last step of Simplificar alone: a coefficient table, indexed by
// degree, written by falling degree with its zero entries left out.
[[nodiscard]] std::string EscreverTabela(std::span<const float> tabela);

} // namespace vendrix::engine
