// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/expressao.h"
#include "algebra/polinomio.h"
#include "resolucao/documento.h"
#include "runtime/resultado.h"

// Expanding an expression as it is done by hand: one product at a time,
// the notable products named, like terms collected.
namespace vendrix::resolucao {

struct Desenvolvimento
{
    Documento documento;
    algebra::Polinómio polinómio; // the expression expanded
};

// Refuses what the expansion refuses (a budget, a degree).
[[nodiscard]] runtime::Resultado<Desenvolvimento> ResolverDesenvolvimento(const algebra::Expressão& e,
                                                                          const Tradutor& tradutor);

// The expansion's steps alone, appended to a document, for a solution
// that expands on the way; returns the polynomial. e must expand.
algebra::Polinómio
PassosDoDesenvolvimento(Documento& doc, const Tradutor& tradutor, const algebra::Expressão& e);

} // namespace vendrix::resolucao
