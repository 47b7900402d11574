// SPDX-License-Identifier: MIT
#include "resolucao/desenvolver.h"

#include "algebra/escrever.h"
#include "algebra/expandir.h"
#include "resolucao/escrita.h"

#include <algorithm>
#include <utility>

namespace vendrix::resolucao {

namespace {

using algebra::Expressão;
using algebra::Nó;
using algebra::Polinómio;
using algebra::Racional;

// A power is shown as products up to this exponent; past it, at once.
constexpr unsigned ExpoenteComPassos = 6;

std::size_t Termos(const Polinómio& p)
{
    return static_cast<std::size_t>(
        std::ranges::count_if(p.coeficientes, [](const Racional& c) { return c != 0; }));
}

// The two terms of a binomial, the higher first, as (grau, coeficiente).
std::pair<std::pair<std::size_t, Racional>, std::pair<std::size_t, Racional>> Binómio(const Polinómio& p)
{
    std::vector<std::pair<std::size_t, Racional>> t;
    for (std::size_t g = p.coeficientes.size(); g-- > 0;)
        if (p.coeficientes[g] != 0)
            t.emplace_back(g, p.coeficientes[g]);
    return {t[0], t[1]};
}

// "(x-1)" for a polynomial of several terms, "2x" for one.
std::string Factor(const Polinómio& p)
{
    return Termos(p) > 1 ? "(" + algebra::Escrever(p) + ")" : algebra::Escrever(p);
}

class Passos
{
public:
    Passos(Documento& doc, const Tradutor& tradutor)
        : doc(doc)
        , t(tradutor)
    {}

    Polinómio Expandir(const Expressão& e);

private:
    Polinómio Multiplicar(const Polinómio& a, const Polinómio& b);
    Polinómio Elevar(const Polinómio& base, unsigned n);

    void Mostrar(Texto texto, std::string argumento, std::string fórmula)
    {
        // The notable product's identity, a formula of its own.
        const std::string_view identidade = texto == Texto::QuadradoDaSoma        ? "(a+b)^2 = a^2+2ab+b^2"
                                            : texto == Texto::QuadradoDaDiferença ? "(a-b)^2 = a^2-2ab+b^2"
                                                                                  : "(a+b)(a-b) = a^2-b^2";
        Dizer(doc, t, texto, {std::move(argumento), std::string(identidade)});
        doc.blocos.emplace_back(Destaque{std::move(fórmula)});
    }

