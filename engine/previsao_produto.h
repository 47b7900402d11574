// SPDX-License-Identifier: MIT
#pragma once

#include "engine/termos.h"
#include "runtime/erro.h"
#include "runtime/resultado.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

// The arithmetic of one piece of a product, and a forecast of how far the
// product of a polynomial by a monomial gets before it fails.
namespace vendrix::engine {

// m × t in single precision, then rounded to four decimal places with a
// tie going to the even neighbour.
[[nodiscard]] runtime::Resultado<float> MultiplicarCoeficientes(float m, float t);

// The degree of a product piece: the term's exponent plus the monomial's.
[[nodiscard]] runtime::Resultado<float> SomarExpoentes(float e, float g);

// How many pieces one call of MultiplicarMonómios appends, and the failure
// that ends it early.
struct Previsão
{
    std::size_t peças = 0;
    std::optional<runtime::Erro> falha;

    bool operator==(const Previsão&) const = default;
};

// A product whose joined text would be too long fails as a whole, but only
// after every monomial has shown its own report. Reading the polynomial once
// and keeping only the terms where its largest coefficient or exponent grows
// tells each monomial's outcome by binary search, so two pasted polynomials
// of 20,000 terms cost milliseconds and no joined text of gigabytes.
class PrevisãoDoProduto
{
public:
    explicit PrevisãoDoProduto(std::string_view polinómio);

    [[nodiscard]] Previsão Prever(const Termo& monómio) const;

private:
    struct Recorde
    {
        std::size_t índice;
        float valor;
    };

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
