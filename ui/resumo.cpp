// SPDX-License-Identifier: MIT
#include "ui/resumo.h"

#include "ui/texto_qt.h"

#include <QCoreApplication>

#include <cstddef>
#include <string>
#include <utility>

namespace vendrix::ui {

namespace {

// A result longer than this is left to the solution below it: the summary
// is a label, laid out again at every resize, and a quotient of many
// thousand digits is no glance.
constexpr std::size_t MaisLongo = 2000;

void Linha(resolucao::Documento& resumo, std::string modelo, const std::string& valor)
{
    if (!valor.empty() && valor.size() <= MaisLongo)
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
    resolucao::TabelaDeSinais sinais{"P(x)", {}, r.sinais, {}};
    std::size_t tamanho = r.sinais.size();
    for (const resolucao::RaizDoExercício& raiz : r.raízes) {
        sinais.raízes.push_back(raiz.exacta.empty() ? "≈" + raiz.decimal : raiz.exacta);
        tamanho += sinais.raízes.back().size();
    }
    if (!r.sinais.empty() && tamanho <= MaisLongo)
        resumo.blocos.emplace_back(std::move(sinais));
    return resumo;
}

} // namespace vendrix::ui
