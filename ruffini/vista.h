// SPDX-License-Identifier: MIT
#pragma once

#include "display/exportar.h"
#include "ruffini/divisao.h"

#include <cstddef>
#include <string>
#include <vector>

// What a front end shows of a division: the cells with their texts and the
// columns they stand in, and whether the rules are drawn. The window places
// this in twips and the page in an HTML table; neither counts columns nor
// keeps texts of its own. The table's copies are written from `quadro`
// (display::QuadroEmTexto and its companions) when the user copies.
namespace vendrix::ruffini {

enum class Fila {
    Coef, // top row: the dividend's coefficients
    Seg,  // middle row: the products
    Ter,  // bottom row: the sums, the last one the remainder
};

struct CélulaVisível
{
    Fila fila = Fila::Coef;
    std::size_t índice = 0; // Coef(índice), Seg(índice) or Ter(índice)
    std::size_t coluna = 0; // Seg(i) stands in column i + 1, under Coef(i + 1)
    std::string texto;

    bool operator==(const CélulaVisível&) const = default;
};

struct VistaRuffini
{
    // The table is shown: its cells, the root, the rules (a bar right of
    // the root, a rule over the bottom row, a box round the remainder in
    // the last column), the quotient and the remainder. Otherwise all is
    // hidden and every member below is empty.
    bool mostrada = false;
    std::size_t colunas = 0;            // columns 0 … degree
    std::vector<CélulaVisível> células; // top row, middle row, bottom row; each left to right
    display::QuadroRuffini quadro;      // the shown texts
};

// "Coef(0)", "Seg(3)": the cell's name in both front ends.
[[nodiscard]] std::string NomeDaCélula(Fila fila, std::size_t índice);

[[nodiscard]] VistaRuffini VerDivisão(const Divisão& divisão);

} // namespace vendrix::ruffini
