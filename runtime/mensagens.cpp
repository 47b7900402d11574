// SPDX-License-Identifier: MIT
#include "runtime/mensagens.h"

namespace vendrix::runtime {

std::optional<Fonte> FonteDoCódigo(Código código) noexcept
{
    switch (código) {
    case Código::Nenhum:
        return Fonte{"Relato", ""}; // no box shows it: nothing to translate
    case Código::ArgumentoInválido:
        return VENDRIX_TEXTO("Relato", "Argumento inválido.");
    case Código::Transbordo:
        return VENDRIX_TEXTO("Relato",
                             "O termo «%1» vai além do que a calculadora consegue guardar: use números mais "
                             "pequenos ou menos termos.");
    case Código::ÍndiceForaDoIntervalo:
        return VENDRIX_TEXTO("Relato", "Falta um termo depois do último sinal.");
    case Código::DivisãoPorZero:
        return VENDRIX_TEXTO("Relato", "Divisão por zero.");
    case Código::TipoIncompatível:
        return VENDRIX_TEXTO("Relato",
                             "O termo «%1» não se lê: escreva um número, x e ^ com um expoente inteiro, como "
                             "em 3x^2.");
    case Código::ParêntesesIncorrectos:
        return VENDRIX_TEXTO("Relato", "Número de parênteses incorrecto.");
    case Código::FunçãoNãoDefinida:
        return VENDRIX_TEXTO("Relato", "Função não definida: %1)");
    case Código::VariávelNãoDefinida:
        return VENDRIX_TEXTO("Relato", "Variável não definida: %1");
    case Código::ExpressãoInválida:
        return VENDRIX_TEXTO("Relato", "Expressão inválida");
    case Código::ArgumentoInválidoNaExpressão:
        return VENDRIX_TEXTO("Relato", "Argumento inválido na expressão: %1)");
    case Código::DividendoInválido:
        return VENDRIX_TEXTO("Relato", "O dividendo não é um polinómio válido.");
    case Código::DivisorInválido:
        return VENDRIX_TEXTO("Relato", "O divisor não é um polinómio válido.");
    case Código::NãoÉPolinómio:
        return VENDRIX_TEXTO("Relato", "A expressão não é um polinómio.");
    case Código::GrauAcimaDeNove:
        return VENDRIX_TEXTO("Relato", "O dividendo não pode ter grau superior a nove.");
    case Código::ValoresGrandes:
        return VENDRIX_TEXTO("Relato", "Os valores desta divisão são demasiado grandes para a tabela.");
    case Código::OutrosMonómios:
        return VENDRIX_TEXTO("Relato", "Outros %1 monómios não puderam ser multiplicados.");
    case Código::TextoVazio:
        return VENDRIX_TEXTO("Relato", "Não há nada escrito para ler.");
    case Código::TermoIlegível:
        return VENDRIX_TEXTO("Relato", "O termo «%1» não se lê: escreva termos como 3x^2, -1/2x ou 0.25.");
    case Código::SinalSemTermo:
        return VENDRIX_TEXTO("Relato", "Falta um termo depois do sinal «%1».");
    case Código::ExpoenteGrande:
        return VENDRIX_TEXTO("Relato", "O expoente de «%1» passa de 10000.");
    case Código::DenominadorZero:
        return VENDRIX_TEXTO("Relato", "A fracção em «%1» tem denominador zero.");
    case Código::NúmeroIlegível:
        return VENDRIX_TEXTO("Relato",
                             "«%1» não é um número: escreva um inteiro, um decimal como 0.25 ou uma fracção "
                             "como 1/2.");
    case Código::DivisorNulo:
        return VENDRIX_TEXTO("Relato", "O divisor é o polinómio nulo: não se divide por 0.");
    case Código::RelaçãoNãoPermitida:
        return VENDRIX_TEXTO("Relato",
                             "«%1» faz disto uma equação ou uma inequação: para a resolver, use o exercício "
                             "Resolver.");
    case Código::FaltaRelação:
        return VENDRIX_TEXTO("Relato",
                             "Para resolver, escreva uma equação ou uma inequação, com =, <, ≤, > ou ≥.");
    }
    // A number cast to Código that names no code.
    return std::nullopt;
}

Fonte FonteDeCódigoDesconhecido() noexcept { return VENDRIX_TEXTO("Relato", "Erro %1."); }

Fonte FonteDoTítulo(Título título) noexcept
{
    switch (título) {
    case Título::Erro1:
        return VENDRIX_TEXTO("Relato", "Erro1 na expressão.");
    case Título::Erro2:
        return VENDRIX_TEXTO("Relato", "Erro2 na expressão.");
    case Título::Erro3:
        return VENDRIX_TEXTO("Relato", "Erro3 na expressão.");
    case Título::Vendrix:
        return Fonte{"Relato", "Vendrix"}; // the program's name, never translated: not marked
    }
    return Fonte{"Relato", ""}; // a number cast to Título that names no title
}

Fonte FonteDaLegenda(Legenda legenda) noexcept
{
    switch (legenda) {
    case Legenda::Soma:
        return VENDRIX_TEXTO("Legenda", "Resultado (soma)");
    case Legenda::Subtração:
        return VENDRIX_TEXTO("Legenda", "Resultado (subtração)");
    case Legenda::Multiplicação:
        return VENDRIX_TEXTO("Legenda", "Resultado (multiplicação)");
    case Legenda::Resultado:
        break;
    }
    return VENDRIX_TEXTO("Legenda", "Resultado");
}

} // namespace vendrix::runtime
