// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/expressao.h"
#include "runtime/resultado.h"

#include <string_view>

// The one reader of what a student types. A text is read whole or refused
// with the character where reading stopped (Erro::posição, counted from 1
// in characters) and the piece it could not read (Erro::símbolo).
namespace vendrix::algebra {

// Brackets nest at most this deep: deeper is no homework, and the reading
// is recursive.
inline constexpr std::size_t ProfundidadeMáxima = 64;

struct OpçõesDeLeitura
{
    // The letters besides x that stand for parameters ("k", "abc"); any
    // other letter is refused.
    std::string_view parâmetros;
    // Whether one relation sign may join two expressions.
    bool relação = false;
    // Whether x may appear (not in a value of x).
    bool x = true;
};

// Sums, products written "*", "·", "×" or by juxtaposition ("2x",
// "(x+1)(x-2)", "x(x+1)"), whole powers ("^2", "²"), quotients by a number
// ("x/2", "(x+1)/3"), unary minus, "√" before a positive number, and with
// the option the relations =, <, >, <=, >=, ≤, ≥. Numbers are integers,
// decimals with a point or a comma ("0,5"), the program's "1.2E+07" and
// fractions "1/2", which bind before a following factor: "1/2x" is half of
// x. Blanks (also U+00A0, U+2009, U+202F) are ignored anywhere; "−"
// (U+2212) and "–" (U+2013) are minus signs; a run of signs counts by the
// rule of signs.
//
// Refusals: TextoVazio; TermoIlegível for what is no term, a letter not
// allowed or an exponent that is not a whole number; SinalSemTermo;
// ExpoenteGrande; DenominadorZero and DivisãoPorZero; NãoÉPolinómio for a
// division by something with x; ParêntesesIncorrectos; Transbordo past
// ProfundidadeMáxima; ArgumentoInválido for √ of a number that is not
// positive; RelaçãoNãoPermitida.
[[nodiscard]] runtime::Resultado<Expressão> LerExpressão(std::string_view texto, OpçõesDeLeitura opções = {});

} // namespace vendrix::algebra
