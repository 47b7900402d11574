// SPDX-License-Identifier: MIT
// Whole worked examples in plain text: a changed step, a wrong number or a
// lost sentence shows as a difference in one place.
#include "algebra/analise.h"
#include "algebra/ler.h"
#include "catalogo.h"
#include "resolucao/divisao_longa.h"
#include "resolucao/exercicio.h"
#include "resolucao/exportar.h"
#include "resolucao/factorizacao.h"
#include "resolucao/formula.h"
#include "resolucao/ruffini.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <iterator>

namespace vendrix::resolucao {
namespace {

algebra::Polinómio Ler(const char* texto) { return algebra::LerPolinómio(texto).Valor(); }

Documento Ruffini(const char* p, const char* d, const Tradutor& t)
{
    return ResolverRuffini(Ler(p), Ler(d), t).Valor().documento;
}

Documento Longa(const char* p, const char* d, const Tradutor& t)
{
    return ResolverDivisãoLonga(Ler(p), Ler(d), t).Valor().documento;
}

struct Caso
{
    const char* nome;
    bool inglês;
    Documento (*resolver)(const Tradutor&);
    const char* texto;
};

const Caso Casos[] = {
    {"ruffini_2x_menos_1",
     false,
     [](const Tradutor& t) { return Ruffini("2x^3+3x^2-1", "2x-1", t); },
     R"(Divisão de 2x^3+3x^2-1 por 2x-1 pela regra de Ruffini

Escrevem-se os coeficientes do dividendo por ordem decrescente do grau, com 0 em cada grau que falta: 2, 3, 0, -1.

O divisor 2x-1 anula-se em x = 1/2: é a raiz, que se escreve à esquerda da tabela.

Baixa-se o primeiro coeficiente, 2.

Multiplica-se 2 pela raiz 1/2, o que dá 1, escrito na coluna seguinte; somando 3 com 1, obtém-se 4.

Multiplica-se 4 pela raiz 1/2, o que dá 2, escrito na coluna seguinte; somando 0 com 2, obtém-se 2.

Multiplica-se 2 pela raiz 1/2, o que dá 1, escrito na última coluna; somando -1 com 1, obtém-se 0, o resto.

        | 2 3 0 | -1
    1/2 |   1 2 |  1
    ----+-------+---
        | 2 4 2 |  0

O coeficiente de x no divisor é 2, e não 1: como 2x-1 = 2(x-1/2), a tabela dividiu por x-1/2, e os números da última linha, sem o resto, têm ainda de ser divididos por 2. Dividindo 2, 4, 2 por 2, obtém-se 1, 2, 1; o resto não muda.

    Q(x) = x^2+2x+1

    R = 0

Verificação: o divisor vezes o quociente, mais o resto, dá o dividendo.

    (2x-1)(x^2+2x+1) = 2x^3+3x^2-1

Pelo teorema do resto, o resto da divisão por 2x-1 é o valor do dividendo em x = 1/2:

    P(1/2) = 2·(1/2)^3+3·(1/2)^2-1 = 1/4+3/4-1 = 0
)"},
    {"divisao_longa",
     false,
     [](const Tradutor& t) { return Longa("x^4-3x^3+5x^2-2x-1", "x^2+1", t); },
     R"(Divisão de x^4-3x^3+5x^2-2x-1 por x^2+1

Escreve-se o dividendo à esquerda, por ordem decrescente do grau, e o divisor à direita; o quociente escreve-se debaixo do divisor.

Divide-se x^4 por x^2, o que dá x^2, um termo do quociente. Multiplica-se x^2 pelo divisor e escreve-se o simétrico do produto, -x^4-x^2, debaixo do dividendo; somando, fica -3x^3+4x^2-2x-1.

Divide-se -3x^3 por x^2, o que dá -3x, um termo do quociente. Multiplica-se -3x pelo divisor e escreve-se o simétrico do produto, 3x^3+3x, debaixo do dividendo; somando, fica 4x^2+x-1.

Divide-se 4x^2 por x^2, o que dá 4, um termo do quociente. Multiplica-se 4 pelo divisor e escreve-se o simétrico do produto, -4x^2-4, debaixo do dividendo; somando, fica x-5.

       x^4  -3x^3  +5x^2  -2x  -1 | x^2+1
                                  +---------
      -x^4          -x^2          | x^2-3x+4
    -----------------------------
            -3x^3  +4x^2  -2x  -1
            +3x^3         +3x
          -----------------------
                   +4x^2   +x  -1
                   -4x^2       -4
                 ----------------
                           +x  -5

Como x-5 tem grau menor do que o divisor, é o resto.

    Q(x) = x^2-3x+4

    R(x) = x-5

Verificação: o divisor vezes o quociente, mais o resto, dá o dividendo.

    (x^2+1)(x^2-3x+4)+x-5 = x^4-3x^3+5x^2-3x+4+x-5 = x^4-3x^3+5x^2-2x-1
)"},
    {"factores_raiz_dupla",
     false,
     [](const Tradutor& t) { return ResolverFactorização(algebra::Analisar(Ler("2x^3+3x^2-1")), t); },
     R"(Decomposição de 2x^3+3x^2-1 em factores

Pelo teorema das raízes racionais, uma raiz racional é um divisor de -1 sobre um divisor de 2. Testam-se primeiro os inteiros, ±1, e depois as frações, ±1/2.

Testam-se os candidatos pelo teorema do resto, até um dar 0: -1 é raiz.

    P(1) = 2·1^3+3·1^2-1 = 2+3-1 = 4 ≠ 0

    P(-1) = 2·(-1)^3+3·(-1)^2-1 = -2+3-1 = 0

       | 2  3  0 | -1
    -1 |   -2 -1 |  1
    ---+---------+---
       | 2  1 -1 |  0

Pela regra de Ruffini, o quociente é Q₁(x) = 2x^2+x-1.

Resta um factor do segundo grau; resolve-se 2x^2+x-1 = 0 pela fórmula resolvente.

    x = (-b ± √(b^2-4ac))/(2a)

Com a = 2, b = 1 e c = -1:

    Δ = b^2-4ac = 1^2-4·2·(-1) = 9

Como Δ > 0, há duas raízes reais:

    x = (-1 ± 3)/4 ⇔ x = -1 ∨ x = 1/2

A decomposição em factores é:

    P(x) = 2(x+1)^2(x-1/2)

-1 é raiz dupla.

1/2 é raiz simples.

Logo, P(x) = 0 ⇔ x = -1 ∨ x = 1/2; C.S. = {-1, 1/2}.

O quadro de sinais de P(x):

          x  -∞     -1     1/2     +∞
          2      +   +  +    +  +
    (x+1)^2      +   0  +    +  +
      x-1/2      -   -  -    0  +
       P(x)      -   0  -    0  +

Um fator de expoente par, (x+1)^2, não muda de sinal: nunca é negativo.
)"},
    {"factores_racionais_e_formula",
     false,
     [](const Tradutor& t) { return ResolverFactorização(algebra::Analisar(Ler("x^3-6x^2+11x-6")), t); },
     R"(Decomposição de x^3-6x^2+11x-6 em factores

Pelo teorema das raízes racionais, uma raiz racional é um divisor de -6 sobre um divisor de 1. Os candidatos são ±1, ±2, ±3, ±6.

Testam-se os candidatos pelo teorema do resto, até um dar 0: 1 é raiz.

    P(1) = 1^3-6·1^2+11·1-6 = 1-6+11-6 = 0

      | 1 -6 11 | -6
    1 |    1 -5 |  6
    --+---------+---
      | 1 -5  6 |  0

Pela regra de Ruffini, o quociente é Q₁(x) = x^2-5x+6.

Resta um factor do segundo grau; resolve-se x^2-5x+6 = 0 pela fórmula resolvente.

    x = (-b ± √(b^2-4ac))/(2a)

Com a = 1, b = -5 e c = 6:

    Δ = b^2-4ac = (-5)^2-4·1·6 = 1

Como Δ > 0, há duas raízes reais:

    x = (5 ± 1)/2 ⇔ x = 2 ∨ x = 3

A decomposição em factores é:

    P(x) = (x-1)(x-2)(x-3)

1 é raiz simples.

2 é raiz simples.

3 é raiz simples.

Logo, P(x) = 0 ⇔ x = 1 ∨ x = 2 ∨ x = 3; C.S. = {1, 2, 3}.

O quadro de sinais de P(x):

       x  -∞     1     2     3     +∞
     x-1      -  0  +  +  +  +  +
     x-2      -  -  -  0  +  +  +
     x-3      -  -  -  -  -  0  +
    P(x)      -  0  +  0  -  0  +
)"},
    {"factores_irracionais",
     false,
     [](const Tradutor& t) { return ResolverFactorização(algebra::Analisar(Ler("2x^2-8x+5")), t); },
     R"(Decomposição de 2x^2-8x+5 em factores

Resolve-se 2x^2-8x+5 = 0 pela fórmula resolvente.

    x = (-b ± √(b^2-4ac))/(2a)

Com a = 2, b = -8 e c = 5:

    Δ = b^2-4ac = (-8)^2-4·2·5 = 24

Como Δ > 0, há duas raízes reais:

    √24 = √(4·6) = 2√6

    x = (8 ± 2√6)/4 ⇔ x = (4-√6)/2 ∨ x = (4+√6)/2

A decomposição em factores é:

    P(x) = 2(x^2-4x+5/2)

Em ℝ, cada fator do segundo grau com Δ > 0 decompõe-se pelas suas raízes. A decomposição em ℝ é:

    P(x) = 2(x-(4-√6)/2)(x-(4+√6)/2)

(4-√6)/2 é raiz simples.

(4+√6)/2 é raiz simples.

Logo, P(x) = 0 ⇔ x = (4-√6)/2 ∨ x = (4+√6)/2; C.S. = {(4-√6)/2, (4+√6)/2}.

O quadro de sinais de P(x):

             x  -∞     (4-√6)/2     (4+√6)/2     +∞
             2      +         +  +         +  +
    x^2-4x+5/2      +         0  -         0  +
          P(x)      +         0  -         0  +
)"},
    {"factores_complexas_em_ingles",
     true,
     [](const Tradutor& t) { return ResolverFactorização(algebra::Analisar(Ler("x^2+2x+5")), t); },
     R"(Factorization of x^2+2x+5

Solve x^2+2x+5 = 0 by the quadratic formula.

    x = (-b ± √(b^2-4ac))/(2a)

With a = 1, b = 2 and c = 5:

    Δ = b^2-4ac = 2^2-4·1·5 = -16

Δ < 0: the equation x^2+2x+5 = 0 has no solution in ℝ, and x^2+2x+5 does not factor in ℝ.

In ℂ: x = -1-2i or x = -1+2i.

The factorization is:

    P(x) = x^2+2x+5

The sign table of P(x):

       x  -∞     +∞
    P(x)      +
)"},
    {"valor_em_ingles",
     true,
     [](const Tradutor& t) {
         return ResolverValor(Ler("x^3-6x^2+11x-6"), algebra::Racional(1, 2), t).documento;
     },
     R"(Value of P(x) = x^3-6x^2+11x-6 at x = 1/2

Replace x by 1/2 in the polynomial:

    P(1/2) = (1/2)^3-6·(1/2)^2+11·(1/2)-6 = 1/8-3/2+11/2-6 = -15/8

Second method: by the remainder theorem, P(1/2) is the remainder of the division by x-1/2, which Ruffini's rule gives:

Write the coefficients of the polynomial by falling degree, with 0 for every missing degree, and 1/2 at the left: 1, -6, 11, -6.

        | 1    -6    11 |    -6
    1/2 |     1/2 -11/4 |  33/8
    ----+---------------+------
        | 1 -11/2  33/4 | -15/8

By both methods, P(1/2) = -15/8.
)"},
};

class DocumentoTeste : public ::testing::TestWithParam<Caso>
{};

TEST_P(DocumentoTeste, TextoInteiro)
{
    const Caso& c = GetParam();
    const Tradutor t = c.inglês ? teste::EmInglês(VENDRIX_CATALOGO_EN) : Tradutor(EmPortuguês);
    EXPECT_EQ(EmTexto(c.resolver(t)), c.texto);
}

std::string NomeDaLinha(const ::testing::TestParamInfo<Caso>& linha) { return linha.param.nome; }

void PrintTo(const Caso& c, std::ostream* os) { *os << c.nome; }

INSTANTIATE_TEST_SUITE_P(Exemplos, DocumentoTeste, ::testing::ValuesIn(Casos), NomeDaLinha);

// The lessons' own examples, in the form the teacher marks: what each must
// say in its plain text, and what it must never say.
struct Aula
{
    const char* nome;
    Exercício exercício;
    const char *p1, *p2, *a;
    bool inglês;
    std::array<const char*, 3> diz;
    const char* nuncaDiz;
};

// clang-format off
const Aula Aulas[] = {
    {"reais_sem_complexos", Exercício::Factorizar, "x^3-1", "", "", false,
     {"Δ < 0: a equação x^2+x+1 = 0 é impossível em ℝ", "Em ℂ: x = -1/2-(√3/2)i ∨ x = -1/2+(√3/2)i.", "C.S. = {1}"}, "√-3"},
    {"reais_sem_complexos_en", Exercício::Factorizar, "x^3-1", "", "", true,
     {"the equation x^2+x+1 = 0 has no solution in ℝ", "In ℂ: x = -1/2-(√3/2)i or x = -1/2+(√3/2)i.", "solution set = {1}"}, "√-3"},
    {"denominador_negativo", Exercício::Factorizar, "-x^3+3x-2", "", "", false,
     {"x = (1 ± 3)/(-2) ⇔ x = -2 ∨ x = 1", "P(x) = 0 ⇔ x = -2 ∨ x = 1; C.S. = {-2, 1}", "1 é raiz dupla."}, "/-2"},
    {"denominador_negativo_en", Exercício::Factorizar, "-x^3+3x-2", "", "", true,
     {"x = (1 ± 3)/(-2) ⇔ x = -2 or x = 1", "solution set = {-2, 1}", "1 is a double root."}, "/-2"},
    {"surdos_e_raiz_de_8", Exercício::Factorizar, "x^3-2x", "", "", false,
     {"√8 = √(4·2) = 2√2", "P(x) = x(x^2-2)", "P(x) = x(x+√2)(x-√2)"}, "multiplicidade"},
    {"surdos_do_quociente_en", Exercício::Factorizar, "2x^3-3x+1", "", "", true,
     {"Try the integers first, ±1, then the fractions, ±1/2.", "Q₁(x) = 2x^2+2x-1", "P(x) = 2(x+(1+√3)/2)(x+(1-√3)/2)(x-1)"}, "P(1/2)"},
    {"inteiros_primeiro_com_substituicao", Exercício::Factorizar, "2x^3+3x^2-1", "", "", false,
     {"P(1) = 2·1^3+3·1^2-1 = 2+3-1 = 4 ≠ 0", "P(-1) = 2·(-1)^3+3·(-1)^2-1 = -2+3-1 = 0", "-1 é raiz dupla."}, "multiplicidade 2"},
    {"identidade", Exercício::Factorizar, "x^4+x^2+1", "", "", false,
     {"(x^2+1)^2-x^2 = (x^2-x+1)(x^2+x+1)", "P(x) = (x^2-x+1)(x^2+x+1)", "diferença de quadrados"}, "Em ℂ"},
    {"bolzano", Exercício::Factorizar, "x^3-3x+1", "", "", false,
     {"P(0) = 1 > 0 e P(1) = -1 < 0: pelo teorema de Bolzano, há uma raiz em ]0, 1[, x ≈ 0,3472963553.",
      "P(1) = 1^3-3·1+1 = 1-3+1 = -1 ≠ 0", "≈1,532088886"}, "1.532"},
    {"bolzano_tres_raizes_entre_0_e_1", Exercício::Factorizar, "1000x^3-700x^2+140x-7", "", "", false,
     {"pelo teorema de Bolzano, há uma raiz em", "x ≈ 0,0", "raiz simples"}, "]0, 1["},
    {"bolzano_en", Exercício::Factorizar, "x^3-3x+1", "", "", true,
     {"P(0) = 1 > 0 and P(1) = -1 < 0: by Bolzano's theorem, there is a root in (0, 1), x ≈ 0.3472963553.",
      "x ≈ 1.532088886", "≈1.532088886"}, "1,532"},
    {"casos_notaveis", Exercício::Factorizar, "x^3-1", "", "", false,
     {"a diferença de cubos: x^3-1 = (x-1)(x^2+x+1)", "Resta um factor do segundo grau", "C.S. = {1}"}, "candidatos"},
    {"diferenca_de_quadrados_en", Exercício::Factorizar, "x^2-4", "", "", true,
     {"the difference of squares: x^2-4 = (x-2)(x+2).", "P(x) = (x+2)(x-2)", "solution set = {-2, 2}"}, "Δ"},
    {"quadrado_perfeito", Exercício::Factorizar, "4x^2+12x+9", "", "", false,
     {"o quadrado perfeito: 4x^2+12x+9 = (2x+3)^2.", "P(x) = 4(x+3/2)^2", "-3/2 é raiz dupla."}, "Δ"},
    {"biquadrada", Exercício::Factorizar, "x^4-5x^2+4", "", "", false,
     {"com y = x^2, fica y^2-5y+4 = 0", "y = (5 ± 3)/2 ⇔ y = 1 ∨ y = 4", "P(x) = (x+2)(x+1)(x-1)(x-2)"}, "candidatos"},
    {"resto_por_substituicao", Exercício::Valor, "x^3+2x^2-5x+7", "", "-3", false,
     {"P(-3) = (-3)^3+2·(-3)^2-5·(-3)+7 = -27+18+15+7 = 13", "Segundo método", "Pelos dois métodos, P(-3) = 13."}, "raiz"},
    {"resto_por_substituicao_en", Exercício::Valor, "x^3+2x^2-5x+7", "", "-3", true,
     {"P(-3) = (-3)^3+2·(-3)^2-5·(-3)+7 = -27+18+15+7 = 13", "Second method", "By both methods, P(-3) = 13."}, "root"},
    {"resto_da_divisao", Exercício::Valor, "x^3+2x^2-5x+7", "", "x+3", false,
     {"Resto da divisão de P(x) = x^3+2x^2-5x+7 por x+3", "Pelo teorema do resto, o resto da divisão de P(x) por x+3 é P(-3)",
      "Pelos dois métodos, o resto da divisão de P(x) por x+3 é P(-3) = 13."}, "raiz"},
    {"resto_da_divisao_en", Exercício::Valor, "x^3+2x^2-5x+7", "", "x+3", true,
     {"Remainder of P(x) = x^3+2x^2-5x+7 divided by x+3", "P(-3) = (-3)^3+2·(-3)^2-5·(-3)+7 = -27+18+15+7 = 13",
      "By both methods, the remainder of P(x) divided by x+3 is P(-3) = 13."}, "root"},
    {"ordem_dos_factores", Exercício::Factorizar, "6x^3+x^2-x", "", "", false,
     {"P(x) = 6x(x+1/2)(x-1/3)", "0 é raiz simples.", "P(x) = 0 ⇔ x = -1/2 ∨ x = 0 ∨ x = 1/3"}, "(x+1/2)x"},
    {"ordem_com_menos", Exercício::Factorizar, "-x^3+x", "", "", true,
     {"P(x) = -x(x+1)(x-1)", "solution set = {-1, 0, 1}", "0 is a simple root."}, "(x+1)x"},
    {"tripla_e_expoente_par", Exercício::Factorizar, "x^5-3x^4+3x^3-x^2", "", "", false,
     {"1 é raiz tripla.", "0 é raiz dupla.", "Um fator de expoente par, x^2, não muda de sinal"}, "multiplicidade"},
    {"divisor_de_grau_maior", Exercício::Dividir, "x+1", "x^2+1", "", false,
     {"(x^2+1)·0+x+1 = 0+x+1 = x+1", "| 0", "Q(x) = 0"}, "(x^2+1)(0)"},
    {"divisor_de_grau_maior_en", Exercício::Dividir, "x+1", "x^2+1", "", true,
     {"(x^2+1)·0+x+1", "| 0", "Q(x) = 0"}, "(x^2+1)(0)"},
    {"explicar_divisor_entre_parenteses", Exercício::Explicar, "x^3-1", "(x-1)", "", false,
     {"Q(x) = x^2+x+1", "R = 0", "      | 1 0 0 | -1"}, "«(x»"},
    {"explicar_divisor_com_produto_en", Exercício::Explicar, "x^3-1", "2*(x-1)", "", true,
     {"2x-2 = 2(x-1)", "Q(x) = 1/2x^2+1/2x+1/2", "R = 0"}, "«(x»"},
};

// clang-format on

class AulaTeste : public ::testing::TestWithParam<Aula>
{};

TEST_P(AulaTeste, DizOQueAAulaEnsina)
{
    const Aula& c = GetParam();
    const Tradutor t = c.inglês ? teste::EmInglês(VENDRIX_CATALOGO_EN) : Tradutor(EmPortuguês);
    const Resolução r = ResolverExercício(c.exercício, c.p1, c.p2, c.a, t);
    ASSERT_FALSE(r.falha) << r.falha->mensagem;
    const std::string texto = EmTexto(r.documento);
    for (const char* frase : c.diz)
        EXPECT_NE(texto.find(frase), std::string::npos) << frase << "\n" << texto;
    EXPECT_EQ(texto.find(c.nuncaDiz), std::string::npos) << c.nuncaDiz << "\n" << texto;
    EXPECT_EQ(texto.find('?'), std::string::npos) << "a text missing from the catalogue\n" << texto;
}

void PrintTo(const Aula& c, std::ostream* os) { *os << c.nome; }

INSTANTIATE_TEST_SUITE_P(Aulas, AulaTeste, ::testing::ValuesIn(Aulas), [](const auto& linha) {
    return std::string(linha.param.nome);
});

// Whether a named value, "P(2)" or "Q(x)", which has no value here, is in e.
bool TemNome(const algebra::Expressão& e)
{
    return e.nó == algebra::Nó::Nome || std::ranges::any_of(e.filhos, TemNome);
}

// Every "a = b = …" a worked solution shows holds: its members that name
// nothing agree at a few points.
TEST(Igualdades, CadaPassoVale)
{
    const std::array<std::array<const char*, 4>, 16> casos{{
        {"dividir", "x^4-3x^3+5x^2-2x-1", "x^2+1", ""},
        {"dividir", "6x^5-1/2x^2+7", "-2x^2+x-3", ""},
        {"dividir", "x+1", "x^2+1", ""},
        {"dividir", "x^3-1", "3", ""},
        {"explicar", "-x^5+4x^2-x", "x+3", ""},
        {"explicar", "3x^4-2", "-3x+1", ""},
        {"valor", "x^3+2x^2-5x+7", "", "-3"},
        {"valor", "-x^4+x-1", "", "-2/3"},
        {"valor", "2x^5-x", "", "x-1/2"},
        {"desenvolver", "(x-1)^3(2x+1)-(x+2)(x-2)+(x^2+x+1)^2-3(1-x)^4/2", "", ""},
        {"factorizar", "2x^4-x^3-7x^2+3x+3", "", ""},
        {"factorizar", "x^4-5x^2+6", "", ""},
        {"factorizar", "-x^3+3x-1", "", ""},
        {"grafico", "x^3-6x^2+11x-6", "", ""},
        {"resolver", "x^3-x >= 2x^2-2", "", ""},
        {"resolver", "3x^2+x-1 = 0", "", ""},
    }};
    for (const auto& [nome, p1, p2, a] : casos) {
        const Resolução r = ResolverExercício(*ExercícioDoNome(nome), p1, p2, a, EmPortuguês);
        ASSERT_FALSE(r.falha) << p1;
        std::vector<algebra::Expressão> fórmulas;
        for (const Bloco& b : r.documento.blocos) {
            if (const auto* d = std::get_if<Destaque>(&b)) {
                if (const auto* e = std::get_if<algebra::Expressão>(&d->fórmula.valor))
                    fórmulas.push_back(*e);
                else
                    ADD_FAILURE() << nome << " " << p1 << ": a step held as text, " << TextoDe(d->fórmula);
            }
            if (const auto* f = std::get_if<Frase>(&b))
                for (const Fórmula& argumento : f->argumentos)
                    if (const auto* e = std::get_if<algebra::Expressão>(&argumento.valor))
                        fórmulas.push_back(*e);
        }
        for (const algebra::Expressão& f : fórmulas) {
            if (f.nó != algebra::Nó::Igual || algebra::TemParâmetros(f))
                continue;
            std::vector<algebra::Expressão> membros;
            std::ranges::copy_if(f.filhos, std::back_inserter(membros), std::not_fn(TemNome));
            // An equation, "x = 1/2" or "3x^2+x-1 = 0", holds at its roots;
            // an identity, at every point.
            if (!std::ranges::all_of(membros, algebra::TemX) && !std::ranges::none_of(membros, algebra::TemX))
                continue;
            for (const double x : {-1.5, 0.5, 2.0})
                for (const algebra::Expressão& m : membros)
                    EXPECT_NEAR(algebra::ValorAproximado(m, x),
                                algebra::ValorAproximado(membros.front(), x),
                                1e-9 * (1 + std::abs(algebra::ValorAproximado(m, x))))
                        << algebra::EscreverExpressão(f) << " at " << x;
        }
    }
}

// Whatever a catalogue holds is text: it cannot open an element or start a
// LaTeX command in a worked solution.
TEST(Exportar, EscapaOQueOCatalogoTraz)
{
    const Tradutor hostil = [](const Fonte&) { return std::string("<script>&\\\"%1\\\" 50% #_{}"); };
    const Documento d = ResolverValor(Ler("x-1"), 2, hostil).documento;
    const std::string html = EmHtml(d), tex = EmLaTeX(d);
    EXPECT_EQ(html.find("<script"), std::string::npos);
    EXPECT_NE(html.find("&lt;script&gt;&amp;"), std::string::npos);
    EXPECT_NE(tex.find("\\textbackslash{}\"$2$\\textbackslash{}\" 50\\% \\#\\_\\{\\}"), std::string::npos);
}

// A radical covers its number only: √3/2 is half of √3.
TEST(Exportar, RadicalSoSobreONumero)
{
    EXPECT_EQ(FórmulaEmLaTeX("x = -√3/2, x = (1-√-5)/2"), "x = -\\sqrt{3}/2, x = (1-\\sqrt{-5})/2");
}

} // namespace
} // namespace vendrix::resolucao
