// SPDX-License-Identifier: MIT
// The exercises as the front ends run them: the fields each shows, and the
// box and position of what could not be read.
#include "algebra/escrever.h"
#include "algebra/ler.h"
#include "catalogo.h"
#include "resolucao/exercicio.h"
#include "resolucao/exportar.h"
#include "resolucao/formula.h"
#include "resolucao/resumo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <type_traits>
#include <utility>

namespace vendrix::resolucao {
namespace {

struct Caso
{
    const char* nome;
    const char* comando;
    const char* p1;
    const char* p2;
    const char* a;
    // quociente/resto, factorização, valor, sinais, and the roots as the window lists them
    const char *quociente, *resto, *factorização, *valor, *sinais, *raízes;
    bool gráfico;
};

// clang-format off
const Caso Casos[] = {
    {"dividir_por_x2_mais_1", "dividir", "x^4-3x^3+5x^2-2x-1", "x^2+1", "", "x^2-3x+4", "x-5", "", "", "", "", false},
    {"explicar_2x_menos_1", "explicar", "2x^3+3x^2-1", "2x-1", "", "x^2+2x+1", "0", "", "", "", "", false},
    {"factorizar_tres_raizes", "factorizar", "x^3-6x^2+11x-6", "", "", "", "", "(x-1)(x-2)(x-3)", "", "-0+0-0+",
     "1|1|1;2|2|1;3|3|1", true},
    {"factorizar_raiz_dupla", "factorizar", "2x^3+3x^2-1", "x-7", "?", "", "", "2(x+1)^2(x-1/2)", "", "-0-0+",
     "-1|-1|2;1/2|0.5|1", true},
    {"factorizar_x_primeiro", "factorizar", "6x^3+x^2-x", "", "", "", "", "6x(x+1/2)(x-1/3)", "", "-0+0-0+",
     "-1/2|-0.5|1;0|0|1;1/3|0.3333333333|1", true},
    {"valor_em_meio", "valor", "x^3-6x^2+11x-6", "", "1/2", "", "", "", "-15/8", "", "", false},
    {"resto_por_x_mais_3", "valor", "x^3+2x^2-5x+7", "", "x + 3", "", "", "", "13", "", "", false},
    {"resto_por_2x_menos_1", "valor", "x^3-6x^2+11x-6", "", "2x-1", "", "", "", "-15/8", "", "", false},
    {"grafico", "grafico", "x^3-6x^2+11x-6", "", "", "", "", "", "", "", "", true},
};

// clang-format on

class Exercicios : public testing::TestWithParam<Caso>
{};

std::string Raízes(const Resolução& r)
{
    std::string s;
    for (const RaizDoExercício& raiz : r.raízes)
        s += (s.empty() ? "" : ";") + RaizEmTexto(raiz);
    return s;
}

TEST_P(Exercicios, ShowsTheFieldsOfItsCommand)
{
    const Caso& c = GetParam();
    const Resolução r = ResolverExercício(*ExercícioDoNome(c.comando), c.p1, c.p2, c.a, EmPortuguês);
    ASSERT_FALSE(r.falha) << r.falha->mensagem;
    EXPECT_EQ(r.comando, c.comando);
    EXPECT_EQ(r.quociente, c.quociente);
    EXPECT_EQ(r.resto, c.resto);
    EXPECT_EQ(r.factorização, c.factorização);
    EXPECT_EQ(r.valor, c.valor);
    EXPECT_EQ(r.sinais, c.sinais);
    EXPECT_EQ(Raízes(r), c.raízes);
    EXPECT_EQ(!r.svg.empty(), c.gráfico);
    // The steps shown beside the graph leave it out, and only it.
    const std::string passos = resolucao::EmHtmlSemGráficos(r.documento);
    EXPECT_EQ(passos.find("<figure"), std::string::npos);
    EXPECT_EQ(passos == resolucao::EmHtml(r.documento), !c.gráfico);
}

INSTANTIATE_TEST_SUITE_P(Resolucao, Exercicios, testing::ValuesIn(Casos), [](const auto& info) {
    return std::string(info.param.nome);
});

// Past the degree or the length where steps help, a solution gives its
// result alone: a long division of degree 2,000 once wrote a gigabyte, and
// 720720 as both end coefficients listed 57,600 candidates.
TEST(Exercicios, LongWorkGivesTheResultWithoutItsSteps)
{
    std::string trinta; // (x-1)(x-2)…(x-30)
    for (int i = 1; i <= 30; ++i)
        trinta += "(x-" + std::to_string(i) + ")";
    const Caso casos[] = {
        {"dividir", "dividir", "x^300+1", "x-1", "", "", "", "", "", "", "", false},
        {"valor", "valor", "x^300+x", "", "1/3", "", "", "", "", "", "", false},
        {"factorizar", "factorizar", "720720x^3+x+720720", "", "", "", "", "", "", "", "", false},
        // Thirty tables of 33-digit numbers: too long to show, but not refused.
        {"factorizar", "factorizar", trinta.c_str(), "", "", "", "", "", "", "", "", false},
    };
    for (const Caso& c : casos) {
        const Resolução r = ResolverExercício(*ExercícioDoNome(c.comando), c.p1, c.p2, c.a, EmPortuguês);
        ASSERT_FALSE(r.falha) << c.nome;
        EXPECT_LT(EmTexto(r.documento).size(), 20'000U) << c.nome;
    }
}

struct Recusa
{
    const char* nome;
    Exercício exercício;
    const char *p1, *p2, *a;
    runtime::Código código;
    Caixa caixa;
    std::size_t posição;
    const char* mensagem;
};

// clang-format off
const Recusa Refusals[] = {
    {"termo_ilegivel", Exercício::Factorizar, "x^2+2y", "", "", runtime::Código::TermoIlegível, Caixa::Polinómio1, 6,
     "No Polinómio 1, a leitura parou no carácter 6. O termo «2y» não se lê: escreva termos como 3x^2, -1/2x ou 0.25."},
    {"divisor_vazio", Exercício::Dividir, "x", "", "", runtime::Código::TextoVazio, Caixa::Polinómio2, 1, nullptr},
    {"ponto_com_zero", Exercício::Valor, "x", "", "1/0", runtime::Código::DenominadorZero, Caixa::Ponto, 3, nullptr},
    {"divisor_de_resto_enorme", Exercício::Valor, "x^3000+x+1", "", "123456789012345678901234567890x-1",
     runtime::Código::Transbordo, Caixa::Ponto, 0, nullptr},
    {"ponto_divisor_de_grau_2", Exercício::Valor, "x", "", "x^2+3", runtime::Código::DivisorInválido, Caixa::Ponto, 0,
     nullptr},
    {"divisor_nulo", Exercício::Dividir, "x^2", "0", "", runtime::Código::DivisorNulo, Caixa::Polinómio2, 0,
     "O divisor é o polinómio nulo: não se divide por 0."},
    {"ruffini_de_grau_2", Exercício::Explicar, "x^3", "x^2+1", "", runtime::Código::DivisorInválido, Caixa::Polinómio2,
     0, nullptr},
    {"ruffini_de_constante", Exercício::Explicar, "5", "x-1", "", runtime::Código::DividendoInválido, Caixa::Polinómio1,
     0, nullptr},
    {"relacao_fora_de_resolver", Exercício::Factorizar, "x^2 >= 1", "", "", runtime::Código::RelaçãoNãoPermitida,
     Caixa::Polinómio1, 5, "No Polinómio 1, a leitura parou no carácter 5. «>=» faz disto uma equação ou uma inequação: "
     "para a resolver, use o exercício Resolver."},
    {"relacao_no_divisor", Exercício::Dividir, "x^2", "x=1", "", runtime::Código::RelaçãoNãoPermitida, Caixa::Polinómio2,
     2, nullptr},
    {"resolver_sem_relacao", Exercício::Resolver, "x^2-1", "", "", runtime::Código::FaltaRelação, Caixa::Polinómio1, 0,
     "Para resolver, escreva uma equação ou uma inequação, com =, <, ≤, > ou ≥."},
    {"desenvolver_grande_demais", Exercício::Desenvolver, "(x+1)^9999", "", "", runtime::Código::Transbordo,
     Caixa::Polinómio1, 1, nullptr},
    {"divisao_por_x", Exercício::Valor, "x/(x-1)", "", "", runtime::Código::NãoÉPolinómio, Caixa::Polinómio1, 3, nullptr},
};

// clang-format on

class Recusas : public testing::TestWithParam<Recusa>
{};

TEST_P(Recusas, NameTheBoxAndWhereReadingStopped)
{
    const Recusa& c = GetParam();
    const Resolução r = ResolverExercício(c.exercício, c.p1, c.p2, c.a, EmPortuguês);
    ASSERT_TRUE(r.falha);
    EXPECT_EQ(r.falha->erro.código, c.código);
    EXPECT_EQ(r.falha->caixa, c.caixa);
    EXPECT_EQ(r.falha->posição, c.posição);
    if (c.mensagem) {
        EXPECT_EQ(r.falha->mensagem, c.mensagem);
    }
    EXPECT_TRUE(r.documento.blocos.empty() && r.quociente.empty() && r.svg.empty());
}

INSTANTIATE_TEST_SUITE_P(Resolucao, Recusas, testing::ValuesIn(Refusals), [](const auto& info) {
    return std::string(info.param.nome);
});

struct Condição
{
    const char* nome;
    const char* p1;
    const char* conjunto; // canonical
    const char* soluções; // the equation's roots as the window lists them
    const char* quadro;
};

// clang-format off
const Condição Condições[] = {
    {"cubica", "x^3 = 4x", "{-2,0,2}", "-2|-2|1;0|0|1;2|2|1", ""},
    {"quadrado_vezes_linear", "(x-1)^2(x+2) > 0", "]-2,1[∪]1,+∞[", "",
     "x+2:-,0,+,+,+|(x-1)^2:+,+,+,0,+|produto:-,0,+,0,+"},
    {"quadrado_vezes_linear_ou_igual", "(x-1)^2(x+2) >= 0", "[-2,+∞[", "", nullptr},
    {"x_ao_quadrado", "x^2(x-1) > 0", "]1,+∞[", "", "x^2:+,0,+,+,+|x-1:-,-,-,0,+|produto:-,0,-,0,+"},
    {"biquadrada", "x^4-5x^2+4 <= 0", "[-2,-1]∪[1,2]", "", nullptr},
    {"sempre_positivo", "x^2+1 > 0", "ℝ", "", nullptr},
    {"nunca_negativo", "x^2+1 < 0", "∅", "", nullptr},
    {"raizes_irracionais", "x^2 - 2 >= 0", "]-∞,-√2]∪[√2,+∞[", "", nullptr},
    {"segundo_membro", "2x^2 >= x + 1", "]-∞,-1/2]∪[1,+∞[", "", "x+1/2:-,0,+,+,+|x-1:-,-,-,0,+|produto:+,0,-,0,+"},
    {"ponto_isolado", "(x-1)^2 <= 0", "{1}", "", nullptr},
    {"menos_um_ponto", "(x-1)^2 > 0", "ℝ\\{1}", "", nullptr},
    {"decimais", "x^3-3x+1 > 0", "]≈-1.879385242,≈0.3472963553[∪]≈1.532088886,+∞[", "", nullptr},
    {"identidade", "x(x-1) = x^2 - x", "ℝ", "", ""},
    {"impossivel", "x + 1 = x", "∅", "", ""},
    {"coeficiente_negativo", "-x^2+1 < 0", "]-∞,-1[∪]1,+∞[", "", "-1:-,-,-,-,-|x+1:-,0,+,+,+|x-1:-,-,-,0,+|produto:-,0,+,0,-"},
    {"equacao_sem_raizes", "x^2 = -1", "∅", "", ""},
};

// clang-format on

class Condicoes : public testing::TestWithParam<Condição>
{};

TEST_P(Condicoes, SolveToTheSolutionSet)
{
    const Condição& c = GetParam();
    const Resolução r = ResolverExercício(Exercício::Resolver, c.p1, "", "", EmPortuguês);
    ASSERT_FALSE(r.falha) << r.falha->mensagem;
    EXPECT_EQ(r.conjunto, c.conjunto);
    std::string soluções;
    for (const RaizDoExercício& raiz : r.soluções)
        soluções += (soluções.empty() ? "" : ";") + RaizEmTexto(raiz);
    EXPECT_EQ(soluções, c.soluções);
    if (c.quadro) {
        EXPECT_EQ(r.quadro, c.quadro);
    }
    const std::string texto = EmTexto(r.documento);
    EXPECT_NE(texto.find("C.S. = "), std::string::npos) << texto;
}

INSTANTIATE_TEST_SUITE_P(Resolucao, Condicoes, testing::ValuesIn(Condições), [](const auto& info) {
    return std::string(info.param.nome);
});

// The worked text says what the student writes: the disjunction of the
// roots, and in English "or" and "Solution set".
TEST(Resolver, WritesTheRootsAsADisjunction)
{
    const Resolução r = ResolverExercício(Exercício::Resolver, "x^2 + x = 2", "", "", EmPortuguês);
    const std::string texto = EmTexto(r.documento);
    EXPECT_NE(texto.find("x = -2 ∨ x = 1"), std::string::npos) << texto;
    EXPECT_NE(texto.find("C.S. = {-2, 1}"), std::string::npos) << texto;
    const std::string inglês = EmTexto(
        ResolverExercício(Exercício::Resolver, "x^2 + x = 2", "", "", teste::EmInglês(VENDRIX_CATALOGO_EN))
            .documento);
    EXPECT_NE(inglês.find("x = -2 or x = 1"), std::string::npos) << inglês;
    EXPECT_NE(inglês.find("Solution set: {-2, 1}"), std::string::npos) << inglês;
    // Decimals take the language's decimal sign in the worked text only.
    const Resolução decimais = ResolverExercício(Exercício::Resolver, "x^3-3x+1 > 0", "", "", EmPortuguês);
    const std::string escrito = EmTexto(decimais.documento);
    EXPECT_NE(escrito.find("C.S. = ]≈-1,879385242; ≈0,3472963553[ ∪ ]≈1,532088886; +∞["), std::string::npos)
        << escrito;
}

struct Desenvolvido
{
    const char* nome;
    const char* p1;
    const char* desenvolvimento;
    const char* passo; // a piece the worked text must hold
};

const Desenvolvido Desenvolvidos[] = {
    {"produto_e_quadrado", "(x+1)(x-2)^2", "x^3-3x^2+4", "(x-2)^2 = x^2-4x+4"},
    {"cubo_e_simetrico", "2(x-1)^3-(x-1)", "2x^3-6x^2+5x-1", "2x^3-6x^2+6x-2-x+1 = 2x^3-6x^2+5x-1"},
    {"diferenca_de_quadrados", "(2x-3)(2x+3)", "4x^2-9", "diferença de quadrados"},
    {"quadrado_da_soma", "(x+3)^2", "x^2+6x+9", "quadrado de uma soma"},
    {"ja_reduzido", "x^2-1", "x^2-1", "x^2-1"},
    {"factor_negativo_depois_de_parenteses", "(x+1)(-3)", "-3x-3", "(x+1)·(-3) = -3x-3"},
    {"fraccao_depois_de_parenteses", "(x+1)/2", "1/2x+1/2", "(x+1)·(1/2) = 1/2x+1/2"},
};

TEST(Desenvolver, ExpandsOneProductAtATime)
{
    for (const Desenvolvido& d : Desenvolvidos) {
        const Resolução r = ResolverExercício(Exercício::Desenvolver, d.p1, "", "", EmPortuguês);
        ASSERT_FALSE(r.falha) << d.nome;
        EXPECT_EQ(r.desenvolvimento, d.desenvolvimento) << d.nome;
        const std::string texto = EmTexto(r.documento);
        EXPECT_NE(texto.find(d.passo), std::string::npos) << d.nome << "\n" << texto;
    }
}

// Every box reads expressions: a product in the divisor's place, a value
// written as a power.
TEST(Exercicio, BoxesReadExpressions)
{
    const Resolução d = ResolverExercício(Exercício::Dividir, "(x+1)(x-2)^2", "x-3", "", EmPortuguês);
    EXPECT_EQ(d.quociente, "x^2");
    EXPECT_EQ(d.resto, "4");
    const Resolução v = ResolverExercício(Exercício::Valor, "2(x-1)^3 - (x-1)", "", "(1/2)^2", EmPortuguês);
    EXPECT_EQ(v.valor, "-3/32");
}

// An irrational root's double is the nearest one, as the correctly rounded
// square root gives it.
TEST(Exercicio, IrrationalRootsAreTheNearestDouble)
{
    for (const int n : {2, 3, 5, 7}) {
        const std::string p = "x^2-" + std::to_string(n);
        const Resolução r = ResolverExercício(Exercício::Factorizar, p, "", "", EmPortuguês);
        ASSERT_EQ(r.raízes.size(), 2u) << p;
        EXPECT_EQ(r.raízes[0].valor, -std::sqrt(double(n))) << p;
        EXPECT_EQ(r.raízes[1].valor, std::sqrt(double(n))) << p;
    }
}

// The canonical field read back as a value at x: numbers, fractions, x,
// surds √n, brackets, implicit products and whole powers, as the field
// writes them ("2(x+(1+√3)/2)(x-1)^2").
template <typename Número>
class Valor
{
public:
    Valor(std::string_view texto, Número x)
        : t(texto)
        , x(std::move(x))
    {}

    Número Ler()
    {
        Número v = Termo();
        while (i < t.size() && (t[i] == '+' || t[i] == '-'))
            v = t[i++] == '+' ? v + Termo() : v - Termo();
        return v;
    }

private:
    bool Vem(std::string_view s) { return t.substr(i, s.size()) == s ? (i += s.size(), true) : false; }

    Número Termo()
    {
        Número v = Potência();
        while (i < t.size() && t[i] != '+' && t[i] != '-' && t[i] != ')')
            v = Vem("/") ? Número(v / Potência()) : Número(v * Potência());
        return v;
    }

    Número Potência()
    {
        if (Vem("-"))
            return -Potência();
        const Número base = Primário();
        if (!Vem("^"))
            return base;
        Número v(1);
        for (int k = Inteiro(); k > 0; --k)
            v = v * base;
        return v;
    }

    int Inteiro()
    {
        int n = 0;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9')
            n = 10 * n + (t[i++] - '0');
        return n;
    }

    Número Primário()
    {
        if (Vem("x"))
            return x;
        if (Vem("("))
            return std::exchange(dentro, Ler()), Vem(")"), dentro;
        if (Vem("√")) {
            if constexpr (std::is_same_v<Número, double>)
                return std::sqrt(double(Inteiro()));
            else
                return ADD_FAILURE() << "a surd in an exact factorization", Número(0);
        }
        return Número(Inteiro());
    }

    std::string_view t;
    Número x;
    Número dentro{};
    std::size_t i = 0;
};

struct Resumido
{
    const char* nome;
    Exercício exercício;
    const char *p1, *p2;
    bool inglês;
    const char* linhas; // each line with its formula, joined by " | "
    const char* raízes; // as the lists and the sign table show them, joined by " "
    bool sinais;
};

// clang-format off
const Resumido Resumos[] = {
    {"decimais_com_virgula", Exercício::Factorizar, "x^3-3x+1", "", false, "Fatorização: P(x) = (x^3-3x+1)",
     "≈-1,879385242 ≈0,3472963553 ≈1,532088886", true},
    {"decimais_com_ponto_en", Exercício::Factorizar, "x^3-3x+1", "", true, "Factorization: P(x) = (x^3-3x+1)",
     "≈-1.879385242 ≈0.3472963553 ≈1.532088886", true},
    {"factorizacao_em_r_a_parte", Exercício::Factorizar, "x^3-2x", "", false,
     "Fatorização: P(x) = x(x^2-2) | Fatorização em ℝ: P(x) = x(x+√2)(x-√2)", "-√2 0 √2", true},
    {"em_r_igual_uma_vez", Exercício::Factorizar, "x^2-1", "", false, "Fatorização: P(x) = (x+1)(x-1)", "-1 1", true},
    {"quociente_e_resto", Exercício::Dividir, "x^3+1", "x^2", false, "Q(x) = x | R(x) = 1", "", false},
    {"quociente_longo_sem_resto_solto", Exercício::Dividir, "x^400+1", "x-1", false, "", "", false},
    {"conjunto_en", Exercício::Resolver, "x^2-2 < 0", "", true, "Solution set: ]−√2, √2[", "", false},
    {"solucoes_com_virgula", Exercício::Resolver, "x^3-3x+1 = 0", "", false,
     "C.S. = {≈−1,879385242; ≈0,3472963553; ≈1,532088886}", "≈-1,879385242 ≈0,3472963553 ≈1,532088886", false},
};

// clang-format on

class ResumoTeste : public testing::TestWithParam<Resumido>
{};

std::string Juntar(const std::vector<std::string>& partes, std::string_view entre)
{
    std::string junto;
    for (const std::string& parte : partes)
        junto.append(junto.empty() ? "" : entre).append(parte);
    return junto;
}

TEST_P(ResumoTeste, ShowsEachResultOnceInTheUsersLanguage)
{
    const Resumido& c = GetParam();
    const Tradutor t = c.inglês ? teste::EmInglês(VENDRIX_CATALOGO_EN) : Tradutor(EmPortuguês);
    const Resolução r = ResolverExercício(c.exercício, c.p1, c.p2, "", t);
    ASSERT_FALSE(r.falha) << r.falha->mensagem;
    const Resumo resumo = Resumir(r, t);
    std::vector<std::string> linhas;
    for (const LinhaDoResumo& linha : resumo.linhas)
        linhas.push_back(FraseEmTexto(Frase{linha.modelo, {linha.fórmula}}));
    EXPECT_EQ(Juntar(linhas, " | "), c.linhas);
    std::vector<std::string> raízes = resumo.raízes;
    raízes.insert(raízes.end(), resumo.soluções.begin(), resumo.soluções.end());
    EXPECT_EQ(Juntar(raízes, " "), c.raízes);
    ASSERT_EQ(resumo.sinais.has_value(), c.sinais);
    if (c.sinais) {
        EXPECT_EQ(resumo.sinais->raízes, std::vector<Fórmula>(resumo.raízes.begin(), resumo.raízes.end()));
    }
    // The window shows the lines, then the table.
    EXPECT_EQ(EmDocumento(resumo).blocos.size(), linhas.size() + (c.sinais ? 1 : 0));
}

INSTANTIATE_TEST_SUITE_P(Resolucao, ResumoTeste, testing::ValuesIn(Resumos), [](const auto& info) {
    return std::string(info.param.nome);
});

// Every factorization in ℝ multiplies back to P: exactly, at more points
// than its degree, when it holds no surd; to 1e-9 relative otherwise.
TEST(Exercicio, FactorizacaoRealMultiplicaDeVoltaAP)
{
    const char* factores[] = {
        "x-1/2", "x+3", "x", "x^2-2", "x^2-4x-4", "2x^2+2x-1", "x^2+1", "x^3-2", "3x-1", "x^2-5"};
    std::mt19937 gerador(28);
    std::uniform_int_distribution<std::size_t> qual(0, std::size(factores) - 1), quantos(1, 4);
    for (int caso = 0; caso < 40; ++caso) {
        algebra::Polinómio P = algebra::DeCoeficientes({-2});
        for (std::size_t k = quantos(gerador); k > 0; --k)
            P = P * algebra::LerPolinómio(factores[qual(gerador)]).Valor();
        const std::string texto = algebra::Escrever(P);
        const Resolução r = ResolverExercício(Exercício::Factorizar, texto, "", "", EmPortuguês);
        ASSERT_FALSE(r.falha) << texto;
        const std::string& f = r.factorizaçãoReal;
        if (f.find("√") == std::string::npos) {
            for (int x = -3; x <= int(algebra::Grau(P)); ++x)
                EXPECT_EQ(Valor<algebra::Racional>(f, x).Ler(), algebra::Avaliar(P, x))
                    << texto << " = " << f;
            continue;
        }
        for (const double x : {-2.7, -0.6, 0.35, 1.3, 2.9}) {
            const double esperado = algebra::Avaliar(P, algebra::Racional(x)).convert_to<double>();
            EXPECT_NEAR(Valor<double>(f, x).Ler(), esperado, 1e-9 * std::max(1.0, std::abs(esperado)))
                << texto << " = " << f << " at " << x;
        }
    }
}

} // namespace
} // namespace vendrix::resolucao
