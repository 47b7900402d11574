// SPDX-License-Identifier: MIT
#include "algebra/escrever.h"
#include "algebra/ler.h"
#include "catalogo.h"
#include "resolucao/praticar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <tuple>

namespace {

using namespace vendrix;
using namespace vendrix::resolucao;

constexpr std::uint64_t Sementes = 200;

struct Caso
{
    Tipo tipo;
    int nível;
};

std::vector<Caso> Casos()
{
    std::vector<Caso> casos;
    for (const std::string_view nome : NomesDosTipos())
        for (int nível = NívelMínimo; nível <= NívelMáximo; ++nível)
            casos.push_back({*TipoDoNome(nome), nível});
    return casos;
}

void PrintTo(const Caso& c, std::ostream* os) { *os << NomeDoTipo(c.tipo) << ' ' << c.nível; }

std::string NomeDoCaso(const ::testing::TestParamInfo<Caso>& linha)
{
    std::string nome(NomeDoTipo(linha.param.tipo));
    std::ranges::replace(nome, '-', '_');
    return nome + "_" + std::to_string(linha.param.nível);
}

Resolução Resolver(const ExercícioGerado& g, std::string_view resposta)
{
    return ResolverExercício(
        g.exercício, Pergunta{g.polinómio1, g.polinómio2, g.ponto, g.condições, resposta}, EmPortuguês);
}

// A wrong answer of the form the exercise expects: a remainder or a value
// off by one, a factor or a solution too many, a set that misses, a
// parameter's value that fails.
std::string Errada(const ExercícioGerado& g, const Resolução& r)
{
    const auto maisUm = [](const std::string& t) {
        return algebra::Escrever(algebra::LerPolinómio(t).Valor() + algebra::DeCoeficientes({1}));
    };
    switch (g.tipo) {
    case Tipo::TeoremaDoResto:
        return maisUm(r.valor);
    case Tipo::Factorizar:
        return g.resposta + "(x-1000)";
    case Tipo::Equação:
        return g.resposta + " ∨ x = 1000";
    case Tipo::Inequação:
        return "{1000}";
    case Tipo::Parâmetros: {
        std::string errada;
        for (std::size_t i = 0; i < g.resposta.size(); i = g.resposta.find(", ", i) + 2) {
            errada +=
                (errada.empty() ? "" : ", ") + g.resposta.substr(i, g.resposta.find('=', i) - i) + "= 1000";
            if (g.resposta.find(", ", i) == std::string::npos)
                break;
        }
        return errada;
    }
    default:
        return "Q = " + r.quociente + "; R = " + maisUm(r.resto);
    }
}

// The question's polynomial: Polinómio 1 up to a relation's sign.
algebra::Polinómio Questão(const ExercícioGerado& g)
{
    return algebra::LerPolinómio(g.polinómio1.substr(0, g.polinómio1.find_first_of("<>="))).Valor();
}

// What may appear in an exact root or a set at each level: integers at
// the first, fractions from the second, surds at the third.
void RaízesDoNível(std::string_view texto, int nível)
{
    EXPECT_TRUE(nível > 1 || texto.find('/') == std::string_view::npos) << texto;
    EXPECT_TRUE(nível > 2 || texto.find("√") == std::string_view::npos) << texto;
    EXPECT_EQ(texto.find("≈"), std::string_view::npos) << texto;
}

class GerarTeste : public ::testing::TestWithParam<Caso>
{};

TEST_P(GerarTeste, DaARespostaPrometida)
{
    const auto [tipo, nível] = GetParam();
    for (std::uint64_t semente = 0; semente < Sementes; ++semente) {
        SCOPED_TRACE(semente);
        const ExercícioGerado g = GerarExercício(tipo, nível, semente, EmPortuguês);
        const ExercícioGerado outra = GerarExercício(tipo, nível, semente, EmPortuguês);
        EXPECT_EQ(std::tie(outra.polinómio1, outra.polinómio2, outra.ponto, outra.condições, outra.resposta),
                  std::tie(g.polinómio1, g.polinómio2, g.ponto, g.condições, g.resposta));
        EXPECT_EQ(outra.enunciado, g.enunciado);
        ASSERT_FALSE(g.resposta.empty());
        const Resolução r = Resolver(g, {});
        // Live once the exercise solves parameters.
        if (tipo == Tipo::Parâmetros && r.parâmetros.empty())
            continue;
        ASSERT_FALSE(r.falha) << g.polinómio1 << " | " << g.polinómio2 << " | " << g.condições;
        if (tipo != Tipo::Parâmetros) {
            const algebra::Polinómio p = Questão(g);
            EXPECT_LE(algebra::Grau(p), static_cast<std::size_t>(nível + 2)) << g.polinómio1;
            for (const auto& c : p.coeficientes)
                EXPECT_LE(algebra::Racional(abs(c)), 100 * nível) << g.polinómio1;
        }
        switch (tipo) {
        case Tipo::Factorizar:
            for (const RaizDoExercício& raiz : r.raízes)
                RaízesDoNível(raiz.exacta, nível);
            break;
        case Tipo::Equação:
            EXPECT_FALSE(r.soluções.empty()) << g.polinómio1;
            for (const RaizDoExercício& raiz : r.soluções)
                RaízesDoNível(raiz.exacta, nível);
            break;
        case Tipo::Inequação:
            RaízesDoNível(r.conjunto, nível);
            break;
        case Tipo::TeoremaDoResto:
            EXPECT_TRUE(nível > 1 || r.valor.find('/') == std::string::npos) << r.valor;
            break;
        case Tipo::Parâmetros:
            EXPECT_EQ(r.parâmetros.size(), 1U) << g.polinómio1 << " | " << g.condições;
            break;
        default:
            // Integer quotient and remainder, by construction.
            EXPECT_EQ((r.quociente + r.resto).find('/'), std::string::npos) << g.resposta;
        }
    }
}

// Live once the check of answers is in: the key is right and a planted
// mistake is not.
TEST_P(GerarTeste, AChaveÉCertaEUmErroNão)
{
    const auto [tipo, nível] = GetParam();
    for (std::uint64_t semente = 0; semente < Sementes; ++semente) {
        SCOPED_TRACE(semente);
        const ExercícioGerado g = GerarExercício(tipo, nível, semente, EmPortuguês);
        const Resolução certa = Resolver(g, g.resposta);
        if (!certa.verificação || (tipo == Tipo::Parâmetros && certa.parâmetros.empty()))
            GTEST_SKIP() << "answers are not checked yet";
        EXPECT_EQ(certa.verificação->veredicto, "certo") << g.polinómio1 << " | " << g.resposta;
        const std::string errada = Errada(g, certa);
        const std::optional<Verificação> v = Resolver(g, errada).verificação;
        ASSERT_TRUE(v) << errada;
        EXPECT_EQ(v->veredicto, "errado") << g.polinómio1 << " | " << errada;
    }
}

INSTANTIATE_TEST_SUITE_P(TiposENíveis, GerarTeste, ::testing::ValuesIn(Casos()), NomeDoCaso);

// The boxes and the key do not depend on the language; the statement and
// the conditions are in it, every sentence found in the catalogue.
TEST(Gerar, EmInglêsSóMudaAsPalavras)
{
    const Tradutor inglês = teste::EmInglês(VENDRIX_CATALOGO_EN);
    for (const Caso& c : Casos()) {
        const ExercícioGerado pt = GerarExercício(c.tipo, c.nível, 7, EmPortuguês);
        const ExercícioGerado en = GerarExercício(c.tipo, c.nível, 7, inglês);
        EXPECT_EQ(std::tie(pt.polinómio1, pt.polinómio2, pt.ponto, pt.resposta),
                  std::tie(en.polinómio1, en.polinómio2, en.ponto, en.resposta));
        const auto& frase = std::get<Frase>(en.enunciado.blocos.at(0));
        EXPECT_NE(frase.modelo, std::get<Frase>(pt.enunciado.blocos.at(0)).modelo);
        EXPECT_NE(frase.modelo.front(), '?') << frase.modelo;
        EXPECT_EQ(en.condições.find('?'), std::string::npos) << en.condições;
    }
}

int Exercícios(const Documento& d)
{
    return static_cast<int>(std::ranges::count_if(d.blocos, [](const Bloco& b) {
        const auto* f = std::get_if<Frase>(&b);
        return f != nullptr && f->modelo.starts_with("Exercício ");
    }));
}

TEST(Ficha, NumeraAsPerguntasEDáAChave)
{
    const PedidoDeFicha pedido{
        {{Tipo::Factorizar, 2}, {Tipo::Inequação, 1}, {Tipo::DividirPorAXMaisB, 0}}, 2, 4321};
    const Ficha ficha = FazerFicha(pedido, EmPortuguês);
    ASSERT_EQ(ficha.exercícios.size(), 3U);
    EXPECT_EQ(Exercícios(ficha.soluções), 3);
    EXPECT_TRUE(std::get<Frase>(ficha.enunciados.blocos.at(3)).modelo.starts_with("3. "));
    for (const Documento* d : {&ficha.enunciados, &ficha.soluções})
        EXPECT_EQ(std::get<Frase>(d->blocos.back()).argumentos, (std::vector<Fórmula>{"2", "4321"}));
    EXPECT_EQ(FazerFicha(pedido, EmPortuguês).soluções, ficha.soluções);
    PedidoDeFicha b = pedido;
    b.semente = PróximaSemente(pedido.semente);
    EXPECT_NE(FazerFicha(b, EmPortuguês).enunciados, ficha.enunciados);
    const std::string html = FichaEmHtml(ficha, EmPortuguês);
    EXPECT_LT(html.find("3. "), html.find("vx-chave\""));
    const std::string tex = FichaEmLaTeX(ficha, EmPortuguês);
    EXPECT_LT(tex.find("3. "), tex.find("\\clearpage"));
}

// A level out of range is the nearest one; any seed will do.
TEST(Gerar, NívelESementeForaDoComum)
{
    const auto resposta = [](int nível, std::uint64_t semente) {
        return GerarExercício(Tipo::Factorizar, nível, semente, EmPortuguês).resposta;
    };
    EXPECT_EQ(resposta(-5, 3), resposta(NívelMínimo, 3));
    EXPECT_EQ(resposta(INT_MAX, 3), resposta(NívelMáximo, 3));
    EXPECT_FALSE(resposta(2, UINT64_MAX).empty());
    EXPECT_LT(PróximaSemente(UINT64_MAX), 1ULL << 32U);
}

TEST(Ficha, NuncaPassaDoMáximo)
{
    const Ficha ficha =
        FazerFicha({{{Tipo::TeoremaDoResto, INT_MAX}, {Tipo::Factorizar, INT_MAX}}, 1, 1}, EmPortuguês);
    EXPECT_EQ(ficha.exercícios.size(), ExercíciosPorFichaMáximo);
    EXPECT_TRUE(
        std::ranges::all_of(ficha.exercícios, [](const auto& g) { return g.tipo == Tipo::TeoremaDoResto; }));
}

} // namespace
