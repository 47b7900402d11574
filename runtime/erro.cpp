// SPDX-License-Identifier: MIT
#include "runtime/erro.h"

#include "runtime/mensagens.h"

namespace vendrix::runtime {

Erro Falhar(Código código, std::string origem, std::string símbolo)
{
    return Erro{código, std::move(origem), std::move(símbolo), 0};
}

Erro FalharEm(Código código, std::size_t posição, std::string símbolo)
{
    return Erro{código, {}, std::move(símbolo), posição};
}

std::optional<std::string_view> TextoDoCódigo(Código código) noexcept
{
    if (const std::optional<Fonte> fonte = FonteDoCódigo(código))
        return fonte->texto;
    return std::nullopt;
}

std::string Erro::Descrição() const { return Descrição(EmPortuguês); }

std::string Erro::Descrição(const Tradutor& tradutor) const
{
    if (const std::optional<Fonte> fonte = FonteDoCódigo(código))
        return Preencher(tradutor(*fonte), {símbolo});
    return Preencher(tradutor(FonteDeCódigoDesconhecido()), {std::to_string(Número())});
}

} // namespace vendrix::runtime
