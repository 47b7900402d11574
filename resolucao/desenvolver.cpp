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
        std::ranges::count_if(p.coeficientes, [](const Racional& c) { return c.sign() != 0; }));
}

// The two terms of a binomial, the higher first, as (grau, coeficiente).
std::pair<std::pair<std::size_t, Racional>, std::pair<std::size_t, Racional>> Binómio(const Polinómio& p)
{
    std::vector<std::pair<std::size_t, Racional>> t;
    for (std::size_t g = p.coeficientes.size(); g-- > 0;)
        if (p.coeficientes[g].sign() != 0)
            t.emplace_back(g, p.coeficientes[g]);
    return {t[0], t[1]};
}

[[nodiscard]] Expressão Igual(Expressão a, Expressão b)
{
    return algebra::Relação(Nó::Igual, std::move(a), std::move(b));
}

// The notable product's identity: "(a+b)^2 = a^2+2ab+b^2".
[[nodiscard]] Expressão Identidade(Texto texto)
{
    using algebra::Número;
    using algebra::Potência;
    using algebra::Produto;
    using algebra::Simétrico;
    using algebra::Soma;
    const Expressão a = algebra::Parâmetro('a'), b = algebra::Parâmetro('b');
    const Expressão mais = Soma({a, b}), menos = Soma({a, Simétrico(b)});
    const Expressão dobro = Produto({Número(2), a, b});
    if (texto == Texto::QuadradoDaSoma)
        return Igual(Potência(mais, 2), Soma({Potência(a, 2), dobro, Potência(b, 2)}));
    if (texto == Texto::QuadradoDaDiferença)
        return Igual(Potência(menos, 2), Soma({Potência(a, 2), Simétrico(dobro), Potência(b, 2)}));
    return Igual(Produto({mais, menos}), Soma({Potência(a, 2), Simétrico(Potência(b, 2))}));
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

    // A notable product, named with its identity, and its expansion.
    void Notável(Texto texto, const Expressão& produto, const Polinómio& p)
    {
        Dizer(doc, t, texto, {produto, Identidade(texto)});
        resolucao::Mostrar(doc, Igual(produto, algebra::ComoExpressão(p)));
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
    const Expressão ea = algebra::ComoExpressão(a), eb = algebra::ComoExpressão(b);
    const Expressão produto = algebra::Produto({ea, eb});
    if (Termos(a) == 2 && Termos(b) == 2) {
        const auto [ma, na] = Binómio(a);
        const auto [mb, nb] = Binómio(b);
        if (ma == mb && na.first == nb.first && na.second == -nb.second) {
            Notável(Texto::ProdutoSomaPorDiferença, produto, p);
            return p;
        }
    }
    Dizer(doc, t, Texto::PropriedadeDistributiva, {ea, eb});
    resolucao::Mostrar(doc, Igual(produto, algebra::ComoExpressão(p)));
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
            resolucao::Mostrar(
                doc, Igual(algebra::Potência(algebra::ComoExpressão(base), n), algebra::ComoExpressão(r)));
        return r;
    }
    const Expressão eb = algebra::ComoExpressão(base);
    Polinómio quadrado = base * base;
    if (Termos(base) == 2) {
        const auto [alto, baixo] = Binómio(base);
        Notável((alto.second.sign() > 0) == (baixo.second.sign() > 0) ? Texto::QuadradoDaSoma
                                                                      : Texto::QuadradoDaDiferença,
                algebra::Potência(eb, 2),
                quadrado);
    } else {
        quadrado = Multiplicar(base, base);
    }
    if (n == 2)
        return quadrado;
    const Expressão potência = algebra::Potência(eb, n);
    Dizer(doc, t, Texto::PotênciaComoProduto, {potência});
    resolucao::Mostrar(
        doc,
        Igual(potência,
              algebra::Produto({algebra::Potência(eb, 2), n > 3 ? algebra::Potência(eb, n - 2) : eb})));
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

} // namespace

Polinómio PassosDoDesenvolvimento(Documento& doc, const Tradutor& tradutor, const Expressão& e)
{
    Passos passos(doc, tradutor);
    const std::vector<Expressão> termos = e.nó == Nó::Soma ? e.filhos : std::vector<Expressão>{e};
    // The expanded terms side by side, before like terms are collected:
    // "2x^3-6x^2+6x-2-x+1".
    std::vector<Expressão> partes;
    Polinómio total;
    for (const Expressão& termo : termos) {
        const Polinómio parte = passos.Expandir(termo);
        partes.push_back(algebra::ComoExpressão(parte));
        total = total + parte;
    }
    const Expressão juntos = algebra::Soma(std::move(partes)), reduzido = algebra::ComoExpressão(total);
    // Collected only when that changes what is written.
    if (algebra::EscreverExpressão(juntos) != algebra::EscreverExpressão(reduzido)) {
        Dizer(doc, tradutor, Texto::TermosSemelhantes);
        Mostrar(doc, Igual(juntos, reduzido));
    }
    return total;
}

runtime::Resultado<Desenvolvimento> ResolverDesenvolvimento(const Expressão& e, const Tradutor& tradutor)
{
    runtime::Resultado<Polinómio> p = algebra::Expandir(e);
    if (!p.Ok())
        return p.Falha();
    Desenvolvimento d{{}, std::move(p).Valor()};
    Intitular(d.documento, tradutor, Texto::TítuloDesenvolvimento, {e});
    if (algebra::ÉZero(d.polinómio) || algebra::Grau(d.polinómio) <= GrauMáximoComPassos)
        PassosDoDesenvolvimento(d.documento, tradutor, e);
    Dizer(d.documento, tradutor, Texto::FormaCanónica);
    Mostrar(d.documento, algebra::ComoExpressão(d.polinómio));
    return d;
}

} // namespace vendrix::resolucao
