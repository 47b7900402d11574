// SPDX-License-Identifier: MIT
#include "display/tracado.h"

#include "display/linha.h"
#include "runtime/numeros.h"
#include "runtime/utf8.h"

namespace vendrix::display {

namespace {

// The raise of an exponent. It is a double added to a single-precision
// position, so that a position read back after several raises matches what
// the program has always drawn (2.6 then 3.2, not 3.2000000000000002).
constexpr double Elevação = 0.6;

} // namespace

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
        const std::string_view c = runtime::CarácterEm(texto, i);
        i += c.size();
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
