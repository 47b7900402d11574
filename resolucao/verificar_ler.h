// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/expressao.h"
#include "algebra/ler_expressao.h"
#include "runtime/resultado.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Reading the forms a student's answer takes: "Q = x+1; R = 2", a row of
// a table, a union of intervals or a condition on x, "a = 2, b = 3". Every
// number or polynomial in it goes through the expression reader; a refusal
// gives the character of the whole answer where reading stopped, from 1.
namespace vendrix::resolucao::verificar {

// A piece of the answer: its text and where it starts, in bytes.
struct Peça
{
    std::string_view texto;
    std::size_t início = 0;
};

// "Q = …; R = …", "Q(x) = …", "quociente … resto …", "quotient: …,
// remainder: …", or two expressions parted by ";".
struct QuocienteEResto
{
    algebra::Expressão quociente, resto;
};

[[nodiscard]] runtime::Resultado<QuocienteEResto> LerQuocienteEResto(std::string_view resposta);

// Whether the answer names a quotient or a remainder ("Q", "resto"), or
// writes x or "=": then it is no row of numbers.
[[nodiscard]] bool TemLetras(std::string_view resposta) noexcept;

// Rows of numbers parted by blanks or ";", one row per line or between "|".
[[nodiscard]] runtime::Resultado<std::vector<std::vector<algebra::Racional>>>
LerLinhas(std::string_view resposta);

// A number, exact, with square roots: "13", "-1/2", "(1+√5)/2", or the
// value after the last "=" of "P(-3) = 13".
[[nodiscard]] runtime::Resultado<algebra::Expressão> LerNúmero(std::string_view resposta);

// An end of an interval: -∞, +∞ or a number.
struct Extremo
{
    int infinito = 0; // -1, 1, or 0 for a number
    algebra::Expressão valor;
    std::string texto; // as typed
};

// An interval, or a single point when both ends are the same one, closed.
struct Intervalo
{
    Extremo esquerdo, direito;
    bool fechadoÀEsquerda = false, fechadoÀDireita = false;
};

// A set of real numbers as typed: "]-inf,-2[ U ]1,+inf[", "x<-2 ou x>1",
// "-2 ≤ x ≤ 2", "x > -2 e x < 2", "x = -2 ∨ x = 1", "{-2, 1}", "-2, 1", "ℝ", "∅",
// "ℝ\{1}". A list parts with ";" when it has one, or else with ",", so
// "{0,5}" is two points and "{0,5; 1}" two decimals.
struct ConjuntoLido
{
    std::vector<Intervalo> partes;
    std::vector<Extremo> excluídos; // taken from the parts: "ℝ\{1}"
};

[[nodiscard]] runtime::Resultado<ConjuntoLido> LerConjunto(std::string_view resposta);

// "k = -1", "a = 2, b = 3", "k = 1 ou k = 2", "nenhum": the solutions, each
// a list of values by letter; none when the answer says there is none.
struct AtribuiçãoLida
{
    std::vector<std::pair<char, algebra::Expressão>> valores;
    std::string texto; // as typed
};

[[nodiscard]] runtime::Resultado<std::vector<AtribuiçãoLida>> LerAtribuições(std::string_view resposta);

} // namespace vendrix::resolucao::verificar
