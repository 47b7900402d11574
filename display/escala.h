// SPDX-License-Identifier: MIT
#pragma once

// The logical coordinate system of a picture area: the values at its inner
// top-left and bottom-right corners. The vertical values may grow upwards
// (top 4, bottom 0), as they do in every area that draws a polynomial.
namespace vendrix::display {

struct Escala
{
    float esquerda;
    float topo;
    float direita;
    float fundo;

    bool operator==(const Escala&) const = default;
};

// An area's own units when nothing else is set: twips, 15 to the pixel at
// 96 dots per inch, from the inner top-left corner.
[[nodiscard]] constexpr Escala EscalaEmTwips(double largura, double altura) noexcept
{
    return {0.0F, 0.0F, static_cast<float>(largura * 15.0), static_cast<float>(altura * 15.0)};
}

struct PontoPx
{
    double x;
    double y;

    bool operator==(const PontoPx&) const = default;
};

// A logical point in pixels from the inner top-left corner of an area of
// the given size in pixels. A scale without extent maps everything to the
// corner, so that a careless scale can never divide by zero.
[[nodiscard]] constexpr PontoPx
ParaPixels(const Escala& e, double largura, double altura, double x, double y) noexcept
{
    const double dx = double{e.direita} - e.esquerda;
    const double dy = double{e.fundo} - e.topo;
    return {dx == 0.0 ? 0.0 : (x - e.esquerda) / dx * largura, dy == 0.0 ? 0.0 : (y - e.topo) / dy * altura};
}

// A horizontal length in pixels as logical units of the same area.
[[nodiscard]] constexpr double LarguraLógica(const Escala& e, double largura, double px) noexcept
{
    return largura == 0.0 ? 0.0 : px * (double{e.direita} - e.esquerda) / largura;
}

} // namespace vendrix::display
