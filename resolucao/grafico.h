// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/raizes.h"
#include "resolucao/documento.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// The graph of a polynomial, drawn by the core so that both front ends show
// the same picture.
namespace vendrix::resolucao {

// The window holds every real root and every turning point of P (and of
// the second polynomial, when there is one), with a margin of half their
// spread and at least 1 on either side, and x = 0 when it lies among
// them: further out, P(0) would flatten their shape. Only finite
// coordinates inside the picture are written. The axes are named x and y,
// and no label covers another: one that finds no free place is dropped. The y
// range holds the values there and 0, and a little of the curve beyond,
// which is cut at the window's edge; the marks and labels never are. Roots
// and the y-intercept, when x = 0 is in the window, are marked and
// labelled; the axes are ticked at round values (1, 2 or 5 times a power
// of ten). The SVG asks for no font and runs no script; the LaTeX picture
// needs no package. The description says the window and the marks in
// words, in the user's language.
// raízesDeP are P's real roots, from the analysis the exercise already
// made.
[[nodiscard]] Gráfico DesenharGráfico(const algebra::Polinómio& p,
                                      const algebra::Raízes& raízesDeP,
                                      const std::optional<algebra::Polinómio>& segundo,
                                      const Tradutor& tradutor);

// The graph's pictures, each written from its plan only when an export asks
// for it: the SVG image, and LaTeX's picture environment.
[[nodiscard]] std::string SvgDoGráfico(const Gráfico& gráfico);
[[nodiscard]] std::string PictureDoGráfico(const Gráfico& gráfico);

// The window DesenharGráfico chooses, for checks.
[[nodiscard]] Janela JanelaDoGráfico(const algebra::Polinómio& p,
                                     const std::optional<algebra::Polinómio>& segundo = std::nullopt);

// A heading, the graph and a sentence on what it marks.
[[nodiscard]] Documento ResolverGráfico(const algebra::Polinómio& p,
                                        const std::optional<algebra::Polinómio>& segundo,
                                        const Tradutor& tradutor);

} // namespace vendrix::resolucao
