// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/relato.h"
#include "ui/relatos_traduzidos.h"
#include "ui/texto_qt.h"

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
    for (const runtime::Relato& relato : relatos)
        mensagens.Mostrar(ParaUtf8(TítuloTraduzido(relato.título)),
                          ParaUtf8(DescriçãoTraduzida(relato.erro)),
                          relato.ícone);
}

} // namespace vendrix::ui
