// SPDX-License-Identifier: MIT
#include "caminhada.h"
#include "ruffini/procurar_fraccao.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

namespace vendrix::ruffini {
namespace {

using testes::Caminhar;
using testes::Fim;

constexpr double Infinito = std::numeric_limits<double>::infinity();

struct Caso
{
    const char* nome;
    double valor;
    bool acha;
    std::int32_t num;
    std::int32_t den;
};

const Caso Casos[] = {
    {"um", 1.0, true, 1, 1},
    {"dois", 2.0, true, 2, 1},
    {"cinco", 5.0, true, 5, 1},
    {"meio", 0.5, true, 1, 2},
    {"dois_e_meio", 2.5, true, 5, 2},
    {"um_quarto", 0.25, true, 1, 4},
    {"um_terco", 1.0 / 3.0, true, 1, 3},
    {"quatro_meios", 4.0 / 2.0, true, 2, 1},
    {"seis_quartos", 6.0 / 4.0, true, 3, 2},
    {"zero", 0.0, true, 0, 2},
    {"zero_negativo", -0.0, true, 0, 2},
    {"menos_tres", -3.0, true, -3, 1},
    {"menos_meio", -0.5, true, -1, 2},
    {"menos_dois_tercos", -2.0 / 3.0, true, -2, 3},
    {"maior_inteiro", 2147483647.0, true, 2147483647, 1},
    {"menor_inteiro_simetrico", -2147483647.0, true, -2147483647, 1},
    {"dois_elevado_a_31", 2147483648.0, false, 0, 0},
    {"maior_inteiro_mais_meio", 2147483647.5, false, 0, 0},
    {"numerador_no_limite", 2147483647.0 / 2.0, true, 2147483647, 2},
    {"numerador_passa_o_limite", 2147483646.5, false, 0, 0},
    {"denominador_no_limite", 1.0 / 2147483647.0, true, 1, 2147483647},
    {"denominador_passa_o_limite", 1.0 / 2147483648.0, false, 0, 0},
    {"minusculo", 1e-300, false, 0, 0},
    {"enorme", 1e300, false, 0, 0},
    {"raiz_de_dois_simples", static_cast<double>(1.41421356f), true, 11863283, 8388608},
    {"inverso_de_pi_simples", 1.0 / static_cast<double>(3.14159265f), true, 4194304, 13176795},
    {"terco_simples", static_cast<double>(1.0f / 3.0f), true, 11184811, 33554432},
    {"nan", std::numeric_limits<double>::quiet_NaN(), false, 0, 0},
    {"infinito", Infinito, false, 0, 0},
    {"menos_infinito", -Infinito, false, 0, 0},
};

void PrintTo(const Caso& c, std::ostream* saída) { *saída << c.nome; }

class ProcurarFracçãoTeste : public ::testing::TestWithParam<Caso>
{};

TEST_P(ProcurarFracçãoTeste, AchaAMenorFracçãoOuTransborda)
{
    const Caso& c = GetParam();
    const auto r = ProcurarFracção(c.valor);
    ASSERT_EQ(r.Ok(), c.acha);
    if (c.acha)
        EXPECT_EQ(r.Valor(), (Fracção{c.num, c.den}));
    else
        EXPECT_EQ(r.Falha().código, runtime::Código::Transbordo);
}

std::string NomeDaLinha(const ::testing::TestParamInfo<Caso>& linha) { return linha.param.nome; }

INSTANTIATE_TEST_SUITE_P(Valores, ProcurarFracçãoTeste, ::testing::ValuesIn(Casos), NomeDaLinha);

// The values the table passes: quotients of whole numbers and of singles
// with a few binary places, either sign, zero, and whole numbers, all with
// walks short enough to run here.
std::vector<double> ValoresComCaminhadaCurta()
{
    std::mt19937_64 gerador(20240601);
    auto até = [&](std::int64_t máximo) {
        return static_cast<double>(std::uniform_int_distribution<std::int64_t>(0, máximo)(gerador));
    };
    std::vector<double> valores;
    for (int i = 0; i < 80000; ++i) // small numerators and denominators
        valores.push_back(até(3000) / (1.0 + até(400)));
    for (int i = 0; i < 1000; ++i) // large denominators, small values
        valores.push_back(até(50) / (1.0 + até(20000)));
    for (int i = 0; i < 20000; ++i) { // singles with up to three binary places
        const float y0 = static_cast<float>(até(4000)) / static_cast<float>(1 << static_cast<int>(até(3)));
        const float a =
            static_cast<float>(1.0 + até(100)) / static_cast<float>(1 << static_cast<int>(até(3)));
        valores.push_back(static_cast<double>(y0) / static_cast<double>(a));
    }
    for (int i = 0; i < 500; ++i) // whole numbers, spread over the decades
        valores.push_back(std::floor(std::exp(até(1000) / 1000.0 * std::log(1e6))));
    const std::size_t positivos = valores.size();
    for (std::size_t i = 0; i < positivos; i += 2)
        valores.push_back(-valores[i]);
    valores.push_back(0.0);
    valores.push_back(-0.0);
    return valores;
}

TEST(ProcurarFracçãoContraACaminhada, DáOMesmoQueACaminhadaLiteral)
{
    int comparados = 0;
    for (const double valor : ValoresComCaminhadaCurta()) {
        const auto caminhada = Caminhar(valor, 1'000'000);
        if (caminhada.fim == Fim::Desistiu)
            continue;
        ++comparados;
        const auto r = ProcurarFracção(valor);
        ASSERT_EQ(r.Ok(), caminhada.fim == Fim::Achou) << valor;
        if (r.Ok()) {
            ASSERT_EQ(r.Valor(), caminhada.fracção) << valor;
        }
    }
    RecordProperty("comparados", comparados);
    EXPECT_GE(comparados, 100000);
}

// The reciprocal of pi in single precision, the walk's own worst example:
// some thirteen million denominators, still within the 32-bit range.
TEST(ProcurarFracçãoContraACaminhada, InversoDePiSimples)
{
    const double valor = 1.0 / static_cast<double>(3.14159265f);
    const auto caminhada = Caminhar(valor, 40'000'000);
    ASSERT_EQ(caminhada.fim, Fim::Achou);
    EXPECT_EQ(ProcurarFracção(valor).Valor(), caminhada.fracção);
}

// Past the reach of the walk: every whole number of the 32-bit range is its
// own fraction, and a quotient p/q never needs a denominator above q.
TEST(ProcurarFracçãoSemCaminhada, InteirosEQuocientesGrandes)
{
    std::mt19937_64 gerador(7);
    std::uniform_int_distribution<std::int32_t> inteiro(1, std::numeric_limits<std::int32_t>::max());
    for (int i = 0; i < 20000; ++i) {
        const std::int32_t n = inteiro(gerador);
        ASSERT_EQ(ProcurarFracção(n).Valor(), (Fracção{n, 1}));
        ASSERT_EQ(ProcurarFracção(-static_cast<double>(n)).Valor(), (Fracção{-n, 1}));
        const std::int32_t m = inteiro(gerador);
        const double quociente = static_cast<double>(n) / static_cast<double>(m);
        const auto r = ProcurarFracção(quociente);
        ASSERT_TRUE(r.Ok()) << n << "/" << m;
        EXPECT_LE(r.Valor().den, m);
        EXPECT_EQ(static_cast<double>(r.Valor().num) / static_cast<double>(r.Valor().den), quociente);
    }
}

} // namespace
} // namespace vendrix::ruffini
