// SPDX-License-Identifier: MIT
#pragma once

#include "display/escala.h"

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QImage>

#include <optional>
#include <string_view>

namespace vendrix::ui {

// A picture area: a sunken box that can be drawn on and can hold controls.
// What is drawn goes into a backing image, so it survives the window being
// covered, minimised and restored, and new drawings land on top of old ones
// until Cls. Children (the Ruffini cells) paint over the drawing.
class CaixaDeDesenho : public QFrame
{
    Q_OBJECT

public:
    explicit CaixaDeDesenho(QWidget* parent = nullptr);

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
    // and colour, exponents raised, and leaves the position after it. The
    // area's accessible description becomes that text in words; Cls
    // empties it.
    void ImprimirPolinómio(std::string_view texto);

    // A straight line on the surface, under the child controls.
    void Line(float x1, float y1, float x2, float y2, QColor cor);

    [[nodiscard]] bool Vazia() const noexcept { return superfície.isNull(); }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    [[nodiscard]] QImage& Superfície();

    QImage superfície; // null until the first drawing and after Cls
    std::optional<display::Escala> escala;
    QFont FontAtual;
    QColor ForeColor{Qt::black};
};

} // namespace vendrix::ui
