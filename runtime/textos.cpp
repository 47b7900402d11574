// SPDX-License-Identifier: MIT
#include "runtime/textos.h"

namespace vendrix::runtime {

std::size_t Posição(std::string_view texto, std::string_view procurado, std::size_t início) noexcept
{
    if (início == 0 || início > texto.size() + 1)
        return 0;
    const std::size_t achado = texto.find(procurado, início - 1);
    return achado == std::string_view::npos ? 0 : achado + 1;
}

bool Contém(std::string_view texto, std::string_view procurado) noexcept
{
    return texto.find(procurado) != std::string_view::npos;
}

std::string Substituir(std::string_view texto, std::string_view de, std::string_view para)
{
    if (de.empty()) // nothing to find: without this the search would never move on
        return std::string(texto);
    std::string resultado;
    resultado.reserve(texto.size());
    std::size_t início = 0;
    for (std::size_t achado = texto.find(de); achado != std::string_view::npos;
         achado = texto.find(de, início)) {
        resultado.append(texto.substr(início, achado - início));
        resultado.append(para);
        início = achado + de.size();
    }
    resultado.append(texto.substr(início));
    return resultado;
}

std::vector<std::string_view> Dividir(std::string_view texto, std::string_view separador)
{
    std::vector<std::string_view> pedaços;
    if (texto.empty())
        return pedaços;
    if (separador.empty()) { // no separator to cut at: without this the search would never move on
        pedaços.push_back(texto);
        return pedaços;
    }
    std::size_t início = 0;
    for (std::size_t achado = texto.find(separador); achado != std::string_view::npos;
         achado = texto.find(separador, início)) {
        pedaços.push_back(texto.substr(início, achado - início));
        início = achado + separador.size();
    }
    pedaços.push_back(texto.substr(início));
    return pedaços;
}

std::string Minúsculas(std::string_view texto)
{
    std::string resultado(texto);
    for (char& c : resultado)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return resultado;
}

} // namespace vendrix::runtime
