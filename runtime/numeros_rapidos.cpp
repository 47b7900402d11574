// SPDX-License-Identifier: MIT
#include "runtime/numeros_rapidos.h"

#include "runtime/numeros.h"

#include <cmath>
#include <cstdint>

namespace vendrix::runtime {

Resultado<float> TextoParaSimplesDepressa(std::string_view texto)
{
    const bool negativo = !texto.empty() && texto.front() == '-';
    const std::string_view algarismos =
        texto.substr(!texto.empty() && (negativo || texto.front() == '+') ? 1 : 0);
    if (algarismos.empty() || algarismos.size() > 7)
        return TextoParaSimples(texto);
    std::int32_t valor = 0;
    for (const char c : algarismos) {
        if (c < '0' || c > '9')
            return TextoParaSimples(texto);
        valor = valor * 10 + (c - '0');
    }
    // "-0" is negative zero, as the general conversion reads it.
    const auto simples = static_cast<float>(valor);
    return negativo ? -simples : simples;
}

std::string TextoDeSimplesDepressa(float valor)
{
    if (std::fabs(valor) < 1e7f && std::trunc(valor) == valor)
        return TextoDeInteiro(ParaInteiro32(valor).ValorOu(0));
    return TextoDeSimples(valor);
}

} // namespace vendrix::runtime
