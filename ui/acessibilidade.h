// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

class QWidget;

// What a screen reader needs that the window shows only as pictures: the
// buttons that carry an icon and no caption, and the drawn polynomials.
// Nothing here changes how the window looks.
namespace vendrix::ui {

// A button's tool tip becomes its accessible description; a button with no
// caption is also named after it, without the closing full stop.
void DescreverBotão(QWidget* botão, std::string_view dica);

// A picture area is described by the last polynomial drawn in it, in
// words; the empty text, after a clear, leaves it with no description.
void DescreverDesenho(QWidget* área, std::string_view texto);

} // namespace vendrix::ui
