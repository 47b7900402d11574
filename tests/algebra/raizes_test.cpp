// SPDX-License-Identifier: MIT
#include "algebra/escrever.h"
#include "algebra/sinais.h"
#include "polinomios.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace vendrix::algebra {
namespace {

// Real roots as "exact=decimal^multiplicity", then the complex ones.
std::string Descrição(const Raízes& r)
{
    std::string texto;
    for (const RaizReal& raiz : r.reais) {
        EXPECT_EQ(raiz.forma ? EscreverExpressão(*raiz.forma) : "",
                  raiz.exacta); // the step writes the result
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
    {"grau_20_sem_mais_raizes_reais",
     "1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 -1",
     "-1=-1 1=1 i -i",
     "+0-0+"},
    {"raiz_menos_24",
     "1 -961380175077106319487 -23073124201850551668264",
     "-24=-24 961380175077106319511=9.613801751e+20",
     "+0-0+"},
    {"cinco_raizes_reais",
     "1 -3 -20364840299624512075310661753 -20364840299624512075310661649 346202285093616705280281249384 "
     "-305472604494367681129659925980",
     "2-2√5091210074906128018827665434=-1.427054319e+14 -5=-5 1=1 3=3 "
     "2+2√5091210074906128018827665434=1.427054319e+14",
     "-0+0-0+0-0+"},
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

// The double given for a root of multiplicity m lies within one unit in the
// last place: the (m-1)-th derivative, which has a simple root there, changes
// sign between the doubles on either side of it.
TEST(Raízes, ValorAUmaUnidadeNaÚltimaCasa)
{
    std::vector<Polinómio> casos{P("1 0 0 -6 0 0 10 1 0 -6 -6 0 9 9"), // (x^3-3)^2(x^7+x+1)
                                 P("1 0 -40 0 352 0 -960 0 576"),
                                 P("1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1 1")};
    for (unsigned semente = 1; semente <= 20; ++semente)
        casos.push_back(ProdutoAleatório(semente).polinómio);
    for (const Polinómio& p : casos)
        for (const RaizReal& r : CalcularRaízes(p).reais) {
            Polinómio d = p;
            for (std::size_t k = 1; k < r.multiplicidade; ++k)
                d = Derivada(d);
            const Racional antes(std::nextafter(r.valor, -1e300)), depois(std::nextafter(r.valor, 1e300));
            EXPECT_TRUE(Avaliar(d, Racional(r.valor)) == 0 ||
                        Avaliar(d, antes).sign() != Avaliar(d, depois).sign())
                << Escrever(p) << " " << r.decimal;
        }
}

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
