// SPDX-License-Identifier: MIT
#pragma once

#include "ui/form1.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace vendrix::testes {

// Finds a control of the window by its name, failing the test when absent.
template <typename T = QWidget>
T* Controlo(const QWidget& janela, const char* nome)
{
    T* c = janela.findChild<T*>(QString::fromUtf8(nome));
    EXPECT_NE(c, nullptr) << nome;
    return c;
}

} // namespace vendrix::testes
