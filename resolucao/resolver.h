// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/analise.h"
#include "algebra/conjunto.h"
#include "algebra/expressao.h"
#include "resolucao/documento.h"
#include "runtime/resultado.h"

// Solving an equation or an inequality in x as a textbook does: everything
// on one side, expanded, factored, then the null product law or the sign
// table, and the solution set.
namespace vendrix::resolucao {

struct SoluçãoDaCondição
{
    Documento documento;
    algebra::Análise análise; // of P, the left side minus the right, expanded
    bool equação = true;
    // Empty when some real root could not be isolated.
    algebra::ConjuntoSolução conjunto;
    // The inequality's sign table, with one row per distinct factor.
    std::optional<TabelaDeSinais> quadro;
};

// relação is a relation (algebra::ÉRelação); refuses what the expansion refuses.
[[nodiscard]] runtime::Resultado<SoluçãoDaCondição> ResolverCondição(const algebra::Expressão& relação,
                                                                     const Tradutor& tradutor);

// The table's rows as the window's property and the page's JSON give
// them: "x+2:-,0,+,+,+|(x-1)^2:+,+,+,0,+|produto:-,0,+,0,+".
[[nodiscard]] std::string QuadroEmTexto(const TabelaDeSinais& quadro);

} // namespace vendrix::resolucao
