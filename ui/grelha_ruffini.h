// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

// Where the Ruffini table is drawn inside Picture2, in twips.
namespace vendrix::ui {

// Cell positions.
[[nodiscard]] constexpr int EsquerdaCoef(int i) noexcept { return 1410 + 800 * i; }

[[nodiscard]] constexpr int EsquerdaSeg(int i) noexcept { return 2210 + 800 * i; }

inline constexpr int TopoCoef = 510;
inline constexpr int TopoSeg = 1230;
inline constexpr int TopoTer = 1950;
inline constexpr int EsquerdaDiv = 360;
inline constexpr int TopoDiv = 1230;

// A black line on Picture2.
struct Segmento
{
    std::int16_t x1, y1, x2, y2;

    bool operator==(const Segmento&) const = default;
};

// The rule above the bottom row, the rule under the remainder and the bar
// left of it, for a degree from 1 to 9.
[[nodiscard]] std::array<Segmento, 3> LinhasDaGrelha(std::int16_t grau);

} // namespace vendrix::ui
