// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/expressao.h"
#include "algebra/factorizar.h"
#include "algebra/raizes.h"
#include "resolucao/exercicio.h"
#include "resolucao/textos.h"
#include "runtime/erro.h"

#include <string>
#include <vector>

// What every check says the same way: the verdicts and a reading refusal.
namespace vendrix::resolucao::verificar {

[[nodiscard]] std::string Dizer(const Tradutor& tradutor, Texto texto, std::vector<Fórmula> argumentos = {});

[[nodiscard]] Verificação Certo(const Tradutor& tradutor);

[[nodiscard]] Verificação
Errado(const Tradutor& tradutor, std::string código, Texto texto, std::vector<Fórmula> argumentos = {});

// No verdict: the reader's message and where it stopped.
[[nodiscard]] Verificação Ilegível(const runtime::Erro& erro, const Tradutor& tradutor);

// A factorization as the product it stands for: "2(x+1)^2(x-1/2)", "-x(x-1)".
[[nodiscard]] algebra::Expressão ComoProduto(const algebra::Factorização& f);

// A real root: the number when it is rational, else its exact form or "≈"
// and its decimal, which the roots hold only as text.
[[nodiscard]] Fórmula DaRaiz(const algebra::RaizReal& raiz);

// "x = -2", with the root as above.
[[nodiscard]] Fórmula XIgual(const algebra::RaizReal& raiz);

} // namespace vendrix::resolucao::verificar
