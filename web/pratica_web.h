// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Practice and worksheets for the page, through its one door for
// exercises (porta_web.h): the request travels in the door's texts.
namespace vendrix::web {

// "praticar": polinómio1 the kind ("ruffini", "factorizar", …), polinómio2
// the level, ponto the seed, a decimal number below 2^64. Answers
// {"comando": "praticar", "mensagens": [], "tipo", "nivel", "semente" (a
// text, as a JSON number would lose digits), "exercicio" (the exercise that
// solves and checks it, run through the same door with the boxes below and
// the student's answer), "polinomio1", "polinomio2", "ponto", "condicoes"
// (the question's boxes), "enunciado_html" (the statement)}. Nothing when the request cannot be read.
[[nodiscard]] std::optional<std::string>
PraticarEmJson(std::string_view tipo, std::string_view nível, std::string_view semente);

// "ficha": polinómio1 how many of each kind, "ruffini=2;factorizar=3" (a
// kind not named gets none; MáximoPorTipo of each at most), polinómio2 the
// level, ponto the seed, condições the format, "latex" or "html". Answers
// {"comando": "ficha", "mensagens": [], "semente", and "latex" or "html"}:
// the worksheet and its key as a LaTeX article or as an HTML page, only the
// one asked for. Nothing when the request cannot be read.
[[nodiscard]] std::optional<std::string> FichaEmJson(std::string_view quantos,
                                                     std::string_view nível,
                                                     std::string_view semente,
                                                     std::string_view formato);

inline constexpr int MáximoPorTipo = 20;

} // namespace vendrix::web
