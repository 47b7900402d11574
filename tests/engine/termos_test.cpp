// SPDX-License-Identifier: MIT
#include "caixas.h"
#include "engine/preparar.h"

namespace vendrix::engine {

// G: the leading-minus guard, term separation and compaction of one text; M reads a term as a monomial;
// P: a typed text prepared, then only its characters made plain.
constexpr Rotina
    M = MultiplicarMonómios,
    G =
        [](auto a, auto) {
            return SemRelatos(Juntar({GuardaDoMenos(a), "|", SepararTermos(a), "|", Compactar(a)}));
        },
    P = [](auto a, auto) {
        return SemRelatos(Juntar({PrepararPolinómio(a), "|", NormalizarEscrita(a)}));
    };

// The refusals were read as +1, and x2^5 as x^5.
constexpr Caso Casos[] = {
    {"sinal_sozinho", M, "1", "+", "", "3I«+»"},
    {"so_o_circunflexo_depois_de_x", M, "1", "x2^5", "", "3T«x2^5»"},
    {"decimais_lidos_como_estao", M, "1", "-0.25x^2", "-0.25x^2 ", ""},
    {"expoente_transborda", M, "1", "x^1e39", "", "3E«x^1e39»"},
    {"coeficiente_lido_antes_do_grau", M, "1", "1e39x^a", "", "3E«1e39x^a»"},
    {"sinais_juntos", G, "x+-2", "", "x+-2|x + -2|x+-2", ""},
    {"guarda_nao_ve_alem_do_branco", G, " -x", "", " -x| -x|-x", ""},
    {"forma_simplificada", G, "+x^4 -3x^3 -1 ", "", "+x^4 -3x^3 -1 | +x^4 -3x^3 -1|x^4-3x^3-1", ""},
    {"so_um_mais_cai", G, "++x", "", "++x| + +x|+x", ""},
    {"sobrescritos_em_corridas", P, "x¹⁰+x²x³-x⁰", "", "x^10+x^2x^3-x^0|x^10+x^2x^3-x^0", ""},
    {"espacos_e_tracos", P, "\u00A0x\u2009\u2013\u202F1\u2212x", "", "x-1-x| x - 1-x", ""},
    {"regra_dos_sinais", P, "+-+-x - -1 +", "", "x+1+|+-+-x - -1 +", ""},
    {"sinais_que_se_anulam", P, " - + - ", "", "| - + - ", ""},
    {"outros_caracteres_ficam", P, "x\u2014\u00B9", "", "x\u2014^1|x\u2014^1", ""},
};

INSTANTIATE_TEST_SUITE_P(Termos, RotinaTeste, ::testing::ValuesIn(Casos), NomeDaLinha);

} // namespace vendrix::engine
