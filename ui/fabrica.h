// SPDX-License-Identifier: MIT
#pragma once

#include "ui/desenho_janela.h"

class QWidget;

namespace vendrix::ui {

// Makes one control of the window as its row describes it, inside its
// container, named after the row.
QWidget* CriarControlo(const Controlo& linha, QWidget* contentor);

} // namespace vendrix::ui
