// SPDX-License-Identifier: MIT
#include "algebra/dividir.h"
#include "algebra/escrever.h"
#include "algebra/ler.h"
#include "gerar.h"

#include <gtest/gtest.h>

#include <random>

namespace vendrix::algebra {
namespace {

Polinómio Ler(std::string_view texto)
{
    const runtime::Resultado<Polinómio> lido = LerPolinómio(texto);
    EXPECT_TRUE(lido.Ok()) << texto;
    return lido.Ok() ? lido.Valor() : Polinómio{};
}

struct Caso
{
    std::string_view nome, p, d, q, r;
};

constexpr Caso Casos[] = {
    {"divisor_quadratico", "x^4-3x^3+5x^2-2x-1", "x^2+1", "x^2-3x+4", "x-5"},
    {"divisor_nao_monico", "x^5", "2x^3-3", "1/2x^2", "3/2x^2"},
    {"fraccoes_e_divisor_negativo", "1/2x^3-5/3x^2+1", "-x^2+1", "-1/2x+5/3", "1/2x-2/3"},
    {"exacta", "2x^3+3x^2-1", "2x-1", "x^2+2x+1", "0"},
    {"por_constante", "x^2+1", "3", "1/3x^2+1/3", "0"},
    {"grau_menor", "x+1", "x^2", "0", "x+1"},
    {"dividendo_nulo", "0", "5x", "0", "0"},
    {"saltos_no_resto", "x^6+1", "3x^2", "1/3x^4", "1"},
};

using Divisões = ::testing::TestWithParam<Caso>;

TEST_P(Divisões, QuocienteERestoExactos)
{
    const runtime::Resultado<Divisão> r = Dividir(Ler(GetParam().p), Ler(GetParam().d));
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ(Escrever(r.Valor().quociente), GetParam().q);
    EXPECT_EQ(Escrever(r.Valor().resto), GetParam().r);
}

INSTANTIATE_TEST_SUITE_P(Exemplos, Divisões, ::testing::ValuesIn(Casos), [](const auto& linha) {
    return std::string(linha.param.nome);
});

TEST(Dividir, PorZeroERecusado)
{
    const runtime::Resultado<Divisão> r = Dividir(Ler("x^2+1"), Ler("x-x"));
    ASSERT_FALSE(r.Ok());
    EXPECT_EQ(r.Falha().código, runtime::Código::DivisorNulo);
}

TEST(Avaliar, ValorExactoNumPontoLido)
{
    const runtime::Resultado<Racional> a = LerRacional("1/2");
    ASSERT_TRUE(a.Ok());
    EXPECT_EQ(EscreverRacional(Avaliar(Ler("x^3-6x^2+11x-6"), a.Valor())), "-15/8");
}

// The check refuses a wrong quotient and a remainder that is not smaller.
TEST(Verificar, RecusaDivisoesErradas)
{
    const Polinómio p = Ler("x^2+1"), d = Ler("x+1");
    EXPECT_TRUE(Verificar(p, d, {Ler("x-1"), Ler("2")}).confere);
    EXPECT_FALSE(Verificar(p, d, {Ler("x"), Ler("1")}).confere);
    EXPECT_FALSE(Verificar(p, d, {Ler("0"), Ler("x^2+1")}).confere);
    EXPECT_EQ(Escrever(Verificar(p, d, {Ler("x"), Ler("1")}).expandido), "x^2+x+1");
}

// P = D·Q + R with deg R < deg D, by the check and by the arithmetic alone;
// and the remainder theorem: dividing by x - a leaves P(a).
TEST(Propriedades, DividendoIgualADivisorVezesQuocienteMaisResto)
{
    std::mt19937 gerador(21);
    for (int n = 0; n < 300; ++n) {
        const Polinómio p = PolinómioAoAcaso(gerador), d = PolinómioAoAcaso(gerador);
        if (ÉZero(d))
            continue;
        const runtime::Resultado<Divisão> r = Dividir(p, d);
        ASSERT_TRUE(r.Ok());
        const Divisão& qr = r.Valor();
        EXPECT_EQ(d * qr.quociente + qr.resto, p) << Escrever(p) << " ÷ " << Escrever(d);
        EXPECT_TRUE(ÉZero(qr.resto) || Grau(qr.resto) < Grau(d));
        EXPECT_TRUE(Verificar(p, d, qr).confere);
        const Racional a(n % 7 - 3, n % 5 + 1);
        const runtime::Resultado<Divisão> porRaiz = Dividir(p, DeCoeficientes({-a, 1}));
        ASSERT_TRUE(porRaiz.Ok());
        EXPECT_EQ(porRaiz.Valor().resto, DeCoeficientes({Avaliar(p, a)}));
    }
}

} // namespace
} // namespace vendrix::algebra
