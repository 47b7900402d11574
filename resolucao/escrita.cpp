// SPDX-License-Identifier: MIT
#include "resolucao/escrita.h"

#include "algebra/expandir.h"

#include <algorithm>
#include <utility>

namespace vendrix::resolucao {

bool ComPassos(std::size_t grau, const algebra::Tamanho& tamanho) noexcept
{
    return grau <= GrauMáximoComPassos && tamanho.Total() <= algebra::AlgarismosMáximos;
}

algebra::Expressão Lista(std::span<const algebra::Racional> números)
{
    std::vector<algebra::Expressão> membros;
    membros.reserve(números.size());
    for (const algebra::Racional& n : números)
        membros.push_back(algebra::Número(n));
    return algebra::Lista(std::move(membros));
}

std::vector<algebra::Racional> Descendentes(const algebra::Polinómio& p)
{
    std::vector<algebra::Racional> c = p.coeficientes;
    if (c.empty())
        c.emplace_back(0);
    std::ranges::reverse(c);
    return c;
}

algebra::Expressão
ProvaDaDivisão(const algebra::Polinómio& d, const algebra::Polinómio& q, const algebra::Polinómio& r)
{
    using algebra::ComoExpressão;
    const algebra::Polinómio produto = d * q;
    // The remainder 0 is left out, the quotient 0 is not: "(x^2+1)·0".
    const auto mais = [&](algebra::Expressão e) {
        return algebra::ÉZero(r) ? e : algebra::Soma({std::move(e), ComoExpressão(r)});
    };
    std::vector<algebra::Expressão> membros{mais(algebra::Produto({ComoExpressão(d), ComoExpressão(q)}))};
    if (!algebra::ÉZero(r))
        membros.push_back(mais(ComoExpressão(produto)));
    membros.push_back(ComoExpressão(produto + r));
    return algebra::Cadeia(algebra::Nó::Igual, std::move(membros));
}

} // namespace vendrix::resolucao
