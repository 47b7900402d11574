// SPDX-License-Identifier: MIT
#include "runtime/erro.h"

#include <gtest/gtest.h>

#include <set>

namespace vendrix::runtime {
namespace {

TEST(TextosDosErros, CadaCódigoTemUmaLinhaSóComTextoEMarcadoresConhecidos)
{
    std::set<int> vistos;
    for (const LinhaMensagem& linha : TextosDosErros) {
        EXPECT_TRUE(vistos.insert(static_cast<int>(linha.código)).second)
            << "two rows for code " << static_cast<int>(linha.código);
        if (linha.código == Código::Nenhum)
            continue;
        EXPECT_FALSE(linha.texto.empty()) << static_cast<int>(linha.código);
        std::string_view resto = linha.texto;
        for (auto abre = resto.find('{'); abre != std::string_view::npos; abre = resto.find('{')) {
            EXPECT_EQ(resto.substr(abre, 10), "{símbolo}");
            resto.remove_prefix(abre + 1);
        }
    }
    // The last row is the newest code: a code added without its row shows here.
    EXPECT_EQ(TextosDosErros.back().código, Código::ArgumentoInválidoNaExpressão);
}

TEST(Erro, DescriçãoPreencheOSímboloComoOInterpretadorOCita)
{
    EXPECT_EQ(Falhar(Código::FunçãoNãoDefinida, "Interpretador", "foo(").Descrição(), "Função não definida: foo()");
    EXPECT_EQ(Falhar(Código::VariávelNãoDefinida, "Interpretador", "y").Descrição(), "Variável não definida: y");
    EXPECT_EQ(Falhar(Código::ArgumentoInválidoNaExpressão, "Interpretador", "sin(").Descrição(),
              "Argumento inválido na expressão: sin()");
    EXPECT_EQ(Falhar(Código::ParêntesesIncorrectos).Descrição(), "Número de parênteses incorrecto.");
    EXPECT_EQ(Falhar(Código::ExpressãoInválida).Descrição(), "Expressão inválida");
    EXPECT_EQ(Falhar(Código::Transbordo).Número(), 6);
    EXPECT_EQ(Falhar(static_cast<Código>(77)).Descrição(), "Erro 77.");
}

} // namespace
} // namespace vendrix::runtime
