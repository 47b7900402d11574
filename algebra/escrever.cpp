// SPDX-License-Identifier: MIT
#include "algebra/escrever.h"

namespace vendrix::algebra {

namespace {

void AcrescentarRacional(std::string& texto, const Racional& r)
{
    texto += numerator(r).str();
    if (denominator(r) != 1) {
        texto += '/';
        texto += denominator(r).str();
    }
}

} // namespace

std::string EscreverRacional(const Racional& r)
{
    std::string texto;
    AcrescentarRacional(texto, r);
    return texto;
}

std::string Escrever(const Polinómio& p)
{
    if (ÉZero(p))
        return "0";
    std::string texto;
    for (std::size_t grau = p.coeficientes.size(); grau-- > 0;) {
        const Racional& c = p.coeficientes[grau];
        if (c == 0)
            continue;
        if (c < 0)
            texto += '-';
        else if (!texto.empty())
            texto += '+';
        const Racional absoluto = abs(c);
        if (grau == 0 || absoluto != 1)
            AcrescentarRacional(texto, absoluto);
        if (grau >= 1)
            texto += 'x';
        if (grau >= 2) {
            texto += '^';
            texto += std::to_string(grau);
        }
    }
    return texto;
}

} // namespace vendrix::algebra
