// SPDX-License-Identifier: MIT
// Whole worked examples in plain text: a changed step, a wrong number or a
// lost sentence shows as a difference in one place.
#include "algebra/ler.h"
#include "catalogo.h"
#include "resolucao/divisao_longa.h"
#include "resolucao/exportar.h"
#include "resolucao/factorizacao.h"
#include "resolucao/formula.h"
#include "resolucao/ruffini.h"

#include <gtest/gtest.h>

namespace vendrix::resolucao {
namespace {

algebra::Polinómio Ler(const char* texto) { return algebra::LerPolinómio(texto).Valor(); }

Documento Ruffini(const char* p, const char* d, const Tradutor& t)
{
    return ResolverRuffini(Ler(p), Ler(d), t).Valor();
}

Documento Longa(const char* p, const char* d, const Tradutor& t)
{
    return ResolverDivisãoLonga(Ler(p), Ler(d), t).Valor();
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

    P(1/2) = 2(1/2)^3 + 3(1/2)^2 - 1 = 1/4 + 3/4 - 1 = 0
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

    (x^2+1)(x^2-3x+4) + (x-5) = x^4-3x^3+5x^2-3x+4 + (x-5) = x^4-3x^3+5x^2-2x-1
)"},
    {"factores_raiz_dupla",
     false,
     [](const Tradutor& t) { return ResolverFactorização(Ler("2x^3+3x^2-1"), t); },
     R"(Decomposição de 2x^3+3x^2-1 em factores

Pelo teorema das raízes racionais, uma raiz racional é um divisor de -1 sobre um divisor de 2. Os candidatos são ±1/2, ±1.

Testam-se os candidatos pelo teorema do resto, até um dar 0: 1/2 é raiz.

    P(1/2) = 0

        | 2 3 0 | -1
    1/2 |   1 2 |  1
    ----+-------+---
        | 2 4 2 |  0

Pela regra de Ruffini, o quociente é Q(x) = 2x^2+4x+2, que se decompõe a seguir.

Resta um factor do segundo grau; resolve-se 2x^2+4x+2 = 0 pela fórmula resolvente.

    Δ = b^2 - 4ac = 4^2 - 4·2·2 = 0

Como Δ = 0, há uma raiz dupla:

    x = -4/4 = -1

A decomposição em factores é:

    P(x) = 2(x+1)^2(x-1/2)

-1 é raiz de multiplicidade 2.

1/2 é raiz simples.

O quadro de sinais de P(x):

       x  -∞     -1     1/2     +∞
    P(x)      -   0  -    0  +
)"},
    {"factores_racionais_e_formula",
     false,
     [](const Tradutor& t) { return ResolverFactorização(Ler("x^3-6x^2+11x-6"), t); },
     R"(Decomposição de x^3-6x^2+11x-6 em factores

Pelo teorema das raízes racionais, uma raiz racional é um divisor de -6 sobre um divisor de 1. Os candidatos são ±1, ±2, ±3, ±6.

Testam-se os candidatos pelo teorema do resto, até um dar 0: 1 é raiz.

    P(1) = 0

      | 1 -6 11 | -6
    1 |    1 -5 |  6
    --+---------+---
      | 1 -5  6 |  0

Pela regra de Ruffini, o quociente é Q(x) = x^2-5x+6, que se decompõe a seguir.

Resta um factor do segundo grau; resolve-se x^2-5x+6 = 0 pela fórmula resolvente.

    Δ = b^2 - 4ac = (-5)^2 - 4·1·6 = 1

Como Δ > 0, há duas raízes reais:

    x = (5 ± 1)/2, x = 2, x = 3

A decomposição em factores é:

    P(x) = (x-1)(x-2)(x-3)

1 é raiz simples.

2 é raiz simples.

3 é raiz simples.

O quadro de sinais de P(x):

       x  -∞     1     2     3     +∞
    P(x)      -  0  +  0  -  0  +
)"},
    {"factores_irracionais",
     false,
     [](const Tradutor& t) { return ResolverFactorização(Ler("2x^2-8x+5"), t); },
     R"(Decomposição de 2x^2-8x+5 em factores

Resta um factor do segundo grau; resolve-se 2x^2-8x+5 = 0 pela fórmula resolvente.

    Δ = b^2 - 4ac = (-8)^2 - 4·2·5 = 24

Como Δ > 0, há duas raízes reais:

    x = (8 ± √24)/4, x = (4-√6)/2, x = (4+√6)/2

A decomposição em factores é:

    P(x) = 2(x^2-4x+5/2)

(4-√6)/2 é raiz simples.

(4+√6)/2 é raiz simples.

O quadro de sinais de P(x):

       x  -∞     (4-√6)/2     (4+√6)/2     +∞
    P(x)      +         0  -         0  +
)"},
    {"factores_complexas_em_ingles",
     true,
     [](const Tradutor& t) { return ResolverFactorização(Ler("x^2+2x+5"), t); },
     R"(Factorization of x^2+2x+5

A factor of the second degree is left; solve x^2+2x+5 = 0 by the quadratic formula.

    Δ = b^2 - 4ac = 2^2 - 4·1·5 = -16

As Δ < 0, x^2+2x+5 has no real roots and does not factor further.

    x = (-2 ± √-16)/2, x = -1-2i, x = -1+2i

The factorization is:

    P(x) = (x^2+2x+5)

The sign table of P(x):

       x  -∞     +∞
    P(x)      +
)"},
    {"valor_em_ingles",
     true,
     [](const Tradutor& t) { return ResolverValor(Ler("x^3-6x^2+11x-6"), algebra::Racional(1, 2), t); },
     R"(Value of P(x) = x^3-6x^2+11x-6 at x = 1/2 by Horner's scheme

Write the coefficients of the polynomial by falling degree, with 0 for every missing degree, and 1/2 at the left: 1, -6, 11, -6.

Bring down the first coefficient, 1.

Multiply 1 by the root 1/2, which gives 1/2, written in the next column; adding -6 and 1/2 gives -11/2.

Multiply -11/2 by the root 1/2, which gives -11/4, written in the next column; adding 11 and -11/4 gives 33/4.

Multiply 33/4 by the root 1/2, which gives 33/8, written in the last column; adding -6 and 33/8 gives -15/8, the remainder.

        | 1    -6    11 |    -6
    1/2 |     1/2 -11/4 |  33/8
    ----+---------------+------
        | 1 -11/2  33/4 | -15/8

The last number is the remainder of the division by x-1/2, which by the remainder theorem is the value of the polynomial at x = 1/2:

    P(1/2) = -15/8
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

// Whatever a catalogue holds is text: it cannot open an element or start a
// LaTeX command in a worked solution.
TEST(Exportar, EscapaOQueOCatalogoTraz)
{
    const Tradutor hostil = [](const Fonte&) { return std::string("<script>&\\\"%1\\\" 50% #_{}"); };
    const Documento d = ResolverValor(Ler("x-1"), 2, hostil);
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
