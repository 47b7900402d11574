// SPDX-License-Identifier: MIT
#include "display/escala.h"
#include "display/fala.h"
#include "display/tracado.h"
#include "runtime/textos.h"

#include <gtest/gtest.h>

#include <concepts>

namespace vendrix::display {

void PrintTo(const PontoPx& p, std::ostream* saída) { *saída << p.x << ", " << p.y; }

namespace {

// A row prints as its name; the constraint makes this win over GoogleTest's own template.
void PrintTo(const std::semiregular auto& c, std::ostream* saída) { *saída << c.nome; }

constexpr auto Nome = [](const auto& linha) { return std::string(linha.param.nome); };

constexpr auto Um = [](std::string_view) { return 1.0F; };

// What is spoken is what is drawn. Every character is one unit wide, so glyph k starts at x = 1 + k; a row
// says which ASCII characters are drawn and on how many 0.6 raises each one stands.
struct Caso
{
    const char* nome;
    std::string_view texto, fala, desenhados, elevacoes;
    float xLimite = 50;
    bool cortado = false;
};

constexpr Caso Casos[] = {
    {"vazio", "", "", "", ""},
    {"polinomio", "x^3+5x^2-2x-1", "x elevado a 3 + 5x elevado a 2 - 2x - 1", "x3+5x2-2x-1", "01000100000"},
    {"sinal_inicial_fica_no_termo", "-x^2+1", "-x elevado a 2 + 1", "-x2+1", "00100"},
    {"expoente_de_dois_digitos", "x^12", "x elevado a 12", "x12", "011"},
    {"menos_repoe_a_linha", "x^-2", "x - 2", "x-2", "000"},
    {"barra_repoe_a_linha", "1/2x^2+3/2", "1/2x elevado a 2 + 3/2", "1/2x2+3/2", "000010000"},
    {"x_maiusculo_nao_repoe", "x^2X3", "x elevado a 2X3", "x2X3", "0111"},
    {"circunflexos_somam", "x^2^3", "x elevado a 2 elevado a 3", "x23", "012"},
    {"circunflexo_final_nao_se_ve", "x^", "x", "x", "0"},
    {"expoente_no_inicio", "^2x", "elevado a 2x", "2x", "10"},
    {"sinais_seguidos_e_no_fim", "x+-3-", "x + - 3 -", "x+-3-", "00000"},
    {"corta_na_margem", "x^2+3x+1", "x elevado a 2 + 3x + 1", "x2+", "010", 4, true},
    {"margem_antes_do_primeiro", "x+1", "x + 1", "", "", 1, true},
    {"margem_exacta_ao_fim", "x+1", "x + 1", "x+1", "000", 4},
    // Malformed UTF-8 is drawn and said one byte at a time: a lone continuation byte, a lead cut short by
    // "x" or by the end, an invalid lead before a caret, an overlong "-", half a surrogate pair, 0xF5..0xFF.
    {"utf8_partido", "\x80\xC3x\xE2\x82", "\x80\xC3x\xE2\x82", "\x80\xC3x\xE2\x82", "00000"},
    {"utf8_invalido_nao_come_o_expoente",
     "x\xE2^2-\xF5",
     "x\xE2 elevado a 2 - \xF5",
     "x\xE2"
     "2-\xF5",
     "00100"},
    {"utf8_longo_e_surrogado",
     "\xC0\xAD\xED\xA0\x80\xFF",
     "\xC0\xAD\xED\xA0\x80\xFF",
     "\xC0\xAD\xED\xA0\x80\xFF",
     "000000"},
};

using TracoTeste = ::testing::TestWithParam<Caso>;

TEST_P(TracoTeste, ColocaCadaCaractereEDizOQueSeVe)
{
    const Caso& c = GetParam();
    EXPECT_EQ(FalarPolinómio(c.texto), c.fala);
    const Traçado t = TraçarPolinómio(c.texto, 1, 2, c.xLimite, Um);
    ASSERT_EQ(t.glifos.size(), c.desenhados.size());
    for (std::size_t k = 0; k < t.glifos.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(t.glifos[k].caractere, c.desenhados.substr(k, 1));
        EXPECT_FLOAT_EQ(t.glifos[k].x, 1.0F + static_cast<float>(k));
        EXPECT_FLOAT_EQ(t.glifos[k].y, 2 + 0.6F * static_cast<float>(c.elevacoes[k] - '0'));
    }
    EXPECT_EQ(t.cortado, c.cortado);
}

INSTANTIATE_TEST_SUITE_P(Textos, TracoTeste, ::testing::ValuesIn(Casos), Nome);

TEST(TracarPolinomio, AvancaPelaLarguraDeCadaCaractereEUtf8EUmCaractere)
{
    // "x" is wider than the digits: the pen moves by each one's own width.
    Traçado t =
        TraçarPolinómio("2x^3+1", 1, 3, 50, [](std::string_view c) { return c == "x" ? 1.5F : 0.5F; });
    ASSERT_EQ(t.glifos.size(), 5U);
    EXPECT_FLOAT_EQ(t.glifos[1].x, 1.5F);
    EXPECT_FLOAT_EQ(t.glifos[2].x, 3.0F);
    EXPECT_FLOAT_EQ(t.glifos[2].y, 3.6F);
    EXPECT_FLOAT_EQ(t.x, 4.5F);
    EXPECT_FLOAT_EQ(t.y, 3.0F); // the "+" brought the line back
    // A sequence cut short by the end of the text is one character a byte.
    t = TraçarPolinómio("x\u00B2\u20AC\xF0\x9F\x98\x80\xFF\xE2\x82", 0, 0, 50, Um);
    ASSERT_EQ(t.glifos.size(), 7U);
    EXPECT_EQ(t.glifos[3].caractere, "\xF0\x9F\x98\x80");
    EXPECT_EQ(t.glifos[6].caractere, "\x82");
    EXPECT_EQ(FalarPolinómio("\xC3\xB3^2"), "\xC3\xB3 elevado a 2");
    // The window's words in another language take the place of the Portuguese ones.
    EXPECT_EQ(FalarPolinómio("^2x^3^4-1", "to the power of"),
              "to the power of 2x to the power of 3 to the power of 4 - 1");
}

// A huge result costs only what fits in the drawing; the speech keeps the
// whole text, to its last term.
TEST(TextoEnorme, SoSeMedeOQueCabeMasDizSeTudo)
{
    int medidos = 0;
    const Traçado t = TraçarPolinómio(
        std::string(1 << 20, '7'), 1, 2, 50, [&](std::string_view) { return ++medidos, 1.0F; });
    EXPECT_EQ(medidos, 49);
    EXPECT_TRUE(t.cortado);
    const std::string sete(1 << 20, '7');
    EXPECT_EQ(FalarPolinómio(sete + "x^2-1"), sete + "x elevado a 2 - 1");
    const std::string acentos = runtime::Substituir(std::string(1000, 'o'), "o", "\xC3\xB3");
    EXPECT_EQ(FalarPolinómio(acentos + "^2"), acentos + " elevado a 2");
}

// An area of 500 x 40 pixels; logical y grows upwards in the first.
TEST(Escala, ParaPixelsELarguraLogica)
{
    EXPECT_EQ(ParaPixels({0, 4, 50, 0}, 500, 40, 1, 2.5), (PontoPx{10, 15}));
    EXPECT_EQ(ParaPixels(EscalaEmTwips(500, 40), 500, 40, 1500, 300), (PontoPx{100, 20}));
    EXPECT_EQ(ParaPixels({3, 3, 3, 3}, 500, 40, 9, 9), (PontoPx{0, 0}));
    EXPECT_DOUBLE_EQ(LarguraLógica({0, 4, 50, 0}, 500, 10), 1.0);
    EXPECT_DOUBLE_EQ(LarguraLógica({0, 4, 50, 0}, 0, 10), 0.0);
}

} // namespace
} // namespace vendrix::display
