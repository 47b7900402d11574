// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/traducao.h"

#include <QCoreApplication>

namespace vendrix::ui {

// The core's texts in the window's language: the catalogue the window
// installed translates them, in the context the core marked them with.
// Also a resolucao::Tradutor, the same type.
[[nodiscard]] inline runtime::Tradutor TradutorQt()
{
    return [](const runtime::Fonte& fonte) {
        return QCoreApplication::translate(fonte.contexto, fonte.texto).toStdString();
    };
}

} // namespace vendrix::ui
