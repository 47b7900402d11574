// SPDX-License-Identifier: MIT
#include "caixas.h"
#include "engine/comandos.h"
#include "runtime/textos.h"

namespace vendrix::engine {

using enum Operação;

void PrintTo(const Comando& c, std::ostream* s)
{
    *s << c.Polinómio1A << "|" << c.Polinómio2A << "|" << c.Text2.value_or("-") << "|"
       << c.Text3.value_or("-") << "|" << c.Resultado << "|" << LegendaDaOperação(c.operação) << "|"
       << ::testing::PrintToString(c.relatos);
}

TEST(Comandos, LegendasDasOperacoes)
{
    EXPECT_EQ(LegendaDaOperação(Soma), "Resultado (soma)");
    EXPECT_EQ(LegendaDaOperação(Subtração), "Resultado (subtração)");
    EXPECT_EQ(LegendaDaOperação(Multiplicação), "Resultado (multiplicação)");
}

TEST(Comandos, TextosDeTrabalhoDosPolinomiosPorOmissao)
{
    constexpr const char *p1 = "x^4-3x^3+5x^2-2x-1", *s1 = "x^4 -3x^3 +5x^2 -2x -1";
    EXPECT_EQ(Somar(p1, "x-2"),
              (Comando{s1, " +x -2", {}, "x^4 -3x^3 +5x^2 -2x -1 +x -2", "x^4-3x^3+5x^2-x-3", Soma, {}}));
    EXPECT_EQ(
        Subtrair(p1, "x-2"),
        (Comando{p1, "x-2", "+x-2", "x^4 -3x^3 +5x^2 -2x -1 -x +2", "x^4-3x^3+5x^2-3x+1", Subtração, {}}));
    EXPECT_EQ(Multiplicar(p1, "x-2"),
              (Comando{s1, "x -2", {}, {}, "x^5-5x^4+11x^3-12x^2+3x+2", Multiplicação, {}}));
}

// The result of a command, whose caption is set whatever the outcome.
template <auto comando, Operação operação>
Texto Mostrado(std::string_view a, std::string_view b)
{
    Comando c = comando(a, b);
    EXPECT_EQ(c.operação, operação);
    return {std::move(c.Resultado), std::move(c.relatos)};
}

constexpr Rotina Mais = Mostrado<Somar, Soma>, Menos = Mostrado<Subtrair, Subtração>,
                 Vezes = Mostrado<Multiplicar, Multiplicação>;
constexpr Rotina Simp = [](auto a, auto) { // the working copy, "|" and the result
    Simplificação s = SimplificarPolinómio(a);
    return Texto{Juntar({s.cópia, "|", s.Resultado}), std::move(s.relatos)};
};

// Where a row says "was", the reading it replaces: the text is now prepared first (typographic
// characters, superscripts, blanks, runs of signs, a leading "+") and a term that does not read is refused.
constexpr Caso Casos[] = {
    {"soma_da_dois", Mais, "x", "-x+2", "2", ""},
    {"soma_nula_vazia", Mais, "x", "-x", "", ""},
    {"soma_com_guarda_do_menos", Mais, "-x^2", "3x^2-1", "2x^2-1", ""},
    {"diferenca_de_negativos", Menos, "-x^2+1", "-x-1", "-x^2+x+2", ""},
    {"diferenca_nula", Menos, "x^2", "x^2", "", ""},
    {"diferenca_com_brancos", Menos, "x", "- x", "2x", ""},
    {"produto_de_negativos", Vezes, "-x+1", "-x-1", "x^2-1", ""},
    {"soma_primeiro_vazio", Mais, "", "x+1", "x+1", ""},                      // was empty, 2I
    {"diferenca_mais_inicial", Menos, "+x^2-1", "x+1", "x^2-x-2", ""},        // was empty, 2I
    {"produto_sobrescrito_e_menos", Vezes, "x²+1", "x−1", "x^3-x^2+x-1", ""}, // was x^2+1 by x: x^3+x
    {"produto_expoente_nao_inteiro", Vezes, "x^2", "x^1.5", "", "3T«x^1.5»"}, // was x^4
    {"produto_mais_inicial_no_segundo", Vezes, "x^2-1", "+x", "x^3-x", ""},   // was x^3-x, 3I
    {"produto_mais_inicial_no_primeiro", Vezes, "+x", "x-1", "x^2-x", ""},    // was empty, 3I3I
    // At most ten boxes of failing monomials: the tenth alone, or one that counts the rest.
    {"produto_dez_caixas", Vezes, "3z", "x+x^2+x^3+x^4+x^5+x^6+x^7+x^8+x^9+x^10", "", "3T3T3T3T3T3T3T3T3T3T"},
    {"soma_ambos_vazios", Mais, "", "", "", ""}, // was 2I
    {"soma_segundo_vazio", Mais, "x", "", "x", ""},
    {"diferenca_segundo_em_branco", Menos, "x", "  ", "x", ""},
    {"soma_segundo_com_branco_e_menos", Mais, "x", " -x", "", ""},
    {"diferenca_segundo_mais_menos_varios", Menos, "x", "+-766x^12+3x^12-6x^8", "763x^12+6x^8+x", ""},
    {"soma_sinais_dentro", Mais, "x", "++x--x", "3x", ""}, // was x-1
    {"soma_sinal_no_fim_do_primeiro", Mais, "x+", "1", "", "2I«+»"},
    // A typed "&" is not a sign: "x&2" and "2&x" do not read (x&2 was x).
    {"diferenca_e_comercial_depois_de_x", Menos, "x", "x&2", "", "2T«-x&2»"},
    {"diferenca_e_comercial_no_coeficiente", Menos, "x", "2&x", "", "2T"},
    {"simplificar_menos_inicial_guardado", Simp, "-x+1", "", "0 -x +1|-x+1", ""},
    {"simplificar_brancos_e_mais_que_cai", Simp, " 1 + x ", "", "1 +x|x+1", ""},
    {"simplificar_vazio", Simp, "", "", "|", ""},
    {"simplificar_x_maiusculo", Simp, "3X^2", "", "3X^2|", "2T«3X^2»"},
    {"simplificar_sobrescrito", Simp, "x²-1", "", "x^2 -1|x^2-1", ""},                    // was x-1
    {"simplificar_menos_tipografico", Simp, "2x²−3x+1", "", "2x^2 -3x +1|2x^2-3x+1", ""}, // was 2x+1
    {"simplificar_mais_menos", Simp, "x^3+-2x", "", "x^3 -2x|x^3-2x", ""},                // was x^3-2x+1
    {"simplificar_menos_menos", Simp, "x--2", "", "x +2|x+2", ""},                        // was x-3
    {"simplificar_brancos_e_mais_inicial", Simp, "+ x ^ 2 - 1", "", "x^2 -1|x^2-1", ""},  // was empty, 2I
    {"simplificar_sinal_no_fim", Simp, "x^2+", "", "x^2 +|", "2I«+»"},                    // was x^2+1
    {"simplificar_algarismo_depois_de_x", Simp, "3x3", "", "3x3|", "2T«3x3»"},            // was 3x
    {"simplificar_segundo_x", Simp, "x^2x^3", "", "x^2x^3|", "2T«x^2x^3»"},               // was x^2
    {"simplificar_expoente_decimal", Simp, "x^2.5", "", "x^2.5|", "2T«x^2.5»"},           // was x^2
    {"simplificar_dois_asteriscos", Simp, "x**2", "", "x**2|", "2T«x**2»"},               // was x
};

INSTANTIATE_TEST_SUITE_P(Comandos, RotinaTeste, ::testing::ValuesIn(Casos), NomeDaLinha);

} // namespace vendrix::engine

