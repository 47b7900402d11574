// SPDX-License-Identifier: MIT
#include "resolucao/resumo.h"

#include "algebra/conjunto.h"

#include <utility>

namespace vendrix::resolucao {

namespace {

void Linha(Resumo& resumo, std::string_view campo, std::string modelo, const std::string& texto)
{
    if (!texto.empty() && texto.size() <= ResumoMaisLongo)
        resumo.linhas.push_back({campo, texto, std::move(modelo)});
}

std::vector<std::string> Mostradas(const std::vector<RaizDoExercício>& raízes, const Tradutor& t)
{
    std::vector<std::string> mostradas;
    mostradas.reserve(raízes.size());
    for (const RaizDoExercício& raiz : raízes)
        mostradas.push_back(RaizMostrada(raiz, t));
    return mostradas;
}

} // namespace

std::string RaizMostrada(const RaizDoExercício& raiz, const Tradutor& tradutor)
{
    return raiz.exacta.empty() ? "≈" + Decimal(tradutor, raiz.decimal) : raiz.exacta;
}

Resumo Resumir(const Resolução& r, const Tradutor& t)
{
    Resumo resumo;
    Linha(resumo, "quociente", "Q(x) = %1", r.quociente);
    // A remainder without its quotient would read as the whole answer.
    if (!resumo.linhas.empty())
        Linha(resumo, "resto", "R(x) = %1", r.resto);
    Linha(resumo, "factorizacao", t(FonteDe(Texto::ResumoFatorização)), r.factorização);
    if (r.factorizaçãoReal != r.factorização)
        Linha(resumo, "factorizacao_real", t(FonteDe(Texto::ResumoFatorizaçãoEmR)), r.factorizaçãoReal);
    Linha(resumo, "valor", "P(a) = %1", r.valor);
    Linha(resumo, "desenvolvimento", t(FonteDe(Texto::ResumoDesenvolvimento)), r.desenvolvimento);
    const std::string vírgula = Decimal(t, ".");
    Linha(resumo,
          "conjunto",
          t(FonteDe(Texto::ConjuntoSolução)),
          r.conjunto.empty() ? ""
                             : algebra::ComoSeImprime(r.conjunto, vírgula.size() == 1 ? vírgula[0] : '.'));
    resumo.raízes = Mostradas(r.raízes, t);
    resumo.soluções = Mostradas(r.soluções, t);
    // The signs hold one entry per interval and one per root between them;
    // any other count is no table.
    if (r.sinais.empty() || r.sinais.size() != 2 * r.raízes.size() + 1)
        return resumo;
    TabelaDeSinais sinais{algebra::Nome("P", {algebra::X()}), {}, r.sinais, {}};
    std::size_t tamanho = r.sinais.size();
    for (const std::string& raiz : resumo.raízes) {
        tamanho += raiz.size();
        sinais.raízes.emplace_back(raiz);
    }
    if (tamanho <= ResumoMaisLongo)
        resumo.sinais = std::move(sinais);
    return resumo;
}

Documento EmDocumento(const Resumo& resumo)
{
    Documento documento;
    for (const LinhaDoResumo& linha : resumo.linhas)
        documento.blocos.emplace_back(Frase{linha.modelo, {linha.fórmula}});
    if (resumo.sinais)
        documento.blocos.emplace_back(*resumo.sinais);
    return documento;
}

} // namespace vendrix::resolucao
