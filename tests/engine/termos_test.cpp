// SPDX-License-Identifier: MIT
#include "caixas.h"

namespace vendrix::engine {

// G: the leading-minus guard, term separation and compaction of one text; M reads a term as a monomial.
constexpr Rotina M = MultiplicarMonómios, G = [](auto a, auto) {
    return SemRelatos(Juntar({GuardaDoMenos(a), "|", SepararTermos(a), "|", Compactar(a)}));
};

constexpr Caso Casos[] = {
    {"sinal_sozinho", M, "1", "+", "+1 ", ""},
    {"algarismo_depois_de_x_ignorado", M, "1", "3x3", "+3x ", ""},
    {"so_conta_depois_do_circunflexo", M, "1", "x2^5", "+1x^5 ", ""},
    {"segundo_x_ignorado", M, "1", "x^2x^3", "+1x^2 ", ""},
    {"decimais_e_grau_lidos_como_estao", M, "1", "-0.25x^2.5", "-0.25x^2.5 ", ""},
    {"expoente_transborda", M, "1", "x^1e39", "", "3E"},
    {"coeficiente_lido_antes_do_grau", M, "1", "1e39x^a", "", "3E"},
    {"sinais_juntos", G, "x+-2", "", "x+-2|x + -2|x+-2", ""},
    {"guarda_nao_ve_alem_do_branco", G, " -x", "", " -x| -x|-x", ""},
    {"forma_simplificada", G, "+x^4 -3x^3 -1 ", "", "+x^4 -3x^3 -1 | +x^4 -3x^3 -1|x^4-3x^3-1", ""},
    {"so_um_mais_cai", G, "++x", "", "++x| + +x|+x", ""},
};

INSTANTIATE_TEST_SUITE_P(Termos, RotinaTeste, ::testing::ValuesIn(Casos), NomeDaLinha);

} // namespace vendrix::engine
