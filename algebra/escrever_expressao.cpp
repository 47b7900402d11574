// SPDX-License-Identifier: MIT
// The one writer of expressions, to text, HTML, LaTeX and speech: the
// shape of what is written (which brackets, which signs) is decided once,
// and each format only says how a sign, a power or a fraction looks.
#include "algebra/escrever.h"
#include "algebra/expressao.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace vendrix::algebra {

namespace {

struct Estilo
{
    std::string mais, menos, vezes, sobre, abre, fecha;
    std::string potênciaAntes, potênciaDepois, raizAntes, raizDepois;
    std::array<std::string, 8> relações; // =, <, ≤, >, ≥, ≠, ≈, ⇔
    std::string maisOuMenos;
    // How a name, a decimal or a word is written: "Q₁" as "Q_{1}" in LaTeX.
    std::string (*palavra)(std::string_view);
    bool fracções = false;         // LaTeX's \frac, which needs no brackets
    bool juntar = true;            // a product may be written without its sign: "2x"
    std::string antesDoMenos = {}; // what parts a term from a minus that takes the place of +

    // The signs of sets: ∞, an interval's ends open and closed, a finite
    // set's braces, ∪, ℝ, ∅ and "without".
    struct Conjuntos
    {
        std::string infinito = "∞", abreFechado = "[", abreAberto = "]", fechaFechado = "]",
                    fechaAberto = "[";
        std::string abreChaves = "{", fechaChaves = "}", união = " ∪ ", reais = "ℝ", vazio = "∅",
                    semOs = " \\ ";
    } conjuntos = {};
};

// A sign without the blanks around it, to stand before its one member:
// "±1", "≈1,618".
std::string Aparado(const std::string& sinal)
{
    const std::size_t início = sinal.find_first_not_of(' '), fim = sinal.find_last_not_of(' ');
    return início == std::string::npos ? std::string() : sinal.substr(início, fim + 1 - início);
}

// Whether a decimal with a comma is among the members of a set, which are
// then parted by "; ".
bool TemVírgula(const Expressão& e)
{
    return (e.nó == Nó::Decimal && e.nome.find(',') != std::string::npos) ||
           std::ranges::any_of(e.filhos, TemVírgula);
}

std::string Tal(std::string_view texto) { return std::string(texto); }

std::string EmHtml(std::string_view texto)
{
    std::string html;
    for (const char c : texto)
        html += c == '<'   ? "&lt;"
                : c == '>' ? "&gt;"
                : c == '&' ? "&amp;"
                : c == '-' ? "−"
                           : std::string(1, c);
    return html;
}

// The symbols a name or a word may hold, and their LaTeX.
constexpr std::array<std::pair<std::string_view, std::string_view>, 13> SímbolosLaTeX{{
    {"Δ", "\\Delta "},
    {"∨", "\\vee "},
    {"₀", "_{0}"},
    {"₁", "_{1}"},
    {"₂", "_{2}"},
    {"₃", "_{3}"},
    {"₄", "_{4}"},
    {"₅", "_{5}"},
    {"₆", "_{6}"},
    {"₇", "_{7}"},
    {"₈", "_{8}"},
    {"₉", "_{9}"},
    {",", "{,}"},
}};

std::string EmLaTeX(std::string_view texto)
{
    std::string tex;
    std::string letras; // a word, which maths mode would set as a product
    const auto acabarPalavra = [&] {
        if (letras.size() > 1)
            tex.append("\\mbox{ ").append(letras).append(" }");
        else
            tex += letras;
        letras.clear();
    };
    for (std::size_t i = 0; i < texto.size();) {
        const auto símbolo = std::ranges::find_if(
            SímbolosLaTeX, [&](const auto& s) { return texto.substr(i).starts_with(s.first); });
        if (símbolo != SímbolosLaTeX.end()) {
            acabarPalavra();
            tex += símbolo->second;
            i += símbolo->first.size();
        } else if ((texto[i] >= 'a' && texto[i] <= 'z') || (texto[i] >= 'A' && texto[i] <= 'Z')) {
            letras += texto[i++];
        } else {
            acabarPalavra();
            tex += texto[i++];
        }
    }
    acabarPalavra();
    return tex;
}

std::string Fracção(const std::string& a, const std::string& b) { return "\\frac{" + a + "}{" + b + "}"; }

// A sum, or a sum and difference at once, which a factor brackets.
bool ÉSoma(const Expressão& e) { return e.nó == Nó::Soma || e.nó == Nó::MaisOuMenos; }

// A non-negative integer, x, a parameter: written with nothing to bracket.
bool ÉÁtomo(const Expressão& e)
{
    return (e.nó == Nó::Número && e.número.sign() >= 0 && denominator(e.número) == 1) || e.nó == Nó::X ||
           e.nó == Nó::Parâmetro || e.nó == Nó::Nome;
}

// Whether the written form starts with a digit, so that a product before it
// needs its sign: "2·3", "x·2^3".
bool ComeçaPorAlgarismo(const Expressão& e)
{
    switch (e.nó) {
    case Nó::Número:
        return e.número.sign() >= 0;
    case Nó::Decimal:
        return !e.nome.starts_with('-');
    case Nó::Produto:
    case Nó::Potência:
    case Nó::Quociente:
        return ComeçaPorAlgarismo(e.filhos.front());
    default:
        return false;
    }
}

class Escritor
{
public:
    explicit Escritor(const Estilo& estilo)
        : s(estilo)
    {}

