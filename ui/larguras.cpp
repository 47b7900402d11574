// SPDX-License-Identifier: MIT
#include "ui/larguras.h"

#include "ui/texto_qt.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QSizeF>

#include <array>
#include <cmath>
#include <limits>
#include <memory>

namespace vendrix::ui {

display::Largura Larguras(const QFont& fonte, double larguraPx, const display::Escala& escala)
{
    auto ascii = std::make_shared<std::array<float, 128>>();
    ascii->fill(std::numeric_limits<float>::quiet_NaN());
    return [métrica = QFontMetricsF(fonte), ascii, larguraPx, escala](std::string_view c) {
        const bool simples = c.size() == 1 && static_cast<unsigned char>(c[0]) < 128;
        if (simples && !std::isnan((*ascii)[static_cast<unsigned char>(c[0])]))
            return (*ascii)[static_cast<unsigned char>(c[0])];
        // The same sum as the drawing's: each character measured alone.
        const auto largura = static_cast<float>(
            display::LarguraLógica(escala, larguraPx, métrica.horizontalAdvance(DeUtf8(c))));
        if (simples)
            (*ascii)[static_cast<unsigned char>(c[0])] = largura;
        return largura;
    };
}

void PintarTraçado(QPainter& pintor,
                   const QSizeF& tamanho,
                   const display::Escala& escala,
                   const display::Traçado& traçado,
                   float deslocamento)
{
    const double ascendente = QFontMetricsF(pintor.font()).ascent();
    for (const display::Glifo& g : traçado.glifos) {
        const display::PontoPx p =
            display::ParaPixels(escala, tamanho.width(), tamanho.height(), double{g.x} - deslocamento, g.y);
        // The logical point is the top-left corner of the character cell.
        pintor.drawText(QPointF(p.x, p.y + ascendente), DeUtf8(g.caractere));
    }
}

} // namespace vendrix::ui
