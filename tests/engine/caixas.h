// SPDX-License-Identifier: MIT
#pragma once

#include "comum/relatos.h"
#include "engine/produto.h"
#include "engine/simplificar.h"
#include "engine/termos.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace vendrix::engine {

// Failures in one letter: I index out of range, T type mismatch, E overflow (excesso), O the count of
// the others.
inline constexpr std::string_view Letras = "ITEO";
inline constexpr runtime::Código Códigos[] = {runtime::Código::ÍndiceForaDoIntervalo,
                                              runtime::Código::TipoIncompatível,
                                              runtime::Código::Transbordo,
                                              runtime::Código::OutrosMonómios,
                                              runtime::Código::Nenhum};
inline constexpr runtime::Título Títulos[] = {
    runtime::Título::Erro1, runtime::Título::Erro2, runtime::Título::Erro3};

// Reports written two characters each: the N of the title "ErroN na expressão." and the failure's letter.
inline std::vector<runtime::Relato> Caixas(std::string_view escritas)
{
    std::vector<runtime::Relato> caixas;
    for (std::size_t i = 0; i + 1 < escritas.size(); i += 2)
        caixas.push_back(
            RelatoDeFalha(Títulos[escritas[i] - '1'],
                          runtime::Falhar(Códigos[std::min(Letras.find(escritas[i + 1]), Letras.size())])));
    return caixas;
}

// Reports written back the same way, each followed by the term it names in «» when símbolos is set.
inline std::string Escritas(const std::vector<runtime::Relato>& relatos, bool símbolos)
{
    std::string escritas;
    for (const runtime::Relato& r : relatos) {
        escritas += static_cast<char>('1' + static_cast<int>(r.título));
        const auto código = std::ranges::find(Códigos, r.erro.código) - std::begin(Códigos);
        escritas +=
            static_cast<std::size_t>(código) < Letras.size() ? Letras[static_cast<std::size_t>(código)] : '?';
        if (símbolos)
            escritas += "«" + r.erro.símbolo + "»";
    }
    return escritas;
}

using Texto = runtime::Relatado<std::string>;

// A text that comes with no report.
inline Texto SemRelatos(std::string texto) { return {std::move(texto), {}}; }

// The count, or "!" and the number of the failure, which ContarMenos returns instead of reporting.
template <bool distinguirMaiúsculas>
Texto Contar(std::string_view texto, std::string_view padrão)
{
    const auto r = ContarMenos(texto, padrão, distinguirMaiúsculas);
    return SemRelatos(r.Ok() ? std::to_string(r.Valor()) : Juntar({"!", std::to_string(r.Falha().Número())}));
}

using Rotina = Texto (*)(std::string_view a, std::string_view b);

inline constexpr Rotina S = [](auto a, auto) { return Simplificar(a); };

// One row: a routine of one or two texts, what it gives and the boxes it reports (Escritas, with the
// terms they name when the row gives them).
struct Caso
{
    const char* nome;
    Rotina rotina;
    std::string_view a, b, saida, caixas;
};

inline void PrintTo(const Caso& c, std::ostream* saída) { *saída << c.nome; }

inline constexpr auto NomeDaLinha = [](const auto& linha) { return std::string(linha.param.nome); };

// Its TEST_P is in simplificar_test.cpp; every file instantiates it with its own rows.
class RotinaTeste : public ::testing::TestWithParam<Caso>
{};

} // namespace vendrix::engine
