// SPDX-License-Identifier: MIT
#include "algebra/sinais.h"

#include <algorithm>

namespace vendrix::algebra {

TabelaDeSinais CalcularSinais(const Polinómio& p)
{
    Orçamento orçamento;
    const Factorização f = Factorizar(p, orçamento);
    return CalcularSinais(f, CalcularRaízes(f, orçamento));
}

TabelaDeSinais CalcularSinais(const Factorização& f, const Raízes& raízes)
{
    if (f.dominante.sign() == 0)
        return {{}, "0", true};
    if (!raízes.completas)
        return {raízes.reais, {}, false};
    // From +∞, where P has the sign of its leading coefficient, leftwards:
    // P changes sign at a root of odd multiplicity and keeps it at an even one.
    int sinal = f.dominante.sign() > 0 ? 1 : -1;
    std::string sinais(1, sinal > 0 ? '+' : '-');
    for (auto r = raízes.reais.rbegin(); r != raízes.reais.rend(); ++r) {
        if (r->multiplicidade % 2 == 1)
            sinal = -sinal;
        sinais += '0';
        sinais += sinal > 0 ? '+' : '-';
    }
    std::reverse(sinais.begin(), sinais.end());
    return {raízes.reais, std::move(sinais), true};
}

std::string SinaisDoFactor(const TabelaDeSinais& s, std::size_t índice, std::size_t multiplicidade)
{
    char sinal = '+';
    std::string sinais(1, sinal);
    for (auto r = s.raízes.rbegin(); r != s.raízes.rend(); ++r) {
        const bool raiz = r->factor == índice;
        if (raiz && multiplicidade % 2 == 1)
            sinal = sinal == '+' ? '-' : '+';
        sinais += raiz ? '0' : sinal;
        sinais += sinal;
    }
    std::reverse(sinais.begin(), sinais.end());
    return sinais;
}

} // namespace vendrix::algebra
