// SPDX-License-Identifier: MIT
#pragma once

#include "ruffini/procurar_fraccao.h"
#include "runtime/resultado.h"

#include <cstdint>
#include <optional>

namespace vendrix::ruffini {

// The quotient n/d of two whole numbers, worked out exactly beside the
// double the table computes with. |n| and |d| stay below 2^63 because every
// factor is a whole number of at most 2^31 in magnitude, or a cell of the
// integer path (below 10^15) over such a number.
struct QuocienteExacto
{
    std::int64_t n;
    std::int64_t d; // not 0

    bool operator==(const QuocienteExacto&) const = default;
};

// The value as a whole number, when it is one and lies within ±2^31 - 1.
[[nodiscard]] std::optional<std::int64_t> Inteiro(double valor);

// The value as a whole number, when it is one and lies below 10^15 in
// magnitude, as the cells of the integer path do.
[[nodiscard]] std::optional<std::int64_t> InteiroDaTabela(double valor);

// ProcurarFracção(valor), where valor was computed in double precision as
// the quotient exacto, when the operands were whole numbers. The fraction
// found must then be that quotient in lowest terms: when it is not, the
// double had lost digits (a product beyond 2^53) or the quotient itself
// needs more than 32 bits, and the search has only found a fraction near
// the true one. That is Transbordo, as for a search that leaves the range.
[[nodiscard]] runtime::Resultado<Fracção> ProcurarFracçãoExacta(double valor,
                                                                std::optional<QuocienteExacto> exacto);

} // namespace vendrix::ruffini
