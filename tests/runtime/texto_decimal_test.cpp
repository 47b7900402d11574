// SPDX-License-Identifier: MIT
#include "runtime/numeros.h"
#include "runtime/texto_decimal.h"

#include <gtest/gtest.h>

#include <limits>

namespace vendrix::runtime {
namespace {

struct Caso
{
    const char* nome;
    double valor;
    const char* texto;
};

const Caso Casos[] = {
    {"oito_algarismos", 12345678.0, "12345678"},
    {"negativo_com_oito_algarismos", -12345678.0, "-12345678"},
    {"vinte_algarismos", 1e20, "100000000000000000000"},
    {"meio_negativo", -1.5, "-1.5"},
    {"decimo_simples", static_cast<double>(0.1f), "0.10000000149011612"},
    {"pequeno", 1e-7, "0.0000001"},
    {"zero", 0.0, "0"},
    {"zero_negativo", -0.0, "0"},
    {"nan", std::numeric_limits<double>::quiet_NaN(), "0"},
};

void PrintTo(const Caso& c, std::ostream* saída) { *saída << c.nome; }

class TextoDecimalTeste : public ::testing::TestWithParam<Caso>
{};

TEST_P(TextoDecimalTeste, SóAlgarismosQueSeLêemDeVolta)
{
    const Caso& c = GetParam();
    const std::string texto = TextoDecimal(c.valor);
    EXPECT_EQ(texto, c.texto);
    if (c.valor == c.valor) {
        EXPECT_EQ(TextoParaNúmero(texto).Valor(), c.valor);
    }
}

std::string NomeDaLinha(const ::testing::TestParamInfo<Caso>& linha) { return linha.param.nome; }

INSTANTIATE_TEST_SUITE_P(Valores, TextoDecimalTeste, ::testing::ValuesIn(Casos), NomeDaLinha);

} // namespace
} // namespace vendrix::runtime
