// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string_view>
#include <vector>

// Where each character of a polynomial text goes when it is drawn with its
// exponents raised, in the logical units of the picture area. Knows nothing
// of fonts or windows: the width of a character is asked of the caller.
namespace vendrix::display {

// How far one character (a UTF-8 sequence) advances the pen, in logical units.
using Largura = std::function<float(std::string_view caractere)>;

// One character to draw, with the top-left corner of its cell at (x, y).
struct Glifo
{
    std::string_view caractere; // a view into the traced text
    float x;
    float y;

    bool operator==(const Glifo&) const = default;
};

struct Traçado
{
    std::vector<Glifo> glifos;
    // The pen after the last character traced; when the text ran past the
    // right edge, the pen where tracing stopped.
    float x;
    float y;
    bool cortado; // true when the rest of the text lies past the right edge
};

// Every exponent ("^" and what follows it) is raised 0.6 above the line, and
// the carets themselves are not drawn; "x", "+", "-" and "/" bring the line
// back to baseY. Tracing stops at the first character that starts at or past
// xLimite, since nothing after it can be seen: a long result costs only what
// fits in the area.
[[nodiscard]] Traçado
TraçarPolinómio(std::string_view texto, float xInicial, float baseY, float xLimite, const Largura& largura);

} // namespace vendrix::display
