// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>

// The one rule of a drawn polynomial's line, which drawing, its copies and
// its speech share: a caret raises what follows, and x, +, - and / bring it
// back to the line. Every one of them is a byte below 128, so it never
// stands inside another character's UTF-8.
namespace vendrix::display {

[[nodiscard]] constexpr bool Repõe(char c) noexcept { return c == 'x' || c == '+' || c == '-' || c == '/'; }

// A whole character, as tracing walks them.
[[nodiscard]] constexpr bool Repõe(std::string_view c) noexcept { return c.size() == 1 && Repõe(c[0]); }

// Where the characters drawn on one level from i end: at the next caret or
// character that brings the line back, else at the end.
[[nodiscard]] constexpr std::size_t FimDaCorrida(std::string_view texto, std::size_t i) noexcept
{
    while (i < texto.size() && texto[i] != '^' && !Repõe(texto[i]))
        ++i;
    return i;
}

} // namespace vendrix::display
