// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/resultado.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The dividend's degree and its top row, read from the terms of its
// simplified form ("+x^4", "-3x^3", ..., "-1", and the empty piece after the
// final blank).
namespace vendrix::ruffini {

// The degree, from the first term, which is the highest. Fails when there
// is no term (the dividend came to zero, or could not be simplified) or the
// first term has no x (the dividend is a constant).
[[nodiscard]] runtime::Resultado<std::int16_t> LerGrauDoDividendo(std::span<const std::string_view> termos);

// Coef(0) … Coef(grau): the coefficient of x^(grau - k) in Coef(k), "0" for
// a missing degree. The x-coefficients are copied as the simplified form
// writes them, less their "+"; the constant term passes through single
// precision. Fails when a term cannot be placed, or when a coefficient
// of 10^7 or more in magnitude was written rounded.
[[nodiscard]] runtime::Resultado<std::vector<std::string>>
LerCoeficientes(std::span<const std::string_view> termos, std::int16_t grau);

} // namespace vendrix::ruffini
