// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace vendrix::runtime {

// The numbers are those the program has always reported, so that a user or a
// test can tell one failure from another by number alone. Append-only: a
// number never changes meaning and is never reused.
enum class Código : int {
    Nenhum = 0,
    // A value outside the domain of a mathematical routine (square root or
    // logarithm of a negative number, a negative base to a broken power).
    ArgumentoInválido = 5,
    // A value that does not fit the number type it must go into; also the
    // invalid operation 0/0 and a text of 32,767 characters or tokens.
    Transbordo = 6,
    // A position outside a list: an empty term, a missing operand.
    ÍndiceForaDoIntervalo = 9,
    DivisãoPorZero = 11,
    // A text that is not a number where a number is needed.
    TipoIncompatível = 13,
    // The interpreter's own failures.
    ParêntesesIncorrectos = 1100,
    FunçãoNãoDefinida = 1101,
    VariávelNãoDefinida = 1102,
    ExpressãoInválida = 1103,
    ArgumentoInválidoNaExpressão = 1104,
};

struct LinhaMensagem
{
    Código código;
    std::string_view texto; // "{símbolo}" stands for the Erro's símbolo
};

// Every failure text the program can show, one row per code.
inline constexpr std::array<LinhaMensagem, 11> TextosDosErros{{
    {Código::Nenhum, ""},
    {Código::ArgumentoInválido, "Argumento inválido."},
    {Código::Transbordo, "Excesso de capacidade: o número é demasiado grande."},
    {Código::ÍndiceForaDoIntervalo, "Índice fora do intervalo: falta um termo."},
    {Código::DivisãoPorZero, "Divisão por zero."},
    {Código::TipoIncompatível, "Tipo incompatível: o texto não é um número."},
    {Código::ParêntesesIncorrectos, "Número de parênteses incorrecto."},
    {Código::FunçãoNãoDefinida, "Função não definida: {símbolo})"},
    {Código::VariávelNãoDefinida, "Variável não definida: {símbolo}"},
    {Código::ExpressãoInválida, "Expressão inválida"},
    {Código::ArgumentoInválidoNaExpressão, "Argumento inválido na expressão: {símbolo})"},
}};

struct Erro
{
    Código código;
    std::string origem;  // who raised it, e.g. "Interpretador"; may be empty
    std::string símbolo; // the name or token the description quotes; may be empty

    [[nodiscard]] int Número() const noexcept { return static_cast<int>(código); }

    // The table's text with "{símbolo}" filled in.
    [[nodiscard]] std::string Descrição() const;

    bool operator==(const Erro&) const = default;
};

// The one way to make an Erro: g++ 12 with -Wextra flags aggregate
// initialisers that skip fields.
[[nodiscard]] Erro Falhar(Código código, std::string origem = {}, std::string símbolo = {});

// The row of a code, or nullptr for a number that is not in the table.
[[nodiscard]] const LinhaMensagem* ProcurarMensagem(Código código) noexcept;

} // namespace vendrix::runtime
