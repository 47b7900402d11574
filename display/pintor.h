// SPDX-License-Identifier: MIT
#pragma once

#include "display/escala.h"

#include <string_view>

class QPainter;
class QSizeF;

namespace vendrix::display {

struct Caneta
{
    float x;
    float y;
};

// Draws a polynomial text with raised exponents in the painter's current
// font and pen, starting at the logical point (x, baseY) of an area whose
// inner size is tamanho pixels, and returns where the pen ends up. The
// painter's origin is the area's inner top-left corner.
Caneta PintarPolinómio(QPainter& pintor,
                       const QSizeF& tamanho,
                       const Escala& escala,
                       std::string_view texto,
                       float x,
                       float baseY);

} // namespace vendrix::display
