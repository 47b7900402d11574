// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/relato.h"
#include "runtime/resultado.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vendrix::engine {

inline constexpr runtime::Título TítuloMultiplicarPolinómios = runtime::Título::Erro1;
inline constexpr runtime::Título TítuloMultiplicarMonómios = runtime::Título::Erro3;

// Every term of a separated polynomial times one monomial, uncollected
// ("+1x^5 -3x^4 "). A failure is reported and ends the call with the
// pieces made before it.
[[nodiscard]] runtime::Relatado<std::string> MultiplicarMonómios(std::string_view polinómio,
                                                                 std::string_view monómio);

// The product of two separated polynomials in simplified form, with a
// report for every monomial that failed, in their order, and the reports of
// the Simplificar that collects the pieces.
[[nodiscard]] runtime::Relatado<std::string> MultiplicarPolinómios(std::string_view primeiro,
                                                                   std::string_view segundo);

// The same product always by way of the joined text that Simplificar
// reads back, as MultiplicarPolinómios takes it whenever some step fails:
// for tests and benchmarks that compare the two ways.
[[nodiscard]] runtime::Relatado<std::string> MultiplicarPolinómiosPorExtenso(std::string_view primeiro,
                                                                             std::string_view segundo);

// How many times padrão occurs in texto (padrão not empty); with
// distinguirMaiúsculas false both are compared in lower case.
[[nodiscard]] runtime::Resultado<std::int16_t>
ContarMenos(std::string_view texto, std::string_view padrão, bool distinguirMaiúsculas);

} // namespace vendrix::engine
