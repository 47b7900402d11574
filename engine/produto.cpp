// SPDX-License-Identifier: MIT
#include "engine/produto.h"

#include "engine/polinomio_lido.h"
#include "engine/produto_direto.h"
#include "engine/simplificar.h"
#include "engine/termos.h"
#include "runtime/numeros.h"
#include "runtime/textos.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <utility>
#include <vector>

namespace vendrix::engine {

using runtime::Código;
using runtime::Falhar;
using runtime::Resultado;

namespace {

std::string_view SemBrancosNoFim(std::string_view texto) noexcept
{
    const std::size_t último = texto.find_last_not_of(' ');
    return texto.substr(0, último == std::string_view::npos ? 0 : último + 1);
}

} // namespace

runtime::Relatado<std::string> MultiplicarMonómios(std::string_view polinómio, std::string_view monómio)
{
    std::string resultado;
    const auto falhar = [&](runtime::Erro erro) {
        return runtime::Relatado<std::string>{std::move(resultado),
                                              {RelatoDeFalha(TítuloMultiplicarMonómios, std::move(erro))}};
    };
    const Resultado<Termo> m = LerTermo(monómio);
    if (!m.Ok())
        return falhar(m.Falha());
    Termos termos(polinómio);
    while (const auto termo = termos.Próximo()) {
        const Resultado<float> t = LerCoeficiente(*termo);
        if (!t.Ok())
            return falhar(t.Falha());
        const Resultado<float> r = MultiplicarCoeficientes(m.Valor().coeficiente, t.Valor());
        if (!r.Ok())
            return falhar(FalhaNoTermo(r.Falha().código, monómio));
        float grau = m.Valor().grau;
        const bool semX = !TemX(*termo);
        if (!semX) {
            const Resultado<float> e = LerGrau(*termo);
            if (!e.Ok())
                return falhar(e.Falha());
            const Resultado<float> soma = SomarExpoentes(e.Valor(), grau);
            if (!soma.Ok())
                return falhar(FalhaNoTermo(soma.Falha().código, monómio));
            grau = soma.Valor();
        }
        EscreverPeça(resultado, r.Valor(), grau, semX);
    }
    return {std::move(resultado), {}};
}

namespace {

// The product as the joined text of every monomial's pieces, which
// Simplificar reads back. Every failure is reported here, in its order.
runtime::Relatado<std::string>
PorExtenso(const PolinómioLido& lido, std::string_view segundo, std::vector<runtime::Relato> relatos)
{
    // The joined text is written only while it stays within the term limit;
    // past it Simplificar could only report the overflow, so the pieces are
    // counted instead of written and each monomial still shows its report.
    std::string juntado;
    std::size_t peças = 0;
    std::string primeiraAMais; // the piece past the limit, which the failure names
    Termos monómios(segundo);
    while (const auto monómio = monómios.Próximo()) {
        const Resultado<Termo> m = LerTermo(*monómio);
        const Previsão p = m.Ok() ? lido.Prever(m.Valor(), *monómio) : Previsão{0, m.Falha()};
        if (peças + p.peças <= LimiteDeTermos && m.Ok())
            lido.Escrever(juntado, m.Valor(), p.peças);
        else if (peças <= LimiteDeTermos && m.Ok())
            primeiraAMais = lido.Peça(m.Valor(), LimiteDeTermos - peças).value_or(std::string(*monómio));
        if (p.falha)
            relatos.push_back(RelatoDeFalha(TítuloMultiplicarMonómios, *p.falha));
        peças = std::min(peças + p.peças, LimiteDeTermos + 1);
        if (peças > LimiteDeTermos)
            std::string().swap(juntado);
    }
    if (peças > LimiteDeTermos) {
        relatos.push_back(RelatoDeFalha(TítuloSimplificar, FalhaNoTermo(Código::Transbordo, primeiraAMais)));
        return {{}, std::move(relatos)};
    }
    runtime::Relatado<std::string> simplificado = Simplificar(SemBrancosNoFim(juntado));
    relatos.insert(relatos.end(),
                   std::make_move_iterator(simplificado.relatos.begin()),
                   std::make_move_iterator(simplificado.relatos.end()));
    return {std::move(simplificado.valor), std::move(relatos)};
}

// The first polynomial read once, for as many monomials as the second has;
// nothing when the second has too many monomials to count.
std::optional<PolinómioLido> LerPrimeiro(std::string_view primeiro, std::string_view segundo)
{
    if (ContarTermos(segundo) > LimiteDeTermos)
        return std::nullopt;
    return PolinómioLido(segundo.empty() ? std::string_view{} : SemBrancosNoFim(primeiro));
}

runtime::Relatado<std::string> DemasiadosMonómios(std::string_view segundo)
{
    return {{}, {RelatoDeFalha(TítuloMultiplicarPolinómios, TermosAMais(segundo))}};
}

} // namespace

runtime::Relatado<std::string> MultiplicarPolinómios(std::string_view primeiro, std::string_view segundo)
{
    const std::optional<PolinómioLido> lido = LerPrimeiro(primeiro, segundo);
    if (!lido)
        return DemasiadosMonómios(segundo);
    if (std::optional<std::string> produto = ProdutoDireto(*lido, segundo))
        return {*std::move(produto), {}};
    return PorExtenso(*lido, segundo, {});
}

runtime::Relatado<std::string> MultiplicarPolinómiosPorExtenso(std::string_view primeiro,
                                                               std::string_view segundo)
{
    const std::optional<PolinómioLido> lido = LerPrimeiro(primeiro, segundo);
    return lido ? PorExtenso(*lido, segundo, {}) : DemasiadosMonómios(segundo);
}

Resultado<std::int16_t>
ContarMenos(std::string_view texto, std::string_view padrão, bool distinguirMaiúsculas)
{
    if (padrão.empty())
        return Falhar(Código::DivisãoPorZero);
    const std::string t = distinguirMaiúsculas ? std::string(texto) : runtime::Minúsculas(texto);
    const std::string p = distinguirMaiúsculas ? std::string(padrão) : runtime::Minúsculas(padrão);
    const std::size_t removidos = t.size() - runtime::Substituir(t, p, "").size();
    return runtime::ParaInteiro16(static_cast<double>(removidos) / static_cast<double>(p.size()));
}

} // namespace vendrix::engine
