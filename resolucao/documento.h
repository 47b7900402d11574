// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/expressao.h"
#include "algebra/racional.h"
#include "resolucao/textos.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

// A worked solution as a value: an ordered list of blocks that both front
// ends show as they are, exported to HTML, LaTeX or plain text. Every
// number and polynomial in it is a formula.
namespace vendrix::resolucao {

// A formula: an expression, which each export writes its own way, or a
// text for what is no mathematics of the solution's own: a count, a sign
// of the sign table, a student's words quoted as typed, a value the
// summary received as text ("^" raises the digits after it).
struct Fórmula
{
    // Either form stands for a formula wherever one is asked for.
    Fórmula(algebra::Expressão e) // NOLINT(google-explicit-constructor)
        : valor(std::move(e))
    {}

    Fórmula(std::string texto) // NOLINT(google-explicit-constructor)
        : valor(std::move(texto))
    {}

    Fórmula(const char* texto) // NOLINT(google-explicit-constructor)
        : valor(std::string(texto))
    {}

    std::variant<algebra::Expressão, std::string> valor;

    bool operator==(const Fórmula&) const = default;
};

// A sentence already in the user's language, "%1" … "%9" standing for its
// formulas, which are put in when it is exported.
struct Frase
{
    std::string modelo;
    std::vector<Fórmula> argumentos;

    bool operator==(const Frase&) const = default;
};

// A heading: the problem the document solves.
struct Título
{
    Frase frase;

    bool operator==(const Título&) const = default;
};

// A formula on a line of its own.
struct Destaque
{
    Fórmula fórmula;

    bool operator==(const Destaque&) const = default;
};

// Ruffini's table, as numbers that each export writes its own way: the
// root at the left, the coefficients on top, the products under
// coeficientes[1 …], the sums at the bottom, the last of which, the
// remainder, is boxed.
struct TabelaRuffini
{
    algebra::Racional raiz;
    std::vector<algebra::Racional> coeficientes;
    std::vector<algebra::Racional> produtos; // one fewer than the coefficients
    std::vector<algebra::Racional> somas;

    bool operator==(const TabelaRuffini&) const = default;
};

// Long division as it is laid out by hand here: the dividend at the left
// with one column per degree, the divisor at the right and the quotient
// under it. Each row on the left holds its terms by column, from the
// highest degree; a rule is drawn under each subtracted row.
struct DivisãoLonga
{
    // The term in one column, none where the row has no term of that
    // degree; mais writes "+" before it, as a positive term after another.
    struct Célula
    {
        std::optional<Fórmula> termo;
        bool mais = false;

        bool operator==(const Célula&) const = default;
    };

    struct Linha
    {
        Linha(std::vector<Célula> c) // NOLINT(google-explicit-constructor)
            : células(std::move(c))
        {}

        std::vector<Célula> células;

        bool operator==(const Linha&) const = default;
    };

    Fórmula divisor;
    Fórmula quociente;
    std::vector<Linha> linhas;    // dividend, -product, partial remainder, ...
    std::vector<bool> subtraídas; // per row: a rule goes under it

    // The rows' cells as fórmula writes their terms, "+" before those that
    // have it, "" where there is no term.
    [[nodiscard]] std::vector<std::vector<std::string>> Escritas(std::string (*fórmula)(const Fórmula&)) const
    {
        std::vector<std::vector<std::string>> grelha;
        for (const Linha& linha : linhas) {
            std::vector<std::string>& escrita = grelha.emplace_back();
            for (const Célula& c : linha.células)
                escrita.push_back(c.termo ? (c.mais ? "+" : "") + fórmula(*c.termo) : std::string());
        }
        return grelha;
    }

    bool operator==(const DivisãoLonga&) const = default;
};

// The sign of a polynomial on the real line: the distinct real roots in
// increasing order and the signs from -∞ to +∞, "+", "-" or "0" at each
// interval and root in turn (2·roots + 1 of them).
struct TabelaDeSinais
{
    // One row of the school's table: a distinct factor, its exponent, and
    // its signs in the same columns as the product's. A factor raised to an
    // even exponent never changes sign.
    struct Linha
    {
        Fórmula factor; // x-1, x^2+1, -2
        std::size_t expoente = 1;
        std::string sinais;

        bool operator==(const Linha&) const = default;
    };

    Fórmula função; // P(x)
    std::vector<Fórmula> raízes;
    std::string sinais;               // "-0+0-", the product's row
    std::vector<Linha> factores = {}; // empty: the product's row alone

