// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/expressao.h"
#include "algebra/polinomio.h"
#include "resolucao/escrita.h"
#include "runtime/resultado.h"

// Ruffini's rule worked out: the division of P by a divisor of the first
// degree, and the value P(a) by Horner's scheme, which is the same table.
namespace vendrix::resolucao {

// P ÷ D step by step, with the same table the window shows for it: the
// coefficients, the root, one sentence per column, the quotient and the
// remainder (divided by D's x-coefficient when it is not 1), then the
// check P = D·Q + R and the remainder theorem R = P(root). Refused with
// DivisorInválido unless D is of the first degree, and with NãoÉPolinómio
// when P is a constant.
[[nodiscard]] runtime::Resultado<DivisãoResolvida> ResolverRuffini(const algebra::Polinómio& dividendo,
                                                                   const algebra::Polinómio& divisor,
                                                                   const Tradutor& tradutor);

// A value worked out: its steps, and the value they came to, so that an
// exercise never evaluates twice.
struct ValorResolvido
{
    Documento documento;
    algebra::Racional valor;
};

// P(a) by the remainder theorem: first x replaced by a, written out and
// worked, then, as a second method, Ruffini's table by x - a; the point a
// is never called a root.
[[nodiscard]] ValorResolvido
ResolverValor(const algebra::Polinómio& p, const algebra::Racional& a, const Tradutor& tradutor);

// The remainder of P ÷ D, D of the first degree, without dividing: by the
// remainder theorem it is P at D's root, worked as ResolverValor works it,
// the question and the answer said as the remainder of the division by D.
// Refused with DivisorInválido when D is not of the first degree.
[[nodiscard]] runtime::Resultado<ValorResolvido>
ResolverResto(const algebra::Polinómio& p, const algebra::Polinómio& divisor, const Tradutor& tradutor);

// The table of P by x - raiz alone, its quotient into quociente.
[[nodiscard]] TabelaRuffini
TabelaDeRuffini(const algebra::Polinómio& p, const algebra::Racional& raiz, algebra::Polinómio& quociente);

// The remainder theorem at work: "P(2) = 2^4-3·2^3+… = 16-24+… = 7",
// "P(-3) = (-3)^3+2·(-3)^2-…", the steps left out where they would say
// nothing new; nome names the polynomial ("P", "Q₁").
[[nodiscard]] algebra::Expressão
ValorPorSubstituição(const algebra::Polinómio& p, const algebra::Racional& a, std::string_view nome = "P");

} // namespace vendrix::resolucao
