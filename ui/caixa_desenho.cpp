// SPDX-License-Identifier: MIT
#include "ui/caixa_desenho.h"

#include "display/fala.h"
#include "display/pintor.h"
#include "ui/acessibilidade.h"
#include "ui/fontes.h"
#include "ui/larguras.h"
#include "ui/texto_qt.h"

#include <QCoreApplication>
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
    InstalarLeituraDosDesenhos();
}

CaixaDeDesenho::~CaixaDeDesenho() = default;

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
    desenhos.clear();
    último.reset();
    falado.reset();
    falaFeita.reset();
    comLinhas = false;
    deslocamento = 0;
    máximo.reset();
    if (arrasto) {
        arrasto.reset();
        unsetCursor();
    }
    AnunciarDescrição(this);
    update();
    Q_EMIT contentChanged();
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

void CaixaDeDesenho::ImprimirPolinómio(std::string texto)
{
    último = std::make_shared<const std::string>(std::move(texto));
    if (último->empty()) {
        Q_EMIT contentChanged();
        return;
    }
    const QSizeF interior(contentsRect().size());
    const display::Escala e = Escala();
    Desenho novo{último, FontAtual, ForeColor, CurrentX, CurrentY, e, std::nullopt, std::nullopt};
    {
        QPainter p(&Superfície());
        p.setFont(FontAtual);
        p.setPen(ForeColor);
        const display::Caneta fim = display::PintarPolinómio(p, interior, e, *último, CurrentX, CurrentY);
        // A pen that stopped short of the edge has traced the whole text;
        // otherwise only a trace over the visible part tells whether more
        // lies beyond.
        if (fim.x < e.direita) {
            novo.alcance = fim.x;
        } else {
            const display::Traçado t = display::TraçarPolinómio(
                *último, CurrentX, CurrentY, e.direita, Larguras(FontAtual, interior.width(), e));
            if (!t.cortado)
                novo.alcance = t.x;
        }
        CurrentX = fim.x;
        CurrentY = fim.y;
    }
    // The same drawing again over itself adds nothing to keep: a result
    // redrawn many times costs one copy of its text.
    const bool repetido = !desenhos.empty() && *desenhos.back().texto == *último &&
                          desenhos.back().fonte == novo.fonte && desenhos.back().cor == novo.cor &&
                          desenhos.back().x == novo.x && desenhos.back().baseY == novo.baseY &&
                          desenhos.back().escala == novo.escala;
    if (repetido)
        último = desenhos.back().texto;
    else
        desenhos.push_back(std::move(novo));
    falado = último;
    falaFeita.reset();
    máximo.reset();
    deslocamento = 0; // a new drawing is seen from its start
    AnunciarDescrição(this);
    update();
    Q_EMIT contentChanged();
}

QString CaixaDeDesenho::Fala() const
{
    if (!falado)
        return {};
    if (!falaFeita)
        falaFeita = DeUtf8(display::FalarPolinómio(
            *falado,
            ParaUtf8(QCoreApplication::translate("Form1", "elevado a", "spoken before a raised exponent"))));
    return *falaFeita;
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
    comLinhas = true;
    deslocamento = 0;
    update();
}

void CaixaDeDesenho::paintEvent(QPaintEvent* evento)
{
    QFrame::paintEvent(evento);
    QPainter p(this);
    if (deslocamento > 0)
        PintarVista(p);
    else if (!superfície.isNull())
        p.drawImage(contentsRect().topLeft(), superfície);
    PintarMarcas(p);
}

} // namespace vendrix::ui
