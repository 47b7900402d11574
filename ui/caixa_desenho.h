// SPDX-License-Identifier: MIT
#pragma once

#include "display/deslocamento.h"
#include "display/escala.h"

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QImage>
#include <QPoint>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vendrix::ui {

// A picture area: a sunken box that can be drawn on and can hold controls.
// What is drawn goes into a backing image, so it survives the window being
// covered, minimised and restored, and new drawings land on top of old ones
// until Cls. Children (the Ruffini cells) paint over the drawing.
//
// A polynomial drawn past the right edge can be read whole: the wheel, a
// drag, or Left, Right, Home and End with the focus move the view along
// it, and a small mark at a cut edge says that more lies beyond. Until the
// user moves it, the area shows exactly the backing image.
class CaixaDeDesenho : public QFrame
{
    Q_OBJECT

public:
    explicit CaixaDeDesenho(QWidget* parent = nullptr);
    ~CaixaDeDesenho() override;

    CaixaDeDesenho(const CaixaDeDesenho&) = delete;
    CaixaDeDesenho& operator=(const CaixaDeDesenho&) = delete;

    // The logical coordinates of the inner top-left and bottom-right corners.
    // Until set, the area counts in twips from its inner top-left corner.
    void Scale(float x1, float y1, float x2, float y2);
    [[nodiscard]] display::Escala Escala() const noexcept;

    void Cls();

    void DefinirFontBold(bool negrito);
    void DefinirFontSize(double pontos);

    void DefinirForeColor(QColor cor) noexcept { ForeColor = cor; }

    float CurrentX = 0;
    float CurrentY = 0;

    // Prints a polynomial text at the current position in the current font
    // and colour, exponents raised, and leaves the position after it.
    void ImprimirPolinómio(std::string texto);

    // A straight line on the surface, under the child controls.
    void Line(float x1, float y1, float x2, float y2, QColor cor);

    [[nodiscard]] bool Vazia() const noexcept { return superfície.isNull(); }

    // The last polynomial printed since the last Cls, the empty one (zero)
    // included; null when the area shows no result.
    [[nodiscard]] const std::string* ÚltimoTexto() const noexcept { return último.get(); }

    // The last non-empty polynomial, which is what the area shows on top,
    // in words for a screen reader; empty after Cls. Worked out when asked.
    [[nodiscard]] QString Fala() const;

    // Where the view stands, in logical units from the drawing's own place.
    [[nodiscard]] float Deslocamento() const noexcept { return deslocamento; }

    // The characters of the last drawing that the view shows now, and the
    // view's logical left and right edges; nullopt with no drawing.
    struct Vista
    {
        display::Traçado traçado;
        float xEsquerda;
        float xDireita;
    };

    [[nodiscard]] std::optional<Vista> VistaDoÚltimo();

Q_SIGNALS:
    // A polynomial was printed or the area cleared.
    void contentChanged();

protected:
    void paintEvent(QPaintEvent* evento) override;
    void wheelEvent(QWheelEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    // A polynomial printed since the last Cls, kept so that the view can
    // draw it again anywhere along its length.
    struct Desenho
    {
        std::shared_ptr<const std::string> texto;
        QFont fonte;
        QColor cor;
        float x;
        float baseY;
        display::Escala escala;
        std::optional<float> alcance; // the pen after the last character, once known
        std::optional<display::Medida> medida;
    };

    [[nodiscard]] QImage& Superfície();
    [[nodiscard]] bool PodeDeslizar() const noexcept;
    [[nodiscard]] float Máximo();
    [[nodiscard]] double LogicoPorPixel() const noexcept;
    [[nodiscard]] display::Medida& Medir(Desenho& d);
    void Deslizar(float novo);
    void PintarVista(QPainter& p);
    void PintarMarcas(QPainter& p);

    QImage superfície; // null until the first drawing and after Cls
    std::optional<display::Escala> escala;
    QFont FontAtual;
    QColor ForeColor{Qt::black};

    std::vector<Desenho> desenhos;
    std::shared_ptr<const std::string> último;
    std::shared_ptr<const std::string> falado;
    mutable std::optional<QString> falaFeita;
    bool comLinhas = false; // lines do not move with the view, so such an area stays put
    float deslocamento = 0;
    std::optional<float> máximo;
    std::optional<QPoint> arrasto; // where a drag started, in pixels
    float deslocamentoNoArrasto = 0;
};

} // namespace vendrix::ui
