// SPDX-License-Identifier: MIT
#pragma once

#include "display/escala.h"
#include "display/tracado.h"

class QFont;
class QPainter;
class QSizeF;

namespace vendrix::ui {

// How far each character advances in this font, in the logical units of an
// area whose inner width is larguraPx pixels. The widths of ASCII
// characters, which make up nearly every result, are measured once, so
// that a whole megabyte is measured in a few milliseconds.
[[nodiscard]] display::Largura Larguras(const QFont& fonte, double larguraPx, const display::Escala& escala);

// Paints traced characters in the painter's font and pen, the view moved
// deslocamento logical units along the drawing. The painter's origin is the
// area's inner top-left corner.
void PintarTraçado(QPainter& pintor,
                   const QSizeF& tamanho,
                   const display::Escala& escala,
                   const display::Traçado& traçado,
                   float deslocamento);

} // namespace vendrix::ui
