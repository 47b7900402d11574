// SPDX-License-Identifier: MIT
#include "resolucao/quadro_sinais.h"

#include "algebra/conjunto.h"
#include "algebra/escrever.h"
#include "algebra/expandir.h"
#include "algebra/sinais.h"

#include <utility>
#include <vector>

namespace vendrix::resolucao {

void AcrescentarQuadroDeSinais(Documento& doc, const Tradutor& tradutor, const algebra::Análise& a)
{
    if (!a.sinais.completa)
        return;
    TabelaDeSinais tabela{algebra::Nome("P", {algebra::X()}), {}, a.sinais.sinais, {}};
    const std::string vírgula = Decimal(tradutor, ".");
    for (const algebra::RaizReal& r : a.sinais.raízes)
        tabela.raízes.emplace_back(algebra::ExpressãoDaRaiz(r, vírgula.size() == 1 ? vírgula[0] : '.'));
    const algebra::Factorização& f = a.factorização;
    if (f.dominante != 1 && !f.factores.empty())
        tabela.factores.push_back({algebra::Número(f.dominante),
                                   1,
                                   std::string(a.sinais.sinais.size(), f.dominante.sign() > 0 ? '+' : '-')});
    std::vector<algebra::Expressão> pares;
    for (std::size_t i = 0; i < f.factores.size(); ++i) {
        const algebra::Factor& factor = f.factores[i];
        tabela.factores.push_back({algebra::ComoExpressão(factor.polinómio),
                                   factor.multiplicidade,
                                   algebra::SinaisDoFactor(a.sinais, i, factor.multiplicidade)});
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
