// SPDX-License-Identifier: MIT
#include "engine/preparar.h"

#include <algorithm>

namespace vendrix::engine {

namespace {

struct Troca
{
    std::string_view de; // UTF-8
    char para;
    bool sobrescrito;
};

constexpr Troca Trocas[] = {
    {"\u2212", '-', false},
    {"\u2013", '-', false},
    {"\u00A0", ' ', false},
    {"\u2009", ' ', false},
    {"\u202F", ' ', false},
    {"\u2070", '0', true},
    {"\u00B9", '1', true},
    {"\u00B2", '2', true},
    {"\u00B3", '3', true},
    {"\u2074", '4', true},
    {"\u2075", '5', true},
    {"\u2076", '6', true},
    {"\u2077", '7', true},
    {"\u2078", '8', true},
    {"\u2079", '9', true},
};

bool Sinal(char c) noexcept { return c == '+' || c == '-'; }

} // namespace

std::string NormalizarEscrita(std::string_view texto)
{
    std::string normal;
    normal.reserve(texto.size());
    bool sobrescrito = false;
    while (!texto.empty()) {
        // Every character looked for begins with a byte above 127: the
        // bytes before the next such one go as they are.
        const std::size_t baixos = static_cast<std::size_t>(
            std::ranges::find_if(texto, [](char c) { return static_cast<unsigned char>(c) >= 0x80; }) -
            texto.begin());
        if (baixos > 0) {
            normal += texto.substr(0, baixos);
            sobrescrito = false;
            texto.remove_prefix(baixos);
            continue;
        }
        const auto troca =
            std::ranges::find_if(Trocas, [&](const Troca& t) { return texto.starts_with(t.de); });
        if (troca == std::end(Trocas)) {
            normal += texto.front();
            sobrescrito = false;
            texto.remove_prefix(1);
            continue;
        }
        if (troca->sobrescrito && !sobrescrito)
            normal += '^';
        normal += troca->para;
        sobrescrito = troca->sobrescrito;
        texto.remove_prefix(troca->de.size());
    }
    return normal;
}

std::string PrepararPolinómio(std::string_view texto)
{
    const std::string normal = NormalizarEscrita(texto);
    std::string preparado;
    preparado.reserve(normal.size());
    // The signs of the run being read: whether there is one, and whether it
    // holds an odd number of "-". Blanks are dropped first, so "- -" is a run.
    bool sinais = false, menos = false;
    for (std::size_t i = 0; i < normal.size();) {
        const char c = normal[i];
        if (c == ' ') {
            ++i;
            continue;
        }
        if (Sinal(c)) {
            menos = (sinais && menos) != (c == '-');
            sinais = true;
            ++i;
            continue;
        }
        if (sinais)
            preparado += menos ? '-' : '+';
        sinais = false;
        // The run up to the next blank or sign goes whole.
        const auto fim = std::find_if(normal.begin() + static_cast<std::ptrdiff_t>(i),
                                      normal.end(),
                                      [](char d) { return d == ' ' || Sinal(d); });
        preparado.append(normal.begin() + static_cast<std::ptrdiff_t>(i), fim);
        i = static_cast<std::size_t>(fim - normal.begin());
    }
    if (sinais)
        preparado += menos ? '-' : '+';
    if (preparado.starts_with('+'))
        preparado.erase(0, 1);
    return preparado;
}

} // namespace vendrix::engine