    std::string Escrever(const Expressão& e) const;

private:
    std::string Parênteses(const std::string& t) const { return s.abre + t + s.fecha; }

    std::string NúmeroPositivo(const Racional& r) const
    {
        if (denominator(r) == 1)
            return EscreverInteiro(numerator(r));
        if (s.fracções)
            return Fracção(EscreverInteiro(numerator(r)), EscreverInteiro(denominator(r)));
        return EscreverInteiro(numerator(r)) + s.sobre + EscreverInteiro(denominator(r));
    }

    std::string Soma(const Expressão& e) const;
    std::string Produto(const Expressão& e) const;
    std::string Potência(const Expressão& e) const;
    std::string Quociente(const Expressão& e) const;
    std::string Raiz(const Expressão& e) const;
    std::string Juntos(const Expressão& e, const std::string& entre) const;
    std::string Separador(const Expressão& e) const;

    const Estilo& s;
};

std::string Escritor::Escrever(const Expressão& e) const
{
    switch (e.nó) {
    case Nó::Número:
        return e.número.sign() < 0 ? s.menos + NúmeroPositivo(-e.número) : NúmeroPositivo(e.número);
    case Nó::X:
        return "x";
    case Nó::Parâmetro:
        return std::string(1, e.letra);
    case Nó::Soma:
        return Soma(e);
    case Nó::Produto:
        return Produto(e);
    case Nó::Potência:
        return Potência(e);
    case Nó::Quociente:
        return Quociente(e);
    case Nó::Simétrico: {
        const Expressão& f = e.filhos[0];
        const bool parênteses = ÉSoma(f) || ComeçaPorMenos(f) || ÉRelação(f.nó);
        return s.menos + (parênteses ? Parênteses(Escrever(f)) : Escrever(f));
    }
    case Nó::Raiz:
        return Raiz(e);
    case Nó::Nome:
        return s.palavra(e.nome) + (e.filhos.empty() ? "" : Parênteses(Juntos(e, ", ")));
    case Nó::MaisOuMenos: {
        if (e.filhos.size() == 1)
            return Aparado(s.maisOuMenos) + Escrever(e.filhos.front());
        const Expressão& b = e.filhos[1];
        const bool parênteses = ÉSoma(b) || ComeçaPorMenos(b);
        return Escrever(e.filhos[0]) + s.maisOuMenos + (parênteses ? Parênteses(Escrever(b)) : Escrever(b));
    }
    case Nó::Decimal:
        return s.palavra(e.nome);
    case Nó::Ou:
        return Juntos(e, " " + s.palavra(e.nome) + " ");
    case Nó::Infinito:
        return (e.número.sign() < 0 ? s.menos : s.mais) + s.conjuntos.infinito;
    case Nó::Intervalo:
        return ((e.expoente & 1U) != 0 ? s.conjuntos.abreFechado : s.conjuntos.abreAberto) +
               Juntos(e, Separador(e)) +
               ((e.expoente & 2U) != 0 ? s.conjuntos.fechaFechado : s.conjuntos.fechaAberto);
    case Nó::Chaves:
        return s.conjuntos.abreChaves + Juntos(e, Separador(e)) + s.conjuntos.fechaChaves;
    case Nó::Lista:
        return Juntos(e, Separador(e));
    case Nó::União:
        return Juntos(e, s.conjuntos.união);
    case Nó::Reais:
        return s.conjuntos.reais;
    case Nó::Vazio:
        return s.conjuntos.vazio;
    case Nó::SemOs:
        return Juntos(e, s.conjuntos.semOs);
    default: { // the relations
        const std::string& sinal =
            s.relações[static_cast<std::size_t>(e.nó) - static_cast<std::size_t>(Nó::Igual)];
        if (e.filhos.size() == 1) // the sign before its one member: "≈ 1,618"
            return Aparado(sinal) + Escrever(e.filhos.front());
        return Juntos(e, sinal);
    }
    }
}

std::string Escritor::Separador(const Expressão& e) const { return TemVírgula(e) ? "; " : ", "; }

// The members as they are, parted by entre: relations inside relations
// need no brackets, since none is ever read back.
std::string Escritor::Juntos(const Expressão& e, const std::string& entre) const
{
    std::string t;
    for (const Expressão& f : e.filhos)
        t.append(t.empty() ? "" : entre).append(Escrever(f));
    return t;
}

// A term after the first that starts with a minus takes its place: "x-3".
std::string Escritor::Soma(const Expressão& e) const
{
    std::string t;
    for (const Expressão& termo : e.filhos) {
        if (!t.empty())
            t += ComeçaPorMenos(termo) ? s.antesDoMenos : s.mais;
        t += ÉRelação(termo.nó) ? Parênteses(Escrever(termo)) : Escrever(termo);
    }
    return t;
}

std::string Escritor::Produto(const Expressão& e) const
{
    std::string t;
    for (std::size_t i = 0; i < e.filhos.size(); ++i) {
        const Expressão& f = e.filhos[i];
        const bool último = i + 1 == e.filhos.size();
        // A quotient followed by a factor is bracketed, so that x/2·x is
        // never taken for x/(2x); a sum always, a sign after the first.
        const bool parênteses = ÉSoma(f) || ÉRelação(f.nó) || (i > 0 && ComeçaPorMenos(f)) ||
                                (f.nó == Nó::Quociente && !último && !s.fracções) ||
                                (f.nó == Nó::Número && denominator(f.número) != 1 && i > 0 && !s.fracções);
        if (i > 0) {
            const Expressão& antes = e.filhos[i - 1];
            // A number after the first factor takes the sign: "2·(-3)^2",
            // "x·3"; bare after a letter it would read as an argument, as in
            // "a(-1)" or "k(-1)^2".
            // A root or a bare name after a number is joined as a letter
            // is: "2√2", "3i".
            const bool letra = (f.nó == Nó::Raiz || (f.nó == Nó::Nome && f.filhos.empty())) &&
                               (antes.nó == Nó::Número || antes.nó == Nó::Quociente);
            const bool número = !TemX(f) && !TemParâmetros(f) && !letra;
            const bool junto =
                s.juntar && !número && (parênteses || !ComeçaPorAlgarismo(f)) && antes.nó != Nó::Raiz;
            if (!junto)
                t += s.vezes;
        }
        t += parênteses ? Parênteses(Escrever(f)) : Escrever(f);
    }
    return t;
}

std::string Escritor::Potência(const Expressão& e) const
{
    const Expressão& base = e.filhos[0];
    const std::string b = ÉÁtomo(base) ? Escrever(base) : Parênteses(Escrever(base));
    return b + s.potênciaAntes + std::to_string(e.expoente) + s.potênciaDepois;
}

// Under the bar only a whole number or a power goes bare: (1+3)/(-2), x/(2·3).
std::string Escritor::Quociente(const Expressão& e) const
{
    const Expressão &a = e.filhos[0], &b = e.filhos[1];
    if (s.fracções)
        return Fracção(Escrever(a), Escrever(b));
    const bool parêntesesEmCima = ÉSoma(a) || ÉRelação(a.nó);
    const bool parêntesesEmBaixo = !(ÉÁtomo(b) || b.nó == Nó::Potência || b.nó == Nó::Raiz);
    return (parêntesesEmCima ? Parênteses(Escrever(a)) : Escrever(a)) + s.sobre +
           (parêntesesEmBaixo ? Parênteses(Escrever(b)) : Escrever(b));
}

std::string Escritor::Raiz(const Expressão& e) const
{
    const Expressão& r = e.filhos[0];
    const bool parênteses = !s.fracções && !ÉÁtomo(r) && r.nó != Nó::Nome;
    return s.raizAntes + (parênteses ? Parênteses(Escrever(r)) : Escrever(r)) + s.raizDepois;
}

} // namespace

