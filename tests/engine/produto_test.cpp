// SPDX-License-Identifier: MIT
#include "caixas.h"

namespace vendrix::engine {

constexpr Rotina M = MultiplicarMonómios, P = MultiplicarPolinómios, C = Contar<true>, c = Contar<false>;

constexpr Caso Casos[] = {
    {"por_x", M, "x^4 -3x^3 +5x^2 -2x -1", "x", "+1x^5 -3x^4 +5x^3 -2x^2 -1x ", ""},
    {"por_menos_dois", M, "x^4 -3x^3 +5x^2 -2x -1", "-2", "-2x^4 +6x^3 -10x^2 +4x +2 ", ""},
    {"constante_por_x_quadrado", M, "-1", "x^2", "-1x^2 ", ""},
    {"x_a_zero_fica_escrito", M, "x^0 -1", "3", "+3x^0 -3 ", ""},
    {"quatro_casas_meio_para_par_e_zero_com_sinal", M, "0.0625 0.1875 0", "0.5", "+0.0312 +0.0938 +0 ", ""},
    {"monomio_vazio", M, "x -2", "", "", "3I"},
    {"produto_transborda_a_meio", M, "2 1e20x 3", "1e20", "+2E+20 ", "3E"},
    {"produto_antes_do_expoente", M, "1e20x^a", "1e20", "", "3E"},
    {"soma_de_expoentes_transborda", M, "x x^3e38", "x^3e38", "+1x^3E+38 ", "3E"},
    {"brancos_no_fim_do_primeiro", P, "x^0 -x   ", "3 +x", "-x^2 -2x +3 ", ""},
    {"segundo_vazio", P, "x -2", "", "", ""},
    {"primeiro_vazio", P, "", "x -2", "", ""},
    {"caixas_pela_ordem_dos_monomios", P, "2 x^a", "3 +x^b +1", "+8 ", "3T3T3T"},
    {"pecas_que_simplificar_nao_le", P, "x^40000 +x", "x^a x", "", "3T2E"},
    {"contar_distinguindo_maiusculas", C, "aXbxc", "x", "1", ""},
    {"contar_texto_e_padrao_em_minusculas", c, "aXbxc", "X", "2", ""},
    {"contar_uma_passagem_sem_sobreposicao", C, "aaa", "aa", "1", ""},
    {"contar_acentos_por_ocorrencia", C, "ó-ó", "ó", "2", ""},
    {"contar_padrao_vazio", C, "x", "", "!11", ""},
};

INSTANTIATE_TEST_SUITE_P(Produto, RotinaTeste, ::testing::ValuesIn(Casos), NomeDaLinha);

} // namespace vendrix::engine
