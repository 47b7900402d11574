// SPDX-License-Identifier: MIT
#include "resolucao/quadratica.h"

#include "algebra/escrever.h"
#include "algebra/expandir.h"
#include "algebra/raizes.h"
#include "resolucao/escrita.h"

#include <optional>
#include <utility>

namespace vendrix::resolucao {

namespace {

using algebra::Inteiro;
using algebra::Racional;

using algebra::Expressão;
using algebra::Nó;
using algebra::Número;

// n = s²·d with d free of the squares trial division finds; s = 1 when
// there is nothing to take out.
[[nodiscard]] std::pair<Inteiro, Inteiro> Quadrados(Inteiro n)
{
    Inteiro s = 1;
    for (unsigned k = 2; k <= 1000 && Inteiro(k) * k <= n; ++k)
        while (n % (k * k) == 0) {
            n /= k * k;
            s *= k;
        }
    return {s, n};
}

// √Δ as the student writes it, and the step that simplifies it when there
// is one: "√8 = √(4·2) = 2√2"; the number itself for a square.
[[nodiscard]] std::pair<Expressão, std::optional<Expressão>> RaizDe(const Racional& delta)
{
    const Expressão radical = algebra::Raiz(delta);
    if (boost::multiprecision::denominator(delta) != 1)
        return {radical, std::nullopt};
    const Inteiro n = boost::multiprecision::numerator(delta);
    const Inteiro r = sqrt(n);
    if (r * r == n)
        return {Número(Racional(r)), std::nullopt};
    const auto [s, d] = Quadrados(n);
    if (s == 1)
        return {radical, std::nullopt};
    const Expressão simples = algebra::Produto({Número(Racional(s)), algebra::Raiz(Racional(d))});
    const Expressão produto = algebra::Produto({Número(Racional(s * s)), Número(Racional(d))});
    return {simples, algebra::Cadeia(Nó::Igual, {radical, algebra::RaizDe(produto), simples})};
}

} // namespace

Expressão NaVariável(Expressão e, const Expressão& variável)
{
    if (e.nó == Nó::X)
        return variável;
    for (Expressão& f : e.filhos)
        f = NaVariável(std::move(f), variável);
    return e;
}

Expressão ValorDaRaiz(const Tradutor& tradutor, const algebra::RaizReal& raiz)
{
    return raiz.forma ? *raiz.forma : DecimalEscrito(tradutor, raiz.decimal);
}

Expressão RaizEscrita(const Tradutor& tradutor, const algebra::RaizReal& raiz)
{
    return raiz.forma ? *raiz.forma
                      : algebra::Cadeia(Nó::Aproximado, {DecimalEscrito(tradutor, raiz.decimal)});
}

Expressão SoluçãoDaRaiz(const Tradutor& tradutor, const algebra::RaizReal& raiz, const Expressão& variável)
{
    return algebra::Relação(raiz.forma ? Nó::Igual : Nó::Aproximado, variável, ValorDaRaiz(tradutor, raiz));
}

void ResolverQuadrática(
    Documento& doc, const Tradutor& tradutor, const algebra::Polinómio& q, const Expressão& v, bool resta)
{
    const Racional &c = q.coeficientes[0], &b = q.coeficientes[1], &a = q.coeficientes[2];
    const Racional delta = b * b - 4 * a * c;
    const Expressão polinómio = NaVariável(algebra::ComoExpressão(q), v);
    const Expressão equação = algebra::Relação(Nó::Igual, polinómio, Número(0));
    Dizer(doc, tradutor, resta ? Texto::FórmulaResolvente : Texto::FórmulaResolventeSó, {equação});
    const Expressão pa = algebra::Parâmetro('a'), pb = algebra::Parâmetro('b'), pc = algebra::Parâmetro('c');
    const Expressão discriminante =
        algebra::Soma({algebra::Potência(pb, 2), algebra::Produto({Número(-4), pa, pc})});
    Mostrar(doc,
            algebra::Relação(Nó::Igual,
                             v,
                             algebra::Quociente(
                                 algebra::MaisOuMenos(algebra::Simétrico(pb), algebra::RaizDe(discriminante)),
                                 algebra::Produto({Número(2), pa}))));
    Dizer(doc, tradutor, Texto::FórmulaComNúmeros, {Número(a), Número(b), Número(c)});
    const Expressão comNúmeros =
        algebra::Soma({algebra::Potência(Número(b), 2),
                       algebra::Simétrico(algebra::Produto({Número(4), Número(a), Número(c)}))});
    Mostrar(doc, algebra::Cadeia(Nó::Igual, {algebra::Nome("Δ"), discriminante, comNúmeros, Número(delta)}));
    const algebra::Raízes raízes = algebra::CalcularRaízes(q);
    if (delta.sign() < 0) {
        Dizer(doc, tradutor, Texto::ImpossívelEmR, {equação, polinómio});
        std::vector<Expressão> complexas;
        for (const bool positivo : {false, true})
            for (const algebra::RaizComplexa& r : raízes.complexas)
                if (r.imaginárioPositivo == positivo)
                    complexas.push_back(algebra::Relação(Nó::Igual, v, r.forma));
        Dizer(doc, tradutor, Texto::EmC, {Disjunção(tradutor, std::move(complexas))});
        return;
    }
    const Expressão doisA = Número(2 * a);
    if (delta.sign() == 0) {
        Dizer(doc, tradutor, Texto::DiscriminanteNulo);
        Mostrar(doc,
                algebra::Cadeia(Nó::Igual, {v, algebra::Quociente(Número(-b), doisA), Número(-b / (2 * a))}));
        return;
    }
    Dizer(doc, tradutor, Texto::DiscriminantePositivo);
    auto [raiz, passo] = RaizDe(delta);
    if (passo)
        Mostrar(doc, std::move(*passo));
    std::vector<Expressão> soluções;
    for (const algebra::RaizReal& r : raízes.reais)
        soluções.push_back(SoluçãoDaRaiz(tradutor, r, v));
    Mostrar(
        doc,
        algebra::Relação(
            Nó::Equivale,
            algebra::Relação(
                Nó::Igual, v, algebra::Quociente(algebra::MaisOuMenos(Número(-b), std::move(raiz)), doisA)),
            Disjunção(tradutor, std::move(soluções))));
}

} // namespace vendrix::resolucao
