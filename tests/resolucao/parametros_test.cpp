// SPDX-License-Identifier: MIT
// The parameters of a polynomial found from conditions: the answers in
// both languages, each answer put back into every condition, and the
// refusals with the box and the piece they could not use.
#include "algebra/dividir.h"
#include "algebra/expandir.h"
#include "algebra/ler_expressao.h"
#include "algebra/parametrico.h"
#include "catalogo.h"
#include "resolucao/exportar.h"
#include "resolucao/parametros_sistema.h"

#include <gtest/gtest.h>

#include <array>

namespace vendrix::resolucao {
namespace {

struct Caso
{
    const char *p1, *pt, *en, *soluções;
};

// clang-format off
const Caso Casos[] = {
    {"x^3+kx^2-4", "divisível por x-2", "divisible by x-2", "k=-1"},
    {"x^3+ax^2+bx-6", "divisível por x-1; resto da divisão por x+1 é -8",
     "divisible by x-1\nremainder of the division by x+1 is -8", "a=2,b=3"},
    {"2x^3-x^2+kx+3", "P(1) = 5", "p(1)=5", "k=1"},
    {"x^3-3x^2+m", "2 é raiz dupla", "2 is a double root", "m=4"},
    {"x^2+kx+1", "-1 é raiz dupla", "-1 IS A DOUBLE ROOT", "k=2"},
    {"x^4+ax^2+b", "divisível por x^2-1; P(0) = 2", "divisible by x^2-1; P(0) = 2", "a=-3,b=2"},
    {"kx^2+kx+1", "divisível por x+1", "divisible by x+1", "nenhum"},
    {"x^2+k^2x-4", "resto da divisão por x-1 é 1", "remainder of the division by x-1 is 1", "k=-2|k=2"},
    {"x^3+ax+b", "divisível por x^2+x+1", "divisible by x^2+x+1", "a=0,b=-1"},
    {"x^3+ax^2+bx+2", "-1 é raiz dupla", "-1 is a double root", "a=4,b=5"},
    {"x^3+ax^2+bx", "P(1) = 0", "P(1) = 0", "a=a,b=-a-1"},
    // A triple root at k = 0 is no double root.
    {"x^3+kx^2+(k^2-k)x", "0 é raiz de multiplicidade 2", "0 is a root of multiplicity 2", "k=1"},
    {"x^3+kx^2+(k^2-k)x", "0 É RAIZ", "0 is a root", "k=k"},
    {"kx^2+k^2x-1", "P(1) = 0", "P(1) = 0", "k=(-1-√5)/2|k=(-1+√5)/2"},
    {"x+k^3-3k", "P(0) = -1", "P(0) = -1", "k≈-1.879385242|k≈0.3472963553|k≈1.532088886"},
    // No equation of the first degree: the resultant eliminates b.
    {"x^2+abx+a^2+b^2", "P(0) = 5; P(1) = 8", "P(0) = 5; P(1) = 8", "a=-2,b=-1|a=-1,b=-2|a=1,b=2|a=2,b=1"},
    {"x^3+kx^2-4", "divisível por x-2;divisível por x-2;P(2)=0", "divisible by x-2;P(2)=0", "k=-1"},
    {"x^2+k", "P(1) = 1; P(1) = 2", "P(1) = 1; P(1) = 2", "nenhum"},
    {"x^12+k^12x+1", "P(1) = 0", "P(1) = 0", "nenhum"},
    // An equation in the parameter with a repeated factor: "(k-1)^2 = 0".
    {"x^2+k^2x-2kx", "P(1) = 0", "P(1) = 0", "k=1"},
};

// clang-format on

std::string Juntas(const std::vector<std::string>& soluções)
{
    std::string s;
    for (const std::string& solução : soluções)
        s += (s.empty() ? "" : "|") + solução;
    return s;
}

class Parametros : public testing::TestWithParam<Caso>
{};

TEST_P(Parametros, SolvesInBothLanguagesWithStepsAndACheck)
{
    const Caso& c = GetParam();
    const std::array<std::pair<const char*, Tradutor>, 2> línguas{
        {{c.pt, EmPortuguês}, {c.en, teste::EmInglês(VENDRIX_CATALOGO_EN)}}};
    for (const auto& [condições, t] : línguas) {
        const Resolução r = ResolverExercício(Exercício::Parâmetros, {c.p1, {}, {}, condições, {}}, t);
        ASSERT_FALSE(r.falha) << condições << ": " << r.falha->mensagem;
        EXPECT_EQ(Juntas(r.parâmetros), c.soluções) << condições;
        // Every formula on a line of its own is an expression, but for a
        // list of relations side by side.
        for (const Bloco& b : r.documento.blocos)
            if (const auto* d = std::get_if<Destaque>(&b)) {
                EXPECT_TRUE(std::holds_alternative<algebra::Expressão>(d->fórmula.valor) ||
                            std::get<std::string>(d->fórmula.valor).find(", ") != std::string::npos)
                    << std::get<std::string>(d->fórmula.valor);
            }
        // Every sentence translated, and a check after every exact answer
        // that puts a value in.
        const std::string texto = EmTexto(r.documento);
        EXPECT_EQ(texto.find('?'), std::string::npos) << texto;
        const std::string_view s = c.soluções;
        const bool verifica = s.find_first_of("n≈√") == std::string_view::npos && s != "k=k";
        EXPECT_EQ(texto.find(t(FonteDe(Texto::VerificaçãoComValores)).substr(0, 8)) != std::string::npos,
                  verifica)
            << texto;
    }
}

INSTANTIATE_TEST_SUITE_P(Casos, Parametros, testing::ValuesIn(Casos));

// P with the values put in, a polynomial in x alone; a family is taken at a
// few values of its free letter.
std::vector<algebra::Polinómio> ComValores(const algebra::PolinómioComParâmetros& p, const Atribuição& a)
{
    std::vector<algebra::Polinómio> ps;
    for (int livre : {-2, 0, 3}) {
        algebra::PolinómioComParâmetros q = p;
        for (const ValorDoParâmetro& v : a) {
            auto valor = algebra::ExpandirComParâmetros(v.valor).Valor();
            algebra::Pp pp = valor.coeficientes.empty() ? algebra::Pp{} : valor.coeficientes[0];
            for (char l : algebra::Letras(pp))
                pp = algebra::SubstituirLetra(pp, l, algebra::ConstanteP(livre));
            q = algebra::SubstituirLetra(q, v.letra, pp);
        }
        ps.push_back(*algebra::SemLetras(q));
    }
    return ps;
}

bool Cumpre(const algebra::Polinómio& p, const Condição& c)
{
    switch (c.forma) {
    case FormaDaCondição::Divisível:
    case FormaDaCondição::Resto:
        return algebra::Dividir(p, c.divisor).Valor().resto == c.resto;
    case FormaDaCondição::Valor:
        return algebra::Avaliar(p, c.ponto) == c.valor;
    case FormaDaCondição::Raiz:
        break;
    }
    algebra::Polinómio d = p;
    for (std::size_t ordem = 0; ordem < c.multiplicidade; ++ordem, d = algebra::Derivada(d))
        if (algebra::Avaliar(d, c.ponto) != 0)
            return false;
    return !c.exacta || algebra::Avaliar(d, c.ponto) != 0;
}

TEST(Parametros, EveryExactSolutionMeetsEveryCondition)
{
    for (const Caso& c : Casos) {
        const auto soluções = SoluçõesDosParâmetros(c.p1, c.pt);
        ASSERT_TRUE(soluções) << c.p1;
        const auto e =
            algebra::LerExpressão(c.p1, {.parâmetros = LetrasDosParâmetros, .relação = false, .x = true});
        const auto p = algebra::ExpandirComParâmetros(e.Valor()).Valor();
        for (const Atribuição& a : *soluções) {
            const auto ComForma = [](const ValorDoParâmetro& v) {
                return !v.aproximado && algebra::ExpandirComParâmetros(v.valor).Ok();
            };
            if (!std::ranges::all_of(a, ComForma))
                continue;
            for (const algebra::Polinómio& q : ComValores(p, a))
                for (const Condição& condição : LerCondições(c.pt).condições)
                    EXPECT_TRUE(Cumpre(q, condição)) << c.p1 << " " << c.pt;
        }
    }
}

struct Recusa
{
    const char *p1, *condições;
    Caixa caixa;
    std::size_t posição;
    const char* peça; // in the message
};

// clang-format off
const Recusa Recusas[] = {
    {"x^3+kx^2-4", "divisível pelo x-2", Caixa::Condições, 1, "linha 1, a leitura parou em «divisível pelo x-2»"},
    {"x^3+kx^2-4", "P(1)=0\n divisível por x-k", Caixa::Condições, 25, "linha 2"},
    {"x^3+kx^2-4", "P(1)=0; 2 é raiz de multiplicidade 99", Caixa::Condições, 0, "«99»"},
    {"x^3+kx^2-4", "", Caixa::Condições, 0, ""},
    {"x^3+kx^2-4", "divisível por 0", Caixa::Condições, 0, ""},
    {"x^3+kx^2-4", "2 \xC3 \xA9 raiz", Caixa::Condições, 0, "linha 1"},
    {"ax^2+bx+c", "P(1) = 0", Caixa::Polinómio1, 0, "3 parâmetros (a, b, c)"},
    {"x^2+3", "P(1) = 4", Caixa::Polinómio1, 0, "não tem parâmetros"},
    {"x^1000+k", "P(10^500) = 0", Caixa::Polinómio1, 0, ""},
};

// clang-format on

TEST(Parametros, RefusesWithTheBoxAndThePiece)
{
    for (const Recusa& c : Recusas) {
        const Resolução r =
            ResolverExercício(Exercício::Parâmetros, {c.p1, {}, {}, c.condições, {}}, EmPortuguês);
        ASSERT_TRUE(r.falha) << c.condições;
        EXPECT_EQ(r.falha->caixa, c.caixa) << c.condições;
        if (c.posição > 0) {
            EXPECT_EQ(r.falha->posição, c.posição) << c.condições;
        }
        EXPECT_NE(r.falha->mensagem.find(c.peça), std::string::npos) << r.falha->mensagem;
    }
}

// What no exact method reaches is said, and nothing is guessed.
TEST(Parametros, RefusesASystemNoMethodSolves)
{
    for (const auto& [p1, condições] : {std::pair{"x^2+a^2x+b^2", "P(1) = 2"},
                                        std::pair{"x^13+k^13", "P(1) = 2"},
                                        std::pair{"x^2+(a^2+b^2)x+ab", "P(0) = 1; P(1) = 5"}}) {
        const Resolução r =
            ResolverExercício(Exercício::Parâmetros, {p1, {}, {}, condições, {}}, EmPortuguês);
        ASSERT_FALSE(r.falha) << p1;
        EXPECT_TRUE(r.parâmetros.empty()) << p1 << " " << Juntas(r.parâmetros);
        EXPECT_FALSE(SoluçõesDosParâmetros(p1, condições)) << p1;
    }
}

// Inputs built to make the solver work hard end in an answer or a refusal,
// within the work budget: "" is a refusal in the steps, "falha" one of the
// boxes.
TEST(Parametros, HostileInputsEndInAnAnswerOrARefusal)
{
    const std::string repetidas = [] {
        std::string r;
        for (int i = 0; i < 100; ++i)
            r += "2 é raiz dupla;";
        return r;
    }();
    const std::array<std::array<std::string, 3>, 10> casos{{
        {"k^12(x^12+x^11+1)", "P(1) = 0", "k=0"},
        {"x^3-3x^2+m", repetidas, "m=4"},
        {"x^2+ax+b", "P(1) = 0; P(1) = 1", "nenhum"},
        {"x^2+ax+b^12+a", "P(0) = 5; P(1) = 0", "a=-6,b"},
        {"x^2+ax+b^2+a", "P(0) = 5; P(1) = 0; P(2) = 1", "nenhum"},
        {"(x+k)^12", "divisível por x^2+1", "nenhum"},
        {"a^12x^2+b^12x+a^6b^6", "P(1) = 1; P(-1) = 2", ""},
        {"(x+a+b)^12", "P(1) = 0; P(2) = 0", ""},
        {"x^40+k^12x", "3 é raiz de multiplicidade 30", "nenhum"},
        {"x^2+1234567890123456789012345678901234567890^99kx", "P(1) = 0", "k=-1/1"},
    }};
    for (const auto& [p1, condições, esperado] : casos) {
        const Resolução r =
            ResolverExercício(Exercício::Parâmetros, {p1, {}, {}, condições, {}}, EmPortuguês);
        EXPECT_EQ(r.falha ? "falha" : Juntas(r.parâmetros).substr(0, 6), esperado) << p1;
    }
}

} // namespace
} // namespace vendrix::resolucao
