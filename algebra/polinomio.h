// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/racional.h"

#include <vector>

// A polynomial in x with exact rational coefficients, and its arithmetic.
namespace vendrix::algebra {

struct Polinómio
{
    // coeficientes[i] multiplies x^i. The last one is never zero, so the zero
    // polynomial has none and two equal polynomials compare equal.
    std::vector<Racional> coeficientes;

    friend bool operator==(const Polinómio&, const Polinómio&) = default;
};

// From the coefficients by rising degree, trailing zeros dropped.
[[nodiscard]] Polinómio DeCoeficientes(std::vector<Racional> coeficientes);

// c·x^grau.
[[nodiscard]] Polinómio Monómio(const Racional& c, std::size_t grau);

[[nodiscard]] bool ÉZero(const Polinómio& p) noexcept;

// The degree; the zero polynomial has none, and callers check ÉZero first.
[[nodiscard]] std::size_t Grau(const Polinómio& p) noexcept;

// The coefficient of the highest degree, 0 for the zero polynomial.
[[nodiscard]] Racional CoeficienteDominante(const Polinómio& p);

Polinómio& operator+=(Polinómio& a, const Polinómio& b);
[[nodiscard]] Polinómio operator+(const Polinómio& a, const Polinómio& b);
[[nodiscard]] Polinómio operator-(const Polinómio& a, const Polinómio& b);
[[nodiscard]] Polinómio operator-(const Polinómio& a);
[[nodiscard]] Polinómio operator*(const Polinómio& a, const Polinómio& b);
[[nodiscard]] Polinómio operator*(const Racional& c, const Polinómio& p);

// P(a) exactly, by Horner's scheme over the integers: a = u/v is carried
// as u and v, and the value is one fraction at the end.
[[nodiscard]] Racional Avaliar(const Polinómio& p, const Racional& a);

[[nodiscard]] Polinómio Derivada(const Polinómio& p);

// p as integer coefficients over their least common denominator, so that
// loops can multiply without reducing a fraction at every step.
struct SobreDenominador
{
    std::vector<Inteiro> coeficientes;
    Inteiro denominador;
};

[[nodiscard]] SobreDenominador SemDenominadores(const Polinómio& p);

// a / b reduced, the sign in front; b is never zero.
[[nodiscard]] Racional Fracção(Inteiro a, Inteiro b);

} // namespace vendrix::algebra
