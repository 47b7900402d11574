// SPDX-License-Identifier: MIT
#include "interpreter/cls_equation.h"
#include "interpreter/funcoes.h"
#include "interpreter/tokenizar.h"
#include "literal.h"
#include "runtime/textos.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <random>

namespace vendrix::interpreter {
namespace {

// A seed source that counts, so that every run sees the same numbers.
const auto Contador = [] { return FonteDeSementes([n = 1U]() mutable { return n++; }); };

struct Caso
{
    const char* nome;
    std::string expressao;
    const char* simbolos; // the tokens, [Null] for a separator; nullptr where they are not checked
    double valor;         // when erro is 0
    int erro;
    const char* descricao = nullptr;
    bool graus = false;
    double tolerancia = 0;
};

void PrintTo(const Caso& c, std::ostream* saída) { *saída << c.nome; }

std::string Repetir(std::string_view s, int n) { return runtime::Substituir(std::string(n, '#'), "#", s); }

const std::string Implícitos = Repetir("2x+", 8191); // three characters, four tokens: [2][*][x][+]

// Every row is solved with x = 3 and a variable e = 5, which the constant e hides.
const std::vector<Caso> Casos{
    {"dois_x", "2x", "[2][*][x]", 6, 0},
    {"x_dois_e_um_nome", "x2", "[x2]", 0, 1102},
    {"dois_parenteses", "2(3)", "[2][*][(][3][)]", 6, 0},
    {"parenteses_seguidos", "(2)(3)", "[(][2][)][(][3][)]", 2, 0},
    {"decimal_sem_zero", ".5", "[,5]", 0.5, 0},
    {"menos_binario_apos_fecho", "(x)-1", "[(][x][)][-][1]", 2, 0},
    {"potencia_de_menos_unario", "2^-1", "[2][^][~][1]", 0, 1103},
    {"saltados", "1 =\t\x01\303\251\3772", "[12]", 12, 0},
    {"vazio", "", "", 0, 1103},
    {"dois_pontos", "1.2.3", "[1,2,3]", 0, 1103},
    {"exemplo", "2x^2-sin(x)/2", nullptr, 18 - 0.14112000805986721 / 2, 0},
    {"potencia_da_esquerda", "2^3^2", nullptr, 64, 0},
    {"menos_abaixo_da_potencia", "-2^2", nullptr, -4, 0},
    {"menos_menos", "2--1", "[2][-][~][1]", 3, 0},
    {"divisao_inteira", "7\\2", nullptr, 3, 0},
    {"divisao_inteira_meio_par", "7.5\\2", nullptr, 4, 0},
    {"resto_abaixo_do_produto", "10%4*2", nullptr, 2, 0},
    {"produto_por_vazios", "2*()", nullptr, 0, 0},
    {"primeiro_entre_parenteses", "(1,2)", nullptr, 1, 0},
    {"constante_e", "e", nullptr, 2.718281828, 0},
    {"max_primeiro_e_ultimo", "max(1,5,3)", "[max(][1][Null][5][Null][3][)]", 3, 0},
    {"min_de_um", "min(4)", nullptr, 4, 0},
    {"base_negativa_inteira", "(-2)^3", nullptr, -8, 0},
    {"resto_do_minimo", "(0-2147483648)%(0-1)", nullptr, 0, 0},
    {"rnd_zero_repete", "rnd(1)-rnd(0)", nullptr, 0, 0},
    {"rnd_negativo_fixo", "rnd(-3)-rnd(-3)", nullptr, 0, 0},
    {"falta_direito", "3+", nullptr, 0, 1103, "Expressão inválida"},
    {"variavel_nao_definida", "y", nullptr, 0, 1102, "Variável não definida: y"},
    {"funcao_nao_definida", "foo(1)", nullptr, 0, 1101, "Função não definida: foo()"},
    {"funcao_vazia", "sin()", nullptr, 0, 1104, "Argumento inválido na expressão: sin()"},
    {"desconhecida_vazia", "foo()", nullptr, 0, 1104},
    {"abertos_a_mais", "(()", nullptr, 0, 1100, "Número de parênteses incorrecto."},
    {"fechados_a_mais", "())", nullptr, 0, 1100},
    {"divisao_por_zero", "1/0", nullptr, 0, 11},
    {"inteira_por_zero", "5\\0", nullptr, 0, 11},
    {"resto_por_zero", "5%0", nullptr, 0, 11},
    {"zero_a_negativo", "0^(0-1)", nullptr, 0, 11},
    {"zero_sobre_zero", "0/0", nullptr, 0, 6},
    {"potencia_transborda", "10^400", nullptr, 0, 6},
    {"numero_grande", "1" + std::string(400, '0'), nullptr, 0, 6},
    {"quociente_sem_lugar", "(0-2147483648)\\(0-1)", nullptr, 0, 6},
    {"raiz_de_negativo", "sqr(-1)", nullptr, 0, 5},
    {"log_de_zero", "log(0)", nullptr, 0, 5},
    {"raiz_cubica_de_negativo", "(-8)^(1/3)", nullptr, 0, 5},
    {"sen_meio_pi", "sen(pi/2)", nullptr, 1, 0},
    {"tg_quarto_pi", "tg(pi/4)", nullptr, 0.9999999999999983, 0},
    {"rad_de_180", "rad(180)", nullptr, 3.1415926535909997, 0},
    {"arcsec_de_menos_dois", "arcsec(-2)", nullptr, 2.0943951023931957, 0},
    {"arccosec_de_menos_dois", "arccosec(-2)", nullptr, -0.5235987755982989, 0},
    {"min_com_negativo", "min(3,-1)", nullptr, -1, 0},
    {"mod_sinal_do_dividendo", "mod(-7,3)", nullptr, -1, 0},
    {"mant_de_negativo", "mant(-2.25)", nullptr, 0.75, 0},
    {"fix_para_zero", "fix(-2.5)", nullptr, -2, 0},
    {"int_para_baixo", "int(-2.5)", nullptr, -3, 0},
    {"logn_base_dois", "logn(8,2)", nullptr, 3, 0},
    {"log10_de_mil", "log10(1000)", nullptr, 2.9999999999999996, 0},
    {"sgn_zero", "sgn(0)", nullptr, 0, 0},
    {"abs_negativo", "abs(-2)", nullptr, 2, 0},
    {"arccos_de_zero", "arccos(0)", nullptr, 1.5707963267948966, 0},
    {"logn_base_um", "logn(8,1)", nullptr, 0, 11},
    {"arcsin_de_um", "arcsin(1)", nullptr, 0, 11},
    {"mod_divisor_arredonda_a_zero", "mod(5,0.4)", nullptr, 0, 11},
    {"logn_um_base_um", "logn(1,1)", nullptr, 0, 6},
    {"mod_fora_de_32_bits", "mod(3000000000,2)", nullptr, 0, 6},
    {"random_transborda", "random(0-9^322*9,9^322*9)", nullptr, 0, 6},
    {"graus_sin", "sin(90)", nullptr, 1, 0, nullptr, true, 1e-12},
    {"graus_atn", "atn(1)", nullptr, 45, 0, nullptr, true, 1e-9},
    {"graus_nao_muda_sinh", "sinh(1)", nullptr, 1.1752011936438014, 0, nullptr, true, 1e-9},
    {"graus_nao_muda_graus", "graus(pi)", nullptr, 180.00000000005537, 0, nullptr, true},
    {"caracteres_32766", std::string(32765, ' ') + "1", nullptr, 1, 0},
    {"caracteres_32767", std::string(32766, ' ') + "1", nullptr, 0, 6},
    {"aninhado_4680", std::string(4680, '(') + "1" + std::string(4680, ')'), nullptr, 1, 0},
    {"aninhado_4681", std::string(4681, '(') + "1" + std::string(4681, ')'), nullptr, 0, 6},
    {"abertos_4681_antes_do_balanco", std::string(4681, '('), nullptr, 0, 6},
    {"base_menos_4681", std::string(4681, ')') + std::string(4681, '('), nullptr, 0, 1103},
    {"base_menos_4682", std::string(4682, ')') + std::string(4682, '('), nullptr, 0, 6},
    {"simbolos_32765", Implícitos + "1", nullptr, 8191 * 6 + 1, 0},
    {"simbolos_32767", Implícitos + "1+1", nullptr, 0, 6},
};

using Linha = ::testing::TestWithParam<Caso>;

TEST_P(Linha, DaValorOuErro)
{
    const Caso& c = GetParam();
    if (c.simbolos != nullptr) {
        Expressão e;
        (void)Tokenizar(c.expressao, e); // a failure keeps the tokens read up to it
        std::string símbolos;
        for (const Símbolo& s : e.símbolos)
            símbolos += "[" + (s.tipo == Tipo::Separador ? std::string("Null") : s.texto) + "]";
        EXPECT_EQ(símbolos, c.simbolos);
    }
    clsEquation equação(Contador());
    equação.Var("x", 3);
    equação.Var("e", 5);
    equação.Graus(c.graus);
    equação.Equation(c.expressao);
    const auto r = equação.Solution();
    if (c.erro == 0) {
        ASSERT_TRUE(r.Ok()) << r.Falha().Número() << " " << r.Falha().Descrição();
        EXPECT_NEAR(r.Valor(), c.valor, c.tolerancia); // |a - b| <= 0 only when a == b
        return;
    }
    ASSERT_FALSE(r.Ok()) << r.Valor();
    EXPECT_EQ(r.Falha().Número(), c.erro);
    EXPECT_EQ(r.Falha().origem, "Interpretador");
    if (c.descricao != nullptr) {
        EXPECT_EQ(r.Falha().Descrição(), c.descricao);
    }
}

INSTANTIATE_TEST_SUITE_P(Expressoes, Linha, ::testing::ValuesIn(Casos), [](const auto& l) {
    return std::string(l.param.nome);
});

TEST(Funcoes, CinquentaESeisTokensPorOrdem)
{
    std::string tokens;
    for (std::size_t i = 0; i < Funções().size(); ++i) {
        tokens.append(i == 0 ? "" : " ").append(Funções()[i].token);
        EXPECT_EQ(ProcurarFunção(Funções()[i].token), static_cast<int>(i));
    }
    EXPECT_EQ(
        tokens,
        "abs( arctg( atn( cos( exp( fix( int( log( rnd( sgn( sin( sen( sqr( tg( tan( min( max( random( "
        "mod( logn( rand( sec( cosec( cotan( cotg( arcsin( arcsen( arccos( arcsec( arccosec( arccotg( "
        "arccotan( sinh( senh( cosh( tgh( tanh( sech( cosech( cotgh( cotanh( arcsinh( arcsenh( arccosh( "
        "arctgh( arctanh( arcsech( arccosech( arccotgh( arccotanh( log10( log2( ln( graus( rad( mant(");
    EXPECT_EQ(ProcurarFunção("foo("), -1);
    EXPECT_EQ(ProcurarFunção("sin"), -1);
}

TEST(ClsEquation, SolucaoGuardadaVariaveisEFalhas)
{
    clsEquation equação(Contador());
    ASSERT_TRUE(equação.Solution().Ok()); // a new object: 0 without solving, nothing to solve
    EXPECT_EQ(equação.Solution().Valor(), 0);
    EXPECT_EQ(equação.Solve().Falha().Número(), 1103);
    equação.Equation("rnd");
    double antes = equação.Solution().Valor();
    EXPECT_EQ(equação.Solution().Valor(), antes); // not evaluated again
    equação.VarRemove("nunca");                   // marks it stale all the same
    EXPECT_NE(equação.Solution().Valor(), antes);
    equação.Graus(true);
    antes = equação.Solution().Valor();
    equação.Graus(true); // the same value changes nothing
    EXPECT_EQ(equação.Solution().Valor(), antes);
    equação.Graus(false);
    EXPECT_NE(equação.Solution().Valor(), antes);
    equação.Var("x", 3);
    equação.Equation("2*X-1");
    EXPECT_EQ(equação.Equation(), "2*x-1");
    EXPECT_EQ(equação.Solution().Valor(), 5);
    for (const auto& [x, valor] : {std::pair{0.0, -1.0}, {1.0, 1.0}}) {
        equação.Var("X", x); // the same entry; the same tokens, solved again
        ASSERT_TRUE(equação.Solve().Ok());
        EXPECT_EQ(equação.Solution().Valor(), valor);
    }
    EXPECT_EQ(equação.Var("x"), 1);
    equação.Equation("x+");
    EXPECT_EQ(equação.Solve().Falha().Número(), 1103);
    EXPECT_EQ(equação.Solution().Falha().Número(), 1103); // still stale: solved again
    equação.Equation("(x");
    EXPECT_EQ(equação.Solve().Falha().Número(), 1100);
    EXPECT_EQ(equação.Solve().Falha().Número(), 1100); // tokenized again
    equação.Equation("x*0");
    for (const double x : {HUGE_VAL, double{NAN}}) {
        equação.Var("x", x);
        EXPECT_EQ(equação.Solution().Falha().Número(), 6);
    }
    equação.VarRemove("x");
    EXPECT_EQ(equação.Solution().Falha().Número(), 1102);
    equação.Var("x", 1);
    equação.VarClear();
    EXPECT_EQ(equação.Solution().Falha().Número(), 1102);
    equação.Equation("\xC3\x87\xC3\x83O");
    EXPECT_EQ(equação.Equation(), "\xC3\xA7\xC3\xA3o");
}

TEST(ClsEquation, RndRandERandom)
{
    clsEquation equação(Contador());
    const auto valor = [&equação](const char* texto) {
        equação.Equation(texto);
        return equação.Solution().Valor();
    };
    EXPECT_NE(valor("rnd(1)-rnd(1)"), 0); // a positive x gives the next number
    EXPECT_NE(valor("rnd(-3)-rnd(-4)"), 0);
    for (int i = 0; i < 200; ++i) {
        const double d = valor("rand(6)"), r = valor("random(1,2)"); // [1, 2) only from numbers in [0, 1)
        EXPECT_TRUE(d >= 0 && d <= 5 && d == std::floor(d) && r >= 1 && r < 2) << d << " " << r;
    }
}

// The random-number functions are left out: the two evaluations would draw from different generators.
bool Aleatória(std::string_view token) { return token == "rnd(" || token == "random(" || token == "rand("; }

// Up to 24 pieces an expression is made of, valid or not.
std::string Sopa(std::mt19937& g)
{
    static const std::vector<std::string_view> peças = [] {
        auto p = runtime::Dividir(
            "0|1|2|3|7|1.5|.|0.5|12|x|y|pi|e|+|-|*|/|\\|^|%|(|)|,| |foo(|2x|x2|(|)|-|1e|400|99999999999",
            "|");
        for (const Função& f : Funções())
            if (!Aleatória(f.token))
                p.emplace_back(f.token);
        return p;
    }();
    std::string texto;
    for (std::size_t n = g() % 25; n > 0; --n)
        texto += peças[g() % peças.size()];
    return texto;
}

// A mostly well-formed expression, so that values and not only errors are compared.
std::string Estruturada(std::mt19937& g, int profundidade = 5)
{
    static constexpr const char* Folhas[] = {"1", "2", "3", "0.5", "x", "pi", "e", "7", "0", "10", "()"};
    const auto dentro = [&] { return Estruturada(g, profundidade - 1); };
    const std::size_t forma = profundidade <= 0 || g() % 4 == 0 ? 5 : g() % 5;
    if (forma == 5)
        return Folhas[g() % std::size(Folhas)];
    if (forma < 2)
        return forma == 0 ? "(" + dentro() + ")" : "-" + dentro();
    if (forma == 2) {
        const std::string_view token = Funções()[g() % NúmeroDeFunções].token;
        std::string texto = (Aleatória(token) ? "max(" : std::string(token)) + dentro();
        for (std::size_t n = g() % 3; n > 0; --n)
            texto += "," + dentro();
        return texto + ")";
    }
    std::string texto = dentro(); // in this order under any compiler
    texto += "+-*/\\^%"[g() % 7];
    return texto + dentro();
}

// Solves both ways, counting the fast one's values: the same value to the bit, or the same error.
bool Iguais(const std::string& texto, double x, bool graus, int& valores)
{
    clsEquation rápida([] { return 1U; });
    rápida.Var("x", x);
    rápida.Graus(graus);
    rápida.Equation(texto);
    const auto r = rápida.Solution();
    const auto o = testes::ResolverLiteralmente(texto, x, graus);
    valores += r.Ok() ? 1 : 0;
    if (r.Ok() && o.Ok())
        return std::bit_cast<std::uint64_t>(r.Valor()) == std::bit_cast<std::uint64_t>(o.Valor());
    return !r.Ok() && !o.Ok() && r.Falha() == o.Falha();
}

TEST(Diferencial, MilharesDeExpressoesEFormasLongas)
{
    int valores[2] = {0, 0}; // of the soups and of the well-formed ones
    for (const std::string& texto : {"1" + Repetir("+1", 600),
                                     Repetir("(", 600) + "1" + Repetir(")", 600),
                                     Repetir("-", 600) + "1",
                                     Repetir("sin(", 300) + "1" + Repetir(")", 300),
                                     "max(1" + Repetir(",1", 600) + ")",
                                     Repetir("x^2-(x,", 300) + "1" + Repetir(")", 300)})
        EXPECT_TRUE(Iguais(texto, 2, false, valores[0])) << texto.substr(0, 40);
    std::mt19937 g(77);
    for (int i = 0; i < 40000; ++i) {
        const std::string texto = i % 2 == 0 ? Sopa(g) : Estruturada(g);
        ASSERT_TRUE(Iguais(texto, i % 9 * 0.75 - 3, i % 7 == 0, valores[i % 2])) << texto;
    }
    EXPECT_GT(valores[1], 5000); // the comparison means little unless many expressions have a value
}

} // namespace
} // namespace vendrix::interpreter
