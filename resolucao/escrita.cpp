// SPDX-License-Identifier: MIT
#include "resolucao/escrita.h"

#include <algorithm>

namespace vendrix::resolucao {

std::string EscreverRacional(const algebra::Racional& r)
{
    const algebra::Inteiro d = boost::multiprecision::denominator(r);
    std::string texto = boost::multiprecision::numerator(r).str();
    if (d != 1)
        texto.append("/").append(d.str());
    return texto;
}

std::string Coeficiente(const algebra::Racional& c)
{
    if (c == 1)
        return {};
    if (c == -1)
        return "-";
    return EscreverRacional(c);
}

std::string EscreverPolinómio(const algebra::Polinómio& p)
{
    if (algebra::ÉZero(p))
        return "0";
    std::string texto;
    for (std::size_t i = p.coeficientes.size(); i-- > 0;) {
        const algebra::Racional& c = p.coeficientes[i];
        if (c == 0)
            continue;
        if (!texto.empty() && c > 0)
            texto += "+";
        if (i == 0) {
            texto += EscreverRacional(c);
            continue;
        }
        texto.append(Coeficiente(c)).append("x");
        if (i > 1)
            texto.append("^").append(std::to_string(i));
    }
    return texto;
}

std::string Lista(std::span<const algebra::Racional> números)
{
    std::string texto;
    for (const algebra::Racional& n : números)
        texto.append(texto.empty() ? "" : ", ").append(EscreverRacional(n));
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
    const std::string texto = EscreverRacional(r);
    return r < 0 || boost::multiprecision::denominator(r) != 1 ? "(" + texto + ")" : texto;
}

} // namespace vendrix::resolucao
