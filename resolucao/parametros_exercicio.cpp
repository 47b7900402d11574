// SPDX-License-Identifier: MIT
// The parameters exercise as the front ends run it: the boxes read, the
// refusals worded, the canonical solutions listed.
#include "algebra/ler_expressao.h"
#include "algebra/parametrico.h"
#include "resolucao/formula.h"
#include "resolucao/parametros_sistema.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace vendrix::resolucao {

namespace {

std::string Frasear(const Tradutor& t, Texto texto, std::vector<Fórmula> argumentos)
{
    return FraseEmTexto(Frase{t(FonteDe(texto)), std::move(argumentos)});
}

// The polynomial with each coefficient replaced by the sum of the absolute
// values of its terms' numbers: no value of it is smaller.
algebra::Polinómio Módulos(const algebra::PolinómioComParâmetros& p)
{
    std::vector<algebra::Racional> c;
    for (const algebra::Pp& coeficiente : p.coeficientes) {
        algebra::Racional soma = 0;
        for (const auto& termo : coeficiente)
            soma += abs(termo.second);
        c.push_back(soma);
    }
    return algebra::DeCoeficientes(std::move(c));
}

} // namespace

std::optional<FalhaDoExercício>
LerCondiçõesDoExercício(std::string_view texto, const Tradutor& t, std::vector<Condição>& condições)
{
    CondiçõesLidas lidas = LerCondições(texto);
    if (!lidas.erro) {
        condições = std::move(lidas.condições);
        return std::nullopt;
    }
    const runtime::Erro& erro = *lidas.erro;
    std::string mensagem = erro.Descrição(t);
    if (lidas.linha > 0) {
        const std::string causa =
            lidas.forma ? erro.Descrição(t) : Frasear(t, Texto::CondiçãoIlegível, {erro.símbolo});
        mensagem = Frasear(t, Texto::LeituraCondições, {std::to_string(lidas.linha), erro.símbolo, causa});
    }
    return FalhaDoExercício{erro, Caixa::Condições, erro.posição, std::move(mensagem)};
}

algebra::Tamanho TamanhoDosParâmetros(const algebra::PolinómioComParâmetros& p,
                                      const std::vector<Condição>& condições)
{
    const algebra::Polinómio m = Módulos(p);
    algebra::Tamanho total;
    for (const Condição& c : condições) {
        algebra::Tamanho t;
        if (c.forma == FormaDaCondição::Valor || c.forma == FormaDaCondição::Raiz) {
            t = algebra::TamanhoDoValor(m, c.ponto);
            t.resolução *= static_cast<double>(c.multiplicidade);
        } else if (!algebra::ÉZero(c.divisor))
            t = algebra::TamanhoDaDivisão(m, c.divisor);
        total.resposta += t.resposta;
        total.resolução += t.resolução;
    }
    return total;
}

std::optional<std::vector<Atribuição>>
ResolverParâmetrosDoExercício(ProblemaDeParâmetros problema, const Tradutor& t, Resolução& r)
{
    for (const algebra::Pp& c : problema.p.coeficientes)
        for (char l : algebra::Letras(c))
            if (std::ranges::find(problema.letras, l) == problema.letras.end())
                problema.letras.push_back(l);
    std::ranges::sort(problema.letras);
    if (problema.letras.empty() || problema.letras.size() > 2) {
        std::string nomes;
        for (char l : problema.letras)
            nomes += (nomes.empty() ? "" : ", ") + std::string(1, l);
        const runtime::Erro erro = runtime::Falhar(runtime::Código::TermoIlegível, {}, nomes);
        r.falha = FalhaDoExercício{
            erro,
            Caixa::Polinómio1,
            0,
            problema.letras.empty()
                ? Frasear(t, Texto::SemParâmetros, {})
                : Frasear(t, Texto::ParâmetrosDemais, {std::to_string(problema.letras.size()), nomes})};
        return std::nullopt;
    }
    for (const Condição& c : problema.condições)
        if (c.forma != FormaDaCondição::Valor && c.forma != FormaDaCondição::Raiz &&
            algebra::ÉZero(c.divisor)) {
            const runtime::Erro erro = runtime::Falhar(runtime::Código::DivisorNulo);
            r.falha = FalhaDoExercício{erro, Caixa::Condições, 0, erro.Descrição(t)};
            return std::nullopt;
        }
    RespostaDosParâmetros resposta = ResolverProblema(problema, t);
    r.documento = std::move(resposta.documento);
    r.parâmetros = std::move(resposta.canónicas);
    if (!resposta.resolvido)
        return std::nullopt;
    return std::move(resposta.soluções);
}

std::optional<std::vector<Atribuição>> SoluçõesDosParâmetros(std::string_view polinómio1,
                                                             std::string_view condições)
{
    auto lida =
        algebra::LerExpressão(polinómio1, {.parâmetros = LetrasDosParâmetros, .relação = false, .x = true});
    if (!lida.Ok())
        return std::nullopt;
    auto p = algebra::ExpandirComParâmetros(lida.Valor());
    CondiçõesLidas lidas = LerCondições(condições);
    if (!p.Ok() || lidas.erro)
        return std::nullopt;
    ProblemaDeParâmetros problema{
        std::move(lida).Valor(), std::move(p).Valor(), {}, std::move(lidas.condições)};
    if (TamanhoDosParâmetros(problema.p, problema.condições).Total() > algebra::AlgarismosMáximos)
        return std::nullopt;
    Resolução r;
    return ResolverParâmetrosDoExercício(std::move(problema), EmPortuguês, r);
}

} // namespace vendrix::resolucao
