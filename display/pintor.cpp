// SPDX-License-Identifier: MIT
#include "display/pintor.h"

#include "display/tracado.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QSizeF>
#include <QString>

namespace vendrix::display {

Caneta PintarPolinómio(QPainter& pintor,
                       const QSizeF& tamanho,
                       const Escala& escala,
                       std::string_view texto,
                       float x,
                       float baseY)
{
    const QFontMetricsF métrica(pintor.font());
    const double largura = tamanho.width();
    const Largura avanço = [&](std::string_view c) {
        const double px =
            métrica.horizontalAdvance(QString::fromUtf8(c.data(), static_cast<qsizetype>(c.size())));
        return static_cast<float>(LarguraLógica(escala, largura, px));
    };
    const Traçado t = TraçarPolinómio(texto, x, baseY, escala.direita, avanço);
    for (const Glifo& g : t.glifos) {
        const PontoPx p = ParaPixels(escala, largura, tamanho.height(), g.x, g.y);
        // The logical point is the top-left corner of the character cell.
        pintor.drawText(QPointF(p.x, p.y + métrica.ascent()),
                        QString::fromUtf8(g.caractere.data(), static_cast<qsizetype>(g.caractere.size())));
    }
    return {t.x, t.y};
}

} // namespace vendrix::display
