// SPDX-License-Identifier: MIT
#pragma once

#include "engine/comandos.h"
#include "runtime/relato.h"

#include <QString>

// The core reports codes; the window says them in the user's language.
// Portuguese, the source, reads exactly as the core's own texts.
namespace vendrix::ui {

// A box's title: "Erro1 na expressão." … "Vendrix".
[[nodiscard]] QString TítuloTraduzido(runtime::Título título);

// A box's text: the code's text with the name or token it quotes filled in.
[[nodiscard]] QString DescriçãoTraduzida(const runtime::Erro& erro);

// The result frame's caption after an operation: "Resultado (soma)" …
[[nodiscard]] QString LegendaTraduzida(engine::Operação operação);

// The result frame's caption with no operation: "Resultado".
[[nodiscard]] QString LegendaDoResultado();

} // namespace vendrix::ui
