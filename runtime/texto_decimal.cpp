// SPDX-License-Identifier: MIT
#include "runtime/texto_decimal.h"

#include <array>
#include <charconv>
#include <cmath>

namespace vendrix::runtime {

std::string TextoDecimal(double valor)
{
    if (valor == 0.0 || !std::isfinite(valor))
        return "0";
    // The longest case, the smallest subnormal, is "0." followed by 323
    // zeros and its digits; the largest double has 309 digits.
    std::array<char, 400> buffer{};
    const auto [fim, erro] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), valor, std::chars_format::fixed);
    return std::string(buffer.data(), erro == std::errc{} ? fim : buffer.data());
}

} // namespace vendrix::runtime
