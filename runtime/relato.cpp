// SPDX-License-Identifier: MIT
#include "runtime/relato.h"

namespace vendrix::runtime {

std::string_view TextoDoTítulo(Título título) noexcept
{
    switch (título) {
    case Título::Erro1:
        return "Erro1 na expressão.";
    case Título::Erro2:
        return "Erro2 na expressão.";
    case Título::Erro3:
        return "Erro3 na expressão.";
    case Título::Vendrix:
        return "Vendrix";
    }
    return {}; // a number cast to Título that names no title
}

} // namespace vendrix::runtime
