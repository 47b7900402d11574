// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>

#include <memory>

namespace vendrix::ui {

// The application object, or, when there is no display to open the window
// on, one line on standard error saying how to run the program and the end
// of the process with status 1, instead of the toolkit's abort. It speaks
// the first of the desktop's languages that the window has.
[[nodiscard]] std::unique_ptr<QApplication> CriarAplicação(int& argc, char** argv);

} // namespace vendrix::ui
