// SPDX-License-Identifier: MIT
#include "caixas.h"

namespace vendrix::engine {

TEST_P(RotinaTeste, DaOTextoEAsCaixas)
{
    const Texto r = GetParam().rotina(GetParam().a, GetParam().b);
    EXPECT_EQ(r.valor, GetParam().saida);
    EXPECT_EQ(r.relatos, Caixas(GetParam().caixas));
}

constexpr Caso Casos[] = {
    {"ja_simplificado", S, "x^4 -3x^3 +5x^2 -2x -1", "", "+x^4 -3x^3 +5x^2 -2x -1 ", ""},
    {"semelhantes_onde_estiverem", S, "2x^3 +x -5x^3 +7", "", "-3x^3 +x +7 ", ""},
    {"zero_so_alarga_a_tabela", S, "0x^3 +x^0 +x^1", "", "+x +1 ", ""},
    {"menos_um_so_sem_x", S, "-x^2 -x +5", "", "-x^2 -x +5 ", ""},
    {"outros_coeficientes", S, "3x^2 +1.5x +1.5x -4.25", "", "+3x^2 +3x -4.25 ", ""},
    {"sinais_juntos", S, "x - -2", "", "+x -3 ", ""},
    {"graus_meio_para_par", S, "x^2.5 +x^3.5", "", "+x^4 +x^2 ", ""},
    {"maior_grau_que_cabe", S, "x^32767", "", "+x^32767 ", ""},
    {"primeiro_termo_vazio_sem_a_guarda", S, " -x +2", "", "", "2I"},
    {"forma_simplificada_devolvida", S, "+x^4 -1 ", "", "", "2I"},
    {"expoente_negativo_separado", S, "x^ -2", "", "", "2T"},
    {"graus_antes_do_termo_vazio_e_de_qualquer_coeficiente", S, " 1e39 +x^a", "", "", "2T"},
    {"todos_os_graus_antes_do_maior", S, "x^40000 +x^a", "", "", "2T"},
    {"maior_grau_antes_do_termo_vazio", S, " +x^40000", "", "", "2E"},
    {"grau_32768", S, "x^32768", "", "", "2E"},
    {"meio_acima_do_limite", S, "x^32767.5", "", "", "2E"},
    {"soma_de_coeficientes_transborda", S, "3e38 +3e38", "", "", "2E"},
    {"expoente_negativo_de_quem_chama", S, "x^-2", "", "", "2I"},
};

INSTANTIATE_TEST_SUITE_P(Simplificar, RotinaTeste, ::testing::ValuesIn(Casos), NomeDaLinha);

} // namespace vendrix::engine
