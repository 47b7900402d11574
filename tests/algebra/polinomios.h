// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/factorizar.h"

#include <random>
#include <sstream>
#include <string>
#include <string_view>

namespace vendrix::algebra {

// "2 3 0 -1/2" is 2x^3+3x^2-1/2: coefficients by falling degree.
inline Polinómio P(std::string_view coeficientes)
{
    std::istringstream leitor{std::string(coeficientes)};
    std::vector<Racional> c;
    for (std::string palavra; leitor >> palavra;)
        c.insert(c.begin(), Racional(palavra));
    return DeCoeficientes(std::move(c));
}

// A polynomial built from factors known irreducible, and those factors.
struct ProdutoConhecido
{
    Polinómio polinómio;
    Factorização factores;
};

// Whether a monic integer polynomial of degree 2 or 3 has an integer root:
// any such root divides the constant term, so trying each divisor decides.
inline bool TemRaizInteira(const Polinómio& f)
{
    const Inteiro c = abs(numerator(f.coeficientes[0]));
    for (Inteiro d = 1; d <= c; ++d)
        if (c % d == 0 && (Avaliar(f, Racional(d)) == 0 || Avaliar(f, Racional(-d)) == 0))
            return true;
    return c == 0;
}

// Up to degree 12: a random leading coefficient times linear factors with
// fractional roots and monic integer quadratics and cubics with no root,
// each with a random multiplicity.
inline ProdutoConhecido ProdutoAleatório(unsigned semente)
{
    std::mt19937 acaso(semente);
    const auto número = [&](int de, int até) { return std::uniform_int_distribution<int>(de, até)(acaso); };
    ProdutoConhecido r{Monómio(Racional(número(1, 9) * (número(0, 1) ? 1 : -1), número(1, 4)), 0), {}};
    r.factores.dominante = r.polinómio.coeficientes[0];
    for (std::size_t grau = 0; grau < 12;) {
        const std::size_t g = static_cast<std::size_t>(número(1, 3)),
                          m = static_cast<std::size_t>(número(1, 2));
        if (grau + g * m > 12)
            break;
        std::vector<Racional> c{Racional(número(-9, 9), g == 1 ? número(1, 5) : 1)};
        for (std::size_t i = 1; i < g; ++i)
            c.push_back(número(-9, 9));
        c.push_back(1);
        const Polinómio f = DeCoeficientes(c);
        const bool repetido = std::any_of(r.factores.factores.begin(),
                                          r.factores.factores.end(),
                                          [&](const Factor& x) { return x.polinómio == f; });
        if (repetido || (g > 1 && TemRaizInteira(f)))
            continue;
        r.factores.factores.push_back({f, m});
        for (std::size_t k = 0; k < m; ++k)
            r.polinómio = r.polinómio * f;
        grau += g * m;
    }
    return r;
}

} // namespace vendrix::algebra
