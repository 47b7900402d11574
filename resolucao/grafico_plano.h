// SPDX-License-Identifier: MIT
#pragma once

#include "resolucao/grafico.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// What a graph draws, in the polynomial's own coordinates, shared by the
// window's choice, the labels' layout and the two pictures.
namespace vendrix::resolucao::grafico {

// The advance of one character at the SVG's 11 px, generously.
inline constexpr double LarguraDoCarácter = 6.5;

// A label's box on the screen, y downwards.
struct Caixa
{
    double esquerda, direita, cima, baixo;

    [[nodiscard]] bool Cruza(const Caixa& c) const
    {
        return esquerda < c.direita && c.esquerda < direita && cima < c.baixo && c.cima < baixo;
    }
};

[[nodiscard]] double Valor(const std::vector<double>& c, double x) noexcept;

// The samples of a curve across the window.
inline constexpr int Amostras = 240;

// 1, 2 or 5 times a power of ten, for about six steps over the range.
[[nodiscard]] std::vector<Traço> Traços(double mínimo, double máximo);

// Half the points' spread on either side, and at least one unit: the
// shape beyond the last root, both branches of an odd polynomial, shows.
void Alargar(double& mínimo, double& máximo);

// The y range holds the values at the points and 0, with room for the
// marks; the curve beyond may take half that span again on either side,
// and is cut where it leaves, so a far value never flattens the shape.
void EscolherY(Janela& j, const std::vector<std::vector<double>>& cs, const std::vector<double>& xs);

// The curve of one polynomial, sampled and cut into the stretches inside
// the window, so that neither export needs to clip.
void Cortar(const std::vector<double>& c, std::size_t cor, const Janela& j, std::vector<Curva>& curvas);

// Screen coordinates of the drawing area; SVG's y is Altura minus AlturaY.
[[nodiscard]] double EcrãX(const Plano& plano, double x);
[[nodiscard]] double AlturaY(const Janela& j, double y);

// Where the axes cross: at the origin when it is in the window; else the
// y-axis stands at the left edge, as a scale.
[[nodiscard]] std::pair<double, double> Origem(const Janela& j);

[[nodiscard]] Caixa CaixaDe(double x, double y, std::string_view âncora, std::string_view texto);

// Where the axis names "x" and "y" stand: past the right end of the
// x-axis and over the top of the y-axis.
[[nodiscard]] std::pair<double, double> NomeDoEixoX(const Plano& plano);
[[nodiscard]] std::pair<double, double> NomeDoEixoY(const Plano& plano);

// Puts each mark's label on the side the curve leaves free.
void Rotular(Marca& m, const std::vector<double>& c, double passo, bool ordenada);

// Places the tick labels beside the axes and leaves out those that a
// mark's label names or covers; moves, or at last drops, a mark's label
// that would cover an earlier one; records every drawn label's box in the
// window.
void Arrumar(Plano& plano);

} // namespace vendrix::resolucao::grafico
