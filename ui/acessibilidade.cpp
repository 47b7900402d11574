// SPDX-License-Identifier: MIT
#include "ui/acessibilidade.h"

#include "display/fala.h"
#include "ui/texto_qt.h"

#include <QAbstractButton>
#include <QWidget>

namespace vendrix::ui {

void DescreverBotão(QWidget* botão, std::string_view dica)
{
    const auto* b = qobject_cast<QAbstractButton*>(botão);
    if (b == nullptr || dica.empty())
        return;
    botão->setAccessibleDescription(DeUtf8(dica));
    if (!b->text().isEmpty())
        return; // the caption names it
    std::string_view nome = dica;
    if (nome.ends_with('.'))
        nome.remove_suffix(1);
    botão->setAccessibleName(DeUtf8(nome));
}

void DescreverDesenho(QWidget* área, std::string_view texto)
{
    área->setAccessibleDescription(DeUtf8(display::FalarPolinómio(texto)));
}

} // namespace vendrix::ui
