// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/expressao.h"
#include "algebra/factorizar.h"

#include <optional>
#include <string>
#include <vector>

namespace vendrix::algebra {

// Factors of degree three or more are isolated up to this degree; above it
// the roots are left out and Raízes::completas says so.
inline constexpr std::size_t GrauMáximoIsolado = 64;

struct RaizReal
{
    // An interval that holds this root and no other: the open interval
    // (mínimo, máximo), or the point mínimo = máximo of a rational root.
    // Intervals of distinct roots are disjoint and ordered with their roots.
    Racional mínimo, máximo;
    std::size_t multiplicidade = 1;
    std::string exacta;             // "-1/2", "(1+√5)/2", "-√2"; empty without an exact form
    std::optional<Expressão> forma; // the exact form as an expression, when there is one
    std::string decimal;            // ten significant digits, correctly rounded: "1.618033989"
    double valor = 0;               // the double nearest the root
    std::size_t factor = 0;         // the place of its factor in the factorization it came from
};

// a + bi or a - bi, from a quadratic factor with no real root.
struct RaizComplexa
{
    Racional parteReal;
    Racional quadradoImaginário; // b² > 0
    bool imaginárioPositivo = true;
    std::size_t multiplicidade = 1;
    std::string texto; // "1+i", "-1/2-(√3/2)i", "(√2)i"
    Expressão forma;   // the same as an expression, i a name
};

struct Raízes
{
    std::vector<RaizReal> reais; // by increasing value
    std::vector<RaizComplexa> complexas;
    // False when some real roots are missing: a factor above
    // GrauMáximoIsolado, a factorization whose rational roots are not all
    // proven found, or a budget spent before every root was isolated.
    bool completas = true;
};

[[nodiscard]] Raízes CalcularRaízes(const Factorização& f, Orçamento& orçamento);

[[nodiscard]] Raízes CalcularRaízes(const Factorização& f);

[[nodiscard]] Raízes CalcularRaízes(const Polinómio& p);

} // namespace vendrix::algebra
