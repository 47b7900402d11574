// SPDX-License-Identifier: MIT
#pragma once

#include "ui/servico_mensagens.h"

#include <string>
#include <vector>

namespace vendrix::testes {

struct CaixaMostrada
{
    std::string título;
    std::string texto;
    runtime::Ícone ícone;

    bool operator==(const CaixaMostrada&) const = default;
};

// Records the boxes a routine shows instead of showing them.
class GravadorDeMensagens final : public ui::ServiçoDeMensagens
{
public:
    void Mostrar(std::string_view título, std::string_view texto, runtime::Ícone ícone) override
    {
        caixas.push_back({std::string(título), std::string(texto), ícone});
    }

    std::vector<CaixaMostrada> caixas;
};

} // namespace vendrix::testes
