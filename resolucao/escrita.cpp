// SPDX-License-Identifier: MIT
#include "resolucao/escrita.h"

#include <algorithm>

namespace vendrix::resolucao {

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

} // namespace vendrix::resolucao
