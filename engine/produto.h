// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/resultado.h"
#include "runtime/servico_mensagens.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vendrix::engine {

inline constexpr std::string_view TítuloMultiplicarPolinómios = "Erro1 na expressão.";
inline constexpr std::string_view TítuloMultiplicarMonómios = "Erro3 na expressão.";

// Every term of a separated polynomial times one monomial, uncollected
// ("+1x^5 -3x^4 "). A failure is shown and ends the call with the pieces
// made before it.
[[nodiscard]] std::string MultiplicarMonómios(std::string_view polinómio,
                                              std::string_view monómio,
                                              runtime::ServiçoDeMensagens& mensagens);

// The product of two separated polynomials in simplified form.
[[nodiscard]] std::string MultiplicarPolinómios(std::string_view primeiro,
                                                std::string_view segundo,
                                                runtime::ServiçoDeMensagens& mensagens);

// The same product always by way of the joined text that Simplificar
// reads back, as MultiplicarPolinómios takes it whenever some step fails:
// for tests and benchmarks that compare the two ways.
[[nodiscard]] std::string MultiplicarPolinómiosPorExtenso(std::string_view primeiro,
                                                          std::string_view segundo,
                                                          runtime::ServiçoDeMensagens& mensagens);

// How many times padrão occurs in texto (padrão not empty); with
// distinguirMaiúsculas false both are compared in lower case.
[[nodiscard]] runtime::Resultado<std::int16_t>
ContarMenos(std::string_view texto, std::string_view padrão, bool distinguirMaiúsculas);

} // namespace vendrix::engine
