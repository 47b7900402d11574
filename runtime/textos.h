// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Text operations with the program's conventions: positions count bytes
// from 1, and 0 means "not found".
namespace vendrix::runtime {

// The position of the first occurrence of procurado at or after início, or 0.
[[nodiscard]] std::size_t
Posição(std::string_view texto, std::string_view procurado, std::size_t início = 1) noexcept;

[[nodiscard]] bool Contém(std::string_view texto, std::string_view procurado) noexcept;

// Replaces every occurrence in one pass from left to right; what was put in
// is not looked at again ("aa" with "a" → "aa" stays "aa"). An empty de
// finds nothing.
[[nodiscard]] std::string Substituir(std::string_view texto, std::string_view de, std::string_view para);

// Cuts at every separator, keeping the empty pieces between adjacent
// separators and at either end; the empty text gives no pieces at all, and
// an empty separator gives the whole text as one piece.
[[nodiscard]] std::vector<std::string_view> Dividir(std::string_view texto, std::string_view separador);

// Lower-case form of ASCII letters; every other byte is kept as it is.
[[nodiscard]] std::string Minúsculas(std::string_view texto);

} // namespace vendrix::runtime
