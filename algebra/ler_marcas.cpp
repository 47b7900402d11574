// SPDX-License-Identifier: MIT
#include "algebra/ler_marcas.h"

#include "runtime/utf8.h"

#include <cstdint>

namespace vendrix::algebra::leitura {

namespace {

bool ÉBranco(char32_t c) { return c == ' ' || c == '\t' || c == 0xA0 || c == 0x2009 || c == 0x202F; }

char32_t Dobrar(char32_t c)
{
    switch (c) {
    case 0x2212: // minus sign
    case 0x2013: // en dash
        return '-';
    case 0xB7: // middle dot
    case 0xD7: // multiplication sign
        return '*';
    case 'X':
        return 'x';
    default:
        return c;
    }
}

} // namespace

Marcas Marcar(std::string_view texto)
{
    Marcas lidas;
    std::size_t posição = 1;
    for (std::size_t i = 0; i < texto.size(); ++posição) {
        const runtime::Carácter d = runtime::Descodificar(texto, i);
        if (!ÉBranco(d.c))
            lidas.marcas.push_back({Dobrar(d.c), posição, i, i + d.bytes});
        i += d.bytes;
    }
    lidas.depoisDoFim = posição;
    return lidas;
}

int Sobrescrito(char32_t c) noexcept
{
    switch (c) {
    case 0x2070:
        return 0;
    case 0xB9:
        return 1;
    case 0xB2:
        return 2;
    case 0xB3:
        return 3;
    default:
        return c >= 0x2074 && c <= 0x2079 ? static_cast<int>(c - 0x2070) : -1;
    }
}

Inteiro DeAlgarismos(std::string_view algarismos)
{
    Inteiro valor = 0;
    for (std::size_t i = 0; i < algarismos.size(); i += 9) {
        std::uint32_t parte = 0, escala = 1;
        for (const char a : algarismos.substr(i, 9)) {
            parte = parte * 10 + static_cast<std::uint32_t>(a - '0');
            escala *= 10;
        }
        valor = valor * escala + parte;
    }
    return valor;
}

} // namespace vendrix::algebra::leitura
