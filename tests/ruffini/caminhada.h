// SPDX-License-Identifier: MIT
#pragma once

#include "ruffini/procurar_fraccao.h"

#include <cstdint>

namespace vendrix::ruffini::testes {

// Desistiu: the walk needed more steps than allowed.
enum class Fim { Achou, Transbordo, Desistiu };

struct Caminhada
{
    Fim fim;
    Fracção fracção; // when Achou
    std::int64_t passos;
};

// The fraction search walked step by step: the reference for ProcurarFracção.
[[nodiscard]] Caminhada Caminhar(double valor, std::int64_t máximoDePassos);

} // namespace vendrix::ruffini::testes
