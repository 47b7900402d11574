// SPDX-License-Identifier: MIT
#pragma once

#include "comum/gravador_mensagens.h"
#include "engine/produto.h"
#include "engine/simplificar.h"
#include "engine/termos.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace vendrix::testes {

inline void PrintTo(const CaixaMostrada& c, std::ostream* s) { *s << c.título << " " << c.texto; }

} // namespace vendrix::testes

namespace vendrix::engine {

// Failures in one letter: I index out of range, T type mismatch, E overflow (excesso).
inline constexpr std::string_view Letras = "ITE";
inline constexpr runtime::Código Códigos[] = {runtime::Código::ÍndiceForaDoIntervalo,
                                              runtime::Código::TipoIncompatível,
                                              runtime::Código::Transbordo,
                                              runtime::Código::Nenhum};

// Boxes written two characters each: the N of the title "ErroN na expressão." and the failure's letter.
inline std::vector<testes::CaixaMostrada> Caixas(std::string_view escritas)
{
    std::vector<testes::CaixaMostrada> caixas;
    for (std::size_t i = 0; i + 1 < escritas.size(); i += 2)
        caixas.push_back(
            {std::string("Erro") + escritas[i] + " na expressão.",
             runtime::Falhar(Códigos[std::min(Letras.find(escritas[i + 1]), Letras.size())]).Descrição(),
             runtime::Ícone::Crítico});
    return caixas;
}

// The count, or "!" and the number of the failure, which ContarMenos returns instead of showing.
template <bool distinguirMaiúsculas>
std::string Contar(std::string_view texto, std::string_view padrão, runtime::ServiçoDeMensagens&)
{
    const auto r = ContarMenos(texto, padrão, distinguirMaiúsculas);
    return r.Ok() ? std::to_string(r.Valor()) : Juntar({"!", std::to_string(r.Falha().Número())});
}

using Rotina = std::string (*)(std::string_view a, std::string_view b, runtime::ServiçoDeMensagens& m);

inline constexpr Rotina S = [](auto a, auto, auto& m) { return Simplificar(a, m); };

// One row: a routine of one or two texts, what it gives and the boxes it shows.
struct Caso
{
    const char* nome;
    Rotina rotina;
    std::string_view a, b, saída, caixas;
};

inline void PrintTo(const Caso& c, std::ostream* saída) { *saída << c.nome; }

inline constexpr auto NomeDaLinha = [](const auto& linha) { return std::string(linha.param.nome); };

// Its TEST_P is in simplificar_test.cpp; every file instantiates it with its own rows.
class RotinaTeste : public ::testing::TestWithParam<Caso>
{};

} // namespace vendrix::engine
