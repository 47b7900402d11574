// SPDX-License-Identifier: MIT
#pragma once

#include "resolucao/exercicio.h"
#include "web/json.h"

// The results summary of an exercise as the page shows it, beside the
// canonical fields, which stay for links, tests and checks.
namespace vendrix::web {

// Writes "factorizacao_html" and "factorizacao_real_html", the two
// factorizations with raised exponents, and "sinais_html", the signs as a
// small table: x over −∞, each root and +∞, P(x) under the signs between
// them. Each is empty when its field is.
void EscreverResumo(EscritorJson& json, const resolucao::Resolução& r);

} // namespace vendrix::web
