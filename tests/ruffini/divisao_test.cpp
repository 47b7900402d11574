// SPDX-License-Identifier: MIT
#include "comum/gravador_mensagens.h"
#include "ruffini/divisao.h"

#include <gtest/gtest.h>

#include <string>

namespace vendrix::ruffini {
namespace {

// One division as the user sees it. Rows are "|"-separated cells of the
// columns 0 … degree (the middle row without its hidden last cell).
struct Caso
{
    const char* nome;
    const char* dividendo;
    const char* divisor;
    const char* Div;
    const char* Coef;
    const char* Seg;
    const char* Ter;
    const char* quociente;
    const char* resto;
};

constexpr Caso Casos[] = {
    {"padrao",
     "x^4-3x^3+5x^2-2x-1",
     "x-2",
     "2",
     "1|-3|5|-2|-1",
     "2|-2|6|8",
     "1|-1|3|4|7",
     "x^3-x^2+3x+4",
     "7"},
    {"raiz_fraccionaria", "2x^2+3x+1", "2x+1", "-1/2", "2|3|1", "-1/1|-1/1", "2|2/1|0/2", "2/2x+1/1", "0/2"},
    {"quociente_dividido_por_a", "x^2+5x+6", "2x+4", "-2", "1|5|6", "-2|-6", "1|3|0", "1/2x+3/2", "0"},
    {"divisor_negativo", "x^2+5x+6", "-x-2", "-2", "1|5|6", "-2|-6", "1|3|0", "-x-3", "0"},
    {"divisor_de_sinal_trocado", "x^2-4", "-x+2", "2", "1|0|-4", "2|4", "1|2|0", "-x-2", "0"},
    {"grau_um", "x+1", "x-2", "2", "1|1", "2", "1|3", "1", "3"},
    {"graus_em_falta", "x^3-1", "x-1", "1", "1|0|0|-1", "1|1|1", "1|1|1|0", "x^2+x+1", "0"},
    {"coeficiente_nulo_omitido", "x^3-x^2+x-1", "x-1", "1", "1|-1|1|-1", "1|0|1", "1|0|1|0", "x^2+1", "0"},
    {"grau_nove",
     "x^9-1",
     "x-1",
     "1",
     "1|0|0|0|0|0|0|0|0|-1",
     "1|1|1|1|1|1|1|1|1",
     "1|1|1|1|1|1|1|1|1|0",
     "x^8+x^7+x^6+x^5+x^4+x^3+x^2+x+1",
     "0"},
    {"dividendo_desordenado", "1-x+x^2", "x+1", "-1", "1|-1|1", "-1|2", "1|-2|3", "x-2", "3"},
    {"coeficiente_dez", "x^2+9x+1", "x-1", "1", "1|9|1", "1|10", "1|10|11", "x+10", "11"},
    {"coeficientes_menos_um",
     "-x^3+x^2-x+2.5",
     "x-2",
     "2",
     "-1|1|-1|2.5",
     "-2|-2|-6",
     "-1|-1|-3|-3.5",
     "-x^2-x-3",
     "-3.5"},
    {"coeficiente_decimal", "2.5x^2+1", "x-2", "2", "2.5|0|1", "5|10", "2.5|5|11", "2.5x+5", "11"},
    {"divisor_x", "x^2+3x+2", "x", "0", "1|3|2", "0|0", "1|3|2", "x+3", "2"},
    {"raiz_meio_de_4x_mais_2",
     "4x^2+4x+1",
     "4x+2",
     "-1/2",
     "4|4|1",
     "-2/1|-1/1",
     "4|2/1|0/2",
     "4/4x+1/2",
     "0/2"},
    {"coeficiente_e_a_negativos",
     "-4x^2+1",
     "-2x+1",
     "1/2",
     "-4|0|1",
     "-2/1|-1/1",
     "-4|-2/1|0/2",
     "-4/-2x+1/1",
     "0/2"},
    {"raiz_de_dois_grau_um",
     "x+1",
     "x-sqr(2)",
     "11863283/8388608",
     "1|1",
     "11863283/8388608",
     "1|20251891/8388608",
     "1/1",
     "20251891/8388608"},
    {"constante_grande_lida_sem_expoente",
     "x+1",
     "x+12345678",
     "-12345678",
     "1|1",
     "-12345678",
     "1|-12345677",
     "1",
     "-12345677"},
};

std::string Juntar(const auto& células, std::size_t quantas)
{
    std::string texto;
    for (std::size_t i = 0; i < quantas; ++i) {
        if (i > 0)
            texto += "|";
        texto += células[i].value_or("(nada)");
    }
    return texto;
}

void PrintTo(const Caso& c, std::ostream* saída) { *saída << c.nome; }

class DividirTeste : public ::testing::TestWithParam<Caso>
{};

TEST_P(DividirTeste, MostraATabelaOQuocienteEOResto)
{
    const Caso& c = GetParam();
    testes::GravadorDeMensagens mensagens;
    const Divisão d = Dividir(c.dividendo, c.divisor, mensagens);
    ASSERT_FALSE(d.mensagem.has_value()) << *d.mensagem;
    EXPECT_TRUE(mensagens.caixas.empty());
    ASSERT_TRUE(d.tabelaVisível);
    ASSERT_TRUE(d.GrauDividendo.has_value());
    const auto grau = static_cast<std::size_t>(*d.GrauDividendo);
    EXPECT_EQ(d.Div, c.Div);
    EXPECT_EQ(Juntar(d.Coef, grau + 1), c.Coef);
    EXPECT_EQ(Juntar(d.Seg, grau), c.Seg);
    EXPECT_EQ(Juntar(d.Ter, grau + 1), c.Ter);
    EXPECT_EQ(d.Resultado, c.quociente);
    EXPECT_EQ(d.resto, c.resto);
    // Nothing is written past the last column.
    for (std::size_t i = grau + 1; i < d.Coef.size(); ++i) {
        EXPECT_FALSE(d.Coef[i].has_value()) << i;
        EXPECT_FALSE(d.Ter[i].has_value()) << i;
    }
}

std::string NomeDaLinha(const ::testing::TestParamInfo<Caso>& linha) { return linha.param.nome; }

INSTANTIATE_TEST_SUITE_P(Exemplos, DividirTeste, ::testing::ValuesIn(Casos), NomeDaLinha);

TEST(DividirTeste, CopiasDeTrabalhoComAGuardaDoMenos)
{
    testes::GravadorDeMensagens mensagens;
    const Divisão d = Dividir("-x^2+1", "-x+2", mensagens);
    EXPECT_EQ(d.Polinómio1A, "0-x^2+1");
    EXPECT_EQ(d.Polinómio2A, "0-x+2");
    EXPECT_EQ(d.Text3, "-x^2 +1 ");
    EXPECT_EQ(d.GrauDividendo, 1 + 1);
}

TEST(DividirTeste, LinhasDaGrelhaDoGrauUmEDoGrauNove)
{
    testes::GravadorDeMensagens mensagens;
    const Divisão um = Dividir("x+1", "x-2", mensagens);
    EXPECT_EQ(um.linhas[0], (Segmento{690, 1740, 2840, 1740}));
    EXPECT_EQ(um.linhas[1], (Segmento{2135, 2350, 2830, 2350}));
    EXPECT_EQ(um.linhas[2], (Segmento{2135, 1740, 2135, 2350}));
    const Divisão quatro = Dividir("x^4-3x^3+5x^2-2x-1", "x-2", mensagens);
    EXPECT_EQ(quatro.linhas[0], (Segmento{690, 1740, 5360, 1740}));
    EXPECT_EQ(quatro.linhas[1], (Segmento{4520, 2350, 5320, 2350}));
    EXPECT_EQ(quatro.linhas[2], (Segmento{4520, 1740, 4520, 2350}));
    const Divisão nove = Dividir("x^9-1", "x-1", mensagens);
    EXPECT_EQ(nove.linhas[0].x2, 9560);
}

// Seg(k) stands under Coef(k + 1) and Ter(k) under Coef(k), on a pitch of 800.
TEST(DividirTeste, PosiçõesDasCélulas)
{
    EXPECT_EQ(EsquerdaCoef(0), 1410);
    EXPECT_EQ(EsquerdaCoef(10), 9410);
    EXPECT_EQ(EsquerdaSeg(0), EsquerdaCoef(1));
    EXPECT_EQ(EsquerdaSeg(9), 9410);
    EXPECT_EQ(TopoSeg, TopoDiv);
    EXPECT_LT(TopoCoef, TopoSeg);
    EXPECT_LT(TopoSeg, TopoTer);
}

} // namespace
} // namespace vendrix::ruffini
