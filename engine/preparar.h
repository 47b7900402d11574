// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// What a typed polynomial goes through before any command reads it, so that
// what students type and paste is read as they meant it. The input boxes
// themselves never change.
namespace vendrix::engine {

// The characters word processors and phones write: the minus sign and the
// en dash become "-", the no-break and thin spaces blanks, and a run of
// superscript digits "^" and the same digits ("x²" is "x^2", "x¹⁰" "x^10").
[[nodiscard]] std::string NormalizarEscrita(std::string_view texto);

// NormalizarEscrita, then every blank removed, every run of signs made one
// sign by the rule of signs ("+-" is "-", "--" "+"), and a leading "+"
// dropped.
[[nodiscard]] std::string PrepararPolinómio(std::string_view texto);

} // namespace vendrix::engine
