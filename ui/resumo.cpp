// SPDX-License-Identifier: MIT
#include "ui/resumo.h"

#include "ui/texto_qt.h"

#include <QCoreApplication>

#include <string>
#include <utility>

namespace vendrix::ui {

namespace {

void Linha(resolucao::Documento& resumo, std::string modelo, const std::string& valor)
{
    if (!valor.empty())
        resumo.blocos.emplace_back(resolucao::Frase{std::move(modelo), {valor}});
}

// The label marked where it is used, so the catalogue collects it.
std::string Rótulo(const char* texto) { return ParaUtf8(QCoreApplication::translate("Resumo", texto)); }

} // namespace

resolucao::Documento Resumo(const resolucao::Resolução& r)
{
    resolucao::Documento resumo;
    Linha(resumo, "Q(x) = %1", r.quociente);
    if (!r.quociente.empty())
        Linha(resumo, "R(x) = %1", r.resto);
    Linha(resumo, Rótulo(QT_TRANSLATE_NOOP("Resumo", "Fatorização: P(x) = %1")), r.factorização);
    if (r.factorizaçãoReal != r.factorização)
        Linha(resumo, Rótulo(QT_TRANSLATE_NOOP("Resumo", "Fatorização em ℝ: P(x) = %1")), r.factorizaçãoReal);
    Linha(resumo, "P(a) = %1", r.valor);
    Linha(resumo, Rótulo(QT_TRANSLATE_NOOP("Resumo", "Desenvolvimento: P(x) = %1")), r.desenvolvimento);
    Linha(resumo, Rótulo(QT_TRANSLATE_NOOP("Resumo", "C.S. = %1")), r.conjunto);
    if (!r.sinais.empty()) {
        resolucao::TabelaDeSinais sinais{"P(x)", {}, r.sinais, {}};
        for (const resolucao::RaizDoExercício& raiz : r.raízes)
            sinais.raízes.push_back(raiz.exacta.empty() ? "≈" + raiz.decimal : raiz.exacta);
        resumo.blocos.emplace_back(std::move(sinais));
    }
    return resumo;
}

} // namespace vendrix::ui
