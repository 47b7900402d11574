// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/polinomio.h"

#include <random>

namespace vendrix::algebra {

// A polynomial of degree up to 12 with small fractions, zeros among them,
// and now and then a coefficient of thirty digits.
inline Polinómio PolinómioAoAcaso(std::mt19937& gerador)
{
    std::uniform_int_distribution<int> grau(0, 12), numerador(-9, 9), denominador(1, 6), raro(0, 9);
    std::vector<Racional> c(static_cast<std::size_t>(grau(gerador)) + 1);
    for (Racional& x : c) {
        x = Racional(numerador(gerador), denominador(gerador));
        if (raro(gerador) == 0)
            x *= Inteiro("1000000000000000000000000000007");
    }
    return DeCoeficientes(std::move(c));
}

} // namespace vendrix::algebra
