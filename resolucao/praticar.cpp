// SPDX-License-Identifier: MIT
#include "resolucao/praticar.h"

#include <algorithm>
#include <array>

namespace vendrix::resolucao {

namespace {

constexpr std::array<std::pair<Tipo, std::string_view>, 8> Tipos{{
    {Tipo::DividirPorXMenosA, "ruffini"},
    {Tipo::DividirPorAXMaisB, "ruffini-ax-b"},
    {Tipo::DividirPorQuadrática, "divisao-longa"},
    {Tipo::TeoremaDoResto, "resto"},
    {Tipo::Factorizar, "factorizar"},
    {Tipo::Equação, "equacao"},
    {Tipo::Inequação, "inequacao"},
    {Tipo::Parâmetros, "parametros"},
}};

} // namespace

std::string_view NomeDoTipo(Tipo tipo) noexcept
{
    for (const auto& [t, nome] : Tipos)
        if (t == tipo)
            return nome;
    return Tipos[0].second;
}

std::optional<Tipo> TipoDoNome(std::string_view nome) noexcept
{
    for (const auto& [t, n] : Tipos)
        if (n == nome)
            return t;
    return std::nullopt;
}

std::vector<std::string_view> NomesDosTipos()
{
    std::vector<std::string_view> nomes;
    for (const auto& linha : Tipos)
        nomes.push_back(linha.second);
    return nomes;
}

// Not generated yet: the boxes of a fixed division, so that the front ends
// can be wired.
ExercícioGerado GerarExercício(Tipo tipo, int nível, std::uint64_t semente, const Tradutor&)
{
    ExercícioGerado g;
    g.tipo = tipo;
    g.nível = std::clamp(nível, NívelMínimo, NívelMáximo);
    g.semente = semente;
    g.polinómio1 = "x^3-2x^2-5x+6";
    g.polinómio2 = "x+2";
    g.resposta = "Q = x^2-4x+3; R = 0";
    return g;
}

Ficha FazerFicha(const PedidoDeFicha&, const Tradutor&) { return {}; }

std::string FichaEmHtml(const Ficha&, const Tradutor&) { return {}; }

std::string FichaEmLaTeX(const Ficha&, const Tradutor&) { return {}; }

} // namespace vendrix::resolucao
