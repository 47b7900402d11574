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
    corrente.cancel(); // a run that has not started yet is skipped
    const std::uint64_t este = ++último;
    pedido = este;
    auto* vigia = new QFutureWatcher<RespostaDoExercício>(&contexto);
    QObject::connect(vigia, &QFutureWatcherBase::finished, &contexto, [this, vigia, este] {
        vigia->deleteLater();
        if (este != pedido)
            return; // cancelled, or overtaken by a newer request
        Terminar();
        pronto(vigia->result());
    });
    corrente = QtConcurrent::run([t = std::move(trabalho)] { return RespostaDoExercício{t()}; });
    vigia->setFuture(corrente);
    if (!lento)
        relógio.start();
}

bool ExercícioEmFundo::Cancelar()
{
    if (pedido == 0)
        return false;
    corrente.cancel();
    Terminar();
    return true;
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
