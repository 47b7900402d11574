// SPDX-License-Identifier: MIT
#include "runtime/erro.h"

#include <algorithm>

namespace vendrix::runtime {

namespace {

constexpr std::string_view Marcador = "{símbolo}";

} // namespace

Erro Falhar(Código código, std::string origem, std::string símbolo)
{
    return Erro{código, std::move(origem), std::move(símbolo)};
}

const LinhaMensagem* ProcurarMensagem(Código código) noexcept
{
    // An array's iterator is a pointer in one standard library and a class in another.
    const auto linha =
        std::ranges::find_if(TextosDosErros, [código](const LinhaMensagem& l) { return l.código == código; });
    return linha == TextosDosErros.end() ? nullptr : &*linha;
}

std::string Erro::Descrição() const
{
    const LinhaMensagem* linha = ProcurarMensagem(código);
    if (linha == nullptr)
        return "Erro " + std::to_string(Número()) + ".";
    std::string texto(linha->texto);
    if (const auto posição = texto.find(Marcador); posição != std::string::npos)
        texto.replace(posição, Marcador.size(), símbolo);
    return texto;
}

} // namespace vendrix::runtime
