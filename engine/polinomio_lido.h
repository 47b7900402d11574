// SPDX-License-Identifier: MIT
#pragma once

#include "engine/termos.h"
#include "runtime/erro.h"
#include "runtime/resultado.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The first factor of a product, read once for all its monomials.
namespace vendrix::engine {

// m × t in single precision, then rounded to four decimal places with a
// tie going to the even neighbour.
[[nodiscard]] runtime::Resultado<float> MultiplicarCoeficientes(float m, float t);

// The degree of a product piece: the term's exponent plus the monomial's.
[[nodiscard]] runtime::Resultado<float> SomarExpoentes(float e, float g);

// Appends one piece of a product text: the coefficient always with its sign
// and never abbreviated ("+1", "-1", "+0"), so that Simplificar reads it
// back; the degree written only where the term or the monomial has an x.
void EscreverPeça(std::string& texto, float r, float grau, bool semX);

// How many pieces one call of MultiplicarMonómios appends, and the failure
// that ends it early.
struct Previsão
{
    std::size_t peças = 0;
    std::optional<runtime::Erro> falha;

    bool operator==(const Previsão&) const = default;
};

// The terms of the first polynomial read once, and where its largest
// coefficient and exponent grow. A product whose joined text would be too
// long fails as a whole, but only after every monomial has shown its own
// report: those records tell each monomial's outcome by binary search, so
// two pasted polynomials of 20,000 terms cost milliseconds and no joined
// text of gigabytes.
class PolinómioLido
{
public:
    struct Lido
    {
        float coeficiente;
        std::optional<float> expoente; // absent when the term has no x
    };

    explicit PolinómioLido(std::string_view polinómio);

    // Every term, when all of them read and one product text can hold
    // them; nothing otherwise.
    [[nodiscard]] std::optional<std::span<const Lido>> TodosLidos() const;

    // The failures name the term that fails, or else the monomial, written
    // as texto.
    [[nodiscard]] Previsão Prever(const Termo& monómio, std::string_view texto) const;

    // Appends the first peças pieces of the polynomial times monómio;
    // peças comes from Prever and is within the term limit.
    void Escrever(std::string& texto, const Termo& monómio, std::size_t peças) const;

    // Piece i alone, without its blank, or nothing when term i is not kept.
    [[nodiscard]] std::optional<std::string> Peça(const Termo& monómio, std::size_t i) const;

private:
    void EscreverUma(std::string& texto, const Termo& monómio, std::size_t i) const;

    struct Recorde
    {
        std::size_t índice;
        float valor;
    };

    // Only as many terms as one product text may hold are kept.
    std::vector<Lido> termos;
    // Where the prefix maximum of |coefficient| grows, where the prefix
    // maximum and minimum of the exponent (terms with x only) grow.
    std::vector<Recorde> maioresCoeficientes;
    std::vector<Recorde> maioresExpoentes;
    std::vector<Recorde> menoresExpoentes;
    // The first term that fails whatever the monomial, or the term count.
    std::size_t paragem = 0;
    std::optional<runtime::Erro> falhaDaParagem;
    bool paragemNoExpoente = false; // its coefficient reads, its exponent does not
};

} // namespace vendrix::engine
