// SPDX-License-Identifier: MIT
#include "ui/caixa_trabalho.h"

#include <utility>

namespace vendrix::ui {

CaixaDeTrabalho::CaixaDeTrabalho(QString texto, QWidget* parent)
    : QWidget(parent)
    , guardado(std::move(texto))
{
    setFocusPolicy(Qt::NoFocus);
}

} // namespace vendrix::ui
