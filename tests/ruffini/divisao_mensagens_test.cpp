// SPDX-License-Identifier: MIT
#include "comum/gravador_mensagens.h"
#include "ruffini/divisao.h"

#include <gtest/gtest.h>

namespace vendrix::ruffini {
namespace {

constexpr const char* DividendoInválido = "O dividendo não é um polinómio válido.";
constexpr const char* DivisorInválido = "O divisor não é um polinómio válido.";
constexpr const char* NãoÉPolinómio = "A expressão não é um polinómio.";
constexpr const char* GrauAcimaDeNove = "O dividendo não pode ter grau superior a nove.";
constexpr const char* ValoresGrandes = "Os valores desta divisão são demasiado grandes para a tabela.";

struct Caso
{
    const char* nome;
    const char* dividendo;
    const char* divisor;
    const char* mensagem;
    Foco foco;
};

constexpr Caso Casos[] = {
    {"dividendo_sem_x", "5", "x-2", DividendoInválido, Foco::Polinómio1},
    {"dividendo_com_x_maiusculo", "3X^2", "x-2", DividendoInválido, Foco::Polinómio1},
    {"dividendo_vazio", "", "x-2", DividendoInválido, Foco::Polinómio1},
    {"dividendo_sem_x_antes_do_divisor", "5", "x^2", DividendoInválido, Foco::Polinómio1},
    {"divisor_com_potencia", "x^2+1", "x^2-1", DivisorInválido, Foco::Polinómio2},
    {"divisor_com_barra", "x^2+1", "x/2", DivisorInválido, Foco::Polinómio2},
    {"divisor_com_ponto", "x^2+1", "0.5x+1", DivisorInválido, Foco::Polinómio2},
    {"divisor_com_virgula", "x^2+1", "1,5x", DivisorInválido, Foco::Polinómio2},
    {"dividendo_nulo", "x-x", "x-2", NãoÉPolinómio, Foco::Fica},
    {"dividendo_constante", "x^2-x^2+3", "x-2", NãoÉPolinómio, Foco::Fica},
    {"grau_dez", "x^10+1", "x-2", GrauAcimaDeNove, Foco::Fica},
    {"grau_dez_antes_do_divisor", "x^10+1", "5", GrauAcimaDeNove, Foco::Fica},
    // A divisor without a root to divide by.
    {"divisor_constante", "x^2+1", "5", DivisorInválido, Foco::Polinómio2},
    {"divisor_com_x_que_se_anula", "x^2+1", "x-x+3", DivisorInválido, Foco::Polinómio2},
    {"divisor_vazio", "x^2+1", "", DivisorInválido, Foco::Polinómio2},
    {"divisor_com_outra_variavel", "x^2+1", "y+1", DivisorInválido, Foco::Polinómio2},
    {"divisor_com_parenteses_a_mais", "x^2+1", "(x+1", DivisorInválido, Foco::Polinómio2},
    {"divisor_fora_do_dominio", "x^2+1", "x+sqr(-1)", DivisorInválido, Foco::Polinómio2},
    {"divisor_alem_da_precisao_simples", "x^2+1", "exp(100)*x+1", DivisorInválido, Foco::Polinómio2},
    // Values the table cannot hold.
    {"raiz_de_dois", "x^2+1", "x-sqr(2)", ValoresGrandes, Foco::Fica},
    {"inverso_de_pi", "x^2+1", "pi*x-1", ValoresGrandes, Foco::Fica},
    {"raiz_alem_de_32_bits", "x+1", "x-exp(30)", ValoresGrandes, Foco::Fica},
    {"raiz_minuscula", "x+1", "x-exp(-40)", ValoresGrandes, Foco::Fica},
    {"produto_inteiro_alem_de_32_bits", "x^2+x+1", "x-50000", ValoresGrandes, Foco::Fica},
    {"constante_grande_ao_quadrado", "x^2+1", "x+12345678", ValoresGrandes, Foco::Fica},
    {"coeficiente_alem_de_32_bits", "3000000000x^2+1", "x", ValoresGrandes, Foco::Fica},
    {"fraccao_alem_de_32_bits", "x^3+1", "65536x+1", ValoresGrandes, Foco::Fica},
};

void PrintTo(const Caso& c, std::ostream* saída) { *saída << c.nome; }

class MensagensDaDivisão : public ::testing::TestWithParam<Caso>
{};

TEST_P(MensagensDaDivisão, RecusaComAMensagemEOFoco)
{
    const Caso& c = GetParam();
    testes::GravadorDeMensagens mensagens;
    const Divisão d = Dividir(c.dividendo, c.divisor, mensagens);
    EXPECT_EQ(d.mensagem, c.mensagem);
    EXPECT_EQ(d.foco, c.foco);
    EXPECT_TRUE(mensagens.caixas.empty());
    // The table stays as the window cleared it.
    EXPECT_FALSE(d.tabelaVisível);
    EXPECT_EQ(d.resto, "");
    EXPECT_FALSE(d.Div.has_value());
    EXPECT_FALSE(d.Resultado.has_value());
    for (const auto& célula : d.Coef)
        EXPECT_FALSE(célula.has_value());
}

std::string NomeDaLinha(const ::testing::TestParamInfo<Caso>& linha) { return linha.param.nome; }

INSTANTIATE_TEST_SUITE_P(Recusas, MensagensDaDivisão, ::testing::ValuesIn(Casos), NomeDaLinha);

// The simplification's own report comes first, then the division's message.
TEST(MensagensDaDivisãoSimplificar, FalhaDeSimplificarAntesDaMensagem)
{
    testes::GravadorDeMensagens mensagens;
    const Divisão d = Dividir("+x^2+1", "x-2", mensagens);
    ASSERT_EQ(mensagens.caixas.size(), 1u);
    EXPECT_EQ(mensagens.caixas[0].título, "Erro2 na expressão.");
    EXPECT_EQ(mensagens.caixas[0].ícone, runtime::Ícone::Crítico);
    EXPECT_EQ(d.Text3, "");
    EXPECT_EQ(d.mensagem, NãoÉPolinómio);
    EXPECT_EQ(d.foco, Foco::Fica);
}

TEST(MensagensDaDivisãoSimplificar, GrauLidoAntesDaRecusa)
{
    testes::GravadorDeMensagens mensagens;
    EXPECT_EQ(Dividir("x^10+1", "x-2", mensagens).GrauDividendo, 10);
    EXPECT_FALSE(Dividir("5", "x-2", mensagens).GrauDividendo.has_value());
    EXPECT_FALSE(Dividir("x^2", "x/2", mensagens).Polinómio1A.has_value());
}

} // namespace
} // namespace vendrix::ruffini
