// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/resultado.h"

#include <cstdint>
#include <string>
#include <string_view>

// Number conversions shared by every part of the program. The program writes
// and reads "." as its decimal point whatever the machine's locale, so that a
// polynomial gives the same result on every machine.
namespace vendrix::runtime {

// The nearest whole number, a half going to the even neighbour; a value out
// of range (NaN and the infinities included) is Transbordo.
[[nodiscard]] Resultado<std::int16_t> ParaInteiro16(double valor);
[[nodiscard]] Resultado<std::int32_t> ParaInteiro32(double valor);

// Single precision; beyond its range (or NaN) is Transbordo.
[[nodiscard]] Resultado<float> ParaSimples(double valor);

// The general text-to-number conversion: blanks around, an optional sign,
// digits with an optional "." decimal point, an optional exponent ("1.5E3").
// The empty text and anything else is TipoIncompatível; a magnitude beyond
// double precision is Transbordo, one below it reads as 0.
[[nodiscard]] Resultado<double> TextoParaNúmero(std::string_view texto);
[[nodiscard]] Resultado<float> TextoParaSimples(std::string_view texto);

// The leading-number rule: reads as far as a number goes (blanks first, an
// optional sign, digits, a "." decimal point, an exponent) and ignores the
// rest; a text without a number reads as 0. Only a magnitude beyond double
// precision fails (Transbordo).
[[nodiscard]] Resultado<double> NúmeroInicial(std::string_view texto);

// The general number-to-text conversion: at most 7 significant digits for a
// single, 15 for a double; whole values below 10^7 (single) or 10^15
// (double) as plain digits; others in the shortest form with that many
// digits ("0.5", "3.333333"), or in exponent form ("1.234568E+07", "1E-05")
// where plain digits would not do. Negative zero is written "0".
[[nodiscard]] std::string TextoDeSimples(float valor);
[[nodiscard]] std::string TextoDeDuplo(double valor);
[[nodiscard]] std::string TextoDeInteiro(std::int64_t valor);

} // namespace vendrix::runtime
