// SPDX-License-Identifier: MIT
#include "resolucao/escrita.h"

#include <algorithm>

namespace vendrix::resolucao {

bool ComPassos(std::size_t grau, const algebra::Tamanho& tamanho) noexcept
{
    return grau <= GrauMáximoComPassos && tamanho.Total() <= algebra::AlgarismosMáximos;
}

std::string Coeficiente(const algebra::Racional& c)
{
    if (c == 1)
        return {};
    if (c == -1)
        return "-";
    return algebra::EscreverRacional(c);
}

std::string Lista(std::span<const algebra::Racional> números)
{
    std::string texto;
    for (const algebra::Racional& n : números)
        texto.append(texto.empty() ? "" : ", ").append(algebra::EscreverRacional(n));
    return texto;
}

std::vector<algebra::Racional> Descendentes(const algebra::Polinómio& p)
{
    std::vector<algebra::Racional> c = p.coeficientes;
    if (c.empty())
        c.emplace_back(0);
    std::ranges::reverse(c);
    return c;
}

std::string EntreParênteses(const algebra::Racional& r)
{
    const std::string texto = algebra::EscreverRacional(r);
    return r < 0 || boost::multiprecision::denominator(r) != 1 ? "(" + texto + ")" : texto;
}

namespace {

// "(x-2)(x^3-x^2+3x+4)", "(x-2)·3", "(x-2)·(-3)", "(x^2+1)·0".
[[nodiscard]] std::string Produto(const algebra::Polinómio& d, const algebra::Polinómio& q)
{
    const std::string primeiro = "(" + algebra::Escrever(d) + ")";
    // The quotient 0 of a divisor of higher degree is a number too.
    if (algebra::ÉZero(q))
        return primeiro + "·0";
    if (algebra::Grau(q) == 0)
        return primeiro + "·" + EntreParênteses(q.coeficientes[0]);
    return primeiro + "(" + algebra::Escrever(q) + ")";
}

// " + 7", " - 5", " + 3x", " + (x-5)"; nothing for 0.
[[nodiscard]] std::string MaisResto(const algebra::Polinómio& r)
{
    if (algebra::ÉZero(r))
        return {};
    const auto termos = std::ranges::count_if(r.coeficientes, [](const auto& c) { return c != 0; });
    if (termos > 1)
        return " + (" + algebra::Escrever(r) + ")";
    const bool negativo = algebra::CoeficienteDominante(r) < 0;
    return (negativo ? " - " : " + ") + algebra::Escrever(negativo ? -r : r);
}

} // namespace

std::string
ProvaDaDivisão(const algebra::Polinómio& d, const algebra::Polinómio& q, const algebra::Polinómio& r)
{
    const algebra::Polinómio produto = d * q;
    std::string f = Produto(d, q) + MaisResto(r) + " = ";
    if (!algebra::ÉZero(r))
        f += algebra::Escrever(produto) + MaisResto(r) + " = ";
    return f + algebra::Escrever(produto + r);
}

} // namespace vendrix::resolucao
