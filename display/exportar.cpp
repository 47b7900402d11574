// SPDX-License-Identifier: MIT
#include "display/exportar.h"

#include "display/linha.h"
#include "runtime/utf8.h"

#include <algorithm>

namespace vendrix::display {

namespace {

[[nodiscard]] bool Algarismo(char c) noexcept { return c >= '0' && c <= '9'; }

// The raises of the drawing, as nested groups: Abrir when a character is
// to stand higher than the groups already open, Fechar when the line comes
// back. The caret itself never reaches the output.
struct Elevações
{
    int nível = 0;
    int abertos = 0;

    // Returns the number of groups to open before a character, or, for a
    // character that brings the line back, minus the number to close.
    [[nodiscard]] int Antes(std::string_view c) noexcept
    {
        if (Repõe(c)) {
            const int fechar = abertos;
            nível = abertos = 0;
            return -fechar;
        }
        const int abrir = nível - abertos;
        abertos = nível;
        return abrir;
    }
};

void Repetir(std::string& saída, std::string_view pedaço, int vezes)
{
    for (int k = 0; k < vezes; ++k)
        saída += pedaço;
}

// Runs of characters that need no escape go in whole.
void AcrescentarHtml(std::string& html, std::string_view texto)
{
    for (;;) {
        const auto fim =
            std::ranges::find_if(texto, [](char c) { return c == '&' || c == '<' || c == '>' || c == '"'; });
        const std::size_t especial =
            fim == texto.end() ? std::string_view::npos : static_cast<std::size_t>(fim - texto.begin());
        html.append(texto.substr(0, especial));
        if (especial == std::string_view::npos)
            return;
        switch (texto[especial]) {
        case '&':
            html += "&amp;";
            break;
        case '<':
            html += "&lt;";
            break;
        case '>':
            html += "&gt;";
            break;
        default:
            html += "&quot;";
        }
        texto.remove_prefix(especial + 1);
    }
}

// Empty stays empty: a table cell with no text is an empty cell. The
// characters between a raise and the line's return go in as one run.
[[nodiscard]] std::string HtmlDoTexto(std::string_view texto)
{
    std::string html;
    html.reserve(texto.size() * 2);
    Elevações e;
    for (std::size_t i = 0; i < texto.size();) {
        if (texto[i] == '^') {
            ++e.nível;
            ++i;
            continue;
        }
        const std::string_view c = texto.substr(i, 1);
        const std::size_t fim = Repõe(c) ? i + 1 : FimDaCorrida(texto, i);
        const int passo = e.Antes(c);
        Repetir(html, passo < 0 ? "</sup>" : "<sup>", passo < 0 ? -passo : passo);
        AcrescentarHtml(html, texto.substr(i, fim - i));
        i = fim;
    }
    Repetir(html, "</sup>", e.abertos);
    return html;
}

// A character LaTeX keeps for itself, escaped.
void AcrescentarTeX(std::string& tex, std::string_view c)
{
    if (c.size() == 1) {
        switch (c[0]) {
        case '#':
        case '$':
        case '%':
        case '&':
        case '_':
        case '{':
        case '}':
            tex += '\\';
            break;
        case '\\':
            tex += "\\backslash ";
            return;
        case '~':
            tex += "\\sim ";
            return;
        default:
            break;
        }
    }
    tex += c;
}

// Where the number that starts at i ends: digits with an optional decimal
// point, then an optional exponent ("E+07", "E-05"). i itself when no
// number starts there.
[[nodiscard]] std::size_t FimDoNúmero(std::string_view t, std::size_t i) noexcept
{
    std::size_t j = i;
    bool algarismos = false;
    for (; j < t.size() && Algarismo(t[j]); ++j)
        algarismos = true;
    if (j < t.size() && t[j] == '.')
        for (++j; j < t.size() && Algarismo(t[j]); ++j)
            algarismos = true;
    if (!algarismos)
        return i;
    if (j < t.size() && t[j] == 'E') {
        std::size_t k = j + 1;
        if (k < t.size() && (t[k] == '+' || t[k] == '-'))
            ++k;
        if (k < t.size() && Algarismo(t[k])) {
            while (k < t.size() && Algarismo(t[k]))
                ++k;
            return k;
        }
    }
    return j;
}

// "1.234568E+07" as "1.234568\cdot 10^{7}", "1E-05" as "1\cdot 10^{-5}".
void AcrescentarNúmeroEmLaTeX(std::string& tex, std::string_view número)
{
    const std::size_t e = número.find('E');
    if (e == std::string_view::npos) {
        tex += número;
        return;
    }
    std::string_view expoente = número.substr(e + 1);
    const bool negativo = expoente.front() == '-';
    if (expoente.front() == '+' || negativo)
        expoente.remove_prefix(1);
    while (expoente.size() > 1 && expoente.front() == '0')
        expoente.remove_prefix(1);
    tex.append(número.substr(0, e))
        .append("\\cdot 10^{")
        .append(negativo ? "-" : "")
        .append(expoente)
        .append("}");
}

// Empty stays empty, as for HTML. A number on the line, and a fraction of
// two such numbers, become one piece of LaTeX; raised characters are taken
// one by one, as they are drawn.
[[nodiscard]] std::string LaTeXDoTexto(std::string_view texto)
{
    std::string tex;
    tex.reserve(texto.size() * 2);
    Elevações e;
    for (std::size_t i = 0; i < texto.size();) {
        const std::string_view c = runtime::CarácterEm(texto, i);
        if (c == "^") {
            ++e.nível;
            ++i;
            continue;
        }
        const int passo = e.Antes(c);
        Repetir(tex, passo < 0 ? "}" : "^{", passo < 0 ? -passo : passo);
        const std::size_t fim = e.abertos == 0 ? FimDoNúmero(texto, i) : i;
        if (fim == i) {
            AcrescentarTeX(tex, c);
            i += c.size();
            continue;
        }
        const std::string_view número = texto.substr(i, fim - i);
        i = fim;
        const std::size_t fimDen = i < texto.size() && texto[i] == '/' ? FimDoNúmero(texto, i + 1) : i;
        if (fimDen <= i + 1) {
            AcrescentarNúmeroEmLaTeX(tex, número);
            continue;
        }
        tex += "\\frac{";
        AcrescentarNúmeroEmLaTeX(tex, número);
        tex += "}{";
        AcrescentarNúmeroEmLaTeX(tex, texto.substr(i + 1, fimDen - i - 1));
        tex += '}';
        i = fimDen;
    }
    Repetir(tex, "}", e.abertos);
    return tex;
}

// The table's width: the widest of its rows, the middle row counting from
// column 1.
[[nodiscard]] std::size_t Colunas(const QuadroRuffini& q) noexcept
{
    return std::max({q.Coef.size(), q.Ter.size(), q.Seg.size() + 1});
}

[[nodiscard]] std::string Célula(const std::vector<std::string>& linha, std::size_t i)
{
    return i < linha.size() ? linha[i] : std::string();
}

// A spreadsheet reads a pasted "1/2" as a date: a fraction goes as the
// formula ="1/2", which it shows as the text 1/2.
std::string CélulaDeFolha(const std::string& c)
{
    return c.find('/') == std::string::npos ? c : "=\"" + c + '"';
}

} // namespace

std::string EscaparHtml(std::string_view texto)
{
    std::string html;
    AcrescentarHtml(html, texto);
    return html;
}

std::string PolinómioEmTexto(std::string_view polinómio)
{
    return polinómio.empty() ? std::string("0") : std::string(polinómio);
}

std::string PolinómioEmHtml(std::string_view polinómio)
{
    return polinómio.empty() ? std::string("0") : HtmlDoTexto(polinómio);
}

std::string PolinómioEmLaTeX(std::string_view polinómio)
{
    return polinómio.empty() ? std::string("0") : LaTeXDoTexto(polinómio);
}

std::string QuadroEmTexto(const QuadroRuffini& quadro)
{
    std::string texto;
    for (const std::string& c : quadro.Coef)
        texto.append("\t").append(CélulaDeFolha(c));
    texto.append("\n").append(CélulaDeFolha(quadro.Div)).append("\t");
    for (const std::string& c : quadro.Seg)
        texto.append("\t").append(CélulaDeFolha(c));
    texto.append("\n");
    for (const std::string& c : quadro.Ter)
        texto.append("\t").append(CélulaDeFolha(c));
    texto.append("\nQ(x) = ").append(PolinómioEmTexto(quadro.quociente));
    texto.append("\nR = ").append(quadro.resto).append("\n");
    return texto;
}

std::string QuadroEmLaTeX(const QuadroRuffini& quadro)
{
    const std::size_t n = Colunas(quadro);
    std::string tex = "\\[\n\\begin{array}{c|";
    tex.append(n, 'c').append("}\n");
    for (std::size_t i = 0; i < n; ++i)
        tex.append(" & ").append(LaTeXDoTexto(Célula(quadro.Coef, i)));
    tex.append(" \\\\\n").append(LaTeXDoTexto(quadro.Div)).append(" & ");
    for (std::size_t i = 0; i + 1 < n; ++i)
        tex.append(" & ").append(LaTeXDoTexto(Célula(quadro.Seg, i)));
    tex.append(" \\\\\n\\hline\n");
    for (std::size_t i = 0; i < n; ++i) {
        const std::string célula = LaTeXDoTexto(Célula(quadro.Ter, i));
        tex.append(" & ").append(i + 1 == n ? "\\boxed{" + célula + "}" : célula);
    }
    tex.append("\n\\end{array}\n\\]\n\\[Q(x) = ").append(PolinómioEmLaTeX(quadro.quociente));
    tex.append("\\]\n\\[R = ").append(LaTeXDoTexto(quadro.resto)).append("\\]\n");
    return tex;
}

std::string QuadroEmHtml(const QuadroRuffini& quadro)
{
    constexpr std::string_view Traço = "1px solid black";
    const std::size_t n = Colunas(quadro);
    // One cell; the root column has a rule at its right, the bottom row a
    // rule above it, and the remainder a box, as the table is drawn.
    const auto célula = [&](std::string& html, std::string_view texto, std::string_view borda) {
        html.append("<td style=\"padding:2px 8px;text-align:center").append(borda).append("\">");
        html.append(HtmlDoTexto(texto)).append("</td>");
    };
    const std::string direita = std::string(";border-right:").append(Traço);
    const std::string cima = std::string(";border-top:").append(Traço);
    const std::string caixa = std::string(";border:").append(Traço);
    std::string html = "<table style=\"border-collapse:collapse\">\n<tr>";
    célula(html, "", direita);
    for (std::size_t i = 0; i < n; ++i)
        célula(html, Célula(quadro.Coef, i), "");
    html.append("</tr>\n<tr>");
    célula(html, quadro.Div, direita);
    célula(html, "", "");
    for (std::size_t i = 0; i + 1 < n; ++i)
        célula(html, Célula(quadro.Seg, i), "");
    html.append("</tr>\n<tr>");
    célula(html, "", direita + cima);
    for (std::size_t i = 0; i < n; ++i)
        célula(html, Célula(quadro.Ter, i), i + 1 == n ? caixa : cima);
    html.append("</tr>\n</table>\n<p>Q(x) = ").append(PolinómioEmHtml(quadro.quociente));
    html.append("</p>\n<p>R = ").append(HtmlDoTexto(quadro.resto)).append("</p>\n");
    return html;
}

} // namespace vendrix::display