    bool operator==(const TabelaDeSinais&) const = default;
};

// The window a graph shows: x from xMínimo to xMáximo, y from yMínimo to
// yMáximo, and the abscissas of the roots it marked.
struct Janela
{
    double xMínimo = 0, xMáximo = 0, yMínimo = 0, yMáximo = 0;
    std::vector<double> raízesMarcadas;
    bool ordenadaMarcada = false; // x = 0 is inside the window and P(0) in the y range
    // Every label drawn, the axes' names included, as its box on the
    // picture (y downwards): left, right, top, bottom.
    std::vector<std::array<double, 4>> rótulos;

    bool operator==(const Janela&) const = default;
};

// What a graph draws, in the polynomial's own coordinates: the window's
// choice, the labels' layout, and what the two pictures are written from.
namespace grafico {

// The picture's size, and its margin, in screen units.
inline constexpr double Largura = 640, Altura = 400, Borda = 36;

// A dot and its label, which stands dx, dy screen units away (y downwards)
// from the dot, on the side the curve leaves free; no label was dropped
// because no place was free.
struct Marca
{
    double x, y;
    std::optional<Fórmula> rótulo;
    double dx = 6, dy = -8;
    std::string_view âncora = "start";

    bool operator==(const Marca&) const = default;
};

struct Traço
{
    double valor;
    // Where its label stands, as a mark's; none where a mark's label
    // already says the place or would cover it.
    bool rotulado = true;
    double x = 0, y = 0;
    std::string_view âncora = "middle";

    bool operator==(const Traço&) const = default;
};

// One stretch of a curve inside the window.
struct Curva
{
    std::size_t cor;
    std::vector<std::pair<double, double>> pontos;

    bool operator==(const Curva&) const = default;
};

struct Plano
{
    Janela janela;
    double esquerda = Borda; // wider when the y labels stand outside the axes
    std::vector<Curva> curvas;
    std::vector<Marca> marcas; // roots, then the y-intercept when it is drawn
    std::vector<Traço> traçosX, traçosY;

    bool operator==(const Plano&) const = default;
};

} // namespace grafico

// A drawn graph: its plan, which each export writes as its own picture (an
// SVG image, LaTeX's picture environment) only when asked, and what it
// shows in words, for plain text and screen readers.
struct Gráfico
{
    grafico::Plano plano;
    std::vector<Frase> descrição;

    bool operator==(const Gráfico&) const = default;
};

using Bloco = std::variant<Título, Frase, Destaque, TabelaRuffini, DivisãoLonga, TabelaDeSinais, Gráfico>;

// The visitor each exporter hands std::visit: one function per block
// kind, so that a new kind does not build until every exporter has its own.
template <typename... Funções>
struct Sobrecarga : Funções...
{
    using Funções::operator()...;
};

template <typename... Funções>
Sobrecarga(Funções...) -> Sobrecarga<Funções...>;

// A factor's row label: x, (x-1)^2, -2.
[[nodiscard]] Fórmula RótuloDoFactor(const TabelaDeSinais::Linha& linha);

// The sign table as the rows every export draws: x, -∞, the roots in every
// other column, +∞; then a row per factor, its exponent raised, and the
// product's row, each a label, an empty cell, the signs ("+", "-", "0") and
// an empty cell, so that the signs of the intervals stand between the
// roots. Only the signs and the empty cells are text.
[[nodiscard]] std::vector<std::vector<Fórmula>> LinhasDoQuadro(const TabelaDeSinais& tabela);

struct Documento
{
    std::vector<Bloco> blocos;

    bool operator==(const Documento&) const = default;
};

// Appends a sentence or a heading, translated, with its formulas.
void Dizer(Documento& documento, const Tradutor& tradutor, Texto texto, std::vector<Fórmula> argumentos = {});

void Intitular(Documento& documento, const Tradutor& tradutor, Texto texto, std::vector<Fórmula> argumentos);

// Appends a formula on a line of its own.
void Mostrar(Documento& documento, Fórmula fórmula);

// "x = -2 ∨ x = 1" in Portuguese, "x = -2 or x = 1" in English.
[[nodiscard]] algebra::Expressão Disjunção(const Tradutor& tradutor, std::vector<algebra::Expressão> membros);

// A decimal in the user's language: "1,532088886" in Portuguese, with the
// point in English.
[[nodiscard]] std::string Decimal(const Tradutor& tradutor, std::string_view decimal);
[[nodiscard]] algebra::Expressão DecimalEscrito(const Tradutor& tradutor, std::string_view decimal);

// The model with "%1" … "%9" replaced: the runs of text go through texto,
// the arguments through fórmula. A "%" followed by anything else is text,
// and an argument that is not there is left out.
[[nodiscard]] std::string Substituir(const Frase& frase,
                                     std::string (*texto)(std::string_view),
                                     std::string (*fórmula)(const Fórmula&));

} // namespace vendrix::resolucao
