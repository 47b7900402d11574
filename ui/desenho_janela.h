// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// The design of the main window as data: every control with its container,
// place, size, texts, font and colours. Form1 builds itself from it. The
// captions, tool tips and help paragraphs are the Portuguese source texts,
// marked for the translation catalogue (context "Form1"); the window shows
// them in the user's language.
namespace vendrix::ui {

enum class Tipo {
    Rótulo,
    RótuloComBorda, // single-line border
    Moldura,
    CaixaDeTexto,  // one line
    Trabalho,      // a text box never shown: a command's working text
    PainelDeAjuda, // the multi-line help panel
    BotãoQuadrado,
    BotãoDeComando, // 32 x 32 picture above its caption
    Desenho,
    Linha,
    Célula, // a flat, centred cell of the Ruffini table
};

enum class Letra {
    Padrão,       // the window's own font, MS Sans Serif 8.25
    Cómica24,     // Comic Sans MS 24 bold
    Negrito,      // MS Sans Serif 8.25 bold
    Cómica,       // Comic Sans MS 9.75 bold
    Serifa,       // MS Serif 6
    NegritoMaior, // MS Sans Serif 9.75 bold
};

inline constexpr std::uint32_t SemCor = 0xFFFFFFFFU; // the toolkit's default
inline constexpr std::uint32_t Azul = 0x0000FFU;
inline constexpr std::uint32_t Vermelho = 0xFF0000U;

struct Controlo
{
    std::string_view nome;
    Tipo tipo;
    std::string_view contentor;          // "" for the window itself
    int esquerda, topo, largura, altura; // twips
    std::string_view texto;              // caption or initial text
    std::string_view dica;               // tool tip
    Letra letra;
    std::uint32_t corTexto; // RGB or SemCor
    std::uint32_t corFundo;
    bool visível;
    bool centrado;
    std::string_view imagem; // resource path of the picture, or ""
};

// In creation order: a container comes before what it holds, and a control
// that must stay on top of a sibling comes after it.
[[nodiscard]] std::span<const Controlo> ControlosDoForm1() noexcept;

// The Ruffini table's control arrays: name, number of cells, top (twips).
// Their left positions are given at load.
struct MatrizDeCélulas
{
    std::string_view nome;
    int quantidade;
    int topo;
};

[[nodiscard]] std::span<const MatrizDeCélulas> MatrizesDoForm1() noexcept;

// The focus order; controls that take no focus are simply skipped.
[[nodiscard]] std::span<const std::string_view> OrdemDeTabulação() noexcept;

inline constexpr int LarguraDaJanela = 15270; // the client area, twips
inline constexpr int AlturaDaJanela = 11040;

// Twips to pixels at 96 dots per inch (15 to the pixel), to the nearest one.
[[nodiscard]] constexpr int Pixels(int twips) noexcept
{
    return twips >= 0 ? (twips + 7) / 15 : -((7 - twips) / 15);
}

// The help panel's paragraphs in order, each in the source language and
// without its line break; `depois` is the line that follows it, CR LF
// ended, as the panel was designed ("" after the last).
struct ParágrafoDeAjuda
{
    std::string_view texto;
    std::string_view depois;
};

[[nodiscard]] std::span<const ParágrafoDeAjuda> AjudaDoForm1() noexcept;

} // namespace vendrix::ui
