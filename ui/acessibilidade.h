// SPDX-License-Identifier: MIT
#pragma once

class QString;
class QWidget;

// What a screen reader needs that the window shows only as pictures: the
// buttons that carry an icon and no caption, and the drawn polynomials.
// Nothing here changes how the window looks.
namespace vendrix::ui {

// A button's tool tip becomes its accessible description; a button with no
// caption is also named after it, without the closing full stop. The tool
// tip comes already in the user's language.
void DescreverBotão(QWidget* botão, const QString& dica);

// A picture area is described by the last polynomial drawn in it, in
// words, whole however long; after a clear it has no description. The
// words are worked out only when a reader asks, so a long result costs
// nothing while it is drawn. Installing twice is harmless.
void InstalarLeituraDosDesenhos();

// Tells a listening reader that a picture area's description changed.
void AnunciarDescrição(QWidget* área);

} // namespace vendrix::ui
