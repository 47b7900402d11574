// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/resultado.h"

#include <string>
#include <string_view>

// Shortcuts for the numbers polynomial texts are mostly made of. Each gives
// exactly what the general conversion gives, only without its cost: a
// product of two 181-term polynomials reads and writes some 100,000 numbers.
namespace vendrix::runtime {

// TextoParaSimples, reading an optional sign and at most seven digits
// directly (every such number is exact in single precision).
[[nodiscard]] Resultado<float> TextoParaSimplesDepressa(std::string_view texto);

// TextoDeSimples, writing whole values below 10^7 directly.
[[nodiscard]] std::string TextoDeSimplesDepressa(float valor);

} // namespace vendrix::runtime
