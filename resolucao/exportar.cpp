// SPDX-License-Identifier: MIT
// The HTML and LaTeX forms of a worked solution.
#include "resolucao/exportar.h"

#include "resolucao/formula.h"

#include <algorithm>

namespace vendrix::resolucao {

namespace {

[[nodiscard]] std::string FórmulaEmLinhaHtml(std::string_view f)
{
    return "<span class=\"vx-formula\">" + FórmulaEmHtml(f) + "</span>";
}

[[nodiscard]] std::string FórmulaEmLinhaLaTeX(std::string_view f) { return "$" + FórmulaEmLaTeX(f) + "$"; }

void CélulaHtml(std::string& html, std::string_view classe, std::string_view fórmula)
{
    html.append("<td");
    if (!classe.empty())
        html.append(" class=\"").append(classe).append("\"");
    html.append(">").append(FórmulaEmHtml(fórmula)).append("</td>");
}

void RuffiniHtml(std::string& html, const TabelaRuffini& t)
{
    const std::size_t n = t.coeficientes.size();
    html.append("<table class=\"vx-ruffini\">\n<tr>");
    CélulaHtml(html, "vx-raiz", "");
    for (const std::string& c : t.coeficientes)
        CélulaHtml(html, "", c);
    html.append("</tr>\n<tr>");
    CélulaHtml(html, "vx-raiz", t.raiz);
    CélulaHtml(html, "", "");
    for (const std::string& c : t.produtos)
        CélulaHtml(html, "", c);
    html.append("</tr>\n<tr class=\"vx-somas\">");
    CélulaHtml(html, "vx-raiz", "");
    for (std::size_t i = 0; i < t.somas.size(); ++i)
        CélulaHtml(html, i + 1 == n ? "vx-resto" : "", t.somas[i]);
    html.append("</tr>\n</table>\n");
}

void LongaHtml(std::string& html, const DivisãoLonga& d)
{
    std::size_t colunas = 0;
    for (const auto& linha : d.linhas)
        colunas = std::max(colunas, linha.size());
    html.append("<table class=\"vx-divisao\">\n");
    for (std::size_t r = 0; r < d.linhas.size(); ++r) {
        const bool traço = r < d.subtraídas.size() && d.subtraídas[r];
        html.append(traço ? "<tr class=\"vx-subtraida\">" : "<tr>");
        for (std::size_t i = 0; i < colunas; ++i)
            CélulaHtml(html, "", i < d.linhas[r].size() ? d.linhas[r][i] : "");
        if (r == 0)
            CélulaHtml(html, "vx-divisor", d.divisor);
        else if (r == 1)
            CélulaHtml(html, "vx-quociente", d.quociente);
        html.append("</tr>\n");
    }
    html.append("</table>\n");
}

void SinaisHtml(std::string& html, const TabelaDeSinais& s)
{
    html.append("<table class=\"vx-sinais\">\n<tr>");
    CélulaHtml(html, "vx-rotulo", "x");
    CélulaHtml(html, "", "−∞");
    for (std::size_t i = 0; i < s.sinais.size(); ++i)
        CélulaHtml(html, "", i % 2 == 1 && i / 2 < s.raízes.size() ? s.raízes[i / 2] : "");
    CélulaHtml(html, "", "+∞");
    html.append("</tr>\n<tr>");
    CélulaHtml(html, "vx-rotulo", s.função);
    CélulaHtml(html, "", "");
    for (const char sinal : s.sinais)
        CélulaHtml(html, "", sinal == '-' ? "−" : std::string(1, sinal));
    CélulaHtml(html, "", "");
    html.append("</tr>\n</table>\n");
}

void RuffiniLaTeX(std::string& tex, const TabelaRuffini& t)
{
    const std::size_t n = t.coeficientes.size();
    tex.append("\\[\n\\begin{array}{r|").append(n > 1 ? n - 1 : 0, 'r').append(n > 1 ? "|r" : "r");
    tex.append("}\n");
    for (const std::string& c : t.coeficientes)
        tex.append(" & ").append(FórmulaEmLaTeX(c));
    tex.append(" \\\\\n").append(FórmulaEmLaTeX(t.raiz)).append(" & ");
    for (const std::string& c : t.produtos)
        tex.append(" & ").append(FórmulaEmLaTeX(c));
    tex.append(" \\\\\n\\cline{2-").append(std::to_string(n + 1)).append("}\n");
    for (std::size_t i = 0; i < t.somas.size(); ++i) {
        const std::string c = FórmulaEmLaTeX(t.somas[i]);
        tex.append(" & ").append(i + 1 == n ? "\\boxed{" + c + "}" : c);
    }
    tex.append("\n\\end{array}\n\\]\n");
}

void LongaLaTeX(std::string& tex, const DivisãoLonga& d)
{
    std::size_t colunas = 0;
    for (const auto& linha : d.linhas)
        colunas = std::max(colunas, linha.size());
    tex.append("\\[\n\\begin{array}{").append(colunas, 'r').append("|l}\n");
    for (std::size_t r = 0; r < d.linhas.size(); ++r) {
        for (std::size_t i = 0; i < colunas; ++i)
            tex.append(i == 0 ? "" : " & ")
                .append(i < d.linhas[r].size() ? FórmulaEmLaTeX(d.linhas[r][i]) : "");
        tex.append(" & ").append(r == 0   ? FórmulaEmLaTeX(d.divisor)
                                 : r == 1 ? FórmulaEmLaTeX(d.quociente)
                                          : "");
        tex.append(" \\\\\n");
        const std::string direita = std::to_string(colunas + 1);
        if (r == 0)
            tex.append("\\cline{").append(direita).append("-").append(direita).append("}\n");
        if (r < d.subtraídas.size() && d.subtraídas[r])
            tex.append("\\cline{1-").append(std::to_string(colunas)).append("}\n");
    }
    tex.append("\\end{array}\n\\]\n");
}

void SinaisLaTeX(std::string& tex, const TabelaDeSinais& s)
{
    tex.append("\\[\n\\begin{array}{c|").append(s.sinais.size() + 2, 'c').append("}\nx & -\\infty");
    for (std::size_t i = 0; i < s.sinais.size(); ++i)
        tex.append(" & ").append(i % 2 == 1 && i / 2 < s.raízes.size() ? FórmulaEmLaTeX(s.raízes[i / 2])
                                                                       : "");
    tex.append(" & +\\infty \\\\\n\\hline\n").append(FórmulaEmLaTeX(s.função)).append(" & ");
    for (const char sinal : s.sinais)
        tex.append(" & ").append(1, sinal);
    tex.append(" & \n\\end{array}\n\\]\n");
}

} // namespace

std::string EmHtml(const Documento& documento)
{
    std::string html = "<div class=\"vx-resolucao\">\n";
    for (const Bloco& bloco : documento.blocos) {
        if (const auto* t = std::get_if<Título>(&bloco))
            html.append("<h3 class=\"vx-titulo\">")
                .append(Substituir(t->frase, TextoEmHtml, FórmulaEmLinhaHtml))
                .append("</h3>\n");
        else if (const auto* f = std::get_if<Frase>(&bloco))
            html.append("<p class=\"vx-frase\">")
                .append(Substituir(*f, TextoEmHtml, FórmulaEmLinhaHtml))
                .append("</p>\n");
        else if (const auto* m = std::get_if<Fórmula>(&bloco))
            html.append("<p class=\"vx-formula\">").append(FórmulaEmHtml(m->texto)).append("</p>\n");
        else if (const auto* r = std::get_if<TabelaRuffini>(&bloco))
            RuffiniHtml(html, *r);
        else if (const auto* d = std::get_if<DivisãoLonga>(&bloco))
            LongaHtml(html, *d);
        else if (const auto* s = std::get_if<TabelaDeSinais>(&bloco))
            SinaisHtml(html, *s);
        else if (const auto* g = std::get_if<Gráfico>(&bloco))
            html.append("<figure class=\"vx-grafico\">\n")
                .append(g->svg)
                .append("<figcaption>")
                .append(TextoEmHtml(g->descrição))
                .append("</figcaption>\n</figure>\n");
    }
    return html.append("</div>\n");
}

std::string EmLaTeX(const Documento& documento)
{
    std::string tex;
    for (const Bloco& bloco : documento.blocos) {
        if (const auto* t = std::get_if<Título>(&bloco))
            tex.append("\\subsection*{")
                .append(Substituir(t->frase, TextoEmLaTeX, FórmulaEmLinhaLaTeX))
                .append("}\n\n");
        else if (const auto* f = std::get_if<Frase>(&bloco))
            tex.append(Substituir(*f, TextoEmLaTeX, FórmulaEmLinhaLaTeX)).append("\n\n");
        else if (const auto* m = std::get_if<Fórmula>(&bloco))
            tex.append("\\[").append(FórmulaEmLaTeX(m->texto)).append("\\]\n\n");
        else if (const auto* r = std::get_if<TabelaRuffini>(&bloco))
            RuffiniLaTeX(tex, *r);
        else if (const auto* d = std::get_if<DivisãoLonga>(&bloco))
            LongaLaTeX(tex, *d);
        else if (const auto* s = std::get_if<TabelaDeSinais>(&bloco))
            SinaisLaTeX(tex, *s);
        else if (const auto* g = std::get_if<Gráfico>(&bloco))
            tex.append("\\begin{center}\n")
                .append(g->picture)
                .append("\\end{center}\n")
                .append(TextoEmLaTeX(g->descrição))
                .append("\n\n");
    }
    return tex;
}

} // namespace vendrix::resolucao
