// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/ler_expressao.h"
#include "algebra/polinomio.h"
#include "runtime/resultado.h"

#include <string_view>

// Reading what a student types as a polynomial in x or as one rational
// number: the expression reader (ler_expressao.h), then the expansion. A
// text is read whole or refused; nothing is guessed. A refusal's Erro has
// the character where reading stopped and the piece it could not read.
namespace vendrix::algebra {

// Any expression in x without a relation, expanded: "3x^2-1/2x+0.25",
// "(x+1)(x-2)^2", "2(x-1)^3-(x-1)". Like terms add up. An expansion past
// its budget is refused with Transbordo, or past degree ExpoenteMáximo with
// ExpoenteGrande, at the first character, naming the whole text.
[[nodiscard]] runtime::Resultado<Polinómio> LerPolinómio(std::string_view texto);

// An expression without x, its value: "-1/2", "0,5", "(1/2)^2". A text that
// is not one is NúmeroIlegível, naming the whole text, but for the reasons
// a number has of its own (TextoVazio, DenominadorZero, DivisãoPorZero,
// ExpoenteGrande, Transbordo, ParêntesesIncorrectos, RelaçãoNãoPermitida).
[[nodiscard]] runtime::Resultado<Racional> LerRacional(std::string_view texto);

} // namespace vendrix::algebra
