// SPDX-License-Identifier: MIT
#include "engine/polinomio_lido.h"

#include "runtime/numeros.h"
#include "runtime/numeros_rapidos.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <tuple>

namespace vendrix::engine {

using runtime::Código;
using runtime::Resultado;

Resultado<float> MultiplicarCoeficientes(float m, float t)
{
    Resultado<float> p = runtime::ParaSimples(double{m} * double{t});
    if (!p.Ok())
        return p;
    // A single has 24 bits and 10,000 needs 14, so the scaled value is exact
    // in double and the tie really is a tie.
    return runtime::ParaSimples(std::nearbyint(double{p.Valor()} * 10000.0) / 10000.0);
}

Resultado<float> SomarExpoentes(float e, float g) { return runtime::ParaSimples(double{e} + double{g}); }

void EscreverPeça(std::string& texto, float r, float grau, bool semX)
{
    if (!(r < 0.0f))
        texto += '+';
    texto += runtime::TextoDeSimplesDepressa(r);
    if (!(semX && grau == 0.0f)) {
        texto += 'x';
        if (grau != 1.0f) {
            texto += '^';
            texto += runtime::TextoDeSimplesDepressa(grau);
        }
    }
    texto += ' ';
}

PolinómioLido::PolinómioLido(std::string_view polinómio)
{
    Termos cursor(polinómio);
    for (; const auto termo = cursor.Próximo(); ++paragem) {
        const Resultado<float> t = LerCoeficiente(*termo);
        if (!t.Ok()) {
            falhaDaParagem = t.Falha();
            return;
        }
        const float módulo = std::fabs(t.Valor());
        if (maioresCoeficientes.empty() || módulo > maioresCoeficientes.back().valor)
            maioresCoeficientes.push_back({paragem, módulo});
        std::optional<float> expoente;
        if (TemX(*termo)) {
            const Resultado<float> e = LerGrau(*termo);
            if (!e.Ok()) {
                falhaDaParagem = e.Falha();
                paragemNoExpoente = true;
                return;
            }
            expoente = e.Valor();
            if (maioresExpoentes.empty() || e.Valor() > maioresExpoentes.back().valor)
                maioresExpoentes.push_back({paragem, e.Valor()});
            if (menoresExpoentes.empty() || e.Valor() < menoresExpoentes.back().valor)
                menoresExpoentes.push_back({paragem, e.Valor()});
        }
        if (termos.size() < LimiteDeTermos)
            termos.push_back({t.Valor(), expoente});
    }
}

std::optional<std::span<const PolinómioLido::Lido>> PolinómioLido::TodosLidos() const
{
    if (falhaDaParagem || paragem != termos.size())
        return std::nullopt;
    return std::span<const Lido>(termos);
}

namespace {

constexpr std::size_t Nunca = static_cast<std::size_t>(-1);

// The index of the first record for which falha holds; falha must turn
// true at some record and stay true after it.
template <typename Predicado>
std::size_t PrimeiroQueFalha(const auto& recordes, Predicado falha)
{
    const auto r = std::ranges::partition_point(recordes, [&](const auto& x) { return !falha(x.valor); });
    return r == recordes.end() ? Nunca : r->índice;
}

} // namespace

Previsão PolinómioLido::Prever(const Termo& monómio, std::string_view texto) const
{
    const std::size_t produto = PrimeiroQueFalha(
        maioresCoeficientes, [&](float t) { return !MultiplicarCoeficientes(monómio.coeficiente, t).Ok(); });
    const auto excede = [&](float e, bool acima) {
        return !SomarExpoentes(e, monómio.grau).Ok() && (double{e} + double{monómio.grau} > 0) == acima;
    };
    const std::size_t expoente =
        std::min(PrimeiroQueFalha(maioresExpoentes, [&](float e) { return excede(e, true); }),
                 PrimeiroQueFalha(menoresExpoentes, [&](float e) { return excede(e, false); }));

    // Within one term the coefficient is read first, then multiplied, then
    // the exponent is read and added: the rank orders failures at one index.
    struct Candidato
    {
        std::size_t índice;
        int ordem;
        std::optional<runtime::Erro> falha;
    };

    const Candidato candidatos[] = {
        {paragem, paragemNoExpoente ? 2 : 0, falhaDaParagem},
        {produto, 1, FalhaNoTermo(Código::Transbordo, texto)},
        {expoente, 3, FalhaNoTermo(Código::Transbordo, texto)},
    };
    const Candidato& primeiro = *std::ranges::min_element(
        candidatos, {}, [](const Candidato& c) { return std::tuple(c.índice, c.ordem); });
    return Previsão{primeiro.índice, primeiro.falha};
}

void PolinómioLido::Escrever(std::string& texto, const Termo& monómio, std::size_t peças) const
{
    assert(peças <= termos.size());
    for (std::size_t i = 0; i < peças; ++i)
        EscreverUma(texto, monómio, i);
}

void PolinómioLido::EscreverUma(std::string& texto, const Termo& monómio, std::size_t i) const
{
    const Lido& termo = termos[i];
    // Prever has checked that neither sum fails before the piece peças.
    const float r = MultiplicarCoeficientes(monómio.coeficiente, termo.coeficiente).ValorOu(0.0f);
    const float grau =
        termo.expoente ? SomarExpoentes(*termo.expoente, monómio.grau).ValorOu(0.0f) : monómio.grau;
    EscreverPeça(texto, r, grau, !termo.expoente);
}

std::optional<std::string> PolinómioLido::Peça(const Termo& monómio, std::size_t i) const
{
    if (i >= termos.size())
        return std::nullopt;
    std::string peça;
    EscreverUma(peça, monómio, i);
    peça.pop_back(); // its blank
    return peça;
}

} // namespace vendrix::engine
