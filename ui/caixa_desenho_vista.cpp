// SPDX-License-Identifier: MIT
// The view along a drawing wider than its area: how far it may move, what
// moves it, and what it shows.
#include "ui/caixa_desenho.h"
#include "ui/larguras.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <QWheelEvent>

#include <algorithm>

namespace vendrix::ui {

namespace {

// One notch of the wheel, one arrow key: a quarter of the area.
constexpr float PassosPorÁrea = 4;

} // namespace

double CaixaDeDesenho::LogicoPorPixel() const noexcept
{
    return display::LarguraLógica(Escala(), contentsRect().width(), 1.0);
}

display::Medida& CaixaDeDesenho::Medir(Desenho& d)
{
    if (!d.medida) {
        d.medida = display::MedirPolinómio(
            *d.texto, d.x, d.baseY, Larguras(d.fonte, contentsRect().width(), d.escala));
        d.alcance = d.medida->xFinal;
    }
    return *d.medida;
}

float CaixaDeDesenho::Máximo()
{
    if (!máximo) {
        // Only a drawing cut at the edge is measured, and only once.
        float alcance = 0;
        float margem = 0;
        for (Desenho& d : desenhos) {
            if (!d.alcance)
                static_cast<void>(Medir(d));
            if (*d.alcance > alcance) {
                alcance = *d.alcance;
                margem = std::max(0.0F, d.x - d.escala.esquerda);
            }
        }
        const display::Escala e = Escala();
        máximo = display::DeslocamentoMáximo(alcance, margem, e.esquerda, e.direita);
    }
    return *máximo;
}

bool CaixaDeDesenho::PodeDeslizar() const noexcept
{
    // Cheap first: an area whose drawings all ended inside it never moves.
    const display::Escala e = Escala();
    return !comLinhas && std::any_of(desenhos.begin(), desenhos.end(), [&](const Desenho& d) {
        return !d.alcance || *d.alcance > e.direita;
    });
}

void CaixaDeDesenho::Deslizar(float novo)
{
    novo = display::Limitar(novo, Máximo());
    if (novo == deslocamento)
        return;
    deslocamento = novo;
    update();
}

std::optional<CaixaDeDesenho::Vista> CaixaDeDesenho::VistaDoÚltimo()
{
    if (desenhos.empty())
        return std::nullopt;
    Desenho& d = desenhos.back();
    const display::Escala e = Escala();
    const float esquerda = e.esquerda + deslocamento;
    const float direita = e.direita + deslocamento;
    return Vista{display::TraçarVista(*d.texto,
                                      Medir(d),
                                      d.baseY,
                                      esquerda,
                                      direita,
                                      Larguras(d.fonte, contentsRect().width(), d.escala)),
                 esquerda,
                 direita};
}

void CaixaDeDesenho::PintarVista(QPainter& p)
{
    const QRect interior = contentsRect();
    const display::Escala e = Escala();
    p.save();
    p.setClipRect(interior);
    p.translate(interior.topLeft());
    for (Desenho& d : desenhos) {
        p.setFont(d.fonte);
        p.setPen(d.cor);
        const display::Traçado t = display::TraçarVista(*d.texto,
                                                        Medir(d),
                                                        d.baseY,
                                                        e.esquerda + deslocamento,
                                                        e.direita + deslocamento,
                                                        Larguras(d.fonte, interior.width(), d.escala));
        PintarTraçado(p, QSizeF(interior.size()), e, t, deslocamento);
    }
    p.restore();
}

// A small wedge inside a cut edge, pointing to the text beyond it.
void CaixaDeDesenho::PintarMarcas(QPainter& p)
{
    if (comLinhas || desenhos.empty())
        return;
    const display::Escala e = Escala();
    const bool direita = std::any_of(desenhos.begin(), desenhos.end(), [&](const Desenho& d) {
        return !d.alcance || *d.alcance > e.direita + deslocamento;
    });
    if (!direita && deslocamento <= 0)
        return;
    const QRectF r = contentsRect();
    const double meio = r.center().y();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(palette().color(QPalette::Dark));
    if (direita)
        p.drawPolygon(QPolygonF{{r.right() - 5, meio - 4}, {r.right() - 1, meio}, {r.right() - 5, meio + 4}});
    if (deslocamento > 0)
        p.drawPolygon(QPolygonF{{r.left() + 5, meio - 4}, {r.left() + 1, meio}, {r.left() + 5, meio + 4}});
    p.restore();
}

void CaixaDeDesenho::wheelEvent(QWheelEvent* evento)
{
    if (!PodeDeslizar()) {
        evento->ignore();
        return;
    }
    // A vertical wheel moves the view too: down is to the right, as on a
    // horizontal scroll bar. A touchpad gives pixels, a wheel notches.
    const QPoint pixels = evento->pixelDelta();
    const QPoint ângulo = evento->angleDelta();
    double passo = 0;
    if (!pixels.isNull())
        passo = (pixels.x() != 0 ? pixels.x() : pixels.y()) * LogicoPorPixel();
    else
        passo = (ângulo.x() != 0 ? ângulo.x() : ângulo.y()) / 120.0 *
                (double{Escala().direita} - Escala().esquerda) / PassosPorÁrea;
    Deslizar(static_cast<float>(deslocamento - passo));
    evento->accept();
}

void CaixaDeDesenho::mousePressEvent(QMouseEvent* evento)
{
    if (evento->button() != Qt::LeftButton || !PodeDeslizar()) {
        QFrame::mousePressEvent(evento);
        return;
    }
    arrasto = evento->position().toPoint();
    deslocamentoNoArrasto = deslocamento;
    setCursor(Qt::ClosedHandCursor);
    evento->accept();
}

void CaixaDeDesenho::mouseMoveEvent(QMouseEvent* evento)
{
    if (!arrasto) {
        QFrame::mouseMoveEvent(evento);
        return;
    }
    // The drawing follows the mouse.
    const int dx = evento->position().toPoint().x() - arrasto->x();
    Deslizar(static_cast<float>(deslocamentoNoArrasto - dx * LogicoPorPixel()));
    evento->accept();
}

void CaixaDeDesenho::mouseReleaseEvent(QMouseEvent* evento)
{
    if (!arrasto || evento->button() != Qt::LeftButton) {
        QFrame::mouseReleaseEvent(evento);
        return;
    }
    arrasto.reset();
    unsetCursor();
    evento->accept();
}

void CaixaDeDesenho::keyPressEvent(QKeyEvent* evento)
{
    if ((evento->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || !PodeDeslizar()) {
        QFrame::keyPressEvent(evento);
        return;
    }
    const display::Escala e = Escala();
    const float passo = (e.direita - e.esquerda) / PassosPorÁrea;
    switch (evento->key()) {
    case Qt::Key_Left:
        Deslizar(deslocamento - passo);
        break;
    case Qt::Key_Right:
        Deslizar(deslocamento + passo);
        break;
    case Qt::Key_Home:
        Deslizar(0);
        break;
    case Qt::Key_End:
        Deslizar(Máximo());
        break;
    default:
        QFrame::keyPressEvent(evento);
        return;
    }
    evento->accept();
}

} // namespace vendrix::ui
