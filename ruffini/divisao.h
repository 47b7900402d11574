// SPDX-License-Identifier: MIT
#pragma once

#include "interpreter/gerador.h"
#include "ruffini/tabela.h"
#include "runtime/relato.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The Ruffini division as one toolkit-free step: from the two typed texts to
// everything the table holds. The window clears the table first, then
// shows what Dividir returns.
namespace vendrix::ruffini {

inline constexpr int CélulasCoef = 11; // Coef(0) … Coef(10); Ter likewise
inline constexpr int CélulasSeg = 10;  // Seg(0) … Seg(9)

// The input a refusal is about.
enum class Entrada {
    Nenhuma,
    Dividendo,
    Divisor,
};

struct Divisão
{
    // The reports of the run in order: Simplificar's failure report, if the
    // dividend could not be simplified, then the refusal, if any, which is
    // always the last one, titled Vendrix with the information icon. After
    // a refusal the table stays cleared.
    std::vector<runtime::Relato> relatos;
    Entrada foco = Entrada::Nenhuma; // the input at fault in a refusal

    // The working texts written into the hidden boxes (nullopt: not reached).
    std::optional<std::string> Polinómio1A, Polinómio2A, Text3;
    // The dividend's degree, when the run got as far as reading it.
    std::optional<std::int16_t> GrauDividendo;

    // When true the table shows Coef, Seg and Ter of columns 0 … degree
    // (Seg(degree) excepted), the root Div, the grid, the quotient
    // Resultado and the remainder resto.
    bool tabelaVisível = false;
    std::array<std::optional<std::string>, CélulasCoef> Coef; // nullopt: text left as it was
    std::array<std::optional<std::string>, CélulasSeg> Seg;
    std::array<std::optional<std::string>, CélulasCoef> Ter;
    std::optional<std::string> Div;
    std::optional<std::string> Resultado; // the quotient text
    std::string resto;
    // The divisor's root and coefficients the table divided by, which an
    // explanation of the table works from.
    std::optional<Raiz> raiz;

    // The refusal that ended the run, if it was refused.
    [[nodiscard]] const runtime::Relato* Recusa() const noexcept;
};

// sementes gives the seeds of the random numbers a divisor may ask for
// (rnd, random, rand): the clock in the program, a fixed sequence to replay
// a run.
[[nodiscard]] Divisão
Dividir(std::string_view dividendo, std::string_view divisor, interpreter::FonteDeSementes sementes);

} // namespace vendrix::ruffini
