// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/polinomio.h"

#include <string>
#include <vector>

namespace vendrix::algebra {

// Factorizations are complete up to this degree; above it the rational
// roots still are, and what is left stays one factor.
inline constexpr std::size_t GrauMáximoFactorizado = 12;

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
    // False when the last factor is the unfactored rest of a polynomial of
    // degree above GrauMáximoFactorizado, and may still split.
    bool completa = true;
    // False only if the search for rational roots could not prove that the
    // rest has none (see ProcurarRaízesRacionais): then neither is the
    // factorization complete.
    bool raízesCompletas = true;
};

[[nodiscard]] Factorização Factorizar(const Polinómio& p);

// The distinct rational roots with their multiplicities, by increasing root.
[[nodiscard]] std::vector<std::pair<Racional, std::size_t>> RaízesRacionaisDe(const Factorização& f);

// ⟨2(x+1)^2(x-1/2)⟩, ⟨-(x+1)x(x-1)⟩, ⟨(x^2+1)⟩; a constant is its own text.
[[nodiscard]] std::string TextoFactorização(const Factorização& f);

// EscreverRacional, kept under this name for its callers.
[[nodiscard]] std::string TextoRacional(const Racional& r);

} // namespace vendrix::algebra
