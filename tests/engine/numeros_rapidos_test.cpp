// SPDX-License-Identifier: MIT
#include "runtime/numeros.h"
#include "runtime/numeros_rapidos.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vendrix::runtime {
namespace {

// The shortcuts the engine reads and writes its numbers with must agree with
// the general conversion on every text, the short whole numbers they take
// over and the rest they hand on.
constexpr std::string_view Textos[] = {
    "0",        "-0",       "+0", "7",  "+7",  "-7",  "0012",   "9999999", "-9999999",
    "16777216", "12345678", "+",  "-",  "",    "1.5", "-2.5e3", "3e38",    "1e39",
    "1-2",      "2*",       " 5", "5 ", "\t5", "--5", "+-5",    "x",       "0x10",
};

TEST(NúmerosRápidos, LeemComoAConversãoGeral)
{
    for (const std::string_view texto : Textos) {
        const Resultado<float> geral = TextoParaSimples(texto);
        const Resultado<float> rápido = TextoParaSimplesDepressa(texto);
        ASSERT_EQ(rápido.Ok(), geral.Ok()) << texto;
        if (geral.Ok()) {
            EXPECT_EQ(rápido.Valor(), geral.Valor()) << texto;
            EXPECT_EQ(std::signbit(rápido.Valor()), std::signbit(geral.Valor())) << texto;
        } else {
            EXPECT_EQ(rápido.Falha().código, geral.Falha().código) << texto;
        }
    }
}

constexpr float Valores[] = {
    0.0f,
    -0.0f,
    1.0f,
    -1.0f,
    9999999.0f,
    -9999999.0f,
    1e7f,
    -1e7f,
    16777216.0f,
    0.5f,
    -2.25f,
    1e-5f,
    3e38f,
    std::numeric_limits<float>::max(),
    0.0312f,
    123456.5f,
};

TEST(NúmerosRápidos, EscrevemComoAConversãoGeral)
{
    for (const float valor : Valores)
        EXPECT_EQ(TextoDeSimplesDepressa(valor), TextoDeSimples(valor)) << valor;
}

} // namespace
} // namespace vendrix::runtime
