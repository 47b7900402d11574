// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

// The window was designed with faces that Linux machines do not have; each
// is mapped to a free face of nearly the same metrics, so that the texts fit
// the fixed layout on every machine.
namespace vendrix::ui {

inline constexpr const char* SansSerif = "MS Sans Serif";
inline constexpr const char* Comic = "Comic Sans MS";
inline constexpr const char* Serif = "MS Serif";

void InstalarSubstituições();

// Sizes are in points at 96 dots per inch, turned into pixels here: the
// layout is in pixels, and a screen that claims another logical resolution
// must not make the texts outgrow their boxes. High-density screens still
// scale everything through the device pixel ratio.
[[nodiscard]] int PontosEmPixels(double pontos);

[[nodiscard]] QFont Fonte(const char* família, double pontos, bool negrito);

} // namespace vendrix::ui
