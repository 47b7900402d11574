// SPDX-License-Identifier: MIT
#include "ui/caixa_desenho.h"

#include "display/pintor.h"
#include "ui/acessibilidade.h"
#include "ui/fontes.h"

#include <QPainter>
#include <QPen>

namespace vendrix::ui {

CaixaDeDesenho::CaixaDeDesenho(QWidget* parent)
    : QFrame(parent)
    , FontAtual(Fonte(SansSerif, 8.25, false))
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
}

void CaixaDeDesenho::Scale(float x1, float y1, float x2, float y2)
{
    escala = display::Escala{x1, y1, x2, y2};
}

display::Escala CaixaDeDesenho::Escala() const noexcept
{
    const QSize interior = contentsRect().size();
    return escala.value_or(display::EscalaEmTwips(interior.width(), interior.height()));
}

void CaixaDeDesenho::Cls()
{
    superfície = QImage();
    DescreverDesenho(this, {});
    update();
}

void CaixaDeDesenho::DefinirFontBold(bool negrito) { FontAtual.setBold(negrito); }

void CaixaDeDesenho::DefinirFontSize(double pontos) { FontAtual.setPixelSize(PontosEmPixels(pontos)); }

QImage& CaixaDeDesenho::Superfície()
{
    const qreal razão = devicePixelRatioF();
    const QSize tamanho = contentsRect().size() * razão;
    if (superfície.size() != tamanho || superfície.devicePixelRatio() != razão) {
        // A move to a screen of another density keeps what was drawn, scaled.
        QImage nova(tamanho, QImage::Format_ARGB32_Premultiplied);
        nova.setDevicePixelRatio(razão);
        nova.fill(Qt::transparent);
        if (!superfície.isNull()) {
            QPainter p(&nova);
            p.drawImage(QRectF(QPointF(0, 0), QSizeF(contentsRect().size())), superfície);
        }
        superfície = std::move(nova);
    }
    return superfície;
}

void CaixaDeDesenho::ImprimirPolinómio(std::string_view texto)
{
    if (texto.empty())
        return;
    QPainter p(&Superfície());
    p.setFont(FontAtual);
    p.setPen(ForeColor);
    const display::Caneta fim =
        display::PintarPolinómio(p, QSizeF(contentsRect().size()), Escala(), texto, CurrentX, CurrentY);
    CurrentX = fim.x;
    CurrentY = fim.y;
    DescreverDesenho(this, texto);
    update();
}

void CaixaDeDesenho::Line(float x1, float y1, float x2, float y2, QColor cor)
{
    const QSizeF interior(contentsRect().size());
    const display::Escala e = Escala();
    const display::PontoPx a = display::ParaPixels(e, interior.width(), interior.height(), x1, y1);
    const display::PontoPx b = display::ParaPixels(e, interior.width(), interior.height(), x2, y2);
    QPainter p(&Superfície());
    p.setPen(QPen(cor, 1));
    p.drawLine(QPointF(a.x, a.y), QPointF(b.x, b.y));
    update();
}

void CaixaDeDesenho::paintEvent(QPaintEvent* evento)
{
    QFrame::paintEvent(evento);
    if (superfície.isNull())
        return;
    QPainter p(this);
    p.drawImage(contentsRect().topLeft(), superfície);
}

} // namespace vendrix::ui
