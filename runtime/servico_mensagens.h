// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace vendrix::runtime {

enum class Ícone {
    Crítico,    // the stop sign of the engine's failure reports
    Informação, // the "i" of the division's messages
};

// The message boxes the program's routines show. The window supplies modal
// boxes; tests supply a recorder. Mostrar returns only when the user has
// closed the box, so a routine goes on after its report as the user expects.
class ServiçoDeMensagens
{
public:
    virtual ~ServiçoDeMensagens() = default;
    virtual void Mostrar(std::string_view título, std::string_view texto, Ícone ícone) = 0;
};

} // namespace vendrix::runtime
