// SPDX-License-Identifier: MIT
#pragma once

#include "resolucao/exercicio.h"
#include "runtime/traducao.h"

#include <string>
#include <string_view>

// The window's commands for the page: each runs the same core as the
// window and answers, as one JSON object, everything the page shows. The
// page only shows what it is given; it computes nothing of its own.
//
// The boxes' texts of an answer are in the language the page last chose
// (see DefinirLínguaEmJson), Portuguese until it chooses one.
//
// Every answer has "mensagens": the boxes the command showed, in order,
// each {"titulo", "texto", "icone": "critico" | "informacao", "codigo"},
// "codigo" being the report's number.
//
// A result answer (simplify, sum, difference, product) also has:
//   "resultado"        the compact text, as the window draws it
//   "resultado_texto", "resultado_html", "resultado_latex"
//                      what the copy actions give
//   "resultado_fala"   the result in words, "elevado a" for each raise
// and, but for simplify, "titulo": the caption of the result frame, in
// Portuguese, the catalogue's source, which the page shows in the language
// the user picks, then and at every later switch.
//
// The Ruffini answer has "foco" ("polinomio1", "polinomio2" or null: the
// box the window puts the cursor in after the message), "tabela" (whether
// the table is shown), "celulas" ({"Coef(0)": text, ...} for every cell
// the command wrote), "visiveis" (the cells shown, in the order Coef, Seg,
// Ter), "div", "resto", the quotient as "quociente" with the same four
// companions as "resultado" ("quociente_texto" and so on); the whole
// table's copies come from QuadroEmJson when the user copies. Without the
// table "quociente" and "resto" are empty. "filas" holds the shown cells
// as three rows (top, middle, bottom), each a list over the columns of the
// cells' names ("Seg(0)"), null where no cell stands; it is empty without
// the table. "dica" is the sentence shown beside the table after a divisor the
// rule refuses, pointing to long division, and empty otherwise.
//
// An exercise answer (divide, factorize, value, graph, explain, expand,
// solve, parameters) has "comando", the exercise's name; "foco" (the box
// the core could not read or whose division it refused: "polinomio1",
// "polinomio2", "ponto", "condicoes", or "resposta" for a student's answer
// it could not read; null when none) and "posicao" (the character, from
// 1, where reading stopped; 0 when it did not fail), with a refusal of the
// question as the one box of "mensagens" (an unreadable answer is no
// refusal: it has no box); the worked solution as
// "resolucao_html" (to show, without its graph; the copies, graph
// included, come from CópiaEmJson when the user copies);
// "grafico_html", the graph's SVG element; "quociente", "resto",
// "factorizacao", "factorizacao_real" (in ℝ, surds as "(x-√2)"), "valor"
// and "sinais" (⟨-0+0-⟩) as texts; the summary's HTML of these
// (resumo_web.h); and "raizes",
// the distinct real roots by increasing value, each {"texto" (as the
// summary shows it: exact, else "≈" and the decimal in the page's
// language), "exacto" (empty with
// no exact form), "decimal" (ten significant digits), "valor" (the nearest
// double, a JSON number the page writes with String()), "multiplicidade"};
// "desenvolvimento"; "solucoes" (as "raizes"), "conjunto" and "quadro";
// "parametros", the list of a parameter problem's solutions ("a=2,b=3",
// the single "nenhum" when none); and the check of the student's answer:
// "veredicto" ("certo", "errado", or empty when nothing was checked or the
// answer could not be read), "erro" (the typical mistake's code) and
// "explicacao" (the sentence, or the reader's message).
// Whatever does not apply to the command, or follows a refusal, is empty.
//
// The spoken answer is {"fala": the drawn text in words}, with the given
// words, in the user's language, before each raise.
namespace vendrix::web {

// The translator of the page's language, for every command that has the
// core write a text for the user (boxes, worked solutions): pass it where
// the core asks for a runtime::Tradutor (resolucao::Tradutor is the same
// type). It reads the catalogue the page handed over, keyed by the
// Portuguese source text; a text the catalogue lacks stays in Portuguese.
[[nodiscard]] const runtime::Tradutor& TradutorDaPágina();

// The language whose texts are the catalogue's sources.
inline constexpr std::string_view LínguaDeOrigem = "pt";

// Takes the page's textos.json; the language goes back to Portuguese.
// Answers {"lidos": whether the text was a catalogue, "linguas": [...]}.
[[nodiscard]] std::string DefinirTextosEmJson(std::string_view textos);

// Chooses the language of the answers that follow: a language of the
// catalogue, else Portuguese. Answers {"lingua": the language chosen}.
[[nodiscard]] std::string DefinirLínguaEmJson(std::string_view língua);

[[nodiscard]] std::string SimplificarEmJson(std::string_view polinómio);
[[nodiscard]] std::string SomarEmJson(std::string_view polinómio1, std::string_view polinómio2);
[[nodiscard]] std::string SubtrairEmJson(std::string_view polinómio1, std::string_view polinómio2);
[[nodiscard]] std::string MultiplicarEmJson(std::string_view polinómio1, std::string_view polinómio2);
[[nodiscard]] std::string RuffiniEmJson(std::string_view dividendo, std::string_view divisor);
// Every exercise is given every box and reads those it needs; a question
// with an answer has it checked.
[[nodiscard]] std::string ExercícioEmJson(resolucao::Exercício exercício,
                                          const resolucao::Pergunta& pergunta);
// The worked solution of the last exercise run, graph included, in the
// asked format: "texto", "latex", or "html" (the copy, which the page puts
// on the clipboard with the text). Answers {"formato", "copia"}, the copy
// empty when that exercise was refused or gave no solution; another format
// is refused as an unknown command is (RecusaEmJson).
[[nodiscard]] std::string CópiaEmJson(std::string_view formato);
// The table of the Ruffini division of these texts, in the same formats
// and answered the same way: the last division's, when it divided them,
// else made again. The copy is empty when the division shows no table.
[[nodiscard]] std::string
QuadroEmJson(std::string_view formato, std::string_view dividendo, std::string_view divisor);
// "polinomio1", "polinomio2", "ponto", "condicoes", "resposta": the boxes'
// names in answers and links, and their ids on the page.
[[nodiscard]] std::string_view NomeDaCaixa(resolucao::Caixa caixa) noexcept;
[[nodiscard]] std::string FalarEmJson(std::string_view texto, std::string_view elevado);

} // namespace vendrix::web
