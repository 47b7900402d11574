// SPDX-License-Identifier: MIT
// The check of a student's answer: the verdict and the mistake's code for
// each exercise, in both languages; generated questions answered right in
// another form or with one planted mistake; answers that cannot be read.
#include "algebra/dividir.h"
#include "algebra/escrever.h"
#include "algebra/ler.h"
#include "catalogo.h"
#include "resolucao/exercicio.h"
#include "resolucao/verificar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace vendrix::resolucao {
namespace {

struct Caso
{
    const char* nome;
    const char* comando;
    const char* p1;
    const char* p2; // Polinómio 2, or the value of x
    const char* resposta;
    const char* veredicto;
    const char* erro;
};

void PrintTo(const Caso& c, std::ostream* os) { *os << c.nome; }

// clang-format off
const Caso Casos[] = {
    {"dividir_certo", "dividir", "x^3-2x^2-5x+6", "x+2", "Q = x^2-4x+3; R = 0", "certo", ""},
    {"dividir_sinal_de_a", "dividir", "x^3-2x^2-5x+6", "x+2", "Q = x^2+0x-5; R = -4", "errado", "sinal-de-a"},
    {"dividir_zero_em_falta", "dividir", "x^3-1", "x-1", "Q = x+1; R = 0", "errado", "zero-em-falta"},
    {"dividir_sem_dividir_por_a", "dividir", "2x^3+3x^2-1", "2x-1", "Q = 2x^2+4x+2; R = 0", "errado", "sem-dividir-por-a"},
    {"dividir_grau_dois_certo", "dividir", "x^4+1", "x^2+1", "Q = x^2-1; R = 2", "certo", ""},
    {"dividir_grau_do_resto", "dividir", "x^4+1", "x^2+1", "Q = x^2; R = -x^2+1", "errado", "grau-do-resto"},
    {"factorizar_certo", "factorizar", "x^3-x", "", "x(x-1)(x+1)", "certo", ""},
    {"factorizar_constante_em_falta", "factorizar", "2x^2-2", "", "(x-1)(x+1)", "errado", "constante-em-falta"},
    {"factorizar_incompleta", "factorizar", "x^3-4x", "", "x(x^2-4)", "errado", "incompleta"},
    {"factorizar_sinal_de_raiz", "factorizar", "x^2-5x+6", "", "(x+2)(x+3)", "errado", "sinal-de-raiz"},
    {"valor_certo", "valor", "x^3+2x^2-5x+7", "-3", "13", "certo", ""},
    {"valor_aritmetica", "valor", "x^3+2x^2-5x+7", "-3", "-5", "errado", "aritmetica"},
    {"resolver_certo", "resolver", "(x-1)^2(x+2) > 0", "", "]-2,1[ U ]1,+inf[", "certo", ""},
    {"resolver_ponto_isolado", "resolver", "(x-1)^2(x+2) > 0", "", "]-2,+inf[", "errado", "ponto-isolado"},
    {"resolver_extremos", "resolver", "x^2-4 <= 0", "", "]-2,2[", "errado", "extremos"},
    {"resolver_sinal_trocado", "resolver", "x^2-4 <= 0", "", "]-inf,-2] U [2,+inf[", "errado", "sinal-trocado"},
    {"parametros_certo", "parametros", "", "", "k = -1", "certo", ""},
    // Beyond the examples: the other codes, other notations, and sizes.
    {"dividir_rotulos_por_extenso", "dividir", "x^3-1", "x-1", "quociente x^2+x+1 resto 0", "certo", ""},
    {"dividir_ingles_sem_igual", "dividir", "x^3-1", "x-1", "quotient: x^2+x+1, remainder: 0", "certo", ""},
    {"dividir_resto_errado", "dividir", "x^3-1", "x-1", "Q(x) = x^2+x+1; R(x) = 1", "errado", "resto-errado"},
    {"dividir_quociente_errado", "dividir", "x^3-1", "x-1", "x^2+x; 0", "errado", "quociente-errado"},
    {"dividir_ambos_errados", "dividir", "x^3-1", "x-1", "Q = x; R = 5", "errado", ""},
    {"dividir_potencia_enorme", "dividir", "x^3-1", "x-1", "Q = (x+1)^10000; R = 0", "errado", ""},
    {"explicar_quociente", "explicar", "2x^3+3x^2-1", "2x-1", "Q = x^2+2x+1; R = 0", "certo", ""},
    {"explicar_linha_certa", "explicar", "x^3-2x^2-5x+6", "x+2", "1 -4 3 0", "certo", ""},
    {"explicar_duas_linhas", "explicar", "x^3-2x^2-5x+6", "x+2", "-2 8 -6 | 1; -4; 3; 0", "certo", ""},
    {"explicar_soma_errada", "explicar", "x^3-2x^2-5x+6", "x+2", "1 -4 4 -2", "errado", "celula"},
    {"explicar_produto_errado", "explicar", "x^3-2x^2-5x+6", "x+2", "-2 -8 -6\n1 -4 3 0", "errado", "celula"},
    {"explicar_zero_em_falta", "explicar", "x^3-1", "x-1", "1 1 0", "errado", "zero-em-falta"},
    {"factorizar_em_r", "factorizar", "x^3-2x", "", "x(x-√2)(x+√2)", "certo", ""},
    {"factorizar_em_r_incompleta", "factorizar", "x^4-5x^2+6", "", "(x-√2)(x+√2)(x^2-3)", "errado", "incompleta"},
    {"factorizar_em_r_sem_raizes", "factorizar", "x^5-4x", "", "x(x^2+2)(x+√2)(x-√2)", "certo", ""},
    {"factorizar_em_q_irredutivel", "factorizar", "x^3-2x", "", "x(x^2-2)", "certo", ""},
    {"factorizar_reordenada", "factorizar", "2x^3+3x^2-1", "", "(2x-1)(x+1)^2", "certo", ""},
    {"factorizar_multiplicidade", "factorizar", "(x-1)^2(x+2)", "", "(x-1)(x+2)", "errado", "multiplicidade"},
    {"factorizar_produto_diferente", "factorizar", "x^2-1", "", "(x-1)(x+2)", "errado", "produto-diferente"},
    {"factorizar_potencia_enorme", "factorizar", "x^2-1", "", "(x+3)^10000", "errado", "produto-diferente"},
    {"factorizar_expoente_errado", "factorizar", "x^2-1", "", "(x+1)^10000(x-1)", "errado", "multiplicidade"},
    {"factorizar_base_enorme", "factorizar", "x^2-1", "", "(x^10000+1)^10000", "errado", "produto-diferente"},
    {"factorizar_potencia_de_potencia", "factorizar", "x^2-1", "", "((x+1)^100)^100(x-1)", "errado", "multiplicidade"},
    {"valor_enorme", "valor", "x^2", "2", "(10^10000)^10000", "errado", "aritmetica"},
    {"valor_sinal_de_a", "valor", "x^3+2x^2-5x+7", "-3", "37", "errado", "sinal-de-a"},
    {"valor_com_nome", "valor", "x^3+2x^2-5x+7", "-3", "P(-3) = 26/2", "certo", ""},
    {"valor_termo", "valor", "x^3+2x^2-5x+7", "-3", "-23", "errado", "aritmetica"},
    {"equacao_certa", "resolver", "x^2+x = 2", "", "x = -2 ∨ x = 1", "certo", ""},
    {"equacao_chavetas", "resolver", "x^2+x = 2", "", "{1; -2}", "certo", ""},
    {"equacao_raiz_em_falta", "resolver", "x^2+x = 2", "", "-2", "errado", "raiz-em-falta"},
    {"equacao_raiz_a_mais", "resolver", "x^2+x = 2", "", "-2, 1, 3", "errado", "raiz-a-mais"},
    {"equacao_surdo", "resolver", "x^2-x-1 = 0", "", "x = (1-√5)/2 ou x = (1+√5)/2", "certo", ""},
    {"inequacao_condicao", "resolver", "x^2-x-2 > 0", "", "x<-1 ou x>2", "certo", ""},
    {"inequacao_dupla", "resolver", "x^2-x-2 <= 0", "", "-1 ≤ x ≤ 2", "certo", ""},
    {"inequacao_conjuncao", "resolver", "x^2-x-2 <= 0", "", "x <= 2 e x >= -1", "certo", ""},
    {"inequacao_conjuncao_aberta", "resolver", "x^2-x-2 <= 0", "", "x > -1 ∧ x < 2", "errado", "extremos"},
    {"inequacao_diferente", "resolver", "x^2-x-2 > 0", "", "]-1,2[ U ]2,+inf[", "errado", "conjunto-diferente"},
    {"inequacao_nao_raiz", "resolver", "x^2-x-2 > 0", "", "]-inf,-1[ U ]3,+inf[", "errado", "conjunto-diferente"},
    {"inequacao_ponto_em_falta", "resolver", "(x-1)^2(x+2) <= 0", "", "]-inf,-2]", "errado", "ponto-isolado"},
    {"inequacao_virgulas_decimais", "resolver", "4x^2-1 < 0", "", "]-0,5, 0,5[", "certo", ""},
    {"inequacao_ponto_e_virgula", "resolver", "4x^2-1 <= 0", "", "[-0,5; 1/2]", "certo", ""},
    {"inequacao_r_menos_ponto", "resolver", "(x-1)^2 > 0", "", "ℝ\\{1}", "certo", ""},
};

// clang-format on

class Verificacoes : public testing::TestWithParam<Caso>
{};

Verificação Verificar(const Caso& c, const Tradutor& t)
{
    if (std::string_view(c.comando) == "parametros") {
        const std::vector<Atribuição> certas{{{'k', algebra::Número(-1), false}}};
        return VerificarParâmetros(certas, c.resposta, t);
    }
    const bool ponto = std::string_view(c.comando) == "valor";
    const Pergunta pergunta{c.p1, ponto ? "" : c.p2, ponto ? c.p2 : "", "", c.resposta};
    const Resolução r = ResolverExercício(*ExercícioDoNome(c.comando), pergunta, t);
    EXPECT_FALSE(r.falha) << r.falha->mensagem;
    return r.verificação.value_or(Verificação{});
}

TEST_P(Verificacoes, NamesTheFirstMistakeInBothLanguages)
{
    const Caso& c = GetParam();
    const Verificação pt = Verificar(c, EmPortuguês);
    const Verificação en = Verificar(c, teste::EmInglês(VENDRIX_CATALOGO_EN));
    EXPECT_EQ(pt.veredicto, c.veredicto) << pt.explicação;
    EXPECT_EQ(pt.erro, c.erro) << pt.explicação;
    EXPECT_EQ(en.veredicto, pt.veredicto);
    EXPECT_EQ(en.erro, pt.erro);
    // Every sentence is in the catalogue, and says something.
    EXPECT_FALSE(pt.explicação.empty());
    EXPECT_NE(en.explicação, pt.explicação);
    EXPECT_EQ(en.explicação.find('?'), std::string::npos) << en.explicação;
}

INSTANTIATE_TEST_SUITE_P(Resolucao, Verificacoes, testing::ValuesIn(Casos), [](const auto& info) {
    return std::string(info.param.nome);
});

// The values an explanation quotes, written as the expressions they are:
// a negative number bracketed after the sentence's own sign, the slipped
// term of a substitution, a relation turned round, a factor's own factors.
TEST(VerificarCitacoes, QuoteTheValuesAsExpressions)
{
    // clang-format off
    const Caso casos[] = { // the last but one column is what the explanation quotes
        {"produto", "explicar", "x^3-2x^2-5x+6", "x+2", "-2 -8 -6\n1 -4 3 0", "o produto -2·(-4) não é -8", ""},
        {"soma", "explicar", "x^3-2x^2-5x+6", "x+2", "1 -4 4 -2", "a soma -5 + 8 não é 4", ""},
        {"termo", "valor", "x^3+2x^2-5x+7", "-3", "-23", "em P(-3) = (-3)^3+2·(-3)^2+…: o erro está no termo 2·(-3)^2.", ""},
        {"sentido", "resolver", "x^2-4 <= 0", "", "]-inf,-2] U [2,+inf[", "conjunto-solução de x^2-4 ≥ 0:", ""},
        {"em_q", "factorizar", "x^4+3x^2+2", "", "x^4+3x^2+2", "em ℚ, em (x^2+1)(x^2+2).", ""},
    };
    // clang-format on
    for (const Caso& c : casos) {
        const std::string explicação = Verificar(c, EmPortuguês).explicação;
        EXPECT_NE(explicação.find(c.veredicto), std::string::npos) << c.nome << ": " << explicação;
    }
}

// What cannot be read gets no verdict, the reader's message and the
// character where reading stopped, counted from 1.
struct Ilegível
{
    const char* nome;
    const char* comando;
    const char* p1;
    const char* p2;
    const char* resposta;
    std::size_t posição;
};

// clang-format off
const Ilegível Ilegíveis[] = {
    {"dividir_termo", "dividir", "x^3-1", "x-1", "Q = x^2+x+1; R = 0y", 19},
    {"dividir_sem_resto", "dividir", "x^3-1", "x-1", "Q = x^2+x+1", 12},
    {"dividir_uma_so_parte", "dividir", "x^3-1", "x-1", "x^2+x+1", 1},
    {"explicar_celula", "explicar", "x^3-1", "x-1", "1 1 a 0", 5},
    {"factorizar_parentese", "factorizar", "x^3-x", "", "x(x-1)(x+", 9},
    {"valor_letra", "valor", "x^2", "2", "4x", 2},
    {"resolver_extremo", "resolver", "x^2 < 1", "", "]-1,1+[", 6},
    {"resolver_depois_de_acento", "resolver", "x^2 < 1", "", "]−1,1] ∪ ]2,3y[", 14},
    {"resolver_intervalo", "resolver", "x^2 < 1", "", "]-1,0,1[", 1},
    {"resolver_conjuncao_de_minorantes", "resolver", "x^2 < 1", "", "x > -1 e x > 0", 1},
};

// clang-format on

void PrintTo(const Ilegível& c, std::ostream* os) { *os << c.nome; }

class Ilegiveis : public testing::TestWithParam<Ilegível>
{};

TEST_P(Ilegiveis, GiveTheReadersMessageAndPosition)
{
    const Ilegível& c = GetParam();
    const bool ponto = std::string_view(c.comando) == "valor";
    const Pergunta pergunta{c.p1, ponto ? "" : c.p2, ponto ? c.p2 : "", "", c.resposta};
    const Resolução r = ResolverExercício(*ExercícioDoNome(c.comando), pergunta, EmPortuguês);
    ASSERT_TRUE(r.verificação);
    EXPECT_EQ(r.verificação->veredicto, "");
    EXPECT_EQ(r.verificação->posição, c.posição) << r.verificação->explicação;
    EXPECT_NE(r.verificação->explicação.find("Na resposta"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Resolucao, Ilegiveis, testing::ValuesIn(Ilegíveis), [](const auto& info) {
    return std::string(info.param.nome);
});

// "x^2+x+1" alone reads well: the message says how to give both parts.
TEST(VerificarDivisao, AnswerWithoutBothPartsSaysHowToWriteThem)
{
    for (const char* resposta : {"x^2+x+1", "Q = x^2+x+1"}) {
        const Resolução r =
            ResolverExercício(Exercício::Dividir, {"x^3-1", "x-1", "", "", resposta}, EmPortuguês);
        ASSERT_TRUE(r.verificação);
        EXPECT_NE(r.verificação->explicação.find("Escreva o quociente e o resto"), std::string::npos)
            << resposta;
    }
}

TEST(VerificarParametros, MissingExtraAndNone)
{
    const std::vector<Atribuição> duas{{{'a', algebra::Número(2), false}, {'b', algebra::Número(3), false}},
                                       {{'a', algebra::Número(-1), false}, {'b', algebra::Número(0), false}}};

    const struct
    {
        const std::vector<Atribuição>& certas;
        const char* resposta;
        const char* erro;
    } linhas[] = {
        {duas, "b = 3, a = 2 ou a = -1, b = 0", ""},
        {duas, "a = 2, b = 3", "solucao-em-falta"},
        {duas, "a = 2, b = 3 ∨ a = -1, b = 1", "solucao-a-mais"},
        {{}, "nenhum", ""},
        {{}, "k = 1", "solucao-a-mais"},
        {duas, "none", "solucao-em-falta"},
    };

    for (const auto& l : linhas) {
        const Verificação v = VerificarParâmetros(l.certas, l.resposta, EmPortuguês);
        EXPECT_EQ(v.veredicto, *l.erro ? "errado" : "certo") << l.resposta;
        EXPECT_EQ(v.erro, l.erro) << l.resposta;
    }
}

// Generated questions: the right answer rewritten is right, and each
// planted slip is wrong with its own code.
class Gerador
{
public:
    explicit Gerador(unsigned semente)
        : aleatório(semente)
    {}

    int Inteiro(int de, int até) { return std::uniform_int_distribution<int>(de, até)(aleatório); }

    // Distinct nonzero integer roots, by increasing value.
    std::vector<int> Raízes(std::size_t quantas)
    {
        std::vector<int> r;
        while (r.size() < quantas) {
            const int v = Inteiro(-6, 6);
            if (v != 0 && std::find(r.begin(), r.end(), v) == r.end() &&
                std::find(r.begin(), r.end(), -v) == r.end())
                r.push_back(v);
        }
        std::sort(r.begin(), r.end());
        return r;
    }

    std::mt19937 aleatório;
};

std::string Factor(int raiz)
{
    return raiz < 0 ? "(x+" + std::to_string(-raiz) + ")" : "(x-" + std::to_string(raiz) + ")";
}

Verificação Checar(Exercício e, const std::string& p1, const std::string& p2, const std::string& resposta)
{
    const bool ponto = e == Exercício::Valor;
    const Resolução r =
        ResolverExercício(e, Pergunta{p1, ponto ? "" : p2, ponto ? p2 : "", "", resposta}, EmPortuguês);
    return r.verificação.value_or(Verificação{"sem verificação", "", "", 0});
}

TEST(VerificarGerados, RightInAnotherFormAndEachPlantedSlip)
{
    Gerador g(2024);
    for (int n = 0; n < 15; ++n) {
        std::vector<int> raízes = g.Raízes(static_cast<std::size_t>(g.Inteiro(2, 4)));
        const int c = g.Inteiro(2, 3);
        const std::size_t dupla = static_cast<std::size_t>(g.Inteiro(0, static_cast<int>(raízes.size()) - 1));
        std::string p = std::to_string(c);
        std::vector<std::string> factores;
        for (std::size_t i = 0; i < raízes.size(); ++i)
            factores.push_back(Factor(raízes[i]) + (i == dupla ? "^2" : ""));
        for (const std::string& f : factores)
            p += f;
        const std::string expandido = algebra::Escrever(algebra::LerPolinómio(p).Valor());
        SCOPED_TRACE(expandido);
        std::shuffle(factores.begin(), factores.end(), g.aleatório);
        std::string produto;
        for (const std::string& f : factores)
            produto += f;
        // The factors in another order, the constant first or last.
        const std::string semConstante = produto;
        EXPECT_EQ(Checar(Exercício::Factorizar, expandido, "", std::to_string(c) + produto).veredicto,
                  "certo");
        EXPECT_EQ(Checar(Exercício::Factorizar, expandido, "", semConstante).erro, "constante-em-falta");
        std::string trocado = std::to_string(c) + produto;
        const std::string f0 = Factor(raízes[0]);
        trocado.replace(trocado.find(f0), f0.size(), Factor(-raízes[0]));
        EXPECT_EQ(Checar(Exercício::Factorizar, expandido, "", trocado).erro, "sinal-de-raiz");
        EXPECT_EQ(Checar(Exercício::Factorizar, expandido, "", produto + "*" + std::to_string(c)).veredicto,
                  "certo");
        std::string simples = std::to_string(c) + produto;
        simples.erase(simples.find("^2"), 2);
        EXPECT_EQ(Checar(Exercício::Factorizar, expandido, "", simples).erro, "multiplicidade");
        // Division by x - a: Q and R written from the lowest degree.
        const int a = g.Inteiro(-5, 5) * 2 + 1;
        const std::string divisor = a < 0 ? "x+" + std::to_string(-a) : "x-" + std::to_string(a);
        const algebra::Polinómio pp = algebra::LerPolinómio(expandido).Valor();
        const auto certa = algebra::Dividir(pp, algebra::LerPolinómio(divisor).Valor()).Valor();
        std::string q;
        for (std::size_t k = 0; k < certa.quociente.coeficientes.size(); ++k)
            q +=
                "+(" + algebra::EscreverRacional(certa.quociente.coeficientes[k]) + ")x^" + std::to_string(k);
        const std::string r = algebra::Escrever(certa.resto);
        const std::string invertida = std::string("R = ").append(r).append("; Q = ").append(q);
        const std::string restoMaisUm = std::string("Q = ").append(q).append("; R = ").append(r).append("+1");
        EXPECT_EQ(Checar(Exercício::Dividir, expandido, divisor, invertida).veredicto, "certo");
        EXPECT_EQ(Checar(Exercício::Dividir, expandido, divisor, restoMaisUm).erro, "resto-errado");
        const auto porMais = algebra::Dividir(pp, algebra::DeCoeficientes({a, 1})).Valor();
        if (porMais != certa) {
            EXPECT_EQ(Checar(Exercício::Dividir,
                             expandido,
                             divisor,
                             "Q = " + algebra::Escrever(porMais.quociente) +
                                 "; R = " + algebra::Escrever(porMais.resto))
                          .erro,
                      "sinal-de-a");
        }
        // The value, as an unreduced fraction.
        const algebra::Racional v = algebra::Avaliar(pp, a);
        EXPECT_EQ(
            Checar(
                Exercício::Valor, expandido, std::to_string(a), "2*(" + algebra::EscreverRacional(v) + ")/2")
                .veredicto,
            "certo");
        if (algebra::Avaliar(pp, -a) != v) {
            EXPECT_EQ(Checar(Exercício::Valor,
                             expandido,
                             std::to_string(a),
                             algebra::EscreverRacional(algebra::Avaliar(pp, -a)))
                          .erro,
                      "sinal-de-a");
        }
        // The inequality's own canonical set is right, the reversed one is
        // the sign turned around.
        for (const char* sinal : {" > 0", " <= 0"}) {
            const Resolução s =
                ResolverExercício(Exercício::Resolver, expandido + sinal, "", "", EmPortuguês);
            const Resolução oposto = ResolverExercício(
                Exercício::Resolver, expandido + (sinal[1] == '>' ? " < 0" : " >= 0"), "", "", EmPortuguês);
            EXPECT_EQ(Checar(Exercício::Resolver, expandido + sinal, "", s.conjunto).veredicto, "certo")
                << s.conjunto;
            EXPECT_EQ(Checar(Exercício::Resolver, expandido + sinal, "", oposto.conjunto).erro,
                      "sinal-trocado")
                << oposto.conjunto;
        }
    }
}

} // namespace
} // namespace vendrix::resolucao
