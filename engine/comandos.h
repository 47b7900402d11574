// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/relato.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The sum, difference, product and simplify commands, from the typed texts
// to what the window shows. A command always finishes with a (possibly
// empty) result and the reports it made on the way, in their order.
namespace vendrix::engine {

enum class Operação {
    Soma,
    Subtração,
    Multiplicação,
};

// The caption of the result frame after the operation: "Resultado (soma)"…,
// in Portuguese or in the translator's language.
[[nodiscard]] std::string_view LegendaDaOperação(Operação operação) noexcept;
[[nodiscard]] std::string LegendaDaOperação(Operação operação, const runtime::Tradutor& tradutor);

// The working texts a command leaves in the window's hidden boxes, and its result.
struct Comando
{
    std::string Polinómio1A;
    std::string Polinómio2A;
    std::optional<std::string> Text2; // written by the difference only
    std::optional<std::string> Text3; // written by the sum and the difference
    std::string Resultado;            // compact form, to be drawn
    Operação operação = Operação::Soma;
    std::vector<runtime::Relato> relatos; // the boxes to show, in order

    bool operator==(const Comando&) const = default;
};

[[nodiscard]] Comando Somar(std::string_view polinómio1, std::string_view polinómio2);

[[nodiscard]] Comando Subtrair(std::string_view polinómio1, std::string_view polinómio2);

[[nodiscard]] Comando Multiplicar(std::string_view polinómio1, std::string_view polinómio2);

// Failures of single monomials shown one by one before the rest are held back.
inline constexpr std::size_t CaixasDeMonómiosMostradas = 9;

// A product whose first polynomial cannot be read fails once for every
// monomial of the second, and every failure is a modal box the user must
// close: a pasted polynomial of thousands of terms would hold the user for
// thousands of clicks. The first nine failures (Erro3) are kept as they
// come; the ones after them are held until the list ends, or until a
// report of another title comes, so that reports keep their order: a
// single held failure then comes as it was, and more are counted in one
// OutrosMonómios report.
[[nodiscard]] std::vector<runtime::Relato> ResumirFalhasDosMonómios(std::vector<runtime::Relato> relatos);

// The simplify command of an input box: the working copy it leaves in
// Polinómio1A or Polinómio2A, and the compact text to draw.
struct Simplificação
{
    std::string cópia;
    std::string Resultado;
    std::vector<runtime::Relato> relatos;

    bool operator==(const Simplificação&) const = default;
};

[[nodiscard]] Simplificação SimplificarPolinómio(std::string_view polinómio);

} // namespace vendrix::engine
