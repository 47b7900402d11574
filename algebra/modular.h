// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/inteiros.h"
#include "algebra/orcamento.h"

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

// Polynomials over the integers modulo a prime p below 2^32, so that a product
// of two residues plus one more fits in 64 bits. Factoring is cheap there, and
// the factors found there are lifted back to the integers.
namespace vendrix::algebra::modular {

using Residuo = std::uint64_t;

// Every prime used is below this; PróximoPrimo never gives one above it.
inline constexpr Residuo LimiteDosPrimos = Residuo{1} << 32;

// The least prime above n, by trial division; nothing past LimiteDosPrimos.
[[nodiscard]] std::optional<Residuo> PróximoPrimo(Residuo n) noexcept;

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

// The monic irreducible factors of a monic square-free f, for an odd prime p
// below LimiteDosPrimos; nothing when p is not, or when the budget runs out.
[[nodiscard]] std::optional<std::vector<PolModular>>
Factores(const PolModular& f, Residuo p, Orçamento& orçamento);

// The distinct roots in [0, p) of a non-zero f, for an odd prime p below
// LimiteDosPrimos, by the gcd with x^p - x and its splitting: the work grows
// with the degree and the digits of p, not with p. Nothing when p is not
// such a prime, or when the budget runs out.
[[nodiscard]] std::optional<std::vector<Residuo>>
Raízes(const PolModular& f, Residuo p, Orçamento& orçamento);

// Whether p keeps f's degree and leaves it square-free: then every factor
// of f over the integers stays square-free and coprime to the others
// modulo p.
[[nodiscard]] bool BomPrimo(const PolInteiro& f, Residuo p);

// At least the number of primes that are not good for a square-free f of
// degree one or more, from its degree and the size of its coefficients.
[[nodiscard]] std::uint64_t LimiteDePrimosRuins(const PolInteiro& f);

} // namespace vendrix::algebra::modular
