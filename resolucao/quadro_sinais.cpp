// SPDX-License-Identifier: MIT
#include "resolucao/quadro_sinais.h"

#include "algebra/conjunto.h"
#include "algebra/escrever.h"
#include "algebra/expandir.h"

#include <utility>
#include <vector>

namespace vendrix::resolucao {

namespace {

using algebra::Polinómio;
using algebra::RaizReal;

// g vanishes at the root: at a rational root, its value is 0; on an
// interval of an irrational one, an irreducible g changes sign.
[[nodiscard]] bool Anula(const Polinómio& g, const RaizReal& r)
{
    if (r.mínimo == r.máximo)
        return algebra::Avaliar(g, r.mínimo) == 0;
    if (algebra::Grau(g) < 2)
        return false;
    return (algebra::Avaliar(g, r.mínimo) < 0) != (algebra::Avaliar(g, r.máximo) < 0);
}

// The signs of g^expoente from -∞ to +∞, in the columns of P's roots.
[[nodiscard]] std::string Linha(const Polinómio& g, std::size_t expoente, const std::vector<RaizReal>& raízes)
{
    const bool par = expoente % 2 == 0;
    // Left of every root g has the sign of its leading term at -∞.
    bool positivo = (algebra::CoeficienteDominante(g) > 0) == (algebra::Grau(g) % 2 == 0);
    const auto sinal = [&] { return par || positivo ? '+' : '-'; };
    std::string sinais(1, sinal());
    for (const RaizReal& r : raízes) {
        if (Anula(g, r)) {
            sinais += '0';
            positivo = !positivo; // irreducible over Q: every root is simple
        } else {
            sinais += sinal();
        }
        sinais += sinal();
    }
    return sinais;
}

} // namespace

void AcrescentarQuadroDeSinais(Documento& doc, const Tradutor& tradutor, const algebra::Análise& a)
{
    if (!a.sinais.completa)
        return;
    TabelaDeSinais tabela{algebra::Nome("P", {algebra::X()}), {}, a.sinais.sinais, {}};
    const std::string vírgula = Decimal(tradutor, ".");
    for (const RaizReal& r : a.sinais.raízes)
        tabela.raízes.emplace_back(algebra::ExpressãoDaRaiz(r, vírgula.size() == 1 ? vírgula[0] : '.'));
    const algebra::Factorização& f = a.factorização;
    if (f.dominante != 1 && !f.factores.empty())
        tabela.factores.push_back({algebra::Número(f.dominante),
                                   1,
                                   Linha(algebra::DeCoeficientes({f.dominante}), 1, a.sinais.raízes)});
    std::vector<algebra::Expressão> pares;
    for (const algebra::Factor& factor : f.factores) {
        tabela.factores.push_back({algebra::ComoExpressão(factor.polinómio),
                                   factor.multiplicidade,
                                   Linha(factor.polinómio, factor.multiplicidade, a.sinais.raízes)});
        if (factor.multiplicidade % 2 == 0)
            pares.push_back(algebra::Potência(algebra::ComoExpressão(factor.polinómio),
                                              static_cast<unsigned>(factor.multiplicidade)));
    }
    // One factor is P itself: its row would only repeat P's.
    if (tabela.factores.size() == 1 && tabela.factores.front().expoente == 1)
        tabela.factores.clear();
    Dizer(doc, tradutor, Texto::QuadroDeSinais, {algebra::Nome("P", {algebra::X()})});
    doc.blocos.emplace_back(std::move(tabela));
    if (!pares.empty())
        Dizer(doc, tradutor, Texto::ExpoentePar, {algebra::Lista(std::move(pares))});
}

} // namespace vendrix::resolucao
