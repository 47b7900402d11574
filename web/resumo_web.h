// SPDX-License-Identifier: MIT
#pragma once

#include "resolucao/resumo.h"
#include "web/json.h"

// The results summary of an exercise as the page shows it, beside the
// canonical fields, which stay for links, tests and checks.
namespace vendrix::web {

// Writes "<campo>_html" for every field of resolucao::CamposDoResumo
// ("factorizacao_html", "factorizacao_real_html", …), the summary's
// formula with raised exponents, empty when the summary has no line for
// it; and "sinais_html", the signs as a small table: x over −∞, each root
// and +∞, P(x) under the signs between them, empty without them.
void EscreverResumo(EscritorJson& json, const resolucao::Resumo& resumo);

} // namespace vendrix::web
