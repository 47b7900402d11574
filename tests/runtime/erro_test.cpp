// SPDX-License-Identifier: MIT
#include "runtime/erro.h"
#include "runtime/relato.h"
#include "runtime/textos.h"

#include <gtest/gtest.h>

namespace vendrix::runtime {
namespace {

struct Linha
{
    Código código;
    std::string_view símbolo, texto; // what Descrição gives with that símbolo
};

// The program's own wording, in one place: every other test compares codes.
constexpr Linha Textos[] = {
    {Código::Nenhum, "", ""},
    {Código::ArgumentoInválido, "", "Argumento inválido."},
    {Código::Transbordo,
     "x^40000",
     "O termo «x^40000» vai além do que a calculadora consegue guardar: use números mais pequenos ou menos "
     "termos."},
    {Código::ÍndiceForaDoIntervalo, "+", "Falta um termo depois do último sinal."},
    {Código::DivisãoPorZero, "", "Divisão por zero."},
    {Código::TipoIncompatível,
     "3x3",
     "O termo «3x3» não se lê: escreva um número, x e ^ com um expoente inteiro, como em 3x^2."},
    {Código::ParêntesesIncorrectos, "", "Número de parênteses incorrecto."},
    {Código::FunçãoNãoDefinida, "foo(", "Função não definida: foo()"},
    {Código::VariávelNãoDefinida, "y", "Variável não definida: y"},
    {Código::ExpressãoInválida, "", "Expressão inválida"},
    {Código::ArgumentoInválidoNaExpressão, "sqr(", "Argumento inválido na expressão: sqr()"},
    {Código::DividendoInválido, "", "O dividendo não é um polinómio válido."},
    {Código::DivisorInválido, "", "O divisor não é um polinómio válido."},
    {Código::NãoÉPolinómio, "", "A expressão não é um polinómio."},
    {Código::GrauAcimaDeNove, "", "O dividendo não pode ter grau superior a nove."},
    {Código::ValoresGrandes, "", "Os valores desta divisão são demasiado grandes para a tabela."},
    {Código::OutrosMonómios, "9991", "Outros 9991 monómios não puderam ser multiplicados."},
};

TEST(TextosDosErros, DescricaoDeCadaCodigoComOSimboloPreenchido)
{
    for (const Linha& linha : Textos) {
        EXPECT_EQ(Falhar(linha.código, "Interpretador", std::string(linha.símbolo)).Descrição(), linha.texto);
        EXPECT_FALSE(Contém(Substituir(*TextoDoCódigo(linha.código), "{símbolo}", ""), "{")) << linha.texto;
    }
    EXPECT_EQ(TextoDoCódigo(static_cast<Código>(77)), std::nullopt);
    EXPECT_EQ(Falhar(static_cast<Código>(77)).Descrição(), "Erro 77.");
}

TEST(TextosDosErros, TitulosDasCaixas)
{
    EXPECT_EQ(TextoDoTítulo(Título::Erro1), "Erro1 na expressão.");
    EXPECT_EQ(TextoDoTítulo(Título::Erro2), "Erro2 na expressão.");
    EXPECT_EQ(TextoDoTítulo(Título::Erro3), "Erro3 na expressão.");
    EXPECT_EQ(TextoDoTítulo(Título::Vendrix), "Vendrix");
}

} // namespace
} // namespace vendrix::runtime
