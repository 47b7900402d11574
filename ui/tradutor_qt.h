// SPDX-License-Identifier: MIT
#pragma once

#include "resolucao/textos.h"

#include <QCoreApplication>

namespace vendrix::ui {

// The core's sentences in the window's language: the catalogue the window
// installed translates them, in the context the core marked them with.
[[nodiscard]] inline resolucao::Tradutor TradutorQt()
{
    return [](const resolucao::Fonte& fonte) {
        return QCoreApplication::translate(fonte.contexto, fonte.texto).toStdString();
    };
}

} // namespace vendrix::ui
