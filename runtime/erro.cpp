// SPDX-License-Identifier: MIT
#include "runtime/erro.h"

namespace vendrix::runtime {

namespace {

constexpr std::string_view Marcador = "{símbolo}";

} // namespace

Erro Falhar(Código código, std::string origem, std::string símbolo)
{
    return Erro{código, std::move(origem), std::move(símbolo)};
}

std::optional<std::string_view> TextoDoCódigo(Código código) noexcept
{
    switch (código) {
    case Código::Nenhum:
        return "";
    case Código::ArgumentoInválido:
        return "Argumento inválido.";
    case Código::Transbordo:
        return "Excesso de capacidade: o número é demasiado grande.";
    case Código::ÍndiceForaDoIntervalo:
        return "Índice fora do intervalo: falta um termo.";
    case Código::DivisãoPorZero:
        return "Divisão por zero.";
    case Código::TipoIncompatível:
        return "Tipo incompatível: o texto não é um número.";
    case Código::ParêntesesIncorrectos:
        return "Número de parênteses incorrecto.";
    case Código::FunçãoNãoDefinida:
        return "Função não definida: {símbolo})";
    case Código::VariávelNãoDefinida:
        return "Variável não definida: {símbolo}";
    case Código::ExpressãoInválida:
        return "Expressão inválida";
    case Código::ArgumentoInválidoNaExpressão:
        return "Argumento inválido na expressão: {símbolo})";
    case Código::DividendoInválido:
        return "O dividendo não é um polinómio válido.";
    case Código::DivisorInválido:
        return "O divisor não é um polinómio válido.";
    case Código::NãoÉPolinómio:
        return "A expressão não é um polinómio.";
    case Código::GrauAcimaDeNove:
        return "O dividendo não pode ter grau superior a nove.";
    case Código::ValoresGrandes:
        return "Os valores desta divisão são demasiado grandes para a tabela.";
    case Código::OutrosMonómios:
        return "Outros {símbolo} monómios não puderam ser multiplicados.";
    case Código::TextoVazio:
        return "Não há nada escrito para ler.";
    case Código::TermoIlegível:
        return "O termo «{símbolo}» não se lê: escreva termos como 3x^2, -1/2x ou 0.25.";
    case Código::SinalSemTermo:
        return "Falta um termo depois do sinal «{símbolo}».";
    case Código::ExpoenteGrande:
        return "O expoente de «{símbolo}» passa de 10000.";
    case Código::DenominadorZero:
        return "A fracção em «{símbolo}» tem denominador zero.";
    case Código::NúmeroIlegível:
        return "«{símbolo}» não é um número: escreva um inteiro, um decimal como 0.25 ou uma fracção como "
               "1/2.";
    case Código::DivisorNulo:
        return "O divisor é o polinómio nulo: não se divide por 0.";
    }
    // A number cast to Código that names no code.
    return std::nullopt;
}

std::string Erro::Descrição() const
{
    const std::optional<std::string_view> linha = TextoDoCódigo(código);
    if (!linha)
        return "Erro " + std::to_string(Número()) + ".";
    std::string texto(*linha);
    if (const auto posição = texto.find(Marcador); posição != std::string::npos)
        texto.replace(posição, Marcador.size(), símbolo);
    return texto;
}

} // namespace vendrix::runtime
