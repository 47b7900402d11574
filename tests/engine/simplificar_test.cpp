// SPDX-License-Identifier: MIT
#include "caixas.h"
#include "engine/simplificar.h"

#include <gtest/gtest.h>

#include <ostream>

namespace vendrix::engine {
namespace {

using runtime::Código;

struct CasoSimplificar
{
    const char* nome;
    std::string_view entrada; // separated form
    std::string_view saída;
    Código falha; // the one box shown, Nenhum for none
};

constexpr CasoSimplificar Casos[] = {
    {"ja_simplificado", "x^4 -3x^3 +5x^2 -2x -1", "+x^4 -3x^3 +5x^2 -2x -1 ", Código::Nenhum},
    {"soma_termos_semelhantes_onde_estiverem", "2x^3 +x -5x^3 +7", "-3x^3 +x +7 ", Código::Nenhum},
    {"zero_e_o_texto_vazio", "x -x", "", Código::Nenhum},
    {"quadrados_que_se_anulam", "x^2 +x^2 -2x^2", "", Código::Nenhum},
    {"vazio_sem_falha", "", "", Código::Nenhum},
    {"coeficiente_zero_so_alarga_a_tabela", "0x^3 +1", "+1 ", Código::Nenhum},
    {"x_a_zero_e_um", "x^0", "+1 ", Código::Nenhum},
    {"x_a_um_e_x", "x^1", "+x ", Código::Nenhum},
    {"constante", "5", "+5 ", Código::Nenhum},
    {"menos_um", "-1", "-1 ", Código::Nenhum},
    {"menos_x", "-x", "-x ", Código::Nenhum},
    {"menos_x_quadrado", "-x^2", "-x^2 ", Código::Nenhum},
    {"coeficientes_escritos", "3x^2 -2x +4", "+3x^2 -2x +4 ", Código::Nenhum},
    {"sinal_sozinho_vale_um", "x +", "+x +1 ", Código::Nenhum},
    {"sinais_juntos", "x - -2", "+x -3 ", Código::Nenhum},
    {"coeficientes_decimais", "1.5x +1.5x -0.25", "+3x -0.25 ", Código::Nenhum},
    {"grau_meio_para_par_abaixo", "x^2.5", "+x^2 ", Código::Nenhum},
    {"grau_meio_para_par_acima", "x^3.5", "+x^4 ", Código::Nenhum},
    {"maior_grau_que_cabe", "x^32767", "+x^32767 ", Código::Nenhum},
    {"meio_abaixo_do_limite_arredonda_para_dentro", "x^32766.5", "+x^32766 ", Código::Nenhum},
    {"somas_que_se_anulam_sem_transbordo", "3e38 -3e38", "", Código::Nenhum},
    {"primeiro_termo_vazio", " -x +2", "", Código::ÍndiceForaDoIntervalo},
    {"guarda_do_menos", "0 -x +2", "-x +2 ", Código::Nenhum},
    {"mais_inicial", " +x", "", Código::ÍndiceForaDoIntervalo},
    {"dois_brancos", "x  +1", "", Código::ÍndiceForaDoIntervalo},
    {"forma_simplificada_devolvida", "+x^4 -1 ", "", Código::ÍndiceForaDoIntervalo},
    {"x_maiusculo", "3X^2", "", Código::TipoIncompatível},
    {"expoente_negativo_separado", "x^ -2", "", Código::TipoIncompatível},
    {"expoentes_lidos_antes_do_termo_vazio", " +x^", "", Código::TipoIncompatível},
    {"expoentes_lidos_antes_de_qualquer_coeficiente", "1e39 +x^a", "", Código::TipoIncompatível},
    {"expoente_ilegivel_antes_do_grau_grande", "x^40000 +x^a", "", Código::TipoIncompatível},
    {"grau_grande_antes_do_termo_vazio", " +x^40000", "", Código::Transbordo},
    {"grau_32768", "x^32768", "", Código::Transbordo},
    {"meio_acima_do_limite_arredonda_para_fora", "x^32767.5", "", Código::Transbordo},
    {"soma_de_coeficientes_transborda", "3e38 +3e38", "", Código::Transbordo},
    {"coeficiente_transborda", "x +1e39", "", Código::Transbordo},
    {"expoente_negativo_de_quem_chama", "x^-2", "", Código::ÍndiceForaDoIntervalo},
    {"expoente_negativo_grande", "x^-40000", "", Código::Transbordo},
};

void PrintTo(const CasoSimplificar& c, std::ostream* saída) { *saída << c.nome; }

class SimplificarTeste : public ::testing::TestWithParam<CasoSimplificar>
{};

TEST_P(SimplificarTeste, SomaOrdenaOuRelataUmaFalha)
{
    const CasoSimplificar& c = GetParam();
    testes::GravadorDeMensagens gravador;
    EXPECT_EQ(Simplificar(c.entrada, gravador), c.saída);
    EXPECT_EQ(gravador.caixas, CaixasDe(TítuloSimplificar, c.falha));
}

std::string Nome(const ::testing::TestParamInfo<CasoSimplificar>& linha) { return linha.param.nome; }

INSTANTIATE_TEST_SUITE_P(Exemplos, SimplificarTeste, ::testing::ValuesIn(Casos), Nome);

} // namespace
} // namespace vendrix::engine
