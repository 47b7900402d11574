// SPDX-License-Identifier: MIT
#pragma once

#include "resolucao/exercicio.h"

#include <QFuture>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <cstdint>
#include <functional>

namespace vendrix::ui {

// An exercise's answer as the worker hands it back; its worked solution is
// exported to a format only when the user copies it.
struct RespostaDoExercício
{
    resolucao::Resolução resolução;
};

// Runs the exercises off the window's thread, one request at a time, so the
// window answers clicks while the core works. A newer request or a cancel
// drops the result of the one before when it comes: the core cannot be
// stopped in the middle of an exercise, but it bounds each one's work, so a
// dropped run ends soon on its own and only its answer is lost. A dropped
// request that has not started yet never starts, so a held-down shortcut
// does not queue work.
class ExercícioEmFundo
{
public:
    using Trabalho = std::function<resolucao::Resolução()>;
    // Called with true once a request has run for Demora, with false when
    // it ends or is cancelled after that.
    using AoDemorar = std::function<void(bool)>;
    using AoTerminar = std::function<void(const RespostaDoExercício&)>;

    // Long enough that a quick answer never flashes a progress line.
    static constexpr std::chrono::milliseconds Demora{300};

    ExercícioEmFundo(AoDemorar demorado, AoTerminar pronto);

    // Starts the work on the thread pool, dropping the request before.
    void Começar(Trabalho trabalho);
    // Whether there was a request to cancel.
    bool Cancelar();

private:
    void Terminar();

    AoDemorar demorado;
    AoTerminar pronto;
    // The watchers of the runs are its children, so none outlives this.
    QObject contexto;
    QTimer relógio;
    QFuture<RespostaDoExercício> corrente;
    bool lento = false;
    std::uint64_t pedido = 0; // the request whose answer is awaited; 0 for none
    std::uint64_t último = 0;
};

} // namespace vendrix::ui
