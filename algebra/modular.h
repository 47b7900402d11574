// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/inteiros.h"

#include <cstdint>
#include <utility>
#include <vector>

// Polynomials over the integers modulo a prime p below 2^31, so that a product
// of two residues fits in 64 bits. Factoring is cheap there, and the factors
// found there are lifted back to the integers.
namespace vendrix::algebra::modular {

using Residuo = std::uint64_t;

// Coefficients by rising degree, each below p, the last one never zero.
using PolModular = std::vector<Residuo>;

[[nodiscard]] Residuo Potência(Residuo base, std::uint64_t expoente, Residuo p) noexcept;

// The inverse of a non-zero residue.
[[nodiscard]] Residuo Inverso(Residuo a, Residuo p) noexcept;

[[nodiscard]] Residuo Reduzir(const Inteiro& n, Residuo p);

[[nodiscard]] PolModular Reduzir(const PolInteiro& f, Residuo p);

[[nodiscard]] Residuo Valor(const PolModular& f, Residuo x, Residuo p) noexcept;

[[nodiscard]] PolModular Subtrair(const PolModular& a, const PolModular& b, Residuo p);

[[nodiscard]] PolModular Multiplicar(const PolModular& a, const PolModular& b, Residuo p);

// Quotient and remainder of a by a non-zero b.
[[nodiscard]] std::pair<PolModular, PolModular> Dividir(PolModular a, const PolModular& b, Residuo p);

[[nodiscard]] PolModular Mónico(PolModular a, Residuo p);

// The monic greatest common divisor.
[[nodiscard]] PolModular Mdc(PolModular a, PolModular b, Residuo p);

// s and t with s·a + t·b = 1, for coprime a and b.
[[nodiscard]] std::pair<PolModular, PolModular> Bezout(const PolModular& a, const PolModular& b, Residuo p);

// The monic irreducible factors of a monic square-free f, for an odd p whose
// powers up to p^grau(f) fit in 64 bits.
[[nodiscard]] std::vector<PolModular> Factores(const PolModular& f, Residuo p);

} // namespace vendrix::algebra::modular
