// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/resultado.h"

#include <cstdint>

// The arithmetic of the interpreter. A floating-point fault is reported the
// moment it happens, never carried on as an infinity or a NaN: 11 for a
// non-zero number divided by 0, 6 for an overflow or an invalid operation
// (0/0 included), 5 for an argument outside a routine's domain.
//
// Every routine also takes the failure of an earlier step as its argument
// and hands it on unchanged, the left argument's first, so that a formula
// of the library reads as one expression and reports its first failure.
namespace vendrix::interpreter {

using Real = runtime::Resultado<double>;

// The result itself when it is finite, else error 6.
[[nodiscard]] Real Verificado(double resultado);

[[nodiscard]] Real Somar(const Real& a, const Real& b);
[[nodiscard]] Real Subtrair(const Real& a, const Real& b);
[[nodiscard]] Real Multiplicar(const Real& a, const Real& b);
[[nodiscard]] Real Dividir(const Real& a, const Real& b);

// A negative base with a broken exponent is 5. Zero to a negative power is
// a division of 1 by 0 and is 11, as 1/0 is.
[[nodiscard]] Real Potência(const Real& base, const Real& expoente);

[[nodiscard]] Real RaizQuadrada(const Real& x); // 5 below 0
[[nodiscard]] Real Logaritmo(const Real& x);    // natural; 5 at 0 and below
[[nodiscard]] Real Exponencial(const Real& x);  // 6 on overflow

// The nearest 32-bit whole number, a half to the even one; 6 out of range.
[[nodiscard]] runtime::Resultado<std::int32_t> Inteiro32(double x);

// Whole-number division toward zero and remainder with the sign of a, on
// the 32-bit numbers nearest to a and b; 11 when b rounds to 0.
[[nodiscard]] runtime::Resultado<std::int32_t> DivisãoInteira(double a, double b);
[[nodiscard]] runtime::Resultado<std::int32_t> Resto(double a, double b);

} // namespace vendrix::interpreter
