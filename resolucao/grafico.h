// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/polinomio.h"
#include "resolucao/documento.h"

#include <optional>

// The graph of a polynomial, drawn by the core so that both front ends show
// the same picture.
namespace vendrix::resolucao {

// The window holds every real root and every turning point of P (and of
// the second polynomial, when there is one) and the y-intercept, with a
// margin, and every sampled value, so nothing is clipped. Roots and the
// y-intercept are marked and labelled; the axes are ticked at round values
// (1, 2 or 5 times a power of ten). The SVG asks for no font and runs no
// script; the LaTeX picture needs no package. The description says the
// window and the marks in words, in the user's language.
[[nodiscard]] Gráfico DesenharGráfico(const algebra::Polinómio& p,
                                      const std::optional<algebra::Polinómio>& segundo,
                                      const Tradutor& tradutor);

// The window DesenharGráfico chose, for checks: x from xMínimo to xMáximo,
// and the abscissas of the roots it marked.
struct Janela
{
    double xMínimo, xMáximo, yMínimo, yMáximo;
    std::vector<double> raízesMarcadas;
};

[[nodiscard]] Janela JanelaDoGráfico(const algebra::Polinómio& p,
                                     const std::optional<algebra::Polinómio>& segundo = std::nullopt);

// A heading, the graph and a sentence on what it marks.
[[nodiscard]] Documento ResolverGráfico(const algebra::Polinómio& p,
                                        const std::optional<algebra::Polinómio>& segundo,
                                        const Tradutor& tradutor);

} // namespace vendrix::resolucao
