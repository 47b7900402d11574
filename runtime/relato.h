// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/erro.h"
#include "runtime/traducao.h"

#include <string>
#include <string_view>
#include <vector>

// What a routine has to tell the user, as a value: the routine does its work
// to the end and hands back its reports in the order it made them; the
// window then shows them one box at a time.
namespace vendrix::runtime {

// The title of a report's box: the engine's routine that failed, or the
// program's own name for the division's refusals.
enum class Título {
    Erro1, // MultiplicarPolinómios
    Erro2, // Simplificar
    Erro3, // MultiplicarMonómios
    Vendrix,
};

enum class Ícone {
    Crítico,    // the stop sign of the engine's failure reports
    Informação, // the "i" of the division's refusals
};

struct Relato
{
    Título título;
    Erro erro; // its Descrição is the box's text
    Ícone ícone;

    bool operator==(const Relato&) const = default;
};

// "Erro1 na expressão." … "Vendrix", in Portuguese or in the translator's language.
[[nodiscard]] std::string_view TextoDoTítulo(Título título) noexcept;
[[nodiscard]] std::string TextoDoTítulo(Título título, const Tradutor& tradutor);

// A result and the reports made while it was worked out.
template <typename T>
struct Relatado
{
    T valor;
    std::vector<Relato> relatos;

    bool operator==(const Relatado&) const = default;
};

} // namespace vendrix::runtime
