// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/servico_mensagens.h"

#include <optional>
#include <string>
#include <string_view>

// The sum, difference, product and simplify commands, from the typed texts
// to what the window shows. Failure reports go through mensagens while the
// command runs; the command always finishes with a (possibly empty) result.
namespace vendrix::engine {

// The working texts a command leaves in the window's hidden boxes, and its result.
struct Comando
{
    std::string Polinómio1A;
    std::string Polinómio2A;
    std::optional<std::string> Text2; // written by the difference only
    std::optional<std::string> Text3; // written by the sum and the difference
    std::string Resultado;            // compact form, to be drawn
    std::string legenda;              // the caption of frame3

    bool operator==(const Comando&) const = default;
};

[[nodiscard]] Comando
Somar(std::string_view polinómio1, std::string_view polinómio2, runtime::ServiçoDeMensagens& mensagens);

[[nodiscard]] Comando
Subtrair(std::string_view polinómio1, std::string_view polinómio2, runtime::ServiçoDeMensagens& mensagens);

[[nodiscard]] Comando
Multiplicar(std::string_view polinómio1, std::string_view polinómio2, runtime::ServiçoDeMensagens& mensagens);

// The simplify command of an input box: the working copy it leaves in
// Polinómio1A or Polinómio2A, and the compact text to draw.
struct Simplificação
{
    std::string cópia;
    std::string Resultado;

    bool operator==(const Simplificação&) const = default;
};

[[nodiscard]] Simplificação SimplificarPolinómio(std::string_view polinómio,
                                                 runtime::ServiçoDeMensagens& mensagens);

} // namespace vendrix::engine
