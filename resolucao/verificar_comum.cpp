// SPDX-License-Identifier: MIT
#include "resolucao/verificar_comum.h"

#include "resolucao/documento.h"
#include "resolucao/formula.h"

#include <utility>

namespace vendrix::resolucao::verificar {

std::string Dizer(const Tradutor& tradutor, Texto texto, std::vector<Fórmula> argumentos)
{
    return FraseEmTexto(Frase{tradutor(FonteDe(texto)), std::move(argumentos)});
}

Verificação Certo(const Tradutor& tradutor)
{
    return {"certo", "", Dizer(tradutor, Texto::RespostaCerta), 0};
}

Verificação Errado(const Tradutor& tradutor, std::string código, Texto texto, std::vector<Fórmula> argumentos)
{
    return {"errado", std::move(código), Dizer(tradutor, texto, std::move(argumentos)), 0};
}

Verificação Ilegível(const runtime::Erro& erro, const Tradutor& tradutor)
{
    const std::size_t posição = erro.posição == 0 ? 1 : erro.posição;
    return {"",
            "",
            Dizer(tradutor, Texto::LeituraResposta, {std::to_string(posição), erro.Descrição(tradutor)}),
            posição};
}

} // namespace vendrix::resolucao::verificar
