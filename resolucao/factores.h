// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/analise.h"
#include "algebra/expressao.h"

#include <string>

// The factored forms an exercise gives, in the order the lesson writes
// them: the constant, the power of x, the factors x - r by increasing r,
// then the irreducible factors by degree.
namespace vendrix::resolucao {

// Over Q: "6x(x+1/2)(x-1/3)", "-x(x+1)(x-1)", "(x^2+1)"; a constant is its
// own text.
[[nodiscard]] std::string FactorizaçãoOrdenada(const algebra::Factorização& f);

// In ℝ: every quadratic factor with two real roots split into its two
// factors x - r, written with its surds: "x(x-√2)(x+√2)",
// "(x-(1-√5)/2)(x-(1+√5)/2)". Factors of degree three or more stay whole.
[[nodiscard]] std::string FactorizaçãoReal(const algebra::Análise& a);

// The same two as expressions, for the steps: "6x(x+1/2)(x-1/3)",
// "(x-(1-√5)/2)(x-(1+√5)/2)".
[[nodiscard]] algebra::Expressão ExpressãoFactorizada(const algebra::Factorização& f);
[[nodiscard]] algebra::Expressão ExpressãoFactorizadaEmR(const algebra::Análise& a);

// x - r for a root written exactly: "x-√2", "x+√2/2", "x-(1-√5)/2",
// "x+(1+√5)/2", "x-1/2".
[[nodiscard]] std::string XMenosRaiz(std::string_view exacta);

} // namespace vendrix::resolucao
