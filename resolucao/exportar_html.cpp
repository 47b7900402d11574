// SPDX-License-Identifier: MIT
// The HTML form of a worked solution.
#include "algebra/expressao.h"
#include "display/exportar.h"
#include "resolucao/exportar.h"
#include "resolucao/formula.h"
#include "resolucao/grafico.h"

#include <algorithm>

namespace vendrix::resolucao {

namespace {

[[nodiscard]] std::string FórmulaEmLinhaHtml(const Fórmula& f)
{
    return "<span class=\"vx-formula\">" + HtmlDe(f) + "</span>";
}

[[nodiscard]] std::string Escapar(std::string_view texto) { return display::EscaparHtml(texto); }

// A cell holding the given HTML.
void Célula(std::string& html, std::string_view classe, std::string_view conteúdo)
{
    html.append("<td");
    if (!classe.empty())
        html.append(" class=\"").append(classe).append("\"");
    html.append(">").append(conteúdo).append("</td>");
}

void CélulaHtml(std::string& html, std::string_view classe, const algebra::Racional& número)
{
    Célula(html, classe, algebra::ExpressãoEmHtml(algebra::Número(número)));
}

void RuffiniHtml(std::string& html, const TabelaRuffini& t)
{
    const std::size_t n = t.coeficientes.size();
    html.append("<table class=\"vx-ruffini\">\n<tr>");
    Célula(html, "vx-raiz", "");
    for (const algebra::Racional& c : t.coeficientes)
        CélulaHtml(html, "", c);
    html.append("</tr>\n<tr>");
    CélulaHtml(html, "vx-raiz", t.raiz);
    Célula(html, "", "");
    for (const algebra::Racional& c : t.produtos)
        CélulaHtml(html, "", c);
    html.append("</tr>\n<tr class=\"vx-somas\">");
    Célula(html, "vx-raiz", "");
    for (std::size_t i = 0; i < t.somas.size(); ++i)
        CélulaHtml(html, i + 1 == n ? "vx-resto" : "", t.somas[i]);
    html.append("</tr>\n</table>\n");
}

void LongaHtml(std::string& html, const DivisãoLonga& d)
{
    const std::vector<std::vector<std::string>> linhas = d.Escritas(HtmlDe);
    std::size_t colunas = 0;
    for (const auto& linha : linhas)
        colunas = std::max(colunas, linha.size());
    html.append("<table class=\"vx-divisao\">\n");
    for (std::size_t r = 0; r < linhas.size(); ++r) {
        const bool traço = r < d.subtraídas.size() && d.subtraídas[r];
        html.append(traço ? "<tr class=\"vx-subtraida\">" : "<tr>");
        for (std::size_t i = 0; i < colunas; ++i)
            Célula(html, "", i < linhas[r].size() ? linhas[r][i] : "");
        if (r == 0)
            Célula(html, "vx-divisor", HtmlDe(d.divisor));
        else if (r == 1)
            Célula(html, "vx-quociente", HtmlDe(d.quociente));
        html.append("</tr>\n");
    }
    html.append("</table>\n");
}

void SinaisHtml(std::string& html, const TabelaDeSinais& s)
{
    html.append("<table class=\"vx-sinais\">\n");
    for (const std::vector<std::string>& linha : Escritas(LinhasDoQuadro(s), HtmlDe)) {
        html.append("<tr>");
        for (std::size_t i = 0; i < linha.size(); ++i)
            Célula(html, i == 0 ? "vx-rotulo" : "", linha[i] == "-" ? "−" : linha[i]);
        html.append("</tr>\n");
    }
    html.append("</table>\n");
}

} // namespace

std::string LegendaEmHtml(const Gráfico& gráfico)
{
    std::string html;
    for (std::size_t i = 0; i < gráfico.descrição.size(); ++i)
        html.append(i == 0 ? "" : " ").append(Substituir(gráfico.descrição[i], Escapar, FórmulaEmLinhaHtml));
    return html;
}

namespace {

std::string Html(const Documento& documento, bool comGráficos)
{
    std::string html = "<div class=\"vx-resolucao\">\n";
    const Sobrecarga bloco{
        [&](const Título& t) {
            html.append("<h3 class=\"vx-titulo\">")
                .append(Substituir(t.frase, Escapar, FórmulaEmLinhaHtml))
                .append("</h3>\n");
        },
        [&](const Frase& f) {
            html.append("<p class=\"vx-frase\">")
                .append(Substituir(f, Escapar, FórmulaEmLinhaHtml))
                .append("</p>\n");
        },
        [&](const Destaque& m) {
            html.append("<p class=\"vx-formula\">").append(HtmlDe(m.fórmula)).append("</p>\n");
        },
        [&](const TabelaRuffini& r) { RuffiniHtml(html, r); },
        [&](const DivisãoLonga& d) { LongaHtml(html, d); },
        [&](const TabelaDeSinais& s) { SinaisHtml(html, s); },
        [&](const Gráfico& g) {
            if (!comGráficos)
                return;
            html.append("<figure class=\"vx-grafico\">\n")
                .append(SvgDoGráfico(g))
                .append("<figcaption>")
                .append(LegendaEmHtml(g))
                .append("</figcaption>\n</figure>\n");
        },
    };
    for (const Bloco& b : documento.blocos)
        std::visit(bloco, b);
    return html.append("</div>\n");
}

} // namespace

std::string EmHtml(const Documento& documento) { return Html(documento, true); }

std::string EmHtmlSemGráficos(const Documento& documento) { return Html(documento, false); }

} // namespace vendrix::resolucao
