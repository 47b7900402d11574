// SPDX-License-Identifier: MIT
#include "runtime/textos.h"
#include "runtime/utf8.h"

#include <gtest/gtest.h>

namespace vendrix::runtime {
namespace {

using Pedaços = std::vector<std::string_view>;

TEST(Textos, PedacosVaziosUmaSoPassagemPosicoesDe1EMinusculasAscii)
{
    EXPECT_EQ(Dividir("", " "), Pedaços{});
    EXPECT_EQ(Dividir("+x^2 -1 ", " "), (Pedaços{"+x^2", "-1", ""}));
    EXPECT_EQ(Dividir(" a  b", " "), (Pedaços{"", "a", "", "b"}));
    EXPECT_EQ(Dividir(" ", " "), (Pedaços{"", ""}));
    // An empty search text finds nothing rather than looping for ever.
    EXPECT_EQ(Dividir("ab", ""), Pedaços{"ab"});
    EXPECT_EQ(Substituir("ab", "", "x"), "ab");
    EXPECT_EQ(Substituir("", "+", " +"), "");
    EXPECT_EQ(Substituir("a", "a", "aa"), "aa");
    EXPECT_EQ(Substituir("aaa", "aa", "b"), "ba");
    EXPECT_EQ(Substituir("x^1+x^10", "x^1", "x"), "x+x0");
    EXPECT_EQ(Posição("3x^2", "^"), 3u);
    EXPECT_EQ(Posição("3x^2", "y"), 0u);
    EXPECT_EQ(Posição("x^2^3", "^", 4), 4u);
    EXPECT_EQ(Posição("x", "x", 3), 0u);
    EXPECT_EQ(Posição("", ""), 1u);
    EXPECT_TRUE(Contém("2x-1", "x"));
    EXPECT_FALSE(Contém("2X-1", "x"));
    EXPECT_EQ(Minúsculas("2*X+Sin(Pi)"), "2*x+sin(pi)");
    EXPECT_EQ(Minúsculas("ÁÉ\xff"), "ÁÉ\xff");
}

// How a text splits into characters. A piece of one byte at or above 0x80
// is an invalid byte, and only such a piece decodes to no code point.
struct Utf8
{
    const char* nome;
    std::string_view texto;
    Pedaços caracteres;
};

const Utf8 Utf8s[] = {
    {"vazio", "", {}},
    {"bem_formado",
     "x\xC3\xB3\xE2\x82\xAC\xF0\x9F\x98\x80",
     {"x", "\xC3\xB3", "\xE2\x82\xAC", "\xF0\x9F\x98\x80"}},
    {"continuacao_sozinha", "\x80x\xBF", {"\x80", "x", "\xBF"}},
    {"inicio_cortado_por_ascii", "\xC3x", {"\xC3", "x"}},
    {"tres_bytes_cortados_no_fim", "x\xE2\x82", {"x", "\xE2", "\x82"}},
    {"longo_demais", "\xC0\xAD\xE0\x80\xAD", {"\xC0", "\xAD", "\xE0", "\x80", "\xAD"}},
    {"surrogado", "\xED\xA0\x80", {"\xED", "\xA0", "\x80"}},
    {"acima_de_10ffff", "\xF4\x90\x80\x80", {"\xF4", "\x90", "\x80", "\x80"}},
    {"f5_a_ff", "\xF5\xF8\xFE\xFF", {"\xF5", "\xF8", "\xFE", "\xFF"}},
};

TEST(Utf8, CadaByteInvalidoEUmCaractereENadaSeLeDepoisDoFim)
{
    for (const Utf8& u : Utf8s) {
        SCOPED_TRACE(u.nome);
        Pedaços lidos;
        for (std::size_t i = 0; i < u.texto.size(); i += lidos.back().size()) {
            lidos.push_back(CarácterEm(u.texto, i));
            const bool inválido =
                lidos.back().size() == 1 && static_cast<unsigned char>(lidos.back()[0]) >= 0x80;
            EXPECT_EQ(Descodificar(u.texto, i).c == CarácterInválido, inválido);
        }
        EXPECT_EQ(lidos, u.caracteres);
        EXPECT_EQ(ContarCaracteres(u.texto), u.caracteres.size());
        EXPECT_TRUE(CarácterEm(u.texto, u.texto.size()).empty());
    }
}

} // namespace
} // namespace vendrix::runtime
