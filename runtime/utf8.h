// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>

// The one UTF-8 decoder of the program. It is strict: what is not a
// well-formed character is one invalid byte, so that an overlong "-" or a
// surrogate never passes for a sign, and a reader that stops there names
// exactly one byte.
namespace vendrix::runtime {

// No code point: a byte that starts no valid character.
inline constexpr char32_t CarácterInválido = 0x110000;

struct Carácter
{
    char32_t c;        // the code point, or CarácterInválido
    std::size_t bytes; // how many bytes it takes, at least 1
};

// The character that starts at byte i, for i < texto.size().
[[nodiscard]] Carácter Descodificar(std::string_view texto, std::size_t i) noexcept;

// The bytes of the character that starts at byte i, as a view into texto;
// empty at or past the end.
[[nodiscard]] std::string_view CarácterEm(std::string_view texto, std::size_t i) noexcept;

// How many characters the text holds, an invalid byte counting as one.
[[nodiscard]] std::size_t ContarCaracteres(std::string_view texto) noexcept;

} // namespace vendrix::runtime
