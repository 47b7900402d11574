// SPDX-License-Identifier: MIT
#include "ui/em_fundo.h"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

#include <utility>

namespace vendrix::ui {

ExercícioEmFundo::ExercícioEmFundo(AoDemorar demoradoNovo, AoTerminar prontoNovo)
    : demorado(std::move(demoradoNovo))
    , pronto(std::move(prontoNovo))
{
    relógio.setSingleShot(true);
    relógio.setInterval(Demora);
    QObject::connect(&relógio, &QTimer::timeout, &contexto, [this] {
        lento = true;
        demorado(true);
    });
}

void ExercícioEmFundo::Começar(Trabalho trabalho)
{
    const std::uint64_t este = ++último;
    pedido = este;
    auto* vigia = new QFutureWatcher<resolucao::Resolução>(&contexto);
    QObject::connect(vigia, &QFutureWatcherBase::finished, &contexto, [this, vigia, este] {
        vigia->deleteLater();
        if (este != pedido)
            return; // cancelled, or overtaken by a newer request
        Terminar();
        pronto(vigia->result());
    });
    vigia->setFuture(QtConcurrent::run(std::move(trabalho)));
    if (!lento)
        relógio.start();
}

void ExercícioEmFundo::Cancelar()
{
    if (pedido != 0)
        Terminar();
}

void ExercícioEmFundo::Terminar()
{
    pedido = 0;
    relógio.stop();
    if (lento) {
        lento = false;
        demorado(false);
    }
}

} // namespace vendrix::ui
