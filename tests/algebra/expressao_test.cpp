// SPDX-License-Identifier: MIT
// The expression layer: the writer's forms, reading them back, expansion
// checked by value, parameters, and the solution set against the sign of P.
#include "algebra/analise.h"
#include "algebra/conjunto.h"
#include "algebra/escrever.h"
#include "algebra/expandir.h"
#include "algebra/ler.h"
#include "algebra/ler_expressao.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace vendrix::algebra {
namespace {

Expressão Ler(std::string_view texto, OpçõesDeLeitura opções = {})
{
    const runtime::Resultado<Expressão> e = LerExpressão(texto, opções);
    EXPECT_TRUE(e.Ok()) << texto << ": " << (e.Ok() ? "" : e.Falha().Descrição());
    return e.Ok() ? e.Valor() : Expressão{};
}

struct Forma
{
    std::string_view nome, texto, escrito, html, latex;
};

// clang-format off
constexpr Forma Formas[] = {
    {"produto_de_parenteses", "(x+1)(x-2)^2", "(x+1)(x-2)^2", "(x+1)(x−2)<sup>2</sup>", "\\left(x+1\\right)\\left(x-2\\right)^{2}"},
    {"numero_negativo_depois_de_operador", "2*(-3)^2", "2·(-3)^2", "2·(−3)<sup>2</sup>", "2 \\cdot \\left(-3\\right)^{2}"},
    {"negativo_sob_a_barra", "(1+3)/(-2)", "(1+3)/(-2)", "(1+3)/(−2)", "\\frac{1+3}{-2}"},
    {"raiz_numa_fraccao", "(1-\u221a5)/2", "(1-√5)/2", "(1−√5)/2", "\\frac{1-\\sqrt{5}}{2}"},
    {"equacao", "x^3 = 4x", "x^3 = 4x", "x<sup>3</sup> = 4x", "x^{3} = 4x"},
    {"inequacao", "2x^2>=x+1", "2x^2 ≥ x+1", "2x<sup>2</sup> ≥ x+1", "2x^{2} \\geq x+1"},
    {"menos_antes_de_parenteses", "-(x-3)", "-(x-3)", "−(x−3)", "-\\left(x-3\\right)"},
    {"fraccao_antes_de_x", "-1/2x", "-1/2x", "−1/2x", "-\\frac{1}{2}x"},
    {"quociente_antes_de_factor", "x/2*x", "(x/2)x", "(x/2)x", "\\frac{x}{2}x"},
    {"soma_de_menos", "x+-3", "x-3", "x−3", "x-3"},
    {"numero_depois_de_x", "x*3", "x·3", "x·3", "x \\cdot 3"},
    {"parametro", "k(x+1)^2", "k(x+1)^2", "k(x+1)<sup>2</sup>", "k\\left(x+1\\right)^{2}"},
    {"numero_entre_parenteses_depois_de_x", "x(-1)", "x·(-1)", "x·(−1)", "x \\cdot \\left(-1\\right)"},
};

// clang-format on

class Formas_ : public testing::TestWithParam<Forma>
{};

// Each form is written once, and what is written reads back as the same
// expression.
TEST_P(Formas_, EscreveEReleAMesmaExpressao)
{
    const Forma& f = GetParam();
    const Expressão e = Ler(f.texto, {.parâmetros = "k", .relação = true, .x = true});
    EXPECT_EQ(EscreverExpressão(e), f.escrito);
    EXPECT_EQ(ExpressãoEmHtml(e), f.html);
    EXPECT_EQ(ExpressãoEmLaTeX(e), f.latex);
    EXPECT_EQ(Ler(EscreverExpressão(e), {.parâmetros = "k", .relação = true, .x = true}), e);
}

INSTANTIATE_TEST_SUITE_P(Escrita, Formas_, testing::ValuesIn(Formas), [](const auto& linha) {
    return std::string(linha.param.nome);
});

// The forms only a worked step writes: a quadratic's solutions, a chain of
// equalities through a named value, a decimal with the comma.
TEST(Escrita, FormasDosPassos)
{
    const Expressão b = Parâmetro('b');
    const Expressão fórmula = Relação(
        Nó::Igual,
        X(),
        Quociente(MaisOuMenos(
                      Simétrico(b),
                      RaizDe(Soma({Potência(b, 2), Produto({Número(-4), Parâmetro('a'), Parâmetro('c')})}))),
                  Produto({Número(2), Parâmetro('a')})));
    EXPECT_EQ(EscreverExpressão(fórmula), "x = (-b ± √(b^2-4ac))/(2a)");
    EXPECT_EQ(ExpressãoEmLaTeX(fórmula), "x = \\frac{-b \\pm \\sqrt{b^{2}-4ac}}{2a}");
    const Expressão cadeia =
        Cadeia(Nó::Igual, {Nome("Q₁", {Número(2)}), Soma({Número(8), Número(-3)}), Número(5)});
    EXPECT_EQ(EscreverExpressão(cadeia), "Q₁(2) = 8-3 = 5");
    EXPECT_EQ(ExpressãoEmLaTeX(cadeia), "Q_{1}\\left(2\\right) = 8-3 = 5");
    const Expressão ou =
        Ou({Relação(Nó::Aproximado, X(), Decimal("-0,5")), Relação(Nó::Igual, X(), Número(1))}, "or");
    EXPECT_EQ(ExpressãoEmHtml(ou), "x ≈ −0,5 or x = 1");
    EXPECT_EQ(ExpressãoEmLaTeX(ou), "x \\approx -0{,}5 \\mbox{ or } x = 1");
    const Expressão conjunto =
        União({IntervaloDe(Infinito(false), Cadeia(Nó::Aproximado, {Decimal("-0,5")}), false, true),
               Chaves({Quociente(Soma({Número(1), Raiz(5)}), Número(2))})});
    EXPECT_EQ(EscreverExpressão(conjunto), "]-∞; ≈-0,5] ∪ {(1+√5)/2}");
    EXPECT_EQ(ExpressãoEmLaTeX(conjunto),
              "\\left]-\\infty ; \\approx-0{,}5\\right] \\cup \\{\\frac{1+\\sqrt{5}}{2}\\}");
    EXPECT_EQ(EscreverExpressão(SemOs(Reais(), Chaves({Número(-1), Número(2)}))), "ℝ \\ {-1, 2}");
    EXPECT_EQ(EscreverExpressão(Lista({MaisOuMenos(Número(1)), MaisOuMenos(Número(Racional(1, 2)))})),
              "±1, ±1/2");
}

TEST(Fala, DizOsSinaisPorPalavras)
{
    const Vocabulário v{"mais",
                        "menos",
                        "vezes",
                        "sobre",
                        "elevado a",
                        "raiz de",
                        "abre",
                        "fecha",
                        "igual a",
                        "menor que",
                        "menor ou igual a",
                        "maior que",
                        "maior ou igual a"};
    EXPECT_EQ(ExpressãoEmFala(Ler("2(x-1)^2 = -x/2", {.parâmetros = {}, .relação = true, .x = true}), v),
              "2 vezes abre x menos 1 fecha elevado a 2 igual a menos x sobre 2");
}

// The expansion agrees with the expression at several points.
TEST(Expandir, TemOValorDaExpressao)
{
    constexpr std::string_view textos[] = {"(x+1)(x-2)^2",
                                           "2(x-1)^3-(x-1)",
                                           "(2x-3)(2x+3)",
                                           "x/2+(x+1)/3",
                                           "-(x-3)^5(x+1/2)",
                                           "(x^2-x+1)^4-x(x+1)^3",
                                           "1/2x(3x-1)^2/(-4)",
                                           "(\u221a9x-2)^3"};
    for (const std::string_view texto : textos) {
        const Expressão e = Ler(texto);
        const runtime::Resultado<Polinómio> p = Expandir(e);
        ASSERT_TRUE(p.Ok()) << texto;
        for (const double x : {-2.0, -0.5, 0.0, 1.0, 3.0}) {
            const double esperado = ValorAproximado(e, x);
            const double obtido = Avaliar(p.Valor(), Racional(x)).convert_to<double>();
            EXPECT_NEAR(obtido, esperado, 1e-9 * (1 + std::abs(esperado))) << texto << " em " << x;
        }
    }
}

TEST(Expandir, ParametrosComoCoeficientes)
{
    const runtime::Resultado<PolinómioComParâmetros> p =
        ExpandirComParâmetros(Ler("(x+k)^2-2k(x+m)", {.parâmetros = "km", .relação = false, .x = true}));
    ASSERT_TRUE(p.Ok());
    const PolinómioComParâmetros esperado{{
        {{{{'k', 2}}, Racional(1)}, {{{'k', 1}, {'m', 1}}, Racional(-2)}},
        {},
        {{{}, Racional(1)}},
    }};
    EXPECT_EQ(p.Valor(), esperado);
    EXPECT_FALSE(LerExpressão("x+k").Ok()); // a parameter only where the caller allows it
}

// Whether the canonical set holds v: pieces "]a,b[", "[a,b]", "{a,b}",
// "ℝ", "∅", "ℝ\{a}", joined by "∪", every endpoint rational here.
bool Contém(std::string conjunto, const Racional& v)
{
    const auto número = [&](const std::string& t) {
        const runtime::Resultado<Racional> r = LerRacional(t);
        EXPECT_TRUE(r.Ok()) << conjunto << " : " << t;
        return r.ValorOu(0);
    };
    if (conjunto == "ℝ")
        return true;
    if (conjunto == "∅")
        return false;
    if (conjunto.find("∪") == std::string::npos &&
        (conjunto.starts_with("ℝ\\{") || conjunto.starts_with("{"))) {
        const bool menos = conjunto.starts_with("ℝ");
        const std::string lista =
            conjunto.substr(conjunto.find('{') + 1, conjunto.size() - conjunto.find('{') - 2);
        bool dentro = false;
        for (std::size_t i = 0; i <= lista.size();) {
            const std::size_t fim = std::min(lista.find(',', i), lista.size());
            dentro |= número(lista.substr(i, fim - i)) == v;
            i = fim + 1;
        }
        return dentro != menos;
    }
    const std::string união = "∪";
    for (std::size_t i = 0; i < conjunto.size();) {
        const std::size_t fim = std::min(conjunto.find(união, i), conjunto.size());
        const std::string peça = conjunto.substr(i, fim - i);
        i = fim + união.size();
        if (peça.front() == '{') {
            if (número(peça.substr(1, peça.size() - 2)) == v)
                return true;
            continue;
        }
        const std::size_t vírgula = peça.find(',');
        const std::string a = peça.substr(1, vírgula - 1),
                          b = peça.substr(vírgula + 1, peça.size() - vírgula - 2);
        const bool acimaDe = a == "-∞" || (peça.front() == '[' ? v >= número(a) : v > número(a));
        const bool abaixoDe = b == "+∞" || (peça.back() == ']' ? v <= número(b) : v < número(b));
        if (acimaDe && abaixoDe)
            return true;
    }
    return false;
}

// The solution set agrees with the sign of P at each root, inside each
// interval between them and beyond them, for random products of linear
// and quadratic factors with multiplicities and random relations.
TEST(Propriedades, ConjuntoConcordaComOSinal)
{
    std::mt19937 gerador(29);
    std::uniform_int_distribution<int> raiz(-6, 6), multiplicidade(1, 3), quantos(0, 4), relação(0, 4);
    for (int n = 0; n < 200; ++n) {
        Polinómio p = DeCoeficientes({Racional(raiz(gerador) % 2 == 0 ? 1 : -3)});
        for (int k = quantos(gerador); k > 0; --k) {
            const Polinómio f = raiz(gerador) > 3 ? DeCoeficientes({1, 0, 1})
                                                  : DeCoeficientes({Racional(-raiz(gerador), 2), 1});
            for (int m = multiplicidade(gerador); m > 0; --m)
                p = p * f;
        }
        const Nó nó = static_cast<Nó>(static_cast<int>(Nó::Igual) + relação(gerador));
        const Análise a = Analisar(p);
        const ConjuntoSolução conjunto = ConjuntoDaCondição(a.sinais, nó);
        EXPECT_EQ(ExpressãoEmHtml(conjunto.forma), conjunto.escrito);
        const std::string& c = conjunto.canónico;
        std::vector<Racional> pontos{-100, 100};
        for (std::size_t i = 0; i < a.sinais.raízes.size(); ++i) {
            pontos.push_back(a.sinais.raízes[i].mínimo);
            if (i + 1 < a.sinais.raízes.size())
                pontos.push_back((a.sinais.raízes[i].mínimo + a.sinais.raízes[i + 1].mínimo) / 2);
        }
        for (const Racional& x : pontos) {
            const Racional v = Avaliar(p, x);
            const bool satisfaz = nó == Nó::Igual          ? v == 0
                                  : nó == Nó::Menor        ? v < 0
                                  : nó == Nó::MenorOuIgual ? v <= 0
                                  : nó == Nó::Maior        ? v > 0
                                                           : v >= 0;
            EXPECT_EQ(Contém(c, x), satisfaz)
                << Escrever(p) << " " << static_cast<int>(nó) << " " << c << " em " << EscreverRacional(x);
        }
    }
}

} // namespace
} // namespace vendrix::algebra
