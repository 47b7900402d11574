// SPDX-License-Identifier: MIT
#pragma once

#include "engine/polinomio_lido.h"

#include <optional>
#include <string>
#include <string_view>

// The product of two polynomials added straight into the coefficient table,
// instead of writing every piece as text for Simplificar to read back: for
// two polynomials of 180 terms that text has 32,400 pieces.
namespace vendrix::engine {

// The product exactly as Simplificar gives it from the joined text of
// MultiplicarPolinómios, or nothing when that path would show a box (a
// monomial or term that does not read, a product, exponent or sum that
// overflows, a degree out of range, too many pieces): the caller then takes
// that path, which shows the boxes in their order.
[[nodiscard]] std::optional<std::string> ProdutoDireto(const PolinómioLido& primeiro,
                                                       std::string_view segundo);

} // namespace vendrix::engine
