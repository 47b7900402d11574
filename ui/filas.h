// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>

class QHBoxLayout;
class QLayout;
class QLineEdit;
class QObject;
class QPushButton;

namespace vendrix::ui {

// A button named for the tests and the accessibility tools, added to the
// row; Enter in a box of its window never presses it.
QPushButton* Botão(QLayout* fila, const char* nome, const QString& texto);

// The row where the student types an answer: the label, the box
// "Resposta" and the button "Verificar", each of which asks for the check,
// the button by a click, the box by Enter. The texts come translated in
// the caller's context; the caller puts the row in its layout and may add
// to it.
struct LinhaDeResposta
{
    QHBoxLayout* fila;
    QLineEdit* resposta;
};

LinhaDeResposta CriarLinhaDeResposta(const QString& rótulo,
                                     const QString& verificar,
                                     QObject* contexto,
                                     const std::function<void()>& aoVerificar);

} // namespace vendrix::ui
