// SPDX-License-Identifier: MIT
#include "resolucao/factores.h"

#include "algebra/escrever.h"
#include "algebra/expandir.h"

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
    algebra::Expressão forma;
    std::size_t grau = 1;
    double raiz = 0; // the order of the factors x - r
    std::size_t expoente = 1;
};

// x first, then x - r by increasing r, then the rest by degree; the sort
// is stable, so factors of one degree keep the algebra's order.
void Ordenar(std::vector<Peça>& peças)
{
    std::ranges::stable_sort(peças, [](const Peça& a, const Peça& b) {
        const auto chave = [](const Peça& p) { return p.texto == "x" ? 0 : p.grau == 1 ? 1 : 2; };
        if (chave(a) != chave(b))
            return chave(a) < chave(b);
        return chave(a) == 1 ? a.raiz < b.raiz : a.grau < b.grau;
    });
}

[[nodiscard]] std::string Escrever(const algebra::Racional& dominante, std::vector<Peça> peças)
{
    if (peças.empty())
        return algebra::EscreverRacional(dominante);
    Ordenar(peças);
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

// The constant first, then each factor raised to its exponent.
[[nodiscard]] algebra::Expressão Produto(const algebra::Racional& dominante, std::vector<Peça> peças)
{
    if (peças.empty())
        return algebra::Número(dominante);
    Ordenar(peças);
    std::vector<algebra::Expressão> factores;
    if (dominante != 1 && dominante != -1)
        factores.push_back(algebra::Número(dominante));
    for (Peça& p : peças)
        factores.push_back(p.expoente > 1
                               ? algebra::Potência(std::move(p.forma), static_cast<unsigned>(p.expoente))
                               : std::move(p.forma));
    algebra::Expressão produto = algebra::Produto(std::move(factores));
    return dominante == -1 ? algebra::Simétrico(std::move(produto)) : produto;
}

// -e for an e written with a minus first, every sign turned: -(-1-√5)/2
// is (1+√5)/2.
[[nodiscard]] algebra::Expressão OpostoDe(const algebra::Expressão& e)
{
    using algebra::Nó;
    switch (e.nó) {
    case Nó::Número:
        return algebra::Número(-e.número);
    case Nó::Simétrico:
        return e.filhos.front();
    case Nó::Quociente:
        return algebra::Quociente(OpostoDe(e.filhos[0]), e.filhos[1]);
    case Nó::Soma: {
        std::vector<algebra::Expressão> termos;
        for (const algebra::Expressão& t : e.filhos)
            termos.push_back(OpostoDe(t));
        return algebra::Soma(std::move(termos));
    }
    default:
        return algebra::Simétrico(e);
    }
}

[[nodiscard]] Peça PeçaDe(const algebra::Factor& f)
{
    Peça p{algebra::Escrever(f.polinómio),
           algebra::ComoExpressão(f.polinómio),
           algebra::Grau(f.polinómio),
           0,
           f.multiplicidade};
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

namespace {

[[nodiscard]] std::vector<Peça> PeçasOrdenadas(const algebra::Factorização& f)
{
    std::vector<Peça> peças;
    for (const algebra::Factor& factor : f.factores)
        peças.push_back(PeçaDe(factor));
    return peças;
}

// Every quadratic factor with two real roots as two factors x - r.
[[nodiscard]] std::vector<Peça> PeçasReais(const algebra::Análise& a)
{
    std::vector<Peça> peças;
    const std::vector<algebra::Factor>& factores = a.factorização.factores;
    for (std::size_t i = 0; i < factores.size(); ++i) {
        const algebra::Factor& factor = factores[i];
        const Polinómio& g = factor.polinómio;
        const bool partir = algebra::Grau(g) == 2 &&
                            g.coeficientes[1] * g.coeficientes[1] > 4 * g.coeficientes[0] * g.coeficientes[2];
        if (!partir) {
            peças.push_back(PeçaDe(factor));
            continue;
        }
        // Its two roots, as the analysis wrote them.
        for (const algebra::RaizReal& r : a.raízes.reais) {
            if (r.factor != i || !r.forma || r.exacta.empty())
                continue;
            peças.push_back(
                {XMenosRaiz(r.exacta),
                 algebra::Soma(
                     {algebra::X(),
                      algebra::ComeçaPorMenos(*r.forma) ? OpostoDe(*r.forma) : algebra::Simétrico(*r.forma)}),
                 1,
                 ((r.mínimo + r.máximo) / 2).convert_to<double>(),
                 factor.multiplicidade});
        }
    }
    return peças;
}

} // namespace

std::string FactorizaçãoOrdenada(const algebra::Factorização& f)
{
    return Escrever(f.dominante, PeçasOrdenadas(f));
}

std::string FactorizaçãoReal(const algebra::Análise& a)
{
    return Escrever(a.factorização.dominante, PeçasReais(a));
}

algebra::Expressão ExpressãoFactorizada(const algebra::Factorização& f)
{
    return Produto(f.dominante, PeçasOrdenadas(f));
}

algebra::Expressão ExpressãoFactorizadaEmR(const algebra::Análise& a)
{
    return Produto(a.factorização.dominante, PeçasReais(a));
}

} // namespace vendrix::resolucao
