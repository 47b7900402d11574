// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/orcamento.h"
#include "algebra/polinomio.h"
#include "algebra/racional.h"

#include <optional>
#include <utility>
#include <vector>

// Polynomials with integer coefficients, the form in which a polynomial over
// the rationals is factored: every rational polynomial is a rational number
// times a primitive one (coefficients with no common factor, the highest
// positive), and the factors of a primitive polynomial can be taken primitive.
namespace vendrix::algebra {

// Coefficients by rising degree, the last one never zero.
using PolInteiro = std::vector<Inteiro>;

void Normalizar(PolInteiro& p);

[[nodiscard]] std::size_t Grau(const PolInteiro& p) noexcept;

// The primitive polynomial proportional to p: its coefficients divided by
// their greatest common divisor, the highest made positive.
[[nodiscard]] PolInteiro Primitiva(PolInteiro p);

// The primitive polynomial proportional to a rational one.
[[nodiscard]] PolInteiro ParteInteira(const Polinómio& p);

[[nodiscard]] Polinómio ParaRacional(const PolInteiro& p);

[[nodiscard]] PolInteiro Multiplicar(const PolInteiro& a, const PolInteiro& b);

[[nodiscard]] PolInteiro DerivadaInteira(const PolInteiro& p);

// a / b when b divides a over the integers, nothing otherwise. Stops at the
// first coefficient that does not divide, so a wrong guess costs little.
[[nodiscard]] std::optional<PolInteiro> DividirExacto(const PolInteiro& a, const PolInteiro& b);

// The primitive greatest common divisor, by primitive remainder sequences;
// nothing when the budget runs out first.
[[nodiscard]] std::optional<PolInteiro> Mdc(PolInteiro a, PolInteiro b, Orçamento& orçamento);

// A primitive polynomial as the product of its square-free parts s_i^i, each
// with its multiplicity i; parts of degree zero are left out. Nothing when
// the budget runs out first.
[[nodiscard]] std::optional<std::vector<std::pair<PolInteiro, std::size_t>>>
SemQuadrados(const PolInteiro& f, Orçamento& orçamento);

// n mod m in [0, m), for m > 0.
[[nodiscard]] Inteiro Resíduo(const Inteiro& n, const Inteiro& m);

// The inverse of a modulo m, for a coprime to m > 1.
[[nodiscard]] Inteiro InversoMódulo(const Inteiro& a, const Inteiro& m);

// The largest absolute value of a coefficient.
[[nodiscard]] Inteiro Altura(const PolInteiro& p);

// The 64-bit words of the longest coefficient, at least one: what one
// operation on a coefficient costs, for the budgets of the searches.
[[nodiscard]] std::uint64_t Palavras(const PolInteiro& p);

} // namespace vendrix::algebra
