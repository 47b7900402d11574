// SPDX-License-Identifier: MIT
#include "web/resumo_web.h"

#include "resolucao/exportar.h"
#include "resolucao/formula.h"

#include <algorithm>
#include <string>

namespace vendrix::web {

void EscreverResumo(EscritorJson& json, const resolucao::Resumo& resumo)
{
    for (const std::string_view campo : resolucao::CamposDoResumo) {
        const auto linha = std::ranges::find(resumo.linhas, campo, &resolucao::LinhaDoResumo::campo);
        json.Texto(std::string(campo) + "_html",
                   linha == resumo.linhas.end() ? "" : resolucao::HtmlDe(linha->fórmula));
    }
    json.Texto("sinais_html",
               resumo.sinais ? resolucao::EmHtml(resolucao::Documento{{*resumo.sinais}}) : std::string());
}

} // namespace vendrix::web
