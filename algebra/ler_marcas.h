// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/racional.h"

#include <cstddef>
#include <string_view>
#include <vector>

// The characters of a typed expression as the reader sees them: blanks
// left out, the typographic signs folded into their ASCII forms, so that
// the reading knows one minus sign and one product sign. For the reader
// of ler_expressao.cpp only.
namespace vendrix::algebra::leitura {

// The end of the text, which is no code point and so can never be typed.
inline constexpr char32_t Fim = 0x110001;
// "<=" and ">=" are read as one sign, as ≤ and ≥ are.
inline constexpr char32_t MenorOuIgual = 0x2264, MaiorOuIgual = 0x2265, RaizQuadrada = 0x221A;

// One character of the text with its place.
struct Marca
{
    char32_t c;
    std::size_t posição;     // 1-based, in characters
    std::size_t início, fim; // its bytes in the text
};

struct Marcas
{
    std::vector<Marca> marcas;
    std::size_t depoisDoFim = 1; // the position just after the last character, blanks included
};

// The text as marks. A byte that is no valid UTF-8 is a mark of its own,
// which no rule of the reader accepts.
[[nodiscard]] Marcas Marcar(std::string_view texto);

// The digit a superscript stands for, or -1.
[[nodiscard]] int Sobrescrito(char32_t c) noexcept;

[[nodiscard]] constexpr bool ÉSinal(char32_t c) noexcept { return c == '+' || c == '-'; }

[[nodiscard]] constexpr bool ÉAlgarismo(char32_t c) noexcept { return c >= '0' && c <= '9'; }

[[nodiscard]] constexpr bool ÉLetra(char32_t c) noexcept { return c >= 'a' && c <= 'z'; }

[[nodiscard]] constexpr bool ÉRelaçãoSimples(char32_t c) noexcept
{
    return c == '=' || c == '<' || c == '>' || c == MenorOuIgual || c == MaiorOuIgual;
}

// Digits as one integer, nine at a time.
[[nodiscard]] Inteiro DeAlgarismos(std::string_view algarismos);

} // namespace vendrix::algebra::leitura
