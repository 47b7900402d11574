// SPDX-License-Identifier: MIT
#include "runtime/erro.h"
#include "runtime/textos.h"

#include <gtest/gtest.h>

#include <set>

namespace vendrix::runtime {
namespace {

TEST(TextosDosErros, UmaLinhaPorCódigoEDescriçãoPreencheOSímbolo)
{
    std::set<Código> vistos;
    for (const LinhaMensagem& linha : TextosDosErros) {
        EXPECT_TRUE(vistos.insert(linha.código).second) << linha.texto;
        EXPECT_EQ(linha.texto.empty(), linha.código == Código::Nenhum) << linha.texto;
        EXPECT_FALSE(Contém(Substituir(linha.texto, "{símbolo}", ""), "{")) << linha.texto;
    }
    // The last row is the newest code: a code added without its row shows here.
    EXPECT_EQ(TextosDosErros.back().código, Código::ArgumentoInválidoNaExpressão);
    EXPECT_EQ(Falhar(Código::FunçãoNãoDefinida, "Interpretador", "foo(").Descrição(),
              "Função não definida: foo()");
    EXPECT_EQ(Falhar(Código::VariávelNãoDefinida, "Interpretador", "y").Descrição(),
              "Variável não definida: y");
    EXPECT_EQ(Falhar(static_cast<Código>(77)).Descrição(), "Erro 77.");
}

} // namespace
} // namespace vendrix::runtime
