// SPDX-License-Identifier: MIT
#include "adversarios.h"
#include "algebra/analise.h"

#include <gtest/gtest.h>

namespace vendrix::algebra {

namespace adversarios {
void PrintTo(const Adversário& a, std::ostream* saída);

void PrintTo(const Adversário& a, std::ostream* saída) { *saída << a.nome; }
} // namespace adversarios

namespace {

using adversarios::Adversário;

class AdversárioTeste : public ::testing::TestWithParam<Adversário>
{};

// Every input built to defeat a search is answered within the normal
// budget, counted in steps rather than timed: what it gives is right, and
// what it could not finish it says is incomplete.
TEST_P(AdversárioTeste, RespondeNoOrçamentoSemMentir)
{
    const Adversário& c = GetParam();
    Orçamento orçamento;
    const Análise a = Analisar(c.polinómio, orçamento);
    // The last digits of roots already isolated are counted, not cut short.
    EXPECT_LE(orçamento.Gasto(), Orçamento::Normal + Orçamento::Normal / 10);
    Polinómio produto = Monómio(a.factorização.dominante, 0);
    for (const Factor& f : a.factorização.factores)
        for (std::size_t k = 0; k < f.multiplicidade; ++k)
            produto = produto * f.polinómio;
    EXPECT_EQ(produto, c.polinómio);
    if (c.completa) {
        EXPECT_TRUE(a.factorização.completa && a.raízes.completas && a.sinais.completa);
    }
    if (!a.sinais.completa)
        return;
    ASSERT_EQ(a.sinais.sinais.size(), 2 * a.raízes.reais.size() + 1);
    for (std::size_t i = 0; i < a.raízes.reais.size(); ++i) {
        const RaizReal& r = a.raízes.reais[i];
        const Racional antes =
            i == 0 ? Racional(r.mínimo - 1) : Racional((a.raízes.reais[i - 1].máximo + r.mínimo) / 2);
        EXPECT_EQ(a.sinais.sinais[2 * i], "-0+"[Avaliar(c.polinómio, antes).sign() + 1]) << i;
    }
}

std::string NomeDaLinha(const ::testing::TestParamInfo<Adversário>& linha) { return linha.param.nome; }

INSTANTIATE_TEST_SUITE_P(Gerados, AdversárioTeste, ::testing::ValuesIn(adversarios::Todos()), NomeDaLinha);

} // namespace
} // namespace vendrix::algebra
