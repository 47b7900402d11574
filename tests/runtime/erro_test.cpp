// SPDX-License-Identifier: MIT
#include "runtime/erro.h"
#include "runtime/relato.h"
#include "runtime/textos.h"

#include <gtest/gtest.h>

namespace vendrix::runtime {
namespace {

// The wording lives once, in the core, and the catalogue check keeps every
// text translated; here only how a text is filled in: the symbol where the
// text quotes one, and a number for a code without text.
struct Linha
{
    Código código;
    std::string_view símbolo, texto;
};

constexpr Linha Textos[] = {
    {Código::TipoIncompatível,
     "3x3",
     "O termo «3x3» não se lê: escreva um número, x e ^ com um expoente inteiro, como em 3x^2."},
    {Código::FunçãoNãoDefinida, "foo(", "Função não definida: foo()"},
    {Código::OutrosMonómios, "9991", "Outros 9991 monómios não puderam ser multiplicados."},
    {Código::DivisãoPorZero, "x", "Divisão por zero."},
    {Código::VariávelNãoDefinida, "%1%2", "Variável não definida: %1%2"},
    {static_cast<Código>(77), "", "Erro 77."},
};

TEST(TextosDosErros, SimboloPreenchidoENenhumaMarcaPorPreencher)
{
    for (const Linha& linha : Textos)
        EXPECT_EQ(Falhar(linha.código, "Interpretador", std::string(linha.símbolo)).Descrição(), linha.texto);
    for (int n = 0; n < 4000; ++n)
        if (const auto texto = TextoDoCódigo(static_cast<Código>(n))) {
            EXPECT_FALSE(Contém(Substituir(*texto, "%1", ""), "%")) << *texto;
        }
    EXPECT_EQ(TextoDoTítulo(Título::Erro2), "Erro2 na expressão.");
}

} // namespace
} // namespace vendrix::runtime
