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
    {Código::Transbordo, "", "Excesso de capacidade: o número é demasiado grande."},
    {Código::ÍndiceForaDoIntervalo, "", "Índice fora do intervalo: falta um termo."},
    {Código::DivisãoPorZero, "", "Divisão por zero."},
    {Código::TipoIncompatível, "", "Tipo incompatível: o texto não é um número."},
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
    {Código::TextoVazio, "", "Não há nada escrito para ler."},
    {Código::TermoIlegível, "3x3", "O termo «3x3» não se lê: escreva termos como 3x^2, -1/2x ou 0.25."},
    {Código::SinalSemTermo, "+", "Falta um termo depois do sinal «+»."},
    {Código::ExpoenteGrande, "x^10001", "O expoente de «x^10001» passa de 10000."},
    {Código::DenominadorZero, "1/0x", "A fracção em «1/0x» tem denominador zero."},
    {Código::NúmeroIlegível,
     "1/x",
     "«1/x» não é um número: escreva um inteiro, um decimal como 0.25 ou uma fracção como 1/2."},
    {Código::DivisorNulo, "", "O divisor é o polinómio nulo: não se divide por 0."},
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
