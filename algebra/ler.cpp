// SPDX-License-Identifier: MIT
#include "algebra/ler.h"

#include "algebra/expandir.h"

#include <string>

namespace vendrix::algebra {

namespace {

using runtime::Código;

// An expansion refused: the whole text is what could not be worked out.
runtime::Erro NoTexto(const runtime::Erro& erro, std::string_view texto)
{
    return runtime::FalharEm(erro.código, 1, std::string(texto));
}

} // namespace

runtime::Resultado<Polinómio> LerPolinómio(std::string_view texto)
{
    const runtime::Resultado<Expressão> lida = LerExpressão(texto);
    if (!lida.Ok())
        return lida.Falha();
    runtime::Resultado<Polinómio> p = Expandir(lida.Valor());
    if (!p.Ok())
        return NoTexto(p.Falha(), texto);
    return p;
}

runtime::Resultado<Racional> LerRacional(std::string_view texto)
{
    const runtime::Resultado<Expressão> lida =
        LerExpressão(texto, {.parâmetros = {}, .relação = false, .x = false});
    const auto recusar = [texto](const runtime::Erro& erro) {
        switch (erro.código) {
        case Código::TextoVazio:
        case Código::DenominadorZero:
        case Código::DivisãoPorZero:
        case Código::ExpoenteGrande:
        case Código::Transbordo:
        case Código::ParêntesesIncorrectos:
        case Código::RelaçãoNãoPermitida:
            return runtime::FalharEm(erro.código, erro.posição, std::string(texto));
        default:
            return runtime::FalharEm(Código::NúmeroIlegível, erro.posição, std::string(texto));
        }
    };
    if (!lida.Ok())
        return recusar(lida.Falha());
    runtime::Resultado<Racional> valor = ValorConstante(lida.Valor());
    if (!valor.Ok())
        return recusar(runtime::FalharEm(valor.Falha().código, 1, {}));
    return valor;
}

} // namespace vendrix::algebra
