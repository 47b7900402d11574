// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QWidget>

namespace vendrix::ui {

// A text box that is never shown: a command's named working storage. It
// keeps its text as it is given, of any length, without the line editor's
// text layout, which for a result of a megabyte would take longer than the
// whole command; "text" reads as it does on any text box.
class CaixaDeTrabalho : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)

public:
    explicit CaixaDeTrabalho(QString texto = {}, QWidget* parent = nullptr);

    [[nodiscard]] QString text() const { return guardado; }

    void setText(const QString& texto) { guardado = texto; }

private:
    QString guardado;
};

} // namespace vendrix::ui
