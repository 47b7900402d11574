// SPDX-License-Identifier: MIT
#include "caixas.h"

namespace vendrix::engine {

// n copies of termo with entre between them.
std::string Repetir(std::string_view termo, std::size_t n, std::string_view entre = " ")
{
    std::string texto(termo);
    for (; n > 1; --n)
        texto.append(entre).append(termo);
    return texto;
}

// Checks the product and its boxes against the product written out in full, joined and simplified, at 60
// terms a side (written) and at 200 (past the term limit, so only forecast); gives the empty text.
constexpr Rotina ComoOLiteral = [](auto a, auto b) {
    for (const std::size_t n : {60, 200}) {
        const std::string primeiro = Repetir(a, n / ContarTermos(a)),
                          segundo = Repetir(b, n / ContarTermos(b));
        Texto literal;
        Termos monómios(segundo);
        while (const auto monómio = monómios.Próximo()) {
            Texto peças = MultiplicarMonómios(primeiro, *monómio);
            literal.valor += peças.valor;
            literal.relatos.insert(literal.relatos.end(), peças.relatos.begin(), peças.relatos.end());
        }
        literal.valor.erase(literal.valor.find_last_not_of(' ') + 1);
        const Texto simplificado = Simplificar(literal.valor);
        literal.valor = simplificado.valor;
        literal.relatos.insert(
            literal.relatos.end(), simplificado.relatos.begin(), simplificado.relatos.end());
        EXPECT_EQ(MultiplicarPolinómios(primeiro, segundo), literal) << n;
    }
    return Texto();
};

const std::string X16383 = Repetir("x", 16383), X16384 = X16383 + " x", X32767 = Repetir("x", 32767),
                  X32768 = X32767 + " x", X32767a = X32767 + " x^a", Colado = Repetir("x", 20000, " +"),
                  ColadoA = Colado + " +x^a", Menos32767(32767, '-'), Menos32768 = Menos32767 + "-";

constexpr Rotina P = MultiplicarPolinómios, C = Contar<true>, L = ComoOLiteral;

const Caso Casos[] = {
    {"simplificar_32767_termos", S, X32767, "", "+32767x ", ""},
    {"simplificar_32768_termos_antes_de_ler", S, X32767a, "", "", "2E«x^a»"},
    {"produto_32767_monomios", P, "1", X32767, "+32767x ", ""},
    {"produto_32768_monomios", P, "1", X32768, "", "1E«x»"},
    {"produto_32766_pecas", P, "1 1", X16383, "+32766x ", ""},
    {"produto_32768_pecas", P, "1 1", X16384, "", "2E«1x»"},
    {"colados_de_20000_termos_cada_monomio_e_depois_o_todo", P, Colado, ColadoA, "", "3T2E"},
    {"contar_32767", C, Menos32767, "-", "32767", ""},
    {"contar_32768", C, Menos32768, "-", "!6", ""},
    {"literal_coeficientes_crescentes", L, "1 2x 1e10x^2 3e30x^3", "1e8 -1e9x x^b", "", ""},
    {"literal_expoentes_crescentes_e_negativos", L, "x^1e30 x^3e38 2", "x^-3e38 x^3e38 x", "", ""},
    {"literal_expoentes_negativos_transbordam", L, "x^-3e38 5", "x^-1e38 x^-3e38 7", "", ""},
    {"literal_termo_ilegivel_depois_de_recordes", L, "1e20 x^2 1e30x^a 4", "1e10 1e-10 x^a", "", ""},
    {"literal_coeficiente_ilegivel", L, "x 3x^2 2*x 1", "1e37 +x", "", ""},
    {"literal_monomios_vazios", L, "x -1", "x  +1 ", "", ""},
};

INSTANTIATE_TEST_SUITE_P(Limites, RotinaTeste, ::testing::ValuesIn(Casos), NomeDaLinha);

} // namespace vendrix::engine
