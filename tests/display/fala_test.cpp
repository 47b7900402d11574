// SPDX-License-Identifier: MIT
#include "display/fala.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace vendrix::display {
namespace {

struct Caso
{
    const char* nome;
    std::string_view texto;
    std::string_view fala;
};

void PrintTo(const Caso& c, std::ostream* os) { *os << c.nome; }

constexpr Caso Casos[] = {
    {"vazio", "", ""},
    {"inicial_de_polinomio1",
     "x^4-3x^3+5x^2-2x-1",
     "x elevado a 4 - 3x elevado a 3 + 5x elevado a 2 - 2x - 1"},
    {"sinal_inicial_fica_no_termo", "-x^2+1", "-x elevado a 2 + 1"},
    {"expoente_de_dois_digitos", "x^12", "x elevado a 12"},
    {"menos_repoe_a_linha", "x^-2", "x - 2"},
    {"barra_repoe_a_linha", "1/2x^2+3/2", "1/2x elevado a 2 + 3/2"},
    {"x_maiusculo_nao_repoe", "x^2X3", "x elevado a 2X3"},
    {"circunflexos_somam", "x^2^3", "x elevado a 2 elevado a 3"},
    {"circunflexos_seguidos", "x^^2", "x elevado a elevado a 2"},
    {"circunflexo_final_nao_se_diz", "x^", "x"},
    {"so_circunflexos", "^^^", ""},
    {"expoente_no_inicio", "^2x", "elevado a 2x"},
    {"sinal_final_sem_branco", "x-", "x -"},
    {"sinais_seguidos", "x+-3", "x + - 3"},
    {"acentos_inteiros", "\xC3\xB3^2", "\xC3\xB3 elevado a 2"},
};

class FalarPolinómioTeste : public ::testing::TestWithParam<Caso>
{};

TEST_P(FalarPolinómioTeste, DizOQueODesenhoMostra)
{
    EXPECT_EQ(FalarPolinómio(GetParam().texto), GetParam().fala);
}

std::string NomeDaLinha(const ::testing::TestParamInfo<Caso>& linha) { return linha.param.nome; }

INSTANTIATE_TEST_SUITE_P(Textos, FalarPolinómioTeste, ::testing::ValuesIn(Casos), NomeDaLinha);

// The cut counts characters, not bytes, and a text of exactly the limit
// is read whole.
TEST(FalarPolinómioCorte, LimiteExactoLeTudo)
{
    const std::string texto(CaracteresFalados, '7');
    EXPECT_EQ(FalarPolinómio(texto), texto);
}

TEST(FalarPolinómioCorte, UmAMaisCortaComReticencias)
{
    std::string acentos;
    for (std::size_t i = 0; i <= CaracteresFalados; ++i)
        acentos += "\xC3\xB3";
    const std::string esperado = acentos.substr(0, 2 * CaracteresFalados) + " \xE2\x80\xA6";
    EXPECT_EQ(FalarPolinómio(acentos), esperado);
}

TEST(FalarPolinómioCorte, SinalNoCorteNaoDeixaBrancoDuplo)
{
    const std::string texto = std::string(CaracteresFalados - 1, '7') + "-1";
    EXPECT_EQ(FalarPolinómio(texto), std::string(CaracteresFalados - 1, '7') + " - \xE2\x80\xA6");
}

} // namespace
} // namespace vendrix::display