    Documento& doc;
    const Tradutor& t;
};

// One product of two polynomials, named when it is a notable one.
Polinómio Passos::Multiplicar(const Polinómio& a, const Polinómio& b)
{
    Polinómio p = a * b;
    if (Termos(a) < 2 && Termos(b) < 2)
        return p;
    // Written as an expression, so that a factor such as -3 or 1/2 after a
    // bracket keeps its own: "(x+1)(-3)", never "(x+1)-3".
    const std::string produto =
        algebra::EscreverExpressão(algebra::Produto({algebra::ComoExpressão(a), algebra::ComoExpressão(b)}));
    const std::string fórmula = produto + " = " + algebra::Escrever(p);
    if (Termos(a) == 2 && Termos(b) == 2) {
        const auto [ma, na] = Binómio(a);
        const auto [mb, nb] = Binómio(b);
        if (ma == mb && na.first == nb.first && na.second == -nb.second) {
            Mostrar(Texto::ProdutoSomaPorDiferença, produto, fórmula);
            return p;
        }
    }
    Dizer(doc, t, Texto::PropriedadeDistributiva, {Factor(a), Factor(b)});
    doc.blocos.emplace_back(Destaque{fórmula});
    return p;
}

Polinómio Passos::Elevar(const Polinómio& base, unsigned n)
{
    if (Termos(base) < 2 || n < 2 || n > ExpoenteComPassos) {
        Polinómio r = algebra::DeCoeficientes({1}), b = base;
        for (unsigned k = n; k > 0; k /= 2) {
            if (k % 2 == 1)
                r = r * b;
            if (k > 1)
                b = b * b;
        }
        if (Termos(base) >= 2 && n >= 2)
            doc.blocos.emplace_back(
                Destaque{Factor(base) + "^" + std::to_string(n) + " = " + algebra::Escrever(r)});
        return r;
    }
    const std::string potência = Factor(base) + "^" + std::to_string(n);
    Polinómio quadrado = base * base;
    if (Termos(base) == 2) {
        const auto [alto, baixo] = Binómio(base);
        const std::string q = Factor(base) + "^2";
        Mostrar((alto.second > 0) == (baixo.second > 0) ? Texto::QuadradoDaSoma : Texto::QuadradoDaDiferença,
                q,
                q + " = " + algebra::Escrever(quadrado));
    } else {
        quadrado = Multiplicar(base, base);
    }
    if (n == 2)
        return quadrado;
    Dizer(doc, t, Texto::PotênciaComoProduto, {potência});
    doc.blocos.emplace_back(Destaque{potência + " = " + Factor(base) + "^2" + Factor(base) +
                                     (n > 3 ? "^" + std::to_string(n - 2) : "")});
    Polinómio r = quadrado;
    for (unsigned k = 2; k < n; ++k)
        r = Multiplicar(r, base);
    return r;
}

Polinómio Passos::Expandir(const Expressão& e)
{
    switch (e.nó) {
    case Nó::Soma: {
        Polinómio soma;
        for (const Expressão& termo : e.filhos)
            soma = soma + Expandir(termo);
        return soma;
    }
    case Nó::Produto: {
        Polinómio produto = Expandir(e.filhos.front());
        for (std::size_t i = 1; i < e.filhos.size(); ++i)
            produto = Multiplicar(produto, Expandir(e.filhos[i]));
        return produto;
    }
    case Nó::Potência:
        return Elevar(Expandir(e.filhos[0]), e.expoente);
    case Nó::Simétrico:
        return -Expandir(e.filhos[0]);
    case Nó::Quociente:
        return Multiplicar(Expandir(e.filhos[0]),
                           algebra::DeCoeficientes({1 / algebra::ValorConstante(e.filhos[1]).Valor()}));
    default:
        return algebra::Expandir(e).Valor();
    }
}

// The expanded terms side by side, before like terms are collected:
// "2x^3-6x^2+6x-2-x+1".
std::string LadoALado(const std::vector<Polinómio>& partes)
{
    std::string t;
    for (const Polinómio& p : partes) {
        const std::string s = algebra::Escrever(p);
        if (!t.empty() && s.front() != '-')
            t += '+';
        t += s;
    }
    return t;
}

} // namespace

Polinómio PassosDoDesenvolvimento(Documento& doc, const Tradutor& tradutor, const Expressão& e)
{
    Passos passos(doc, tradutor);
    const std::vector<Expressão> termos = e.nó == Nó::Soma ? e.filhos : std::vector<Expressão>{e};
    std::vector<Polinómio> partes;
    Polinómio total;
    for (const Expressão& termo : termos) {
        partes.push_back(passos.Expandir(termo));
        total = total + partes.back();
    }
    const std::string juntos = LadoALado(partes);
    if (juntos != algebra::Escrever(total)) {
        Dizer(doc, tradutor, Texto::TermosSemelhantes);
        doc.blocos.emplace_back(Destaque{juntos + " = " + algebra::Escrever(total)});
    }
    return total;
}

runtime::Resultado<Desenvolvimento> ResolverDesenvolvimento(const Expressão& e, const Tradutor& tradutor)
{
    runtime::Resultado<Polinómio> p = algebra::Expandir(e);
    if (!p.Ok())
        return p.Falha();
    Desenvolvimento d{{}, std::move(p).Valor()};
    Intitular(d.documento, tradutor, Texto::TítuloDesenvolvimento, {algebra::EscreverExpressão(e)});
    if (algebra::ÉZero(d.polinómio) || algebra::Grau(d.polinómio) <= GrauMáximoComPassos)
        PassosDoDesenvolvimento(d.documento, tradutor, e);
    Dizer(d.documento, tradutor, Texto::FormaCanónica);
    d.documento.blocos.emplace_back(Destaque{algebra::Escrever(d.polinómio)});
    return d;
}

} // namespace vendrix::resolucao
