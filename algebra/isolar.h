// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/inteiros.h"
#include "algebra/orcamento.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

// Real roots without an exact form, found exactly: Descartes' rule of signs
// isolates each in an interval with rational ends, and bisection narrows it,
// every sign decided by exact arithmetic.
namespace vendrix::algebra {

// An open interval (mínimo, máximo) that holds exactly one root of a
// square-free polynomial, which changes sign there.
struct Intervalo
{
    Racional mínimo, máximo;
    int sinalMínimo = 0; // the polynomial's sign at mínimo, kept to halve the evaluations
};

// -1, 0 or 1: the sign of f(x), computed over the integers.
[[nodiscard]] int SinalEm(const PolInteiro& f, const Racional& x);

// Every real root of a square-free f with no rational root, by increasing
// value, each in its own interval; nothing when the budget runs out first.
[[nodiscard]] std::optional<std::vector<Intervalo>> Isolar(const PolInteiro& f, Orçamento& orçamento);

// Halves the interval, keeping the half that holds the root: the one
// bisection of the algebra. Its cost is counted in the budget.
void Bisseccionar(const PolInteiro& f, Intervalo& i, Orçamento& orçamento);

// The root's ten significant digits (see DezAlgarismos), narrowing the
// interval as much as that needs.
[[nodiscard]] std::string Decimal(const PolInteiro& f, Intervalo& i, Orçamento& orçamento);

// The double nearest the root, narrowing the interval until both its ends
// round to the same double: then so does every number between them.
[[nodiscard]] double Aproximar(const PolInteiro& f, Intervalo& i, Orçamento& orçamento);

// The double nearest a rational number, correctly rounded (half to even);
// ±infinity beyond the largest double.
[[nodiscard]] double ParaDouble(const Racional& x);

// The value shared by every number of [mínimo, máximo] once rounded to ten
// significant digits, half away from zero: "1.259921050", "2.5e+12". A point
// is exact, so its trailing zeros go: "-0.5". Nothing when the interval is
// too wide to tell; a point always has one.
[[nodiscard]] std::optional<std::string> DezAlgarismos(const Racional& mínimo, const Racional& máximo);

} // namespace vendrix::algebra
