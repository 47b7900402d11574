// SPDX-License-Identifier: MIT
#pragma once

#include "ruffini/procurar_fraccao.h"

#include <cstdint>

namespace vendrix::ruffini::testes {

// How the literal walk over the denominators ended.
enum class Fim {
    Achou,
    Transbordo,
    Desistiu, // more steps than allowed
};

struct Caminhada
{
    Fim fim;
    Fracção fracção; // when Achou
    std::int64_t passos;
};

// The fraction search as the table has always done it, step by step: the
// reference ProcurarFracção must agree with wherever it ends in time.
[[nodiscard]] Caminhada Caminhar(double valor, std::int64_t máximoDePassos);

} // namespace vendrix::ruffini::testes
