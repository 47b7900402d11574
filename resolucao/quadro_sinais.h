// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/analise.h"
#include "resolucao/documento.h"

namespace vendrix::resolucao {

// The sign table of P as the lesson draws it: a row per factor over Q, its
// exponent raised, then P's own row; the roots written exactly where they
// can be, "≈" and the decimal otherwise. A sentence says why a factor with
// an even exponent keeps its sign. Nothing when some real root is missing.
void AcrescentarQuadroDeSinais(Documento& doc, const Tradutor& tradutor, const algebra::Análise& a);

} // namespace vendrix::resolucao
