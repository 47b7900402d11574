// SPDX-License-Identifier: MIT
#include "ui/filas.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vendrix::ui {

QPushButton* Botão(QLayout* fila, const char* nome, const QString& texto)
{
    auto* botão = new QPushButton(texto);
    botão->setObjectName(QString::fromUtf8(nome));
    botão->setAutoDefault(false);
    fila->addWidget(botão);
    return botão;
}

LinhaDeResposta CriarLinhaDeResposta(const QString& rótulo,
                                     const QString& verificar,
                                     QObject* contexto,
                                     const std::function<void()>& aoVerificar)
{
    auto* fila = new QHBoxLayout;
    auto* rótuloDaResposta = new QLabel(rótulo);
    auto* resposta = new QLineEdit;
    resposta->setObjectName(QStringLiteral("Resposta"));
    rótuloDaResposta->setBuddy(resposta);
    fila->addWidget(rótuloDaResposta);
    fila->addWidget(resposta, 1);
    QObject::connect(Botão(fila, "Verificar", verificar), &QPushButton::clicked, contexto, aoVerificar);
    QObject::connect(resposta, &QLineEdit::returnPressed, contexto, aoVerificar);
    return {fila, resposta};
}

} // namespace vendrix::ui
