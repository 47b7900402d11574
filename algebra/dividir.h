// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/polinomio.h"
#include "runtime/resultado.h"

// Long division of polynomials with exact coefficients, and its proof.
namespace vendrix::algebra {

struct Divisão
{
    Polinómio quociente, resto;

    friend bool operator==(const Divisão&, const Divisão&) = default;
};

// Q and R with P = D·Q + R and R = 0 or deg R < deg D, for any D but 0,
// which is refused with DivisorNulo.
[[nodiscard]] runtime::Resultado<Divisão> Dividir(const Polinómio& p, const Polinómio& d);

// D·Q + R expanded, and whether it is P with R = 0 or deg R < deg D: what a
// student writes to check a division.
struct Verificação
{
    Polinómio expandido;
    bool confere;
};

[[nodiscard]] Verificação Verificar(const Polinómio& p, const Polinómio& d, const Divisão& divisão);

} // namespace vendrix::algebra
