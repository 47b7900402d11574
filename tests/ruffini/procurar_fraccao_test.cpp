// SPDX-License-Identifier: MIT
#include "caminhada.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

namespace vendrix::ruffini {
namespace {

struct Caso
{
    const char* nome;
    double valor;
    Fracção esperada; // den 0: Transbordo
};

const Caso Casos[] = {
    {"um_quarto", 0.25, {1, 4}},
    {"zero", 0.0, {0, 2}},
    {"zero_negativo", -0.0, {0, 2}},
    {"menos_dois_tercos", -2.0 / 3.0, {-2, 3}},
    {"maior_inteiro", 2147483647.0, {2147483647, 1}},
    {"dois_elevado_a_31", 2147483648.0, {0, 0}},
    {"numerador_no_limite", 2147483647.0 / 2.0, {2147483647, 2}},
    {"numerador_passa_o_limite", 2147483646.5, {0, 0}},
    {"denominador_no_limite", 1.0 / 2147483647.0, {1, 2147483647}},
    {"denominador_passa_o_limite", 1.0 / 2147483648.0, {0, 0}},
    {"minusculo", 1e-300, {0, 0}},
    {"enorme", 1e300, {0, 0}},
    {"raiz_de_dois_simples", static_cast<double>(1.41421356f), {11863283, 8388608}},
    {"inverso_de_pi_simples", 1.0 / static_cast<double>(3.14159265f), {4194304, 13176795}},
    {"nan", std::numeric_limits<double>::quiet_NaN(), {0, 0}},
    {"infinito", std::numeric_limits<double>::infinity(), {0, 0}},
};

void PrintTo(const Caso& c, std::ostream* saída) { *saída << c.nome; }

using ProcurarFraccaoTeste = ::testing::TestWithParam<Caso>;

TEST_P(ProcurarFraccaoTeste, AchaAMenorFraccaoOuTransborda)
{
    const Caso& c = GetParam();
    const auto r = ProcurarFracção(c.valor);
    ASSERT_EQ(r.Ok(), c.esperada.den != 0);
    EXPECT_EQ(r.ValorOu({0, 0}), c.esperada);
    EXPECT_TRUE(r.Ok() || r.Falha().código == runtime::Código::Transbordo);
}

INSTANTIATE_TEST_SUITE_P(Valores, ProcurarFraccaoTeste, ::testing::ValuesIn(Casos), [](const auto& linha) {
    return std::string(linha.param.nome);
});

// The values the table passes, with walks short enough to run here: quotients of
// small whole numbers (one in a hundred with a large denominator; one in five
// of singles with up to three binary places), whole numbers, either sign, zero.
TEST(ProcurarFraccaoContraACaminhada, DaOMesmoQueACaminhadaLiteral)
{
    std::mt19937_64 gerador(20240601);
    const auto até = [&](std::int64_t máximo) {
        return std::uniform_int_distribution<std::int64_t>(0, máximo)(gerador);
    };
    std::vector<double> valores = {0.0, -0.0};
    for (int i = 0; i < 100000; ++i) {
        const bool grande = i % 100 == 0;
        const auto n = static_cast<double>(até(grande ? 50 : 3000));
        const auto d = static_cast<double>(1 + até(grande ? 20000 : 400));
        valores.push_back(std::ldexp(n / d, i % 5 == 1 ? static_cast<int>(até(6)) - 3 : 0));
        if (i % 200 == 0)
            valores.push_back(std::floor(std::pow(1e6, i / 100000.0)));
        if (i % 2 == 0)
            valores.push_back(-valores.back());
    }
    int comparados = 0;
    for (const double valor : valores) {
        const auto caminhada = testes::Caminhar(valor, 1'000'000);
        if (caminhada.fim == testes::Fim::Desistiu)
            continue;
        ++comparados;
        const auto r = ProcurarFracção(valor);
        ASSERT_EQ(r.Ok(), caminhada.fim == testes::Fim::Achou) << valor;
        ASSERT_EQ(r.ValorOu(caminhada.fracção), caminhada.fracção) << valor;
    }
    RecordProperty("comparados", comparados);
    EXPECT_GE(comparados, 100000);
}

// Past the reach of the walk: every whole number of the 32-bit range is its
// own fraction, and a quotient n/m never needs a denominator above m.
TEST(ProcurarFraccaoSemCaminhada, InteirosEQuocientesGrandes)
{
    std::mt19937_64 gerador(7);
    std::uniform_int_distribution<std::int32_t> inteiro(1, std::numeric_limits<std::int32_t>::max());
    for (int i = 0; i < 20000; ++i) {
        const std::int32_t n = inteiro(gerador);
        const std::int32_t m = inteiro(gerador);
        ASSERT_EQ(ProcurarFracção(n).Valor(), (Fracção{n, 1}));
        ASSERT_EQ(ProcurarFracção(-n).Valor(), (Fracção{-n, 1}));
        const double quociente = static_cast<double>(n) / m;
        const auto r = ProcurarFracção(quociente);
        ASSERT_TRUE(r.Ok() && r.Valor().den <= m) << n << "/" << m;
        EXPECT_EQ(r.Valor().num / static_cast<double>(r.Valor().den), quociente);
    }
}

} // namespace
} // namespace vendrix::ruffini
