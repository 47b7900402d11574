// SPDX-License-Identifier: MIT
#include "caixas.h"

namespace vendrix::engine {

TEST_P(RotinaTeste, DaOTextoEAsCaixas)
{
    const Texto r = GetParam().rotina(GetParam().a, GetParam().b);
    EXPECT_EQ(r.valor, GetParam().saida);
    EXPECT_EQ(Escritas(r.relatos, GetParam().caixas.find("«") != std::string_view::npos), GetParam().caixas);
}

constexpr Caso Casos[] = {
    {"ja_simplificado", S, "x^4 -3x^3 +5x^2 -2x -1", "", "+x^4 -3x^3 +5x^2 -2x -1 ", ""},
    {"semelhantes_onde_estiverem", S, "2x^3 +x -5x^3 +7", "", "-3x^3 +x +7 ", ""},
    {"zero_so_alarga_a_tabela", S, "0x^3 +x^0 +x^1", "", "+x +1 ", ""},
    {"menos_um_so_sem_x", S, "-x^2 -x +5", "", "-x^2 -x +5 ", ""},
    {"outros_coeficientes", S, "3x^2 +1.5x +1.5x -4.25", "", "+3x^2 +3x -4.25 ", ""},
    // A sign alone was the constant 1 or -1 (x - 3 here), a broken exponent made whole (x^4 + x^2).
    {"sinal_sozinho", S, "x - -2", "", "", "2I«-»"},
    {"grau_nao_inteiro", S, "x^2.5 +x^3.5", "", "", "2T«x^2.5»"},
    {"grau_inteiro_com_decimais", S, "x^2.0", "", "+x^2 ", ""},
    {"maior_grau_que_cabe", S, "x^32767", "", "+x^32767 ", ""},
    {"primeiro_termo_vazio_sem_a_guarda", S, " -x +2", "", "", "2I"},
    {"forma_simplificada_devolvida", S, "+x^4 -1 ", "", "", "2I"},
    {"expoente_negativo_separado", S, "x^ -2", "", "", "2T"},
    {"graus_antes_do_termo_vazio_e_de_qualquer_coeficiente", S, " 1e39 +x^a", "", "", "2T"},
    {"todos_os_graus_antes_do_maior", S, "x^40000 +x^a", "", "", "2T"},
    {"maior_grau_antes_do_termo_vazio", S, " +x^40000", "", "", "2E"},
    {"grau_32768", S, "x^32768", "", "", "2E«x^32768»"},
    {"soma_de_coeficientes_transborda", S, "3e38 +3e38", "", "", "2E«3e38»"},
    {"expoente_negativo_de_quem_chama", S, "x^-2", "", "", "2I«x^-2»"},
};

INSTANTIATE_TEST_SUITE_P(Simplificar, RotinaTeste, ::testing::ValuesIn(Casos), NomeDaLinha);

} // namespace vendrix::engine
