// SPDX-License-Identifier: MIT
#include "ui/grelha_ruffini.h"

#include <cassert>
#include <utility>

namespace vendrix::ui {

namespace {

std::int16_t Curto(int valor)
{
    assert(std::in_range<std::int16_t>(valor));
    return static_cast<std::int16_t>(valor);
}

} // namespace

std::array<Segmento, 3> LinhasDaGrelha(std::int16_t grau)
{
    assert(grau >= 1 && grau <= 9);
    const std::int16_t fimDaRegra = Curto(840 * grau + 2000);
    const std::int16_t barra = Curto(795 * grau + 1340);
    const std::int16_t fimDoResto = Curto(830 * grau + 2000);
    return {{
        {690, 1740, fimDaRegra, 1740},
        {barra, 2350, fimDoResto, 2350},
        {barra, 1740, barra, 2350},
    }};
}

} // namespace vendrix::ui
