// SPDX-License-Identifier: MIT
#include "resolucao/factores.h"

#include "algebra/escrever.h"

#include <algorithm>
#include <variant>
#include <vector>

namespace vendrix::resolucao {

namespace {

using algebra::Polinómio;
using algebra::Racional;

// A factor of the written form: x - r with its value, or a polynomial kept
// whole; each with its exponent.
struct Peça
{
    std::string texto; // without brackets: "x", "x-√2", "x^2+1"
    std::size_t grau = 1;
    double raiz = 0; // the order of the factors x - r
    std::size_t expoente = 1;
};

[[nodiscard]] std::string Escrever(const algebra::Racional& dominante, std::vector<Peça> peças)
{
    if (peças.empty())
        return algebra::EscreverRacional(dominante);
    // x first, then x - r by increasing r, then the rest by degree; the
    // sort is stable, so factors of one degree keep the algebra's order.
    std::ranges::stable_sort(peças, [](const Peça& a, const Peça& b) {
        const auto chave = [](const Peça& p) { return p.texto == "x" ? 0 : p.grau == 1 ? 1 : 2; };
        if (chave(a) != chave(b))
            return chave(a) < chave(b);
        return chave(a) == 1 ? a.raiz < b.raiz : a.grau < b.grau;
    });
    std::string texto = dominante == 1 ? "" : dominante == -1 ? "-" : algebra::EscreverRacional(dominante);
    for (const Peça& p : peças) {
        // Appended piece by piece: g++ 12 at -O2 warns (-Wrestrict) on "(" + text.
        if (p.texto == "x")
            texto += 'x';
        else
            texto.append(1, '(').append(p.texto).append(1, ')');
        if (p.expoente > 1)
            texto.append(1, '^').append(std::to_string(p.expoente));
    }
    return texto;
}

[[nodiscard]] Peça PeçaDe(const algebra::Factor& f)
{
    Peça p{algebra::Escrever(f.polinómio), algebra::Grau(f.polinómio), 0, f.multiplicidade};
    if (p.grau == 1)
        p.raiz = (-f.polinómio.coeficientes[0]).convert_to<double>();
    return p;
}

// "-1-√5" as its opposite "1+√5": every sign turned.
[[nodiscard]] std::string Oposto(std::string_view t)
{
    std::string o;
    for (std::size_t i = 0; i < t.size(); ++i)
        if (i == 0 && t[i] == '-')
            continue;
        else if (t[i] == '-' || t[i] == '+')
            o += t[i] == '-' ? '+' : '-';
        else
            o += t[i];
    return o;
}

} // namespace

std::string XMenosRaiz(std::string_view exacta)
{
    std::string numerador(exacta), resto;
    if (!exacta.empty() && exacta.front() == '(') {
        const std::size_t fecha = exacta.find(')');
        numerador = std::string(exacta.substr(1, fecha - 1));
        resto = std::string(exacta.substr(fecha + 1));
    } else if (const std::size_t barra = exacta.find('/'); barra != std::string_view::npos) {
        numerador = std::string(exacta.substr(0, barra));
        resto = std::string(exacta.substr(barra));
    }
    const bool negativa = !numerador.empty() && numerador.front() == '-';
    if (negativa)
        numerador = Oposto(numerador);
    const bool soma = numerador.find_first_of("+-", 1) != std::string::npos;
    return std::string("x").append(negativa ? "+" : "-").append(soma ? "(" + numerador + ")" : numerador) +
           resto;
}

std::string FactorizaçãoOrdenada(const algebra::Factorização& f)
{
    std::vector<Peça> peças;
    for (const algebra::Factor& factor : f.factores)
        peças.push_back(PeçaDe(factor));
    return Escrever(f.dominante, std::move(peças));
}

std::string FactorizaçãoReal(const algebra::Análise& a)
{
    std::vector<Peça> peças;
    for (const algebra::Factor& factor : a.factorização.factores) {
        const Polinómio& g = factor.polinómio;
        const bool partir = algebra::Grau(g) == 2 &&
                            g.coeficientes[1] * g.coeficientes[1] > 4 * g.coeficientes[0] * g.coeficientes[2];
        if (!partir) {
            peças.push_back(PeçaDe(factor));
            continue;
        }
        // Its two roots, as the analysis wrote them: the real roots whose
        // interval g changes sign over.
        for (const algebra::RaizReal& r : a.raízes.reais) {
            if (r.exacta.empty() || r.mínimo == r.máximo ||
                (algebra::Avaliar(g, r.mínimo) < 0) == (algebra::Avaliar(g, r.máximo) < 0))
                continue;
            peças.push_back({XMenosRaiz(r.exacta),
                             1,
                             ((r.mínimo + r.máximo) / 2).convert_to<double>(),
                             factor.multiplicidade});
        }
    }
    return Escrever(a.factorização.dominante, std::move(peças));
}

} // namespace vendrix::resolucao
