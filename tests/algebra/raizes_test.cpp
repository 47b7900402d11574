// SPDX-License-Identifier: MIT
#include "algebra/sinais.h"
#include "polinomios.h"

#include <gtest/gtest.h>

#include <string>

namespace vendrix::algebra {
namespace {

// Real roots as "exact=decimal^multiplicity", then the complex ones.
std::string Descrição(const Raízes& r)
{
    std::string texto;
    for (const RaizReal& raiz : r.reais) {
        texto += (texto.empty() ? "" : " ") + (raiz.exacta.empty() ? "" : raiz.exacta + "=") + raiz.decimal;
        if (raiz.multiplicidade > 1)
            texto += "^" + std::to_string(raiz.multiplicidade);
    }
    for (const RaizComplexa& raiz : r.complexas)
        texto += " " + raiz.texto;
    return texto;
}

struct Caso
{
    const char* nome;
    std::string_view polinómio, raízes, sinais;
};

constexpr Caso Casos[] = {
    {"dupla_e_fraccao", "2 3 0 -1", "-1=-1^2 1/2=0.5", "-0-0+"},
    {"raiz_de_2", "1 0 -2", "-√2=-1.414213562 √2=1.414213562", "+0-0+"},
    {"numero_de_ouro", "-1 1 1", "(1-√5)/2=-0.6180339887 (1+√5)/2=1.618033989", "-0+0-"},
    {"radical_com_factor", "1 0 -8", "-2√2=-2.828427125 2√2=2.828427125", "+0-0+"},
    {"complexas", "1 1 1", " -1/2+(√3/2)i -1/2-(√3/2)i", "+"},
    {"complexas_puras", "1 0 4 0", "0=0 2i -2i", "-0+"},
    {"complexa_com_radical", "1 -2 3", " 1+(√2)i 1-(√2)i", "+"},
    {"cubica_mantem_zeros", "1 0 0 -2", "1.259921050", "-0+"},
    {"cubica_plastica", "1 0 -1 -1", "1.324717957", "-0+"},
    {"arredonda_para_potencia_de_10", "5 -49999999998", "49999999998/5=1e+10", "-0+"},
    {"pequena_em_notacao_cientifica", "300000 -1", "1/300000=3.333333333e-6", "-0+"},
    {"grau_12_irracionais",
     "1 -1/3 -20 23/3 455/3 -203/3 -1633/3 853/3 2752/3 -564 -1643/3 420 -70",
     "-√7=-2.645751311 -√5=-2.236067977 -1.879385242 -√3=-1.732050808 -√2=-1.414213562 1/3=0.3333333333 "
     "0.3472963553 √2=1.414213562 1.532088886 √3=1.732050808 √5=2.236067977 √7=2.645751311",
     "+0-0+0-0+0-0+0-0+0-0+0-0+"},
    {"grau_20_resto_sem_raizes_reais", "1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 -1", "-1=-1 1=1", "+0-0+"},
    {"constante", "-2", "", "-"},
    {"zero", "", "", "0"},
};

void PrintTo(const Caso& c, std::ostream* saída) { *saída << c.nome; }

class RaízesTeste : public ::testing::TestWithParam<Caso>
{};

TEST_P(RaízesTeste, ExactasDecimaisESinais)
{
    const Caso& c = GetParam();
    EXPECT_EQ(Descrição(CalcularRaízes(P(c.polinómio))), c.raízes);
    EXPECT_EQ(CalcularSinais(P(c.polinómio)).sinais, c.sinais);
}

std::string NomeDaLinha(const ::testing::TestParamInfo<Caso>& linha) { return linha.param.nome; }

INSTANTIATE_TEST_SUITE_P(Exemplos, RaízesTeste, ::testing::ValuesIn(Casos), NomeDaLinha);

TEST(Raízes, AcimaDoGrauIsoladoFicamPorDizer)
{
    const TabelaDeSinais t = CalcularSinais(Monómio(1, 65) - Monómio(2, 0));
    EXPECT_FALSE(t.completa);
    EXPECT_EQ(t.sinais, "");
}

// Every generated polynomial: a rational root r of multiplicity m makes P
// and its first m-1 derivatives vanish, the m-th not; the sign found on each
// interval and at each root is the sign of P evaluated there.
TEST(Raízes, ConcordamComAAvaliaçãoExacta)
{
    for (unsigned semente = 1; semente <= 60; ++semente) {
        const Polinómio p = ProdutoAleatório(semente).polinómio;
        const TabelaDeSinais t = CalcularSinais(p);
        ASSERT_TRUE(t.completa);
        ASSERT_EQ(t.sinais.size(), 2 * t.raízes.size() + 1);
        const auto sinal = [&](const Racional& x) { return "-0+"[Avaliar(p, x).sign() + 1]; };
        for (std::size_t i = 0; i < t.raízes.size(); ++i) {
            const RaizReal& r = t.raízes[i];
            if (r.mínimo == r.máximo) {
                Polinómio d = p;
                for (std::size_t k = 0; k < r.multiplicidade; ++k, d = Derivada(d))
                    EXPECT_EQ(Avaliar(d, r.mínimo), 0) << semente;
                EXPECT_NE(Avaliar(d, r.mínimo), 0) << semente;
            }
            const Racional antes =
                i == 0 ? Racional(r.mínimo - 1) : Racional((t.raízes[i - 1].máximo + r.mínimo) / 2);
            EXPECT_EQ(t.sinais[2 * i], sinal(antes)) << semente;
        }
        const Racional depois = t.raízes.empty() ? Racional(0) : Racional(t.raízes.back().máximo + 1);
        EXPECT_EQ(t.sinais.back(), sinal(depois)) << semente;
    }
}

} // namespace
} // namespace vendrix::algebra
