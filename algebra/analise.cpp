// SPDX-License-Identifier: MIT
#include "algebra/analise.h"

namespace vendrix::algebra {

Análise Analisar(const Polinómio& p)
{
    Análise a{p, Factorizar(p), {}, {}};
    a.raízes = CalcularRaízes(a.factorização);
    a.sinais = CalcularSinais(a.factorização, a.raízes);
    return a;
}

} // namespace vendrix::algebra
