// SPDX-License-Identifier: MIT
#include "display/escala.h"
#include "display/tracado.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace vendrix::display {
namespace {

// Every character one unit wide, so that the k-th glyph drawn starts at
// x = 1 + k and a row only has to say which characters are drawn and how
// many raises each one stands on.
struct Caso
{
    const char* nome;
    std::string_view texto;
    float xLimite;
    std::string_view desenhados; // the characters drawn, one byte each
    std::string_view elevações;  // for each, the number of 0.6 raises
    bool cortado;
};

void PrintTo(const Caso& c, std::ostream* os) { *os << c.nome; }

constexpr Caso Casos[] = {
    {"vazio_nada", "", 50, "", "", false},
    {"inicial_de_polinomio1", "x^4-3x^3+5x^2-2x-1", 50, "x4-3x3+5x2-2x-1", "010001000100000", false},
    {"expoente_de_dois_digitos", "x^12", 50, "x12", "011", false},
    {"menos_repoe_a_linha", "x^-1", 50, "x-1", "000", false},
    {"barra_repoe_a_linha", "3/2x^2", 50, "3/2x2", "00001", false},
    {"x_maiusculo_nao_repoe", "x^2X3", 50, "x2X3", "0111", false},
    {"mais_repoe_a_linha", "x^2+1", 50, "x2+1", "0100", false},
    {"circunflexos_somam", "x^2^3", 50, "x23", "012", false},
    {"circunflexo_final", "x^", 50, "x", "0", false},
    {"so_circunflexos", "^^^", 50, "", "", false},
    {"corta_na_margem", "x^2+3x+1", 4, "x2+", "010", true},
    {"margem_antes_do_primeiro", "x+1", 1, "", "", true},
    {"margem_exacta_ao_fim", "x+1", 4, "x+1", "000", false},
};

class TraçarPolinómioTeste : public ::testing::TestWithParam<Caso>
{};

TEST_P(TraçarPolinómioTeste, ColocaCadaCaractere)
{
    const Caso& c = GetParam();
    constexpr float Base = 2;
    const Traçado t = TraçarPolinómio(c.texto, 1, Base, c.xLimite, [](std::string_view) { return 1.0F; });
    ASSERT_EQ(t.glifos.size(), c.desenhados.size());
    for (std::size_t k = 0; k < t.glifos.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(t.glifos[k].caractere, c.desenhados.substr(k, 1));
        EXPECT_FLOAT_EQ(t.glifos[k].x, 1.0F + static_cast<float>(k));
        EXPECT_FLOAT_EQ(t.glifos[k].y, Base + 0.6F * static_cast<float>(c.elevações[k] - '0'));
    }
    EXPECT_EQ(t.cortado, c.cortado);
}

std::string NomeDaLinha(const ::testing::TestParamInfo<Caso>& linha) { return linha.param.nome; }

INSTANTIATE_TEST_SUITE_P(Expoentes, TraçarPolinómioTeste, ::testing::ValuesIn(Casos), NomeDaLinha);

TEST(TraçarPolinómio, AvançaPelaLarguraDeCadaCaractere)
{
    // "x" is wider than the digits: the pen moves by each one's own width.
    const auto largura = [](std::string_view c) { return c == "x" ? 1.5F : 0.5F; };
    const Traçado t = TraçarPolinómio("2x^3+1", 1, 3, 50, largura);
    ASSERT_EQ(t.glifos.size(), 5U);
    EXPECT_FLOAT_EQ(t.glifos[1].x, 1.5F);
    EXPECT_FLOAT_EQ(t.glifos[2].x, 3.0F);
    EXPECT_FLOAT_EQ(t.glifos[2].y, 3.6F);
    EXPECT_FLOAT_EQ(t.x, 4.5F);
    EXPECT_FLOAT_EQ(t.y, 3.0F); // the "+" brought the line back
}

TEST(TraçarPolinómio, UmaSequenciaUtf8EUmSoCaractere)
{
    const Traçado t =
        TraçarPolinómio("x\u00B2\u20AC\xF0\x9F\x98\x80\xFF", 0, 0, 50, [](std::string_view) { return 1.0F; });
    ASSERT_EQ(t.glifos.size(), 5U);
    EXPECT_EQ(t.glifos[1].caractere, "\u00B2");
    EXPECT_EQ(t.glifos[2].caractere, "\u20AC");
    EXPECT_EQ(t.glifos[3].caractere, "\xF0\x9F\x98\x80");
    EXPECT_EQ(t.glifos[4].caractere, "\xFF");
}

TEST(TraçarPolinómio, SequenciaTruncadaNoFimNaoPassaDoTexto)
{
    const Traçado t = TraçarPolinómio("x\xE2\x82", 0, 0, 50, [](std::string_view) { return 1.0F; });
    ASSERT_EQ(t.glifos.size(), 2U);
    EXPECT_EQ(t.glifos[1].caractere, "\xE2\x82");
}

TEST(TraçarPolinómio, TextoEnormeSoMedeOQueCabe)
{
    const std::string enorme(1 << 20, '7');
    int medidos = 0;
    const Traçado t = TraçarPolinómio(enorme, 1, 2, 50, [&](std::string_view) {
        ++medidos;
        return 1.0F;
    });
    EXPECT_EQ(medidos, 49);
    EXPECT_TRUE(t.cortado);
}

struct CasoEscala
{
    const char* nome;
    Escala escala;
    double x, y;
    PontoPx esperado;
};

void PrintTo(const CasoEscala& c, std::ostream* os) { *os << c.nome; }

// An area of 500 x 40 pixels.
constexpr CasoEscala CasosEscala[] = {
    {"picture1_linha_de_base", {0, 4, 50, 0}, 1, 2, {10, 20}},
    {"picture1_expoente", {0, 4, 50, 0}, 1, 2.5, {10, 15}},
    {"picture3_topo", {0, 5, 50, 0}, 50, 5, {500, 0}},
    {"picture3_fundo", {0, 5, 50, 0}, 0, 0, {0, 40}},
    {"twips", {0, 0, 7500, 600}, 1500, 300, {100, 20}},
    {"escala_sem_extensao", {3, 3, 3, 3}, 9, 9, {0, 0}},
};

class ParaPixelsTeste : public ::testing::TestWithParam<CasoEscala>
{};

TEST_P(ParaPixelsTeste, ConverteParaOInterior)
{
    const CasoEscala& c = GetParam();
    const PontoPx p = ParaPixels(c.escala, 500, 40, c.x, c.y);
    EXPECT_DOUBLE_EQ(p.x, c.esperado.x);
    EXPECT_DOUBLE_EQ(p.y, c.esperado.y);
}

std::string NomeDaEscala(const ::testing::TestParamInfo<CasoEscala>& linha) { return linha.param.nome; }

INSTANTIATE_TEST_SUITE_P(Areas, ParaPixelsTeste, ::testing::ValuesIn(CasosEscala), NomeDaEscala);

TEST(LarguraLógica, ConverteEntreUnidades)
{
    EXPECT_DOUBLE_EQ(LarguraLógica({0, 4, 50, 0}, 500, 10), 1.0);
    EXPECT_DOUBLE_EQ(LarguraLógica({0, 4, 50, 0}, 0, 10), 0.0);
    EXPECT_EQ(EscalaEmTwips(10, 20), (Escala{0, 0, 150, 300}));
}

} // namespace
} // namespace vendrix::display
