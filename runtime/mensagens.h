// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/erro.h"
#include "runtime/relato.h"
#include "runtime/traducao.h"

#include <optional>

// The one table of the texts the core reports and the captions it gives:
// every box's title and text and the result frame's captions, in
// Portuguese, marked for the catalogues. A front end shows them through
// its translator; nothing else keeps a copy.
namespace vendrix::runtime {

// The result frame's captions: alone, and after each operation.
enum class Legenda {
    Resultado,
    Soma,
    Subtração,
    Multiplicação,
};

// The text of a code, "%1" standing for the Erro's símbolo; nothing for a
// number that is no code. Every code has its case: a code added without a
// text does not build.
[[nodiscard]] std::optional<Fonte> FonteDoCódigo(Código código) noexcept;

// The text of a number that is no code, "%1" standing for the number.
[[nodiscard]] Fonte FonteDeCódigoDesconhecido() noexcept;

[[nodiscard]] Fonte FonteDoTítulo(Título título) noexcept;

[[nodiscard]] Fonte FonteDaLegenda(Legenda legenda) noexcept;

} // namespace vendrix::runtime
