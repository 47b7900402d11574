// SPDX-License-Identifier: MIT
#include "algebra/analise.h"

namespace vendrix::algebra {

Análise Analisar(const Polinómio& p, Orçamento& orçamento)
{
    Análise a{p, Factorizar(p, orçamento), {}, {}};
    a.raízes = CalcularRaízes(a.factorização, orçamento);
    a.sinais = CalcularSinais(a.factorização, a.raízes);
    return a;
}

Análise Analisar(const Polinómio& p)
{
    Orçamento orçamento;
    return Analisar(p, orçamento);
}

} // namespace vendrix::algebra
