// SPDX-License-Identifier: MIT
#include "caixas.h"
#include "engine/produto.h"
#include "engine/simplificar.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>

namespace vendrix::engine {
namespace {

using runtime::Código;

struct CasoMonómio
{
    const char* nome;
    std::string_view polinómio;
    std::string_view monómio;
    std::string_view saída;
    Código falha;
};

constexpr CasoMonómio CasosMonómio[] = {
    {"por_x", "x^4 -3x^3 +5x^2 -2x -1", "x", "+1x^5 -3x^4 +5x^3 -2x^2 -1x ", Código::Nenhum},
    {"por_menos_dois", "x^4 -3x^3 +5x^2 -2x -1", "-2", "-2x^4 +6x^3 -10x^2 +4x +2 ", Código::Nenhum},
    {"constante_por_x_quadrado", "-1", "x^2", "-1x^2 ", Código::Nenhum},
    {"constante_por_constante", "-1", "3", "-3 ", Código::Nenhum},
    {"x_a_zero_fica_escrito", "x^0", "3", "+3x^0 ", Código::Nenhum},
    {"zero_escrito_com_sinal", "x", "0", "+0x ", Código::Nenhum},
    {"quatro_casas_meio_para_par_abaixo", "0.03125", "1", "+0.0312 ", Código::Nenhum},
    {"quatro_casas_meio_para_par_acima", "0.09375", "1", "+0.0938 ", Código::Nenhum},
    {"decimais", "1.5x", "1.5", "+2.25x ", Código::Nenhum},
    {"grau_do_monomio_nao_inteiro", "2", "x^2.5", "+2x^2.5 ", Código::Nenhum},
    {"polinomio_vazio", "", "x", "", Código::Nenhum},
    {"monomio_vazio", "x -2", "", "", Código::ÍndiceForaDoIntervalo},
    {"monomio_ilegivel", "x -2", "x^b", "", Código::TipoIncompatível},
    {"termo_vazio_no_inicio", " +x", "x", "", Código::ÍndiceForaDoIntervalo},
    {"produto_transborda_a_meio", "2 1e20x 3", "1e20", "+2E+20 ", Código::Transbordo},
    {"expoente_ilegivel_a_meio", "2 x^a 3", "3", "+6 ", Código::TipoIncompatível},
    {"produto_antes_do_expoente", "1e20x^a", "1e20", "", Código::Transbordo},
    {"soma_de_expoentes_transborda", "x x^3e38", "x^3e38", "+1x^3E+38 ", Código::Transbordo},
};

void PrintTo(const CasoMonómio& c, std::ostream* saída) { *saída << c.nome; }

class MultiplicarMonómiosTeste : public ::testing::TestWithParam<CasoMonómio>
{};

TEST_P(MultiplicarMonómiosTeste, EscrevePeçasAtéÀFalha)
{
    const CasoMonómio& c = GetParam();
    testes::GravadorDeMensagens gravador;
    EXPECT_EQ(MultiplicarMonómios(c.polinómio, c.monómio, gravador), c.saída);
    EXPECT_EQ(gravador.caixas, CaixasDe(TítuloMultiplicarMonómios, c.falha));
}

std::string NomeMonómio(const ::testing::TestParamInfo<CasoMonómio>& linha) { return linha.param.nome; }

INSTANTIATE_TEST_SUITE_P(Peças, MultiplicarMonómiosTeste, ::testing::ValuesIn(CasosMonómio), NomeMonómio);

struct CaixaEsperada
{
    std::string_view título; // empty: no box
    Código código;
};

constexpr CaixaEsperada Erro3Índice{TítuloMultiplicarMonómios, Código::ÍndiceForaDoIntervalo};
constexpr CaixaEsperada Erro3Tipo{TítuloMultiplicarMonómios, Código::TipoIncompatível};

struct CasoProduto
{
    const char* nome;
    std::string_view primeiro;
    std::string_view segundo;
    std::string_view saída;
    std::array<CaixaEsperada, 3> caixas;
};

constexpr CasoProduto CasosProduto[] = {
    {"por_omissao", "x^4 -3x^3 +5x^2 -2x -1", "x -2", "+x^5 -5x^4 +11x^3 -12x^2 +3x +2 ", {}},
    {"x_a_zero_lido_como_constante", "x^0", "3", "+3 ", {}},
    {"sinais_menos", "0 -x +1", "0 -x -1", "+x^2 -1 ", {}},
    {"brancos_no_fim_do_primeiro", "x -1   ", "x +1", "+x^2 -1 ", {}},
    {"segundo_vazio", "x -2", "", "", {}},
    {"primeiro_vazio", "", "x -2", "", {}},
    {"produto_nulo", "x", "0", "", {}},
    {"mais_inicial_no_segundo", "x", " +x", "+x^2 ", {Erro3Índice}},
    {"mais_inicial_no_primeiro_uma_caixa_por_monomio", " +x", "x -2", "", {Erro3Índice, Erro3Índice}},
    {"caixas_pela_ordem_dos_monomios", "2 x^a", "3 +x^b +1", "+8 ", {Erro3Tipo, Erro3Tipo, Erro3Tipo}},
    {"pecas_que_simplificar_nao_le",
     "x^40000 +x",
     "x^a x",
     "",
     {Erro3Tipo, {TítuloSimplificar, Código::Transbordo}}},
    {"grau_nao_inteiro_so_depois", "2", "x^2.5 +x^a", "+2x^2 ", {Erro3Tipo}},
    {"grau_enorme_transborda_em_simplificar", "x", "x^1e20", "", {{{TítuloSimplificar, Código::Transbordo}}}},
};

void PrintTo(const CasoProduto& c, std::ostream* saída) { *saída << c.nome; }

class MultiplicarPolinómiosTeste : public ::testing::TestWithParam<CasoProduto>
{};

TEST_P(MultiplicarPolinómiosTeste, MultiplicaEJuntaOsRelatórios)
{
    const CasoProduto& c = GetParam();
    std::vector<testes::CaixaMostrada> esperadas;
    for (const CaixaEsperada& caixa : c.caixas)
        if (!caixa.título.empty())
            esperadas.push_back(Caixa(caixa.título, caixa.código));
    testes::GravadorDeMensagens gravador;
    EXPECT_EQ(MultiplicarPolinómios(c.primeiro, c.segundo, gravador), c.saída);
    EXPECT_EQ(gravador.caixas, esperadas);
}

std::string NomeProduto(const ::testing::TestParamInfo<CasoProduto>& linha) { return linha.param.nome; }

INSTANTIATE_TEST_SUITE_P(Produtos,
                         MultiplicarPolinómiosTeste,
                         ::testing::ValuesIn(CasosProduto),
                         NomeProduto);

struct CasoContar
{
    const char* nome;
    std::string_view texto;
    std::string_view padrão;
    bool distinguir;
    Código falha;
    std::int16_t contagem;
};

constexpr CasoContar CasosContar[] = {
    {"menos", "x^4-3x^3+5x^2-2x-1", "-", true, Código::Nenhum, 3},
    {"sem_distinguir_maiusculas", "aXbxc", "x", false, Código::Nenhum, 2},
    {"distinguindo_maiusculas", "aXbxc", "x", true, Código::Nenhum, 1},
    {"padrao_maiusculo_sem_distinguir", "axbxc", "X", false, Código::Nenhum, 2},
    {"uma_passagem_sem_sobreposicao", "aaa", "aa", true, Código::Nenhum, 1},
    {"texto_vazio", "", "x", true, Código::Nenhum, 0},
    {"acentos_contam_por_ocorrencia", "ó-ó", "ó", true, Código::Nenhum, 2},
    {"padrao_vazio", "x", "", true, Código::DivisãoPorZero, 0},
};

void PrintTo(const CasoContar& c, std::ostream* saída) { *saída << c.nome; }

class ContarMenosTeste : public ::testing::TestWithParam<CasoContar>
{};

TEST_P(ContarMenosTeste, ContaOcorrências)
{
    const CasoContar& c = GetParam();
    const auto r = ContarMenos(c.texto, c.padrão, c.distinguir);
    ASSERT_EQ(r.Ok(), c.falha == Código::Nenhum);
    if (r.Ok())
        EXPECT_EQ(r.Valor(), c.contagem);
    else
        EXPECT_EQ(r.Falha().código, c.falha);
}

std::string NomeContar(const ::testing::TestParamInfo<CasoContar>& linha) { return linha.param.nome; }

INSTANTIATE_TEST_SUITE_P(Ocorrências, ContarMenosTeste, ::testing::ValuesIn(CasosContar), NomeContar);

TEST(ContarMenos, MaisDe32767OcorrênciasTransbordam)
{
    EXPECT_EQ(ContarMenos(std::string(32767, '-'), "-", true).Valor(), 32767);
    EXPECT_EQ(ContarMenos(std::string(32768, '-'), "-", true).Falha().código, Código::Transbordo);
}

} // namespace
} // namespace vendrix::engine
