// SPDX-License-Identifier: MIT
#pragma once

#include "interpreter/gerador.h"
#include "interpreter/valor.h"
#include "runtime/resultado.h"

#include <span>
#include <string_view>

namespace vendrix::interpreter {

// What a function may read or change besides its arguments.
struct Contexto
{
    bool graus = false; // angle functions take and give degrees
    Gerador& gerador;
};

struct Função
{
    std::string_view token; // the name with its "(", as the tokenizer writes it
    runtime::Resultado<Número> (*calcular)(double x, double y, Contexto& contexto);
};

inline constexpr std::size_t NúmeroDeFunções = 56;

// Every function an expression may call, in the program's own order; x is
// the first value between the parentheses and y the last.
[[nodiscard]] std::span<const Função, NúmeroDeFunções> Funções() noexcept;

// The row of a function token, or -1.
[[nodiscard]] int ProcurarFunção(std::string_view token) noexcept;

// The two conversion factors as the program has always written them, a
// little above 180/π and π/180.
inline constexpr double RadianosParaGraus = 57.2957795131;
inline constexpr double GrausParaRadianos = 0.01745329251995;

} // namespace vendrix::interpreter
