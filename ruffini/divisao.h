// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/servico_mensagens.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The Ruffini division as one toolkit-free step: from the two typed texts to
// everything the window shows. The window clears the table first, then
// applies what Dividir returns.
namespace vendrix::ruffini {

inline constexpr std::string_view TítuloDivisão = "Vendrix";

inline constexpr int CélulasCoef = 11; // Coef(0) … Coef(10); Ter likewise
inline constexpr int CélulasSeg = 10;  // Seg(0) … Seg(9)

// Cell positions inside Picture2, in twips.
[[nodiscard]] constexpr int EsquerdaCoef(int i) noexcept { return 1410 + 800 * i; }

[[nodiscard]] constexpr int EsquerdaSeg(int i) noexcept { return 2210 + 800 * i; }

inline constexpr int TopoCoef = 510;
inline constexpr int TopoSeg = 1230;
inline constexpr int TopoTer = 1950;
inline constexpr int EsquerdaDiv = 360;
inline constexpr int TopoDiv = 1230;

enum class Foco {
    Fica,
    Polinómio1,
    Polinómio2,
};

// A black line on Picture2, in twips.
struct Segmento
{
    std::int16_t x1, y1, x2, y2;

    bool operator==(const Segmento&) const = default;
};

struct Divisão
{
    // An information box titled TítuloDivisão; the table then stays cleared.
    std::optional<std::string> mensagem;
    Foco foco = Foco::Fica;

    // The working texts written into the hidden boxes (nullopt: not reached).
    std::optional<std::string> Polinómio1A, Polinómio2A, Text3;
    // The dividend's degree, when the run got as far as reading it.
    std::optional<std::int16_t> GrauDividendo;

    // When true the window shows Coef, Seg and Ter of columns 0 … degree
    // (Seg(degree) excepted), Div and Line1, draws the three lines, draws
    // Resultado into Picture5 and writes resto into Label16.
    bool tabelaVisível = false;
    std::array<std::optional<std::string>, CélulasCoef> Coef; // nullopt: text left as it was
    std::array<std::optional<std::string>, CélulasSeg> Seg;
    std::array<std::optional<std::string>, CélulasCoef> Ter;
    std::optional<std::string> Div;
    std::array<Segmento, 3> linhas{};
    std::optional<std::string> Resultado; // the quotient text
    std::string resto;
};

[[nodiscard]] Divisão
Dividir(std::string_view dividendo, std::string_view divisor, runtime::ServiçoDeMensagens& mensagens);

} // namespace vendrix::ruffini
