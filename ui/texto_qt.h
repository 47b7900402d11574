// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <string>
#include <string_view>

// The program's routines hold UTF-8 in std::string; the window holds QString.
namespace vendrix::ui {

[[nodiscard]] inline std::string ParaUtf8(const QString& texto) { return texto.toStdString(); }

[[nodiscard]] inline QString DeUtf8(std::string_view texto)
{
    return QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size()));
}

} // namespace vendrix::ui
