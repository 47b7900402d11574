// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/relato.h"
#include "ui/tradutor_qt.h"

#include <span>
#include <string_view>

namespace vendrix::ui {

// The message boxes the window shows. The window supplies modal boxes;
// tests supply a recorder. Mostrar returns only when the user has closed
// the box.
class ServiçoDeMensagens
{
public:
    virtual ~ServiçoDeMensagens() = default;
    virtual void Mostrar(std::string_view título, std::string_view texto, runtime::Ícone ícone) = 0;
};

// A command's reports, one modal box after another in their order, in the
// user's language.
inline void Mostrar(ServiçoDeMensagens& mensagens, std::span<const runtime::Relato> relatos)
{
    const runtime::Tradutor tradutor = TradutorQt();
    for (const runtime::Relato& relato : relatos)
        mensagens.Mostrar(
            runtime::TextoDoTítulo(relato.título, tradutor), relato.erro.Descrição(tradutor), relato.ícone);
}

} // namespace vendrix::ui
