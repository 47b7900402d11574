// SPDX-License-Identifier: MIT
#include "interpreter/cls_equation.h"
#include "interpreter/funcoes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace vendrix::interpreter {
namespace {

using runtime::Código;

TEST(FuncoesTabela, CinquentaESeisTokensUnicosTodosAchados)
{
    const auto funções = Funções();
    ASSERT_EQ(funções.size(), 56U);
    std::set<std::string_view> vistos;
    for (std::size_t i = 0; i < funções.size(); ++i) {
        const std::string_view token = funções[i].token;
        EXPECT_TRUE(vistos.insert(token).second) << token;
        EXPECT_EQ(token.back(), '(');
        EXPECT_TRUE(std::ranges::all_of(token.substr(0, token.size() - 1), [](char c) {
            return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        }));
        EXPECT_EQ(ProcurarFunção(token), static_cast<int>(i));
    }
    EXPECT_EQ(funções.front().token, "abs(");
    EXPECT_EQ(funções.back().token, "mant(");
    EXPECT_EQ(ProcurarFunção("foo("), -1);
    EXPECT_EQ(ProcurarFunção("sin"), -1);
}

struct Caso
{
    const char* nome;
    const char* expressão;
    double esperado;
    Código código;
};

constexpr Código Ok = Código::Nenhum;

constexpr Caso Casos[] = {
    {"sin_meio_pi", "sin(pi/2)", 1, Ok},
    {"sen_meio_pi", "sen(pi/2)", 1, Ok},
    {"tg_quarto_pi", "tg(pi/4)", 0.9999999999999983, Ok},
    {"graus_de_pi", "graus(pi)", 180.00000000005537, Ok},
    {"rad_de_180", "rad(180)", 3.1415926535909997, Ok},
    {"arcsec_de_um", "arcsec(1)", 0, Ok},
    {"arcsec_de_menos_dois", "arcsec(-2)", 2.0943951023931957, Ok},
    {"arccosec_de_menos_dois", "arccosec(-2)", -0.5235987755982989, Ok},
    {"min_com_negativo", "min(3,-1)", -1, Ok},
    {"max_iguais", "max(3,3)", 3, Ok},
    {"min_de_um", "min(7)", 7, Ok},
    {"mod_arredonda_meio_para_par", "mod(7.5,2)", 0, Ok},
    {"mod_sinal_do_dividendo", "mod(-7,3)", -1, Ok},
    {"mant_de_negativo", "mant(-2.25)", 0.75, Ok},
    {"fix_para_zero", "fix(-2.5)", -2, Ok},
    {"int_para_baixo", "int(-2.5)", -3, Ok},
    {"logn_base_dois", "logn(8,2)", 3, Ok},
    {"log10_de_mil", "log10(1000)", 2.9999999999999996, Ok},
    {"log2_de_oito", "log2(8)", 3, Ok},
    {"sgn_negativo", "sgn(-5)", -1, Ok},
    {"sgn_zero", "sgn(0)", 0, Ok},
    {"abs_negativo", "abs(-2)", 2, Ok},
    {"exp_de_um", "exp(1)", 2.718281828459045, Ok},
    {"cosh_de_zero", "cosh(0)", 1, Ok},
    {"tanh_de_zero", "tanh(0)", 0, Ok},
    {"arcsinh_de_zero", "arcsinh(0)", 0, Ok},
    {"arccos_de_zero", "arccos(0)", 1.5707963267948966, Ok},
    {"arccotg_de_zero", "arccotg(0)", 1.5707963267948966, Ok},
    {"sech_de_zero", "sech(0)", 1, Ok},
    {"funcao_desconhecida", "foo(1)", 0, Código::FunçãoNãoDefinida},
    {"raiz_de_negativo", "sqr(-1)", 0, Código::ArgumentoInválido},
    {"log_de_zero", "log(0)", 0, Código::ArgumentoInválido},
    {"ln_de_negativo", "ln(-1)", 0, Código::ArgumentoInválido},
    {"arccosh_de_zero", "arccosh(0)", 0, Código::ArgumentoInválido},
    {"arcsin_fora_do_dominio", "arcsin(2)", 0, Código::ArgumentoInválido},
    {"cotan_de_zero", "cotan(0)", 0, Código::DivisãoPorZero},
    {"logn_base_um", "logn(8,1)", 0, Código::DivisãoPorZero},
    {"arcsin_de_um", "arcsin(1)", 0, Código::DivisãoPorZero},
    {"arccos_de_um", "arccos(1)", 0, Código::DivisãoPorZero},
    {"arccosec_de_um", "arccosec(1)", 0, Código::DivisãoPorZero},
    {"cosech_de_zero", "cosech(0)", 0, Código::DivisãoPorZero},
    {"arctgh_de_um", "arctgh(1)", 0, Código::DivisãoPorZero},
    {"arctgh_de_menos_um", "arctgh(-1)", 0, Código::ArgumentoInválido},
    {"logn_um_base_um", "logn(1,1)", 0, Código::Transbordo},
    {"cosh_enorme", "cosh(1000)", 0, Código::Transbordo},
    {"exp_enorme", "exp(1000)", 0, Código::Transbordo},
    {"mod_fora_de_32_bits", "mod(3000000000,2)", 0, Código::Transbordo},
    {"mod_divisor_fora_de_32_bits", "mod(2,3000000000)", 0, Código::Transbordo},
    {"mod_divisor_arredonda_para_zero", "mod(5,0.4)", 0, Código::DivisãoPorZero},
    {"random_transborda", "random(0-9^322*9,9^322*9)", 0, Código::Transbordo},
};

void PrintTo(const Caso& c, std::ostream* saída) { *saída << c.nome; }

class FuncaoTeste : public ::testing::TestWithParam<Caso>
{};

TEST_P(FuncaoTeste, DaValorOuErro)
{
    const Caso& c = GetParam();
    clsEquation equação([] { return 7U; });
    equação.Equation(c.expressão);
    const auto r = equação.Solution();
    if (c.código == Ok) {
        ASSERT_TRUE(r.Ok()) << r.Falha().Número();
        EXPECT_EQ(r.Valor(), c.esperado);
    } else {
        ASSERT_FALSE(r.Ok()) << r.Valor();
        EXPECT_EQ(r.Falha().código, c.código);
        EXPECT_EQ(r.Falha().origem, "Interpretador");
    }
}

std::string NomeDaLinha(const ::testing::TestParamInfo<Caso>& linha) { return linha.param.nome; }

INSTANTIATE_TEST_SUITE_P(Biblioteca, FuncaoTeste, ::testing::ValuesIn(Casos), NomeDaLinha);

// Each function of the table, called once through an expression, reaches its own row.
TEST(FuncoesTabela, CadaTokenEChamado)
{
    clsEquation equação([] { return 7U; });
    for (const Função& f : Funções()) {
        equação.Equation(std::string(f.token) + "0.5, 3)");
        const auto r = equação.Solution();
        if (!r.Ok()) {
            EXPECT_NE(r.Falha().código, Código::FunçãoNãoDefinida) << f.token;
        }
    }
}

} // namespace
} // namespace vendrix::interpreter
