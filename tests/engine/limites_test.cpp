// SPDX-License-Identifier: MIT
#include "caixas.h"
#include "engine/comandos.h"
#include "engine/polinomio_lido.h"
#include "engine/produto.h"
#include "engine/simplificar.h"
#include "engine/termos.h"

#include <gtest/gtest.h>

#include <string>

namespace vendrix::engine {
namespace {

using runtime::Código;

// n terms, each the given one, separated by single blanks.
std::string Repetir(std::string_view termo, std::size_t n)
{
    std::string texto;
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0)
            texto += ' ';
        texto += termo;
    }
    return texto;
}

TEST(Limites, TermosDemaisTransbordamAntesDeQualquerLeitura)
{
    testes::GravadorDeMensagens gravador;
    EXPECT_EQ(Simplificar(Repetir("x", 32767), gravador), "+32767x ");
    EXPECT_TRUE(gravador.caixas.empty());
    // The unreadable exponent of the last term is never reached.
    EXPECT_EQ(Simplificar(Repetir("x", 32767) + " x^a", gravador), "");
    EXPECT_EQ(gravador.caixas, CaixasDe(TítuloSimplificar, Código::Transbordo));
}

TEST(Limites, GrauAltoCustaSóASuaTabela)
{
    testes::GravadorDeMensagens gravador;
    EXPECT_EQ(Simplificar("x^30000 +x^30000 -1", gravador), "+2x^30000 -1 ");
    EXPECT_TRUE(gravador.caixas.empty());
}

TEST(Limites, MonómiosDemaisSãoFalhaDoProduto)
{
    testes::GravadorDeMensagens gravador;
    EXPECT_EQ(MultiplicarPolinómios("1", Repetir("x", 32767), gravador), "+32767x ");
    EXPECT_TRUE(gravador.caixas.empty());
    EXPECT_EQ(MultiplicarPolinómios("1", Repetir("x", 32768), gravador), "");
    EXPECT_EQ(gravador.caixas, CaixasDe(TítuloMultiplicarPolinómios, Código::Transbordo));
}

TEST(Limites, ProdutoComPeçasDemaisTransbordaEmSimplificar)
{
    testes::GravadorDeMensagens gravador;
    // 2 × 16,383 pieces fit; 2 × 16,384 do not.
    EXPECT_EQ(MultiplicarPolinómios("1 1", Repetir("x", 16383), gravador), "+32766x ");
    EXPECT_TRUE(gravador.caixas.empty());
    EXPECT_EQ(MultiplicarPolinómios("1 1", Repetir("x", 16384), gravador), "");
    EXPECT_EQ(gravador.caixas, CaixasDe(TítuloSimplificar, Código::Transbordo));
}

TEST(Limites, DoisPolinómiosColadosDe20000Termos)
{
    std::string colado = "x";
    for (int i = 1; i < 20000; ++i)
        colado += "+x";
    testes::GravadorDeMensagens gravador;
    const Comando produto = Multiplicar(colado, colado + "+x^a", gravador);
    EXPECT_EQ(produto.Resultado, "");
    // The unreadable last monomial reports first, then the joined text overflows.
    const std::vector<testes::CaixaMostrada> esperadas{
        Caixa(TítuloMultiplicarMonómios, Código::TipoIncompatível),
        Caixa(TítuloSimplificar, Código::Transbordo)};
    EXPECT_EQ(gravador.caixas, esperadas);
}

// The product written out in full, joined and simplified: what
// MultiplicarPolinómios must match without writing it when it is too long.
std::string
ProdutoLiteral(std::string_view primeiro, std::string_view segundo, runtime::ServiçoDeMensagens& m)
{
    std::string juntado;
    while (!primeiro.empty() && primeiro.back() == ' ')
        primeiro.remove_suffix(1);
    Termos monómios(segundo);
    while (const auto monómio = monómios.Próximo())
        juntado += MultiplicarMonómios(primeiro, *monómio, m);
    while (!juntado.empty() && juntado.back() == ' ')
        juntado.pop_back();
    return Simplificar(juntado, m);
}

struct CasoPrevisão
{
    const char* nome;
    std::string_view primeiro; // repeated until it has about 200 terms
    std::string_view segundo;  // repeated likewise
};

constexpr CasoPrevisão CasosPrevisão[] = {
    {"tudo_legivel", "x^2 -3x +1", "2x -1"},
    {"coeficientes_crescentes", "1 2x 1e10x^2 3e30x^3", "1e8 -1e9x x^b"},
    {"expoentes_crescentes_e_negativos", "x^1e30 x^3e38 2", "x^-3e38 x^3e38 x"},
    {"expoentes_negativos_transbordam", "x^-3e38 5", "x^-1e38 x^-3e38 7"},
    {"termo_ilegivel_depois_de_recordes", "1e20 x^2 1e30x^a 4", "1e10 1e-10 x^a"},
    {"coeficiente_ilegivel", "x 3x^2 2*x 1", "1e37 +x"},
    {"monomios_vazios", "x -1", "x  +1 "},
};

void PrintTo(const CasoPrevisão& c, std::ostream* saída) { *saída << c.nome; }

class PrevisãoTeste : public ::testing::TestWithParam<CasoPrevisão>
{};

TEST_P(PrevisãoTeste, PrevêCadaChamadaComoELaCorre)
{
    const CasoPrevisão& c = GetParam();
    const std::string primeiro = Repetir(c.primeiro, 200 / ContarTermos(c.primeiro));
    const PolinómioLido previsão(primeiro);
    Termos monómios(c.segundo);
    while (const auto monómio = monómios.Próximo()) {
        testes::GravadorDeMensagens gravador;
        const std::string peças = MultiplicarMonómios(primeiro, *monómio, gravador);
        const auto m = LerTermo(*monómio);
        if (!m.Ok())
            continue;
        const Previsão p = previsão.Prever(m.Valor());
        EXPECT_EQ(p.peças, ContarTermos(peças) == 0 ? 0 : ContarTermos(peças) - 1) << *monómio;
        ASSERT_EQ(p.falha.has_value(), !gravador.caixas.empty()) << *monómio;
        if (p.falha) {
            EXPECT_EQ(gravador.caixas.front(), Caixa(TítuloMultiplicarMonómios, p.falha->código)) << *monómio;
        }
    }
}

// About 60 terms a side gives a product that is written; about 200, one
// that passes the term limit and is only forecast.
TEST_P(PrevisãoTeste, ProdutoRelataComoOLiteral)
{
    const CasoPrevisão& c = GetParam();
    for (const std::size_t termos : {60, 200}) {
        const std::string primeiro = Repetir(c.primeiro, termos / ContarTermos(c.primeiro));
        const std::string segundo = Repetir(c.segundo, termos / ContarTermos(c.segundo));
        testes::GravadorDeMensagens rápido;
        testes::GravadorDeMensagens literal;
        EXPECT_EQ(MultiplicarPolinómios(primeiro, segundo, rápido),
                  ProdutoLiteral(primeiro, segundo, literal))
            << termos;
        EXPECT_EQ(rápido.caixas, literal.caixas) << termos;
    }
}

std::string NomePrevisão(const ::testing::TestParamInfo<CasoPrevisão>& linha) { return linha.param.nome; }

INSTANTIATE_TEST_SUITE_P(Recordes, PrevisãoTeste, ::testing::ValuesIn(CasosPrevisão), NomePrevisão);

} // namespace
} // namespace vendrix::engine
