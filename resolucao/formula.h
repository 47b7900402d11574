// SPDX-License-Identifier: MIT
#pragma once

#include "resolucao/documento.h"

#include <string>
#include <string_view>
#include <vector>

// A formula of a worked solution in HTML and in LaTeX's maths mode. The
// polynomial pieces between blanks, brackets, "=" and symbols such as "·"
// or "±" are written as the result area writes a polynomial, so that a
// raise ends where its piece ends: "(x+1)^2(x-1/2)" raises only the 2.
namespace vendrix::resolucao {

// Escaped, with <sup> for the raises.
[[nodiscard]] std::string FórmulaEmHtml(std::string_view fórmula);

// Fractions as \frac, raises as ^{…}, "√17" as \sqrt{17} and "√(…)" over
// the bracket, "·", "±", "≠", "∞", "Δ", "≈", "∨", "⇔", "ℝ", "ℂ", the
// subscripts "₀" … "₉" and "−" as their commands; without math delimiters.
[[nodiscard]] std::string FórmulaEmLaTeX(std::string_view fórmula);

// A formula in each format: an expression through the one writer, a text
// as above.
[[nodiscard]] std::string TextoDe(const Fórmula& fórmula);
[[nodiscard]] std::string HtmlDe(const Fórmula& fórmula);
[[nodiscard]] std::string LaTeXDe(const Fórmula& fórmula);

// Each cell of a table written by fórmula.
[[nodiscard]] std::vector<std::vector<std::string>> Escritas(const std::vector<std::vector<Fórmula>>& grelha,
                                                             std::string (*fórmula)(const Fórmula&));

// A sentence as plain text, its formulas put in.
[[nodiscard]] std::string FraseEmTexto(const Frase& frase);

// Text for LaTeX's text mode: its special characters as commands, and "<"
// and ">", which the default font lacks, in maths.
[[nodiscard]] std::string TextoEmLaTeX(std::string_view texto);

} // namespace vendrix::resolucao
