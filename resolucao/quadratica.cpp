// SPDX-License-Identifier: MIT
#include "resolucao/quadratica.h"

#include "algebra/escrever.h"
#include "algebra/raizes.h"
#include "resolucao/escrita.h"

#include <algorithm>

namespace vendrix::resolucao {

namespace {

using algebra::Inteiro;
using algebra::Racional;

// "x" written as the variable asked for.
[[nodiscard]] std::string Em(std::string texto, std::string_view variável)
{
    std::ranges::replace(texto, 'x', variável.front());
    return texto;
}

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
[[nodiscard]] std::pair<std::string, std::string> RaizDe(const Racional& delta)
{
    const std::string radical = "√" + algebra::EscreverRacional(delta);
    if (boost::multiprecision::denominator(delta) != 1)
        return {radical, {}};
    const Inteiro n = boost::multiprecision::numerator(delta);
    const Inteiro r = sqrt(n);
    if (r * r == n)
        return {r.str(), {}};
    const auto [s, d] = Quadrados(n);
    if (s == 1)
        return {radical, {}};
    const std::string simples = s.str() + "√" + d.str();
    const Inteiro s2 = s * s;
    return {simples, radical + " = √(" + s2.str() + "·" + d.str() + ") = " + simples};
}

} // namespace

std::string SeNegativo(const Racional& r)
{
    const std::string texto = algebra::EscreverRacional(r);
    return r < 0 ? "(" + texto + ")" : texto;
}

void ResolverQuadrática(Documento& doc,
                        const Tradutor& tradutor,
                        const algebra::Polinómio& q,
                        std::string_view variável,
                        bool resta)
{
    const Racional &c = q.coeficientes[0], &b = q.coeficientes[1], &a = q.coeficientes[2];
    const Racional delta = b * b - 4 * a * c;
    const std::string v(variável), equação = Em(algebra::Escrever(q), variável) + " = 0";
    Dizer(doc, tradutor, resta ? Texto::FórmulaResolvente : Texto::FórmulaResolventeSó, {equação});
    doc.blocos.emplace_back(Destaque{v + " = (-b ± √(b^2 - 4ac))/(2a)"});
    Dizer(doc,
          tradutor,
          Texto::FórmulaComNúmeros,
          {algebra::EscreverRacional(a), algebra::EscreverRacional(b), algebra::EscreverRacional(c)});
    doc.blocos.emplace_back(Destaque{"Δ = b^2 - 4ac = " + EntreParênteses(b) + "^2 - 4·" +
                                     EntreParênteses(a) + "·" + EntreParênteses(c) + " = " +
                                     algebra::EscreverRacional(delta)});
    const std::string menosB = algebra::EscreverRacional(-b), doisA = SeNegativo(2 * a);
    const algebra::Raízes raízes = algebra::CalcularRaízes(q);
    if (delta < 0) {
        Dizer(doc, tradutor, Texto::ImpossívelEmR, {equação, Em(algebra::Escrever(q), variável)});
        std::vector<std::string> complexas;
        for (const bool positivo : {false, true})
            for (const algebra::RaizComplexa& r : raízes.complexas)
                if (r.imaginárioPositivo == positivo)
                    complexas.push_back(v + " = " + r.texto);
        Dizer(doc, tradutor, Texto::EmC, {Disjunção(tradutor, complexas)});
        return;
    }
    if (delta == 0) {
        Dizer(doc, tradutor, Texto::DiscriminanteNulo);
        doc.blocos.emplace_back(
            Destaque{v + " = " + menosB + "/" + doisA + " = " + algebra::EscreverRacional(-b / (2 * a))});
        return;
    }
    Dizer(doc, tradutor, Texto::DiscriminantePositivo);
    const auto [raiz, passo] = RaizDe(delta);
    if (!passo.empty())
        doc.blocos.emplace_back(Destaque{passo});
    std::vector<std::string> soluções;
    for (const algebra::RaizReal& r : raízes.reais)
        soluções.push_back(v + " = " + r.exacta);
    doc.blocos.emplace_back(
        Destaque{v + " = (" + menosB + " ± " + raiz + ")/" + doisA + " ⇔ " + Disjunção(tradutor, soluções)});
}

} // namespace vendrix::resolucao
