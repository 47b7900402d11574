// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/escrever.h"
#include "algebra/expressao.h"
#include "algebra/tamanho.h"
#include "resolucao/documento.h"

#include <span>
#include <string>

// Pieces of formulas a worked solution writes, in the algebra's canonical
// notation, which reads back.
namespace vendrix::resolucao {

// Past this degree a worked solution gives its result without the steps
// that lead to it: a student would not follow them, and a long division or
// Horner's scheme of degree 2,000 writes gigabytes and keeps the user
// waiting for minutes.
inline constexpr std::size_t GrauMáximoComPassos = 30;

// Whether a worked solution shows its steps: up to that degree, and while
// the steps keep within the digits an exercise may write. Past either, the
// result is given without them, rather than refused: thirty Ruffini tables
// of 40-digit numbers are too long to read, the factors they lead to are not.
[[nodiscard]] bool ComPassos(std::size_t grau, const algebra::Tamanho& tamanho) noexcept;

// "1, -3, 5, -2, -1".
[[nodiscard]] algebra::Expressão Lista(std::span<const algebra::Racional> números);

// The coefficients from the highest degree down, zeros included.
[[nodiscard]] std::vector<algebra::Racional> Descendentes(const algebra::Polinómio& p);

// A division worked out: its steps, and the quotient and remainder they
// came to, so that an exercise never divides twice.
struct DivisãoResolvida
{
    Documento documento;
    algebra::Polinómio quociente, resto;
};

// The check of a division, D·Q + R = (D·Q expanded) + R = P:
// "(x-2)(x^3-x^2+3x+4)+7 = x^4-3x^3+5x^2-2x-8+7 = x^4-3x^3+5x^2-2x-1",
// the middle step only when R is not 0. P is computed, never copied, so a
// wrong quotient shows.
[[nodiscard]] algebra::Expressão
ProvaDaDivisão(const algebra::Polinómio& d, const algebra::Polinómio& q, const algebra::Polinómio& r);

} // namespace vendrix::resolucao
