// SPDX-License-Identifier: MIT
// The exercises as the front ends run them: the fields each shows, and the
// box and position of what could not be read.
#include "algebra/escrever.h"
#include "algebra/ler.h"
#include "resolucao/exercicio.h"
#include "resolucao/exportar.h"

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
    // The body is the document but for its graph, which is shown apart.
    EXPECT_EQ(r.corpo.blocos.size() + (c.gráfico ? 1 : 0), r.documento.blocos.size());
}

INSTANTIATE_TEST_SUITE_P(Resolucao, Exercicios, testing::ValuesIn(Casos), [](const auto& info) {
    return std::string(info.param.nome);
});

// Past the degree where steps help, a solution gives its result alone: a
// long division of degree 2,000 once wrote a gigabyte, and 720720 as both
// end coefficients listed 57,600 candidates.
TEST(Exercicios, LongWorkGivesTheResultWithoutItsSteps)
{
    const Caso casos[] = {
        {"dividir", "dividir", "x^300+1", "x-1", "", "", "", "", "", "", "", false},
        {"valor", "valor", "x^300+x", "", "1/3", "", "", "", "", "", "", false},
        {"factorizar", "factorizar", "720720x^3+x+720720", "", "", "", "", "", "", "", "", false},
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
    {"divisor_nulo", Exercício::Dividir, "x^2", "0", "", runtime::Código::DivisorNulo, Caixa::Polinómio2, 0,
     "O divisor é o polinómio nulo: não se divide por 0."},
    {"ruffini_de_grau_2", Exercício::Explicar, "x^3", "x^2+1", "", runtime::Código::DivisorInválido, Caixa::Polinómio2,
     0, nullptr},
    {"ruffini_de_constante", Exercício::Explicar, "5", "x-1", "", runtime::Código::DividendoInválido, Caixa::Polinómio1,
     0, nullptr},
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
