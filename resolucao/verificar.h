// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/analise.h"
#include "algebra/expressao.h"
#include "algebra/polinomio.h"
#include "resolucao/exercicio.h"
#include "resolucao/parametros.h"

#include <string_view>
#include <vector>

// The check of a student's own answer: right or wrong, and for a wrong one
// the first mistake, named by its code when it is a typical one, in a
// sentence that never gives the whole worked solution away. Every
// comparison is exact. Each check takes the values the exercise has
// already read and worked out.
namespace vendrix::resolucao {

// P ÷ D answered as "Q = …; R = …"; with tabela, a row or two of
// Ruffini's table by D, the bottom one last, are taken as well.
[[nodiscard]] Verificação VerificarDivisão(const algebra::Polinómio& p,
                                           const algebra::Polinómio& d,
                                           bool tabela,
                                           std::string_view resposta,
                                           const Tradutor& tradutor);

// P as a product, from P's analysis.
[[nodiscard]] Verificação
VerificarFactorização(const algebra::Análise& análise, std::string_view resposta, const Tradutor& tradutor);

[[nodiscard]] Verificação VerificarValor(const algebra::Polinómio& p,
                                         const algebra::Racional& a,
                                         std::string_view resposta,
                                         const Tradutor& tradutor);

// The solution set of "P relação 0", P analysed; relação is the typed
// equation or inequality, which a sentence may name.
[[nodiscard]] Verificação VerificarConjunto(const algebra::Expressão& relação,
                                            const algebra::Análise& análise,
                                            std::string_view resposta,
                                            const Tradutor& tradutor);

// The parameters' values against the solver's solutions (certas empty:
// none exists, which the student says with "nenhum" or "none").
[[nodiscard]] Verificação VerificarParâmetros(const std::vector<Atribuição>& certas,
                                              std::string_view resposta,
                                              const Tradutor& tradutor);

} // namespace vendrix::resolucao
