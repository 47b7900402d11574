// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/expressao.h"
#include "algebra/polinomio.h"
#include "runtime/resultado.h"

#include <cstddef>
#include <vector>

// Exact numbers a + b√d and polynomials over them, for the check of a
// student's answer: "x(x-√2)(x+√2)" and "(1+√5)/2" are compared with the
// polynomial they are about without a decimal in between. Each
// computation has one d, set by the first square root that is not
// rational; a second, independent root ("√2+√3") is refused.
namespace vendrix::resolucao::verificar {

using algebra::Inteiro;
using algebra::Racional;

struct Quadrático
{
    Racional a, b; // a + b√d

    friend bool operator==(const Quadrático&, const Quadrático&) = default;
};

struct PolinómioQ
{
    std::vector<Quadrático> c; // by rising degree, the last one never zero
    Inteiro d = 0;             // 0: every b is zero

    [[nodiscard]] bool ÉRacional() const noexcept;
};

[[nodiscard]] inline bool ÉZero(const PolinómioQ& p) noexcept { return p.c.empty(); }

// The degree; the zero polynomial has none.
[[nodiscard]] inline std::size_t Grau(const PolinómioQ& p) noexcept
{
    return p.c.empty() ? 0 : p.c.size() - 1;
}

// The expression as a polynomial, of degree at most grauMáximo: refused
// with Transbordo past that degree or past numbers of about 20,000 digits,
// before the work is done, and with ArgumentoInválido for a parameter, a
// relation or a second independent square root.
[[nodiscard]] runtime::Resultado<PolinómioQ> Expandido(const algebra::Expressão& e, std::size_t grauMáximo);

[[nodiscard]] PolinómioQ DeRacional(const algebra::Polinómio& p);
[[nodiscard]] algebra::Polinómio ParaRacional(const PolinómioQ& p); // the parts a alone

// The product, or ArgumentoInválido when the two roots are independent.
[[nodiscard]] runtime::Resultado<PolinómioQ> Multiplicar(const PolinómioQ& p, const PolinómioQ& q);

// -1, 0 or 1, exactly.
[[nodiscard]] int Sinal(const Quadrático& q, const Inteiro& d);

// P(v) for a rational P.
[[nodiscard]] Quadrático Avaliar(const algebra::Polinómio& p, const Quadrático& v, const Inteiro& d);

// v = w, each in its own field.
[[nodiscard]] bool Iguais(const Quadrático& v, const Inteiro& dv, const Quadrático& w, const Inteiro& dw);

// p divided by its leading coefficient, which is returned apart.
[[nodiscard]] Quadrático Mónico(PolinómioQ& p);

// The root of a first-degree polynomial.
[[nodiscard]] Quadrático RaizDoLinear(const PolinómioQ& p);

} // namespace vendrix::resolucao::verificar
