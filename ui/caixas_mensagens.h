// SPDX-License-Identifier: MIT
#pragma once

#include "ui/servico_mensagens.h"

class QWidget;

namespace vendrix::ui {

// Real modal message boxes with the title, the icon and one OK button; a
// report returns only once the user has closed its box.
class CaixasModais final : public ServiçoDeMensagens
{
public:
    explicit CaixasModais(QWidget* dono) noexcept
        : dono(dono)
    {}

    void Mostrar(std::string_view título, std::string_view texto, runtime::Ícone ícone) override;

private:
    QWidget* dono;
};

} // namespace vendrix::ui
