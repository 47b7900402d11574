// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/traducao.h"

#include <cstddef>
#include <optional>
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
    // The division's refusals.
    DividendoInválido = 2001,
    DivisorInválido = 2002,
    NãoÉPolinómio = 2003,
    GrauAcimaDeNove = 2004,
    ValoresGrandes = 2005,
    // The product's count of failing monomials whose boxes were held back;
    // the símbolo is the count.
    OutrosMonómios = 2006,
    // The exact algebra's refusals. The símbolo is the term or number where
    // reading stopped.
    TextoVazio = 3001,
    TermoIlegível = 3002,
    SinalSemTermo = 3003,
    ExpoenteGrande = 3004,
    DenominadorZero = 3005,
    NúmeroIlegível = 3006,
    DivisorNulo = 3007,
    // An equation or inequality typed where only an expression is read;
    // the símbolo is the relation sign.
    RelaçãoNãoPermitida = 3008,
    // An expression with no relation sign where an equation or an
    // inequality is to be solved.
    FaltaRelação = 3009,
};

// The Portuguese text of a code, "%1" standing for the Erro's símbolo;
// nothing for a number that is no code. The texts are in mensagens.h.
[[nodiscard]] std::optional<std::string_view> TextoDoCódigo(Código código) noexcept;

struct Erro
{
    Código código;
    std::string origem;  // who raised it, e.g. "Interpretador"; may be empty
    std::string símbolo; // the name or token the description quotes; may be empty
    // Where a reader stopped: the character, counted from 1 in characters
    // (not bytes) so that a front end can put the cursor there; 0 = none.
    std::size_t posição = 0;

    [[nodiscard]] int Número() const noexcept { return static_cast<int>(código); }

    // The table's text with the símbolo filled in, in Portuguese or in the
    // translator's language; a number that is no code says "Erro 77.".
    [[nodiscard]] std::string Descrição() const;
    [[nodiscard]] std::string Descrição(const Tradutor& tradutor) const;

    bool operator==(const Erro&) const = default;
};

// The one way to make an Erro: g++ 12 with -Wextra flags aggregate
// initialisers that skip fields.
[[nodiscard]] Erro Falhar(Código código, std::string origem = {}, std::string símbolo = {});

// A reader's refusal: where it stopped and the piece it could not read.
[[nodiscard]] Erro FalharEm(Código código, std::size_t posição, std::string símbolo);

} // namespace vendrix::runtime
