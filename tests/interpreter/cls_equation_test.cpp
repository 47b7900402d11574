// SPDX-License-Identifier: MIT
#include "interpreter/cls_equation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace vendrix::interpreter {
namespace {

using runtime::Código;

// A seed source that counts, so that every run sees the same numbers.
FonteDeSementes Contador(std::uint32_t início = 1)
{
    return [n = início]() mutable { return n++; };
}

struct Caso
{
    const char* nome;
    const char* expressão;
    double esperado;
    Código código; // Nenhum when a value is expected
};

constexpr Código Ok = Código::Nenhum;

// Every row is solved with the variable x set to 3.
constexpr Caso Casos[] = {
    {"numero_so", "5", 5, Ok},
    {"decimal", "3.5", 3.5, Ok},
    {"decimal_sem_zero", ".5", 0.5, Ok},
    {"potencia_da_esquerda_para_a_direita", "2^3^2", 64, Ok},
    {"menos_unario_abaixo_da_potencia", "-2^2", -4, Ok},
    {"menos_unario_apos_produto", "2*-3", -6, Ok},
    {"menos_menos", "2--1", 3, Ok},
    {"divisao_inteira", "7\\2", 3, Ok},
    {"divisao_inteira_arredonda_meio_para_par", "7.5\\2", 4, Ok},
    {"resto_com_sinal_do_dividendo", "-7%3", -1, Ok},
    {"resto_abaixo_do_produto", "10%4*2", 2, Ok},
    {"parenteses_vazios", "()", 0, Ok},
    {"produto_por_parenteses_vazios", "2*()", 0, Ok},
    {"valor_a_mais_depois_de_fecho", "(2)3", 2, Ok},
    {"parenteses_seguidos", "(2)(3)", 2, Ok},
    {"primeiro_valor_entre_parenteses", "(1,2)", 1, Ok},
    {"constante_e", "e", 2.718281828, Ok},
    {"constante_pi", "pi", 3.14159265358979, Ok},
    {"max_usa_primeiro_e_ultimo", "max(1,5,3)", 3, Ok},
    {"min_de_um", "min(4)", 4, Ok},
    {"exemplo_completo", "2x^2-sin(x)/2", 18 - 0.14112000805986721 / 2, Ok},
    {"multiplicacao_implicita", "2(x+1)", 8, Ok},
    {"espacos_ignorados", "1 2", 12, Ok},
    {"nome_partido_por_espaco", "s in(pi/2)", 1, Ok},
    {"maiusculas", "2*X", 6, Ok},
    {"acentos_ignorados", "2\xC3\xA9+1", 3, Ok},
    {"zero_elevado_a_zero", "0^0", 1, Ok},
    {"raiz_cubica_de_positivo", "8^(1/3)", 2, Ok},
    {"base_negativa_expoente_inteiro", "(-2)^3", -8, Ok},
    {"falta_operando_direito", "3+", 0, Código::ExpressãoInválida},
    {"falta_operando_esquerdo", "+3", 0, Código::ExpressãoInválida},
    {"produto_sem_esquerda", "*2", 0, Código::ExpressãoInválida},
    {"potencia_de_menos_unario", "2^-1", 0, Código::ExpressãoInválida},
    {"soma_depois_de_fecho", "(2)+", 0, Código::ExpressãoInválida},
    {"dois_menos_unarios", "--1", 0, Código::ExpressãoInválida},
    {"vazio", "", 0, Código::ExpressãoInválida},
    {"fecho_antes_de_abertura", ")(", 0, Código::ExpressãoInválida},
    {"dois_pontos_decimais", "1.2.3", 0, Código::ExpressãoInválida},
    {"so_ponto", ".", 0, Código::ExpressãoInválida},
    {"variavel_nao_definida", "y", 0, Código::VariávelNãoDefinida},
    {"funcao_nao_definida", "foo(1)", 0, Código::FunçãoNãoDefinida},
    {"constante_chamada", "pi(1)", 0, Código::FunçãoNãoDefinida},
    {"funcao_vazia", "sin()", 0, Código::ArgumentoInválidoNaExpressão},
    {"funcao_desconhecida_vazia", "foo()", 0, Código::ArgumentoInválidoNaExpressão},
    {"divisao_por_zero", "1/0", 0, Código::DivisãoPorZero},
    {"divisao_inteira_por_zero", "5\\0", 0, Código::DivisãoPorZero},
    {"resto_por_zero", "5%0", 0, Código::DivisãoPorZero},
    {"mod_por_zero", "mod(5,0)", 0, Código::DivisãoPorZero},
    {"zero_sobre_zero", "0/0", 0, Código::Transbordo},
    {"exp_enorme", "exp(1000)", 0, Código::Transbordo},
    {"expoente_escrito_le_um_nome", "1e2*9", 0, Código::VariávelNãoDefinida},
    {"potencia_transborda", "10^400", 0, Código::Transbordo},
    {"produto_transborda", "9^300*9^300", 0, Código::Transbordo},
    {"raiz_de_negativo", "sqr(-1)", 0, Código::ArgumentoInválido},
    {"log_de_zero", "log(0)", 0, Código::ArgumentoInválido},
    {"ln_de_negativo", "ln(-1)", 0, Código::ArgumentoInválido},
    {"raiz_cubica_de_negativo", "(-8)^(1/3)", 0, Código::ArgumentoInválido},
    {"zero_a_potencia_negativa", "0^(0-1)", 0, Código::DivisãoPorZero},
    {"parenteses_a_mais_abertos", "(()", 0, Código::ParêntesesIncorrectos},
    {"parenteses_a_mais_fechados", "())", 0, Código::ParêntesesIncorrectos},
    {"numero_grande_demais",
     "1000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
     "000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
     "000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
     "0000000000000000000000000000000000000000000000000000000000000000000000000000",
     0,
     Código::Transbordo},
    {"divisao_inteira_fora_de_32_bits", "3000000000\\2", 0, Código::Transbordo},
    {"quociente_inteiro_sem_lugar", "(0-2147483648)\\(0-1)", 0, Código::Transbordo},
    {"resto_do_minimo_por_menos_um", "(0-2147483648)%(0-1)", 0, Ok},
};

void PrintTo(const Caso& c, std::ostream* saída) { *saída << c.nome; }

class AvaliacaoTeste : public ::testing::TestWithParam<Caso>
{};

TEST_P(AvaliacaoTeste, DaValorOuErro)
{
    const Caso& c = GetParam();
    clsEquation equação(Contador());
    equação.Var("x", 3);
    equação.Equation(c.expressão);
    const auto r = equação.Solution();
    if (c.código == Ok) {
        ASSERT_TRUE(r.Ok()) << r.Falha().Número() << " " << r.Falha().Descrição();
        EXPECT_EQ(r.Valor(), c.esperado);
    } else {
        ASSERT_FALSE(r.Ok()) << r.Valor();
        EXPECT_EQ(r.Falha().código, c.código);
        EXPECT_EQ(r.Falha().origem, "Interpretador");
    }
}

std::string NomeDaLinha(const ::testing::TestParamInfo<Caso>& linha) { return linha.param.nome; }

INSTANTIATE_TEST_SUITE_P(Expressoes, AvaliacaoTeste, ::testing::ValuesIn(Casos), NomeDaLinha);

TEST(ClsEquationDescricoes, NomeiamOSimbolo)
{
    const std::pair<const char*, const char*> casos[] = {
        {"foo(1)", "Função não definida: foo()"},
        {"sin()", "Argumento inválido na expressão: sin()"},
        {"y+1", "Variável não definida: y"},
        {"(()", "Número de parênteses incorrecto."},
        {"3+", "Expressão inválida"},
    };
    for (const auto& [expressão, descrição] : casos) {
        clsEquation equação(Contador());
        equação.Equation(expressão);
        const auto r = equação.Solve();
        ASSERT_FALSE(r.Ok()) << expressão;
        EXPECT_EQ(r.Falha().Descrição(), descrição);
    }
}

TEST(ClsEquationEstado, ObjectoNovo)
{
    clsEquation equação;
    ASSERT_TRUE(equação.Solution().Ok());
    EXPECT_EQ(equação.Solution().Valor(), 0);
    const auto r = equação.Solve();
    ASSERT_FALSE(r.Ok());
    EXPECT_EQ(r.Falha().código, Código::ExpressãoInválida);
    EXPECT_EQ(equação.Var("nunca"), 0);
    EXPECT_FALSE(equação.Graus());
}

TEST(ClsEquationEstado, NomesSemDistincaoDeMaiusculas)
{
    clsEquation equação;
    equação.Var("x", 3);
    equação.Equation("2*X");
    EXPECT_EQ(equação.Equation(), "2*x");
    EXPECT_EQ(equação.Solution().Valor(), 6);
    equação.Var("X", 4);
    EXPECT_EQ(equação.Var("x"), 4);
    EXPECT_EQ(equação.Solution().Valor(), 8);
    equação.VarRemove("x");
    EXPECT_EQ(equação.Solution().Falha().código, Código::VariávelNãoDefinida);
    equação.Equation("\xC3\x87\xC3\x83O");
    EXPECT_EQ(equação.Equation(), "\xC3\xA7\xC3\xA3o");
}

TEST(ClsEquationEstado, SolucaoGuardadaAteAlgoMudar)
{
    clsEquation equação(Contador());
    equação.Equation("rnd");
    const double primeira = equação.Solution().Valor();
    EXPECT_EQ(equação.Solution().Valor(), primeira); // not evaluated again
    equação.VarRemove("nunca");                      // marks it stale all the same
    EXPECT_NE(equação.Solution().Valor(), primeira);
}

TEST(ClsEquationEstado, FalhaGuardaASolucaoAnterior)
{
    clsEquation equação;
    equação.Var("x", 2);
    equação.Equation("x+1");
    ASSERT_EQ(equação.Solution().Valor(), 3);
    equação.Equation("x+");
    EXPECT_EQ(equação.Solve().Falha().código, Código::ExpressãoInválida);
    EXPECT_EQ(equação.Solution().Falha().código, Código::ExpressãoInválida);
    equação.Equation("(x");
    EXPECT_EQ(equação.Solve().Falha().código, Código::ParêntesesIncorrectos);
    EXPECT_EQ(equação.Solve().Falha().código, Código::ParêntesesIncorrectos); // tokenized again
    equação.VarClear();
    equação.Equation("x");
    EXPECT_EQ(equação.Solution().Falha().código, Código::VariávelNãoDefinida);
}

TEST(ClsEquationEstado, VariavelNaoFinitaETransbordo)
{
    clsEquation equação;
    equação.Equation("x*0");
    equação.Var("x", std::numeric_limits<double>::infinity());
    EXPECT_EQ(equação.Solution().Falha().código, Código::Transbordo);
    equação.Var("x", std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(equação.Solution().Falha().código, Código::Transbordo);
}

// Whatever the bytes, the answer is a value or one of the interpreter's errors.
TEST(ClsEquationEntradas, BytesQuaisquer)
{
    std::mt19937 g(3);
    clsEquation equação(Contador());
    equação.Var("x", 1);
    for (const std::size_t tamanho :
         {std::size_t{1} << 20, std::size_t{32766}, std::size_t{300}, std::size_t{7}}) {
        for (int vez = 0; vez < 20; ++vez) {
            std::string bytes(tamanho, ' ');
            for (char& c : bytes)
                c = static_cast<char>(g() % (vez % 2 == 0 ? 256 : 48)); // control characters half the time
            equação.Equation(bytes);
            const auto r = equação.Solve();
            if (!r.Ok()) {
                const int n = r.Falha().Número();
                EXPECT_TRUE(n == 5 || n == 6 || n == 11 || (n >= 1100 && n <= 1104)) << n;
            }
        }
    }
    equação.Equation(std::string(1 << 20, 'x'));
    EXPECT_EQ(equação.Solve().Falha().código, Código::Transbordo);
}

TEST(ClsEquationEstado, UsoDaDivisao)
{
    clsEquation equação;
    equação.Equation("2x-1");
    equação.Var("x", 0);
    ASSERT_TRUE(equação.Solve().Ok());
    EXPECT_EQ(equação.Solution().Valor(), -1);
    equação.Var("x", 1); // the same tokens, solved again
    ASSERT_TRUE(equação.Solve().Ok());
    EXPECT_EQ(equação.Solution().Valor(), 1);
}

TEST(ClsEquationGraus, MudaAsFuncoesDeAngulo)
{
    clsEquation equação;
    equação.Equation("sin(90)");
    const double radianos = equação.Solution().Valor();
    equação.Graus(true);
    EXPECT_TRUE(equação.Graus());
    EXPECT_NEAR(equação.Solution().Valor(), 1, 1e-12);
    EXPECT_NE(equação.Solution().Valor(), radianos);
    // Setting the same value again leaves the stored result alone.
    equação.Equation("rnd");
    const double guardado = equação.Solution().Valor();
    equação.Graus(true);
    EXPECT_EQ(equação.Solution().Valor(), guardado);
    equação.Graus(false);
    EXPECT_NE(equação.Solution().Valor(), guardado);

    const std::pair<const char*, double> casos[] = {
        {"cos(60)", 0.5},
        {"tan(45)", 1},
        {"atn(1)", 45},
        {"arcsin(0.5)", 30},
        {"arcsec(2)", 60},
        {"sinh(1)", 1.1752011936438014},
        {"graus(pi)", 180.00000000005537},
    };
    equação.Graus(true);
    for (const auto& [expressão, esperado] : casos) {
        equação.Equation(expressão);
        EXPECT_NEAR(equação.Solution().Valor(), esperado, 1e-9) << expressão;
    }
}

TEST(ClsEquationRnd, TresComportamentos)
{
    clsEquation equação(Contador());
    equação.Equation("rnd(1)-rnd(0)");
    EXPECT_EQ(equação.Solution().Valor(), 0); // 0 repeats the last number
    equação.Equation("rnd(1)");
    const double a = equação.Solution().Valor();
    EXPECT_GE(a, 0);
    EXPECT_LT(a, 1);
    equação.Equation("rnd(1)-rnd(1)");
    EXPECT_NE(equação.Solution().Valor(), 0); // a positive x gives the next one

    // A negative x gives a number that depends on x alone.
    clsEquation outra(Contador(1000));
    equação.Equation("rnd(-3)");
    outra.Equation("rnd(-3)");
    EXPECT_EQ(equação.Solution().Valor(), outra.Solution().Valor());
    outra.Equation("rnd(-4)");
    EXPECT_NE(equação.Solution().Valor(), outra.Solution().Valor());
}

TEST(ClsEquationRnd, RandERandomNosSeusIntervalos)
{
    clsEquation equação(Contador());
    for (int i = 0; i < 200; ++i) {
        equação.Equation("rand(6)");
        const double d = equação.Solution().Valor();
        EXPECT_TRUE(d >= 0 && d <= 5 && d == std::floor(d)) << d;
        equação.Equation("random(1,2)");
        const double r = equação.Solution().Valor();
        EXPECT_TRUE(r >= 1 && r < 2) << r;
    }
}

} // namespace
} // namespace vendrix::interpreter