bool ComeçaPorMenos(const Expressão& e)
{
    switch (e.nó) {
    case Nó::Número:
        return e.número.sign() < 0;
    case Nó::Simétrico:
        return true;
    case Nó::Decimal:
        return e.nome.starts_with('-');
    case Nó::Infinito:
        return e.número.sign() < 0;
    case Nó::MaisOuMenos:
        return e.filhos.size() > 1 && ComeçaPorMenos(e.filhos.front());
    case Nó::Soma:
    case Nó::Produto:
    case Nó::Quociente:
        return ComeçaPorMenos(e.filhos.front());
    default:
        return false;
    }
}

std::string EscreverExpressão(const Expressão& e)
{
    const Estilo estilo{"+",
                        "-",
                        "·",
                        "/",
                        "(",
                        ")",
                        "^",
                        "",
                        "√",
                        "",
                        {" = ", " < ", " ≤ ", " > ", " ≥ ", " ≠ ", " ≈ ", " ⇔ "},
                        " ± ",
                        Tal};
    return Escritor(estilo).Escrever(e);
}

std::string ExpressãoEmHtml(const Expressão& e)
{
    const Estilo estilo{"+",
                        "−",
                        "·",
                        "/",
                        "(",
                        ")",
                        "<sup>",
                        "</sup>",
                        "√",
                        "",
                        {" = ", " &lt; ", " ≤ ", " &gt; ", " ≥ ", " ≠ ", " ≈ ", " ⇔ "},
                        " ± ",
                        EmHtml};
    return Escritor(estilo).Escrever(e);
}

