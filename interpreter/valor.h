// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/erro.h"

#include <cstdint>
#include <map>
#include <string>
#include <variant>
#include <vector>

namespace vendrix::interpreter {

enum class Tipo : std::uint8_t {
    Número,    // digits with "," as the decimal mark
    Nome,      // a variable or a constant
    Função,    // a name written with its "(", e.g. "sin("
    Abre,      // "("
    Fecha,     // ")"
    Separador, // ",", an empty slot from the start
    Operador,  // + - * / \ ^ % and the unary minus ~
};

struct Símbolo
{
    Tipo tipo = Tipo::Separador;
    char operador = 0; // for Tipo::Operador
    std::int16_t prioridade = 0;
    std::string texto; // as it stands in the token list; empty for the separator
    // Numbers are read once, when the expression is split, so that solving
    // again with other variables reads no text; the failure is raised only
    // if the evaluation ever reads the token.
    double número = 0;
    runtime::Código falhaDoNúmero = runtime::Código::Nenhum;
    int função = -1; // row of the function library, -1 when the name has none
};

// The expression split into tokens and the positions (from 1) in the order
// in which they are evaluated.
struct Expressão
{
    std::vector<Símbolo> símbolos;
    std::vector<std::int32_t> ordem;
    std::int16_t prioridadeMaisAlta = 7;
};

// A slot still holding the token at this position (from 1), not yet evaluated.
struct Texto
{
    std::int32_t posição = 0;
};

// The four kinds of number a slot can hold: Double, Single, Long, Integer.
using Número = std::variant<double, float, std::int32_t, std::int16_t>;
using Valor = std::variant<std::monostate, Texto, double, float, std::int32_t, std::int16_t>;

// Names compare without regard to letter case: the keys are kept in lower case.
using TabelaDeVariáveis = std::map<std::string, double, std::less<>>;

// Inside the interpreter a failure travels back as a value, step by step,
// and is renumbered where solving starts.
[[nodiscard]] runtime::Erro Falha(runtime::Código código, std::string símbolo = {});

[[nodiscard]] inline Valor ParaValor(const Número& n)
{
    return std::visit([](auto v) -> Valor { return v; }, n);
}

[[nodiscard]] inline double ParaDuplo(const Número& n)
{
    return std::visit([](auto v) { return static_cast<double>(v); }, n);
}

} // namespace vendrix::interpreter
