// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/factorizar.h"
#include "algebra/raizes.h"
#include "algebra/sinais.h"

namespace vendrix::algebra {

// Everything an exercise says about one polynomial, computed once and then
// shared by the worked steps, the result fields and the graph: its factors
// over Q, its real and complex roots, and its sign on the real line.
struct Análise
{
    Polinómio polinómio;
    Factorização factorização;
    Raízes raízes;
    TabelaDeSinais sinais;
};

// Within the given budget, or within a budget of its own; a budget spent
// leaves the factorization, the roots or the signs marked incomplete.
[[nodiscard]] Análise Analisar(const Polinómio& p, Orçamento& orçamento);
[[nodiscard]] Análise Analisar(const Polinómio& p);

} // namespace vendrix::algebra
