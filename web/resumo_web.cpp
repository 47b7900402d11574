// SPDX-License-Identifier: MIT
#include "web/resumo_web.h"

#include "display/exportar.h"
#include "resolucao/formula.h"

#include <string>

namespace vendrix::web {

namespace {

std::string Célula(std::string_view texto) { return "<td>" + display::EscaparHtml(texto) + "</td>"; }

// A root as the summary's list names it: exact, else its decimal after "≈".
std::string Raiz(const resolucao::RaizDoExercício& raiz)
{
    return raiz.exacta.empty() ? "≈" + raiz.decimal : raiz.exacta;
}

// The signs "-0+0-" hold a sign for each interval and a 0 at each root
// between them, so the roots' list has exactly half as many entries, less
// one; anything else is shown as no table.
std::string SinaisEmHtml(std::string_view sinais, const std::vector<resolucao::RaizDoExercício>& raízes)
{
    if (sinais.empty() || sinais.size() != 2 * raízes.size() + 1)
        return {};
    std::string x = "<tr><th scope=\"row\">x</th>" + Célula("−∞");
    std::string p = "<tr><th scope=\"row\">P(x)</th><td></td>";
    for (std::size_t i = 0; i < sinais.size(); ++i) {
        const char s = sinais[i];
        p += Célula(s == '-' ? "−" : s == '+' ? "+" : "0");
        x += i % 2 == 1 ? "<td class=\"vx-raiz\">" + resolucao::FórmulaEmHtml(Raiz(raízes[i / 2])) + "</td>"
                        : std::string("<td></td>");
    }
    x += Célula("+∞") + "</tr>";
    p += "<td></td></tr>";
    return "<table class=\"vx-sinais-resumo\">" + x + p + "</table>";
}

std::string EmHtml(std::string_view fórmula)
{
    return fórmula.empty() ? "" : resolucao::FórmulaEmHtml(fórmula);
}

} // namespace

void EscreverResumo(EscritorJson& json, const resolucao::Resolução& r)
{
    json.Texto("factorizacao_html", EmHtml(r.factorização));
    json.Texto("factorizacao_real_html", EmHtml(r.factorizaçãoReal));
    json.Texto("sinais_html", SinaisEmHtml(r.sinais, r.raízes));
}

} // namespace vendrix::web
