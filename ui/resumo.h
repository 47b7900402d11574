// SPDX-License-Identifier: MIT
#pragma once

#include "resolucao/exercicio.h"

namespace vendrix::ui {

// The results of an exercise at a glance, above its worked solution: each
// field the exercise gives on a line of its own, written as the document
// writes its formulas (exponents raised), and the signs as a small table.
// Empty when the exercise gives no result.
[[nodiscard]] resolucao::Documento Resumo(const resolucao::Resolução& r);

} // namespace vendrix::ui