namespace vendrix::engine {

runtime::Relato outros(std::string n)
{
    return RelatoDeFalha(runtime::Título::Erro3,
                         runtime::Falhar(runtime::Código::OutrosMonómios, {}, std::move(n)));
}

// A report of another title shows what was held back before it; the boxes
// held after it are counted in a box of their own.
TEST(Comandos, ResumoDasFalhasDosMonomiosGuardaAOrdem)
{
    const std::string dez = "3T3T3T3T3T3T3T3T3T3T";
    auto esperadas = Caixas(dez + "2E");
    esperadas.push_back(outros("3"));
    EXPECT_EQ(ResumirFalhasDosMonómios(Caixas(dez + "2E3T3I3E")), esperadas);
    EXPECT_EQ(ResumirFalhasDosMonómios(Caixas("2I3T1E")), Caixas("2I3T1E"));
}

// Past ten failing monomials the tenth box counts the others; a box of
// another title comes after it, in its place.
TEST(Comandos, ProdutoComMaisDeDezFalhasMostraDezCaixas)
{
    const Comando onze = Multiplicar("3z", "x+x^2+x^3+x^4+x^5+x^6+x^7+x^8+x^9+x^10+x^11");
    EXPECT_EQ(onze.Resultado, "");
    std::string nove;
    for (int i = 0; i < 9; ++i)
        nove += "3T«3z»";
    EXPECT_EQ(Escritas(onze.relatos, true), nove + "3O«2»");

    std::string muitos = "x";
    for (int i = 0; i < 9999; ++i)
        muitos += "+x";
    const Comando dezMil = Multiplicar("3z", muitos);
    EXPECT_EQ(dezMil.Resultado, "");
    ASSERT_EQ(dezMil.relatos.size(), 10U);
    EXPECT_EQ(dezMil.relatos.back(), outros("9991"));

    // x^40000 times x^a fails; x^40000 times x makes a degree Simplificar cannot hold.
    const Comando depois = Multiplicar("x^40000+x", "x^a+x^a+x^a+x^a+x^a+x^a+x^a+x^a+x^a+x^a+x^a+x");
    EXPECT_EQ(depois.Resultado, "");
    EXPECT_EQ(Escritas(depois.relatos, true), runtime::Substituir(nove, "3z", "x^a") + "3O«2»2E«1x^40001»");
}

} // namespace vendrix::engine
