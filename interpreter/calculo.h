// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// The arithmetic of the interpreter. A floating-point fault is raised the
// moment it happens, never carried on as an infinity or a NaN: 11 for a
// non-zero number divided by 0, 6 for an overflow or an invalid operation
// (0/0 included), 5 for an argument outside a routine's domain.
namespace vendrix::interpreter {

// The result itself when it is finite, else error 6.
[[nodiscard]] double Verificado(double resultado);

[[nodiscard]] double Somar(double a, double b);
[[nodiscard]] double Subtrair(double a, double b);
[[nodiscard]] double Multiplicar(double a, double b);
[[nodiscard]] double Dividir(double a, double b);

// A negative base with a broken exponent is 5. Zero to a negative power is
// a division of 1 by 0 and is 11, as 1/0 is.
[[nodiscard]] double Potência(double base, double expoente);

[[nodiscard]] double RaizQuadrada(double x); // 5 below 0
[[nodiscard]] double Logaritmo(double x);    // natural; 5 at 0 and below
[[nodiscard]] double Exponencial(double x);  // 6 on overflow

// The nearest 32-bit whole number, a half to the even one; 6 out of range.
[[nodiscard]] std::int32_t Inteiro32(double x);

// Whole-number division toward zero and remainder with the sign of a, on
// the 32-bit numbers nearest to a and b; 11 when b rounds to 0.
[[nodiscard]] std::int32_t DivisãoInteira(double a, double b);
[[nodiscard]] std::int32_t Resto(double a, double b);

} // namespace vendrix::interpreter