std::string ExpressãoEmLaTeX(const Expressão& e)
{
    const Estilo estilo{
        "+",
        "-",
        " \\cdot ",
        "/",
        "\\left(",
        "\\right)",
        "^{",
        "}",
        "\\sqrt{",
        "}",
        {" = ", " < ", " \\leq ", " > ", " \\geq ", " \\neq ", " \\approx ", " \\Leftrightarrow "},
        " \\pm ",
        EmLaTeX,
        true,
        true,
        {},
        {"\\infty ",
         "\\left[",
         "\\left]",
         "\\right]",
         "\\right[",
         "\\{",
         "\\}",
         " \\cup ",
         "\\mathbf{R}",
         "\\emptyset ",
         " \\setminus "}};
    return Escritor(estilo).Escrever(e);
}

std::string ExpressãoEmFala(const Expressão& e, const Vocabulário& v)
{
    const auto palavra = [](const std::string& p) { return " " + p + " "; };
    const Estilo estilo{
        palavra(v.mais),
        v.menos + " ",
        palavra(v.vezes),
        palavra(v.sobre),
        v.abre + " ",
        " " + v.fecha,
        palavra(v.elevadoA),
        "",
        v.raizDe + " ",
        "",
        {palavra(v.igual),
         palavra(v.menor),
         palavra(v.menorOuIgual),
         palavra(v.maior),
         palavra(v.maiorOuIgual),
         palavra(v.diferente),
         palavra(v.aproximado),
         palavra(v.equivale)},
        palavra(v.maisOuMenos),
        Tal,
        false,
        false,
        " ",
        {v.infinito, "[", "]", "]", "[", "{", "}", palavra(v.união), "ℝ", "∅", palavra(v.semOs)}};
    return Escritor(estilo).Escrever(e);
}

} // namespace vendrix::algebra
