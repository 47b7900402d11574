// SPDX-License-Identifier: MIT
#include "ui/caixas_mensagens.h"

#include "ui/texto_qt.h"

#include <QMessageBox>

namespace vendrix::ui {

void CaixasModais::Mostrar(std::string_view título, std::string_view texto, runtime::Ícone ícone)
{
    const auto símbolo = ícone == runtime::Ícone::Crítico ? QMessageBox::Critical : QMessageBox::Information;
    QMessageBox caixa(símbolo, DeUtf8(título), DeUtf8(texto), QMessageBox::Ok, dono);
    caixa.setObjectName(QStringLiteral("CaixaDeMensagem"));
    caixa.exec();
}

} // namespace vendrix::ui
