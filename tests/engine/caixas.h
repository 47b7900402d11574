// SPDX-License-Identifier: MIT
#pragma once

#include "comum/gravador_mensagens.h"
#include "runtime/erro.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace vendrix::testes {

inline void PrintTo(const CaixaMostrada& caixa, std::ostream* saída)
{
    *saída << "{" << caixa.título << ", " << caixa.texto << ", "
           << (caixa.ícone == runtime::Ícone::Crítico ? "crítico" : "informação") << "}";
}

} // namespace vendrix::testes

namespace vendrix::engine {

// The box a failure report shows. Its text comes from the code through the
// one message table, so tests compare codes and titles, not wording.
inline testes::CaixaMostrada Caixa(std::string_view título, runtime::Código código)
{
    return {std::string(título), runtime::Falhar(código).Descrição(), runtime::Ícone::Crítico};
}

// The boxes of a row that expects at most one failure.
inline std::vector<testes::CaixaMostrada> CaixasDe(std::string_view título, runtime::Código código)
{
    if (código == runtime::Código::Nenhum)
        return {};
    return {Caixa(título, código)};
}

} // namespace vendrix::engine
