// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/resultado.h"

#include <string>
#include <string_view>

// The notation of polynomial texts: reading one term, and the three text
// transformations every command shares.
namespace vendrix::engine {

struct Termo
{
    float coeficiente;
    float grau; // as read; not yet made whole

    bool operator==(const Termo&) const = default;
};

// The degree of a term: 0 without an "x", 1 without a "^" after the first
// "x", otherwise the number after that "^".
[[nodiscard]] runtime::Resultado<float> LerGrau(std::string_view termo);

// The coefficient: what stands before the first "x" ("" and "+" are 1, "-" is -1).
[[nodiscard]] runtime::Resultado<float> LerCoeficiente(std::string_view termo);

// Coefficient first, then degree.
[[nodiscard]] runtime::Resultado<Termo> LerTermo(std::string_view termo);

// "0" in front of a text that begins with "-".
[[nodiscard]] std::string GuardaDoMenos(std::string_view texto);

// Blanks removed, then one blank in front of every "+" and every "-".
[[nodiscard]] std::string SepararTermos(std::string_view texto);

// Blanks removed, then one leading "+" dropped.
[[nodiscard]] std::string Compactar(std::string_view texto);

} // namespace vendrix::engine
