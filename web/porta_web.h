// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The page's one door to the exercises: it runs any of them by the name the
// core gives it, lists them with the boxes each reads, and words what the
// page refuses before a text reaches the core.
namespace vendrix::web {

// The most characters a box holds, typed, pasted, from a link or set by a
// script: the core takes no more than 32,767 terms, so a longer text could
// only be refused, after the page had copied it whole into the module.
inline constexpr std::size_t LimiteDeTexto = 65536;

// {"exercicios": [{"nome", "caixas": ["polinomio1", ...]}, ...], "limite",
// "tipos": [{"nome", "rotulo"}, ...], "nivel_minimo", "nivel_maximo",
// "por_tipo"}: the core's exercises in the order of its menus, the boxes
// each reads, and LimiteDeTexto; the kinds of exercise practice and
// worksheets make, each with its label in Portuguese, the catalogue's
// source; their levels, and the most of one kind a worksheet holds.
[[nodiscard]] std::string ExercíciosEmJson();

// An exercise by its name, as ExercícioEmJson answers it, the student's
// answer checked when resposta is not empty. Two more names take their
// request in the same texts (pratica_web.h): "praticar", an exercise made
// for practice, and "ficha", a worksheet. An unknown name, or a request
// that cannot be read, gets the refusal "comando".
[[nodiscard]] std::string ExercícioPeloNomeEmJson(std::string_view nome,
                                                  std::string_view polinómio1,
                                                  std::string_view polinómio2,
                                                  std::string_view ponto,
                                                  std::string_view condições,
                                                  std::string_view resposta);

// Why the page keeps a text from the core: "longo", longer than
// LimiteDeTexto; "controlo", holding a control character, at which a NUL
// would cut the text short; "comando", a link or a call asking for a
// command the page does not have (any other motivo too). Answers
// {"mensagens": [one box]} in the page's language, naming the box
// ("polinomio1", "polinomio2", "ponto", "condicoes" or "resposta") and,
// for "longo", the limit.
[[nodiscard]] std::string RecusaEmJson(std::string_view motivo, std::string_view caixa);

} // namespace vendrix::web
