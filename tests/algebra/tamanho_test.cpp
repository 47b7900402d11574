// SPDX-License-Identifier: MIT
#include "algebra/dividir.h"
#include "algebra/escrever.h"
#include "algebra/factorizar.h"
#include "algebra/ler.h"
#include "algebra/tamanho.h"
#include "gerar.h"
#include "polinomios.h"

#include <gtest/gtest.h>

namespace vendrix::algebra {
namespace {

double Algarismos(const Polinómio& p)
{
    double n = 0;
    for (const Racional& c : p.coeficientes)
        n += static_cast<double>(EscreverRacional(c).size());
    return n;
}

// On small cases the estimate is never below the digits actually written.
TEST(Tamanho, MajoraOQueSeEscreve)
{
    std::mt19937 gerador(27);
    for (int i = 0; i < 150; ++i) {
        const Polinómio p = PolinómioAoAcaso(gerador), d = PolinómioAoAcaso(gerador);
        if (!ÉZero(d)) {
            const Divisão q = Dividir(p, d).Valor();
            EXPECT_GE(TamanhoDaDivisão(p, d).resposta, Algarismos(q.quociente) + Algarismos(q.resto)) << i;
        }
        const Racional a = d.coeficientes.empty() ? Racional(0) : d.coeficientes.back();
        EXPECT_GE(TamanhoDoValor(p, a).resposta, static_cast<double>(EscreverRacional(Avaliar(p, a)).size()))
            << i;
        double factores = static_cast<double>(EscreverRacional(CoeficienteDominante(p)).size());
        for (const Factor& f : Factorizar(p).factores)
            factores += Algarismos(f.polinómio);
        EXPECT_GE(TamanhoDaFactorização(p).resposta, factores) << i;
    }
}

struct Caso
{
    const char* nome;
    std::string_view p, d;
    bool cabe;
};

// Each estimate of the table of long exercises, and of school ones.
constexpr Caso Divisões[] = {
    {"x2000_por_7x_menos_20_algarismos", "x^2000", "7x-12345678901234567890", false},
    {"x10000_por_7x_menos_11_algarismos", "x^10000", "7x-12345678901", false},
    {"x10000_por_x5000_esparso", "x^10000", "x^5000+1/3x+1/7", false},
    {"x10000_por_denso_de_grau_100", "x^10000", "x^100+2x^99+3x^98+x^50+x+1", false},
    {"x10000_mais_1_por_x_menos_2", "x^10000+1", "x-2", false},
    {"x300_mais_1_por_x_menos_1", "x^300+1", "x-1", true},
    {"escolar", "x^4-3x^3+5x^2-2x-1", "x-2", true},
    {"escolar_grau_dois", "6x^5-3x^2+1/2", "2x^2+3x-5", true},
};

void PrintTo(const Caso& c, std::ostream* saída) { *saída << c.nome; }

class DivisãoTeste : public ::testing::TestWithParam<Caso>
{};

TEST_P(DivisãoTeste, CabeNoOrçamentoOuNão)
{
    const Caso& c = GetParam();
    const auto p = LerPolinómio(c.p), d = LerPolinómio(c.d);
    ASSERT_TRUE(p.Ok() && d.Ok());
    EXPECT_EQ(TamanhoDaDivisão(p.Valor(), d.Valor()).Total() <= AlgarismosMáximos, c.cabe);
}

std::string NomeDaLinha(const ::testing::TestParamInfo<Caso>& linha) { return linha.param.nome; }

INSTANTIATE_TEST_SUITE_P(Tabela, DivisãoTeste, ::testing::ValuesIn(Divisões), NomeDaLinha);

TEST(Tamanho, ValorEFactorização)
{
    const Polinómio x10000 = Monómio(1, 10000);
    EXPECT_GT(TamanhoDoValor(x10000, Racional(Inteiro("12345678901234567890"), 7)).Total(),
              AlgarismosMáximos);
    EXPECT_LE(TamanhoDoValor(x10000, 2).Total(), AlgarismosMáximos);
    EXPECT_LE(TamanhoDoValor(P("1 0 0 0 0 0 -5 2"), Racional(-3, 2)).Total(), 1000);
    EXPECT_LE(TamanhoDaFactorização(P("1 -3 -20364840299624512075310661753 -20364840299624512075310661649 "
                                      "346202285093616705280281249384 -305472604494367681129659925980"))
                  .Total(),
              AlgarismosMáximos);
}

} // namespace
} // namespace vendrix::algebra
