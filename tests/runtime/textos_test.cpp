// SPDX-License-Identifier: MIT
#include "runtime/textos.h"

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

} // namespace
} // namespace vendrix::runtime
