// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/polinomio.h"
#include "runtime/erro.h"

#include <cassert>
#include <cstddef>
#include <string_view>
#include <utility>
#include <variant>

// Reading what a student types: a polynomial with exact coefficients, or one
// rational number. A text is read whole or refused; nothing is guessed.
namespace vendrix::algebra {

// Why a text was refused: erro.código says why and erro.símbolo names the
// term (or number) where reading stopped, as typed; posição is the character
// where it stopped, counted from 1 in characters, not bytes, so that a front
// end can put the cursor there.
struct FalhaDeLeitura
{
    runtime::Erro erro;
    std::size_t posição;

    bool operator==(const FalhaDeLeitura&) const = default;
};

// A value read, or the reason it was not.
template <typename T>
class [[nodiscard]] Lido
{
public:
    Lido(T valor)
        : conteúdo(std::in_place_index<0>, std::move(valor))
    {}

    Lido(FalhaDeLeitura falha)
        : conteúdo(std::in_place_index<1>, std::move(falha))
    {}

    [[nodiscard]] bool Ok() const noexcept { return conteúdo.index() == 0; }

    [[nodiscard]] const T& Valor() const&
    {
        assert(Ok());
        return std::get<0>(conteúdo);
    }

    [[nodiscard]] const FalhaDeLeitura& Falha() const&
    {
        assert(!Ok());
        return std::get<1>(conteúdo);
    }

private:
    std::variant<T, FalhaDeLeitura> conteúdo;
};

// The highest exponent a typed term may have.
inline constexpr unsigned ExpoenteMáximo = 10000;

// Terms such as "3x^2", "-1/2x", "0.25", "2*x³", joined by signs. Blanks
// (also U+00A0, U+2009, U+202F) are ignored anywhere; "−" (U+2212) and "–"
// (U+2013) are minus signs; a run of signs counts by the rule of signs; "·"
// and "×" may stand for "*" between a coefficient and x; superscript digits
// after x are its exponent. Like terms add up.
[[nodiscard]] Lido<Polinómio> LerPolinómio(std::string_view texto);

// An integer, an exact decimal or a fraction p/q, with an optional sign run.
[[nodiscard]] Lido<Racional> LerRacional(std::string_view texto);

} // namespace vendrix::algebra
