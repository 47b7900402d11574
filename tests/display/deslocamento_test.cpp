// SPDX-License-Identifier: MIT
#include "display/deslocamento.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <concepts>
#include <limits>
#include <string>

namespace vendrix::display {
namespace {

// A row prints as its name; the constraint makes this win over GoogleTest's own template.
void PrintTo(const std::semiregular auto& c, std::ostream* saída) { *saída << c.nome; }

constexpr auto Nome = [](const auto& linha) { return std::string(linha.param.nome); };

// "x" is wider than the rest, so that places fall between whole units.
const Largura Larguras = [](std::string_view c) { return c == "x" ? 1.5F : 0.75F; };

std::string Termos(int n, std::string_view termo)
{
    std::string t;
    for (int k = 0; k < n; ++k)
        t.append(termo);
    return t;
}

struct Texto
{
    const char* nome;
    std::string texto;
};

const Texto Textos[] = {
    {"vazio", ""},
    {"curto", "x^4-3x^3+5x^2-2x-1"},
    {"muitos_termos", Termos(300, "+12x^34")},
    {"expoentes_longos_cruzam_marcos", Termos(40, "x^") + Termos(600, "7") + "+x^2^3-1/2x"},
    {"sem_nada_que_reponha", Termos(1000, "7")},
    {"utf8", Termos(200, "\xC3\xB3x^\xE2\x82\xAC+")},
    {"utf8_invalido", Termos(200, "\xE2x^\x80\xC3+\xED\xA0\x80-\xF0\x9F")},
};

using VistaTeste = ::testing::TestWithParam<Texto>;

// Wherever the view stands, it shows exactly what the whole trace puts
// there, at the same places and heights, and the whole width is measured.
TEST_P(VistaTeste, MostraOQueOTracadoInteiroPoeAli)
{
    const std::string& texto = GetParam().texto;
    const float sem = std::numeric_limits<float>::infinity();
    const Traçado todo = TraçarPolinómio(texto, 1, 2, sem, Larguras);
    const Medida m = MedirPolinómio(texto, 1, 2, Larguras);
    EXPECT_FLOAT_EQ(m.xFinal, todo.x);
    ASSERT_FALSE(m.marcos.empty());
    EXPECT_EQ(m.marcos.front(), (Marco{0, 1}));
    for (float esquerda = 0; esquerda < todo.x + 10; esquerda += 37.3F) {
        SCOPED_TRACE(esquerda);
        const float direita = esquerda + 50;
        const Traçado v = TraçarVista(texto, m, 2, esquerda, direita, Larguras);
        std::vector<Glifo> esperados, vistos;
        for (const Glifo& g : todo.glifos)
            if (g.x + 1.5F > esquerda && g.x < direita)
                esperados.push_back(g);
        for (const Glifo& g : v.glifos)
            if (g.x + 1.5F > esquerda && g.x < direita)
                vistos.push_back(g);
        EXPECT_EQ(vistos, esperados);
        EXPECT_EQ(v.cortado, std::any_of(todo.glifos.begin(), todo.glifos.end(), [&](const Glifo& g) {
                      return g.x >= direita;
                  }));
    }
}

INSTANTIATE_TEST_SUITE_P(Textos, VistaTeste, ::testing::ValuesIn(Textos), Nome);

struct Limite
{
    const char* nome;
    float alcance, deslocamento, maximo, parado;
};

// An area from 0 to 50 whose drawings start 1 unit in.
constexpr Limite Limites[] = {
    {"cabe", 30, 10, 0, 0},
    {"cabe_a_justa", 49, 10, 0, 0},
    {"passa", 120, 200, 71, 71},
    {"no_meio", 120, 20, 71, 20},
    {"negativo", 120, -5, 71, 0},
    {"nan", 120, std::numeric_limits<float>::quiet_NaN(), 71, 0},
};

using LimiteTeste = ::testing::TestWithParam<Limite>;

TEST_P(LimiteTeste, VistaParaDentroDoDesenho)
{
    const Limite& l = GetParam();
    const float máximo = DeslocamentoMáximo(l.alcance, 1, 0, 50);
    EXPECT_FLOAT_EQ(máximo, l.maximo);
    EXPECT_FLOAT_EQ(Limitar(l.deslocamento, máximo), l.parado);
}

INSTANTIATE_TEST_SUITE_P(Limites, LimiteTeste, ::testing::ValuesIn(Limites), Nome);

} // namespace
} // namespace vendrix::display
