// SPDX-License-Identifier: MIT
#pragma once

#include "resolucao/documento.h"

#include <string>

// A worked solution leaves the core in three forms.
namespace vendrix::resolucao {

// An HTML fragment, one <div class="vx-resolucao">: no script, no style
// attribute, only classes for the front end's style sheet to dress (rules
// of the tables, the boxed remainder), every text escaped. The graph is an
// inline SVG image.
[[nodiscard]] std::string EmHtml(const Documento& documento);
// The same without its graphs, for a front end that shows each graph apart
// from the steps.
[[nodiscard]] std::string EmHtmlSemGráficos(const Documento& documento);

// A graph's caption alone, as HTML inline text, for a front end that shows
// the picture itself.
[[nodiscard]] std::string LegendaEmHtml(const Gráfico& gráfico);

// The body of a LaTeX document that compiles in a bare article with the
// amsmath package alone; the graph is a picture environment.
[[nodiscard]] std::string EmLaTeX(const Documento& documento);

// Plain text for the clipboard and for screen readers: one block after
// another with a blank line between them, tables in aligned columns,
// formulas indented by four blanks.
[[nodiscard]] std::string EmTexto(const Documento& documento);

} // namespace vendrix::resolucao
