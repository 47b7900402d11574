// SPDX-License-Identifier: MIT
#include "resolucao/formula.h"

#include "algebra/expressao.h"
#include "display/exportar.h"
#include "runtime/utf8.h"

#include <algorithm>
#include <array>
#include <utility>
#include <variant>

namespace vendrix::resolucao {

namespace {

// The symbols a formula may hold besides a polynomial, and their LaTeX.
constexpr std::array<std::pair<std::string_view, std::string_view>, 23> Símbolos{{
    {"·", "\\cdot "},
    {"±", "\\pm "},
    {"≠", "\\neq "},
    {"∞", "\\infty "},
    {"Δ", "\\Delta "},
    {"−", "-"},
    {"≤", "\\leq "},
    {"≥", "\\geq "},
    {"≈", "\\approx "},
    {"∨", "\\vee "},
    {"⇔", "\\Leftrightarrow "},
    {"ℝ", "\\mathbf{R}"},
    {"ℂ", "\\mathbf{C}"},
    {"₀", "_0"},
    {"₁", "_1"},
    {"₂", "_2"},
    {"₃", "_3"},
    {"₄", "_4"},
    {"₅", "_5"},
    {"₆", "_6"},
    {"₇", "_7"},
    {"₈", "_8"},
    {"₉", "_9"},
}};

[[nodiscard]] bool Separa(char c) noexcept
{
    return std::string_view(" ()=,;:<>|").find(c) != std::string_view::npos ||
           static_cast<unsigned char>(c) >= 0x80;
}

// Walks the formula: each polynomial piece goes through peça, each other
// character through símbolo, which may take the piece after it (√ does).
template <typename Peça, typename Símbolo>
std::string Percorrer(std::string_view f, Peça peça, Símbolo símbolo)
{
    std::string saída;
    for (std::size_t i = 0; i < f.size();) {
        std::size_t fim = i;
        while (fim < f.size() && !Separa(f[fim]))
            ++fim;
        if (fim > i) {
            saída += peça(f.substr(i, fim - i));
            i = fim;
            continue;
        }
        const std::string_view c = runtime::CarácterEm(f, i);
        i += c.size();
        saída += símbolo(c, f, i);
    }
    return saída;
}

} // namespace

std::string TextoEmLaTeX(std::string_view texto)
{
    std::string tex;
    for (std::size_t i = 0; i < texto.size(); ++i) {
        const char c = texto[i];
        const std::string_view letra = runtime::CarácterEm(texto, i);
        // A sentence may name a symbol ("Δ < 0"), which only maths mode has.
        const auto símbolo = std::ranges::find_if(
            Símbolos, [&](const auto& s) { return letra.size() > 1 && s.first == letra; });
        if (símbolo != Símbolos.end()) {
            tex.append("$").append(símbolo->second).append("$");
            i += letra.size() - 1;
        } else if (std::string_view("#$%&_{}").find(c) != std::string_view::npos)
            tex.append("\\").push_back(c);
        else if (c == '\\')
            tex += "\\textbackslash{}";
        else if (c == '~')
            tex += "\\textasciitilde{}";
        else if (c == '^')
            tex += "\\textasciicircum{}";
        else if (c == '<' || c == '>')
            tex.append("$").append(1, c).append("$");
        else
            tex += c;
    }
    return tex;
}

std::string FórmulaEmHtml(std::string_view fórmula)
{
    return Percorrer(
        fórmula,
        [](std::string_view p) { return display::PolinómioEmHtml(p); },
        [](std::string_view c, std::string_view, std::size_t&) { return display::EscaparHtml(c); });
}

std::string FórmulaEmLaTeX(std::string_view fórmula)
{
    return Percorrer(
        fórmula,
        [](std::string_view p) { return display::PolinómioEmLaTeX(p); },
        [](std::string_view c, std::string_view f, std::size_t& i) {
            if (c == "√" && i < f.size() && f[i] == '(') {
                // A bracket under the sign, "√(b^2 - 4ac)", up to its match.
                std::size_t fim = i;
                int nível = 0;
                do
                    nível += f[fim] == '(' ? 1 : f[fim] == ')' ? -1 : 0;
                while (++fim < f.size() && nível > 0);
                const std::string radicando = FórmulaEmLaTeX(f.substr(i + 1, fim - i - 2));
                i = fim;
                return "\\sqrt{" + radicando + "}";
            }
            if (c == "√") {
                // Only the number under the sign: √3/2 is √3 over 2.
                std::size_t fim = i < f.size() && f[i] == '-' ? i + 1 : i;
                while (fim < f.size() && f[fim] >= '0' && f[fim] <= '9')
                    ++fim;
                const std::string radicando = display::PolinómioEmLaTeX(f.substr(i, fim - i));
                i = fim;
                return "\\sqrt{" + radicando + "}";
            }
            for (const auto& [símbolo, tex] : Símbolos)
                if (c == símbolo)
                    return std::string(tex);
            if (c == "|")
                return std::string("\\mid ");
            return c.size() == 1 ? std::string(c) : std::string();
        });
}

namespace {

template <typename Expressão, typename Texto>
std::string Escrever(const Fórmula& f, Expressão expressão, Texto texto)
{
    return std::visit(Sobrecarga{[&](const algebra::Expressão& e) { return expressão(e); },
                                 [&](const std::string& t) { return texto(t); }},
                      f.valor);
}

} // namespace

std::string TextoDe(const Fórmula& fórmula)
{
    return Escrever(fórmula, algebra::EscreverExpressão, [](const std::string& t) { return t; });
}

std::vector<std::vector<std::string>> Escritas(const std::vector<std::vector<Fórmula>>& grelha,
                                               std::string (*fórmula)(const Fórmula&))
{
    std::vector<std::vector<std::string>> escritas;
    escritas.reserve(grelha.size());
    for (const std::vector<Fórmula>& linha : grelha) {
        std::vector<std::string>& escrita = escritas.emplace_back();
        escrita.reserve(linha.size());
        for (const Fórmula& f : linha)
            escrita.push_back(fórmula(f));
    }
    return escritas;
}

std::string FraseEmTexto(const Frase& frase)
{
    return Substituir(
        frase, [](std::string_view t) { return std::string(t); }, TextoDe);
}

std::string HtmlDe(const Fórmula& fórmula)
{
    return Escrever(fórmula, algebra::ExpressãoEmHtml, [](const std::string& t) {
        return FórmulaEmHtml(std::string_view(t));
    });
}

std::string LaTeXDe(const Fórmula& fórmula)
{
    return Escrever(fórmula, algebra::ExpressãoEmLaTeX, [](const std::string& t) {
        return FórmulaEmLaTeX(std::string_view(t));
    });
}

} // namespace vendrix::resolucao
