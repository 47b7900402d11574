// SPDX-License-Identifier: MIT
// The LaTeX form of a worked solution.
#include "algebra/expressao.h"
#include "resolucao/exportar.h"
#include "resolucao/formula.h"
#include "resolucao/grafico.h"

#include <algorithm>

namespace vendrix::resolucao {

namespace {

[[nodiscard]] std::string FórmulaEmLinhaLaTeX(const Fórmula& f) { return "$" + LaTeXDe(f) + "$"; }

// A number as maths: "-\frac{1}{2}".
[[nodiscard]] std::string NúmeroEmLaTeX(const algebra::Racional& r)
{
    return algebra::ExpressãoEmLaTeX(algebra::Número(r));
}

void RuffiniLaTeX(std::string& tex, const TabelaRuffini& t)
{
    const std::size_t n = t.coeficientes.size();
    tex.append("\\[\n\\begin{array}{r|").append(n > 1 ? n - 1 : 0, 'r').append(n > 1 ? "|r" : "r");
    tex.append("}\n");
    for (const algebra::Racional& c : t.coeficientes)
        tex.append(" & ").append(NúmeroEmLaTeX(c));
    tex.append(" \\\\\n").append(NúmeroEmLaTeX(t.raiz)).append(" & ");
    for (const algebra::Racional& c : t.produtos)
        tex.append(" & ").append(NúmeroEmLaTeX(c));
    tex.append(" \\\\\n\\cline{2-").append(std::to_string(n + 1)).append("}\n");
    for (std::size_t i = 0; i < t.somas.size(); ++i) {
        const std::string c = NúmeroEmLaTeX(t.somas[i]);
        tex.append(" & ").append(i + 1 == n ? "\\boxed{" + c + "}" : c);
    }
    tex.append("\n\\end{array}\n\\]\n");
}

void LongaLaTeX(std::string& tex, const DivisãoLonga& d)
{
    const std::vector<std::vector<std::string>> linhas = d.Escritas(LaTeXDe);
    std::size_t colunas = 0;
    for (const auto& linha : linhas)
        colunas = std::max(colunas, linha.size());
    tex.append("\\[\n\\begin{array}{").append(colunas, 'r').append("|l}\n");
    for (std::size_t r = 0; r < linhas.size(); ++r) {
        for (std::size_t i = 0; i < colunas; ++i)
            tex.append(i == 0 ? "" : " & ").append(i < linhas[r].size() ? linhas[r][i] : "");
        tex.append(" & ").append(r == 0 ? LaTeXDe(d.divisor) : r == 1 ? LaTeXDe(d.quociente) : "");
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
    const std::vector<std::vector<std::string>> linhas = Escritas(LinhasDoQuadro(s), LaTeXDe);
    tex.append("\\[\n\\begin{array}{c|").append(linhas.front().size() - 1, 'c').append("}\n");
    for (std::size_t r = 0; r < linhas.size(); ++r) {
        for (std::size_t i = 0; i < linhas[r].size(); ++i)
            tex.append(i == 0 ? "" : " & ").append(linhas[r][i]);
        tex.append(r + 1 < linhas.size() ? " \\\\\n\\hline\n" : "\n");
    }
    tex.append("\\end{array}\n\\]\n");
}

} // namespace

std::string EmLaTeX(const Documento& documento)
{
    std::string tex;
    const Sobrecarga bloco{
        [&](const Título& t) {
            tex.append("\\subsection*{")
                .append(Substituir(t.frase, TextoEmLaTeX, FórmulaEmLinhaLaTeX))
                .append("}\n\n");
        },
        [&](const Frase& f) { tex.append(Substituir(f, TextoEmLaTeX, FórmulaEmLinhaLaTeX)).append("\n\n"); },
        [&](const Destaque& m) { tex.append("\\[").append(LaTeXDe(m.fórmula)).append("\\]\n\n"); },
        [&](const TabelaRuffini& r) { RuffiniLaTeX(tex, r); },
        [&](const DivisãoLonga& d) { LongaLaTeX(tex, d); },
        [&](const TabelaDeSinais& s) { SinaisLaTeX(tex, s); },
        [&](const Gráfico& g) {
            tex.append("\\begin{center}\n").append(PictureDoGráfico(g)).append("\\end{center}\n");
            for (const Frase& f : g.descrição)
                tex.append(Substituir(f, TextoEmLaTeX, FórmulaEmLinhaLaTeX)).append("\n");
            tex.append("\n");
        },
    };
    for (const Bloco& b : documento.blocos)
        std::visit(bloco, b);
    return tex;
}

} // namespace vendrix::resolucao
