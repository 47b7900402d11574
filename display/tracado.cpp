// SPDX-License-Identifier: MIT
#include "display/tracado.h"

#include "runtime/numeros.h"

#include <algorithm>

namespace vendrix::display {

namespace {

// The raise of an exponent. It is a double added to a single-precision
// position, so that a position read back after several raises matches what
// the program has always drawn (2.6 then 3.2, not 3.2000000000000002).
constexpr double Elevação = 0.6;

[[nodiscard]] bool Repõe(std::string_view c) noexcept { return c == "x" || c == "+" || c == "-" || c == "/"; }

} // namespace

std::size_t BytesDoCaractere(unsigned char primeiro) noexcept
{
    if (primeiro >= 0xF0 && primeiro <= 0xF4)
        return 4;
    if (primeiro >= 0xE0)
        return primeiro <= 0xEF ? 3 : 1;
    if (primeiro >= 0xC2)
        return 2;
    return 1;
}

Traçado
TraçarPolinómio(std::string_view texto, float xInicial, float baseY, float xLimite, const Largura& largura)
{
    Traçado t{{}, xInicial, baseY, false};
    std::size_t i = 0;
    while (i < texto.size()) {
        if (t.x >= xLimite) {
            t.cortado = true;
            break;
        }
        const std::size_t n =
            std::min(BytesDoCaractere(static_cast<unsigned char>(texto[i])), texto.size() - i);
        const std::string_view c = texto.substr(i, n);
        i += n;
        if (c == "^") {
            // Raises only ever add up to a few hundred thousand units, far
            // inside the single range; the check keeps the rule visible.
            t.y = runtime::ParaSimples(double{t.y} + Elevação).ValorOu(t.y);
            continue; // the caret itself is never drawn
        }
        if (Repõe(c))
            t.y = baseY;
        t.glifos.push_back({c, t.x, t.y});
        t.x += largura(c);
    }
    return t;
}

} // namespace vendrix::display
