// SPDX-License-Identifier: MIT
#pragma once

#include "display/tracado.h"

#include <cstddef>
#include <string_view>
#include <vector>

// Reading a drawing wider than its area: the whole width of a traced text,
// measured once, and the characters that a view moved along it shows. The
// drawing itself does not change; only the stretch of it that is seen.
namespace vendrix::display {

// A place where tracing can start again and come out as the whole trace
// would: the start of the text, or a character that brings the line back
// ("x", "+", "-", "/"), with the pen's x there.
struct Marco
{
    std::size_t byte;
    float x;

    bool operator==(const Marco&) const = default;
};

struct Medida
{
    std::vector<Marco> marcos; // by rising byte and x; the first is the start of the text
    float xFinal;              // the pen after the last character
};

// A new place to start again after at least this many characters: a view
// never traces more than this many characters it does not show.
inline constexpr std::size_t CaracteresPorMarco = 256;

// The whole text, measured a piece at a time with the drawing's own tracing.
[[nodiscard]] Medida
MedirPolinómio(std::string_view texto, float xInicial, float baseY, const Largura& largura);

// The characters of a measured text that can be seen between xEsquerda and
// xDireita, in the text's own positions: tracing starts at the last place
// at or left of xEsquerda and stops at the first character that starts at
// or past xDireita, so a view costs what it shows, wherever it is.
[[nodiscard]] Traçado TraçarVista(std::string_view texto,
                                  const Medida& medida,
                                  float baseY,
                                  float xEsquerda,
                                  float xDireita,
                                  const Largura& largura);

// How far a view may move right: until the end of the widest drawing,
// alcance, stands margem inside the right edge, as the drawings start
// margem inside the left one. Never below 0.
[[nodiscard]] float DeslocamentoMáximo(float alcance, float margem, float esquerda, float direita) noexcept;

// Where a view comes to rest: within 0 .. máximo.
[[nodiscard]] float Limitar(float deslocamento, float máximo) noexcept;

} // namespace vendrix::display
