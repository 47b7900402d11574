// SPDX-License-Identifier: MIT
#include "caixas.h"
#include "engine/comandos.h"

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

constexpr Caso Casos[] = {
    {"soma_da_dois", Mais, "x", "-x+2", "2", ""},
    {"soma_nula_vazia", Mais, "x", "-x", "", ""},
    {"soma_com_guarda_do_menos", Mais, "-x^2", "3x^2-1", "2x^2-1", ""},
    {"diferenca_de_negativos", Menos, "-x^2+1", "-x-1", "-x^2+x+2", ""},
    {"diferenca_nula", Menos, "x^2", "x^2", "", ""},
    {"diferenca_com_brancos", Menos, "x", "- x", "2x", ""},
    {"produto_de_negativos", Vezes, "-x+1", "-x-1", "x^2-1", ""},
    {"soma_mais_inicial_no_primeiro", Mais, "+x", "x", "", "2I"},
    {"diferenca_mais_inicial_no_primeiro", Menos, "+x", "x", "", "2I"},
    {"produto_mais_inicial_no_primeiro", Vezes, "+x", "x-1", "", "3I3I"},
    {"produto_mais_inicial_no_segundo", Vezes, "x^2-1", "+x", "x^3-x", "3I"},
    // At most ten boxes of failing monomials: the tenth alone, or one that counts the rest.
    {"produto_dez_caixas", Vezes, "3z", "x+x^2+x^3+x^4+x^5+x^6+x^7+x^8+x^9+x^10", "", "3T3T3T3T3T3T3T3T3T3T"},
    {"soma_ambos_vazios", Mais, "", "", "", "2I"},
    {"soma_segundo_vazio", Mais, "x", "", "x", ""},
    {"diferenca_segundo_em_branco", Menos, "x", "  ", "x", ""},
    {"soma_segundo_com_mais", Mais, "x", "+x", "2x", ""},
    {"diferenca_segundo_com_mais", Menos, "x", "+x", "", ""},
    {"soma_segundo_com_branco_e_menos", Mais, "x", " -x", "", ""},
    {"diferenca_segundo_com_branco_e_mais", Menos, "x", " +x-1", "1", ""},
    // A "+" typed in front of polynomial 2 only says "added as written".
    {"soma_segundo_mais_menos", Mais, "x", "+-x", "", ""},
    {"diferenca_segundo_mais_menos", Menos, "x", "+-x", "2x", ""},
    {"diferenca_segundo_mais_menos_varios", Menos, "x", "+-766x^12+3x^12-6x^8", "763x^12+6x^8+x", ""},
    {"soma_segundo_so_mais", Mais, "x", "+", "x", ""},
    {"diferenca_segundo_mais_branco_menos", Menos, "x", "+ -x", "2x", ""},
    {"diferenca_segundo_branco_mais_branco", Menos, "x", "  +  x", "", ""},
    {"soma_segundo_dois_mais", Mais, "x", "++x", "2x", ""},
    {"soma_sinal_duplo_dentro_fica", Mais, "x", "+x--x", "x-1", ""},
    {"soma_mais_inicial_no_primeiro_fica", Mais, "+x", "+x", "", "2I"},
    // A typed "&" is not a sign: "x&2" reads as x, "2&x" not at all.
    {"diferenca_e_comercial_depois_de_x", Menos, "x", "x&2", "", ""},
    {"diferenca_e_comercial_no_coeficiente", Menos, "x", "2&x", "", "2T"},
    {"simplificar_menos_inicial_guardado", Simp, "-x+1", "", "0 -x +1|-x+1", ""},
    {"simplificar_brancos_e_mais_que_cai", Simp, " 1 + x ", "", "1 +x|x+1", ""},
    {"simplificar_vazio", Simp, "", "", "|", ""},
    {"simplificar_mais_inicial", Simp, "+x", "", " +x|", "2I"},
    {"simplificar_x_maiusculo", Simp, "3X^2", "", "3X^2|", "2T"},
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
    auto esperadas = Caixas("3T3T3T3T3T3T3T3T3T");
    esperadas.push_back(outros("2"));
    EXPECT_EQ(onze.relatos, esperadas);

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
    esperadas = Caixas("3T3T3T3T3T3T3T3T3T");
    esperadas.push_back(outros("2"));
    esperadas.push_back(Caixas("2E")[0]);
    EXPECT_EQ(depois.relatos, esperadas);
}

} // namespace vendrix::engine
