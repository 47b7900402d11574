// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/erro.h"

#include <cassert>
#include <optional>
#include <utility>
#include <variant>

namespace vendrix::runtime {

// A value or the failure that prevented it (std::expected is C++23).
template <typename T>
class [[nodiscard]] Resultado
{
public:
    Resultado(T valor)
        : conteúdo(std::in_place_index<0>, std::move(valor))
    {}

    Resultado(Erro erro)
        : conteúdo(std::in_place_index<1>, std::move(erro))
    {}

    [[nodiscard]] bool Ok() const noexcept { return conteúdo.index() == 0; }

    [[nodiscard]] const T& Valor() const&
    {
        assert(Ok());
        return std::get<0>(conteúdo);
    }

    [[nodiscard]] T&& Valor() &&
    {
        assert(Ok());
        return std::get<0>(std::move(conteúdo));
    }

    [[nodiscard]] const Erro& Falha() const&
    {
        assert(!Ok());
        return std::get<1>(conteúdo);
    }

    // The value, or the given one when there is none.
    [[nodiscard]] T ValorOu(T alternativa) const { return Ok() ? std::get<0>(conteúdo) : alternativa; }

private:
    std::variant<T, Erro> conteúdo;
};

// A step that yields nothing but may fail.
template <>
class [[nodiscard]] Resultado<void>
{
public:
    Resultado() = default;

    Resultado(Erro erro)
        : falha(std::move(erro))
    {}

    [[nodiscard]] bool Ok() const noexcept { return !falha.has_value(); }

    [[nodiscard]] const Erro& Falha() const&
    {
        assert(!Ok());
        return *falha;
    }

private:
    std::optional<Erro> falha;
};

} // namespace vendrix::runtime
