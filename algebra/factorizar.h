// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/orcamento.h"
#include "algebra/polinomio.h"

#include <string>
#include <vector>

namespace vendrix::algebra {

// Square-free parts are split into irreducible factors up to this degree,
// the highest the worked steps show; above it the rational roots are still
// all found, and such a part stays one factor that may split further.
inline constexpr std::size_t GrauMáximoFactorizado = 30;

struct Factor
{
    Polinómio polinómio; // monic
    std::size_t multiplicidade = 1;

    friend bool operator==(const Factor&, const Factor&) = default;
};

// P = dominante · product of factor^multiplicidade, in the order written:
// (x - r) for each distinct rational root by increasing r, then the monic
// irreducible factors of degree >= 2 by increasing degree, ties by their
// coefficients from the highest. A constant has no factors; zero has none
// and dominante 0.
struct Factorização
{
    Racional dominante;
    std::vector<Factor> factores;
    // True only when every factor is proved irreducible. False when some
    // factor of degree four or more is a square-free part above
    // GrauMáximoFactorizado, or was left whole when the budget ran out: such
    // a factor may still split. Distinct factors never share a root.
    bool completa = true;
    // False only when the budget ran out before the search for rational
    // roots was done: then some factor may still have one, and neither is
    // the factorization complete.
    bool raízesCompletas = true;
};

// Within the given budget, or within a budget of its own.
[[nodiscard]] Factorização Factorizar(const Polinómio& p, Orçamento& orçamento);
[[nodiscard]] Factorização Factorizar(const Polinómio& p);

// The distinct rational roots with their multiplicities, by increasing root.
[[nodiscard]] std::vector<std::pair<Racional, std::size_t>> RaízesRacionaisDe(const Factorização& f);

// ⟨2(x+1)^2(x-1/2)⟩, ⟨-(x+1)x(x-1)⟩, ⟨(x^2+1)⟩; a constant is its own text.
[[nodiscard]] std::string TextoFactorização(const Factorização& f);

// EscreverRacional, kept under this name for its callers.
[[nodiscard]] std::string TextoRacional(const Racional& r);

} // namespace vendrix::algebra
