// SPDX-License-Identifier: MIT
#include "runtime/utf8.h"

namespace vendrix::runtime {

Carácter Descodificar(std::string_view t, std::size_t i) noexcept
{
    const auto b = static_cast<unsigned char>(t[i]);
    if (b < 0x80)
        return {b, 1};
    const std::size_t n = b >= 0xF5 ? 0 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC2 ? 2 : 0;
    if (n == 0 || n > t.size() - i)
        return {CarácterInválido, 1};
    char32_t c = b & (0x7FU >> n);
    for (std::size_t k = 1; k < n; ++k) {
        const auto seguinte = static_cast<unsigned char>(t[i + k]);
        if ((seguinte & 0xC0U) != 0x80U)
            return {CarácterInválido, 1};
        c = (c << 6U) | (seguinte & 0x3FU);
    }
    constexpr char32_t Mínimo[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < Mínimo[n] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return {CarácterInválido, 1};
    return {c, n};
}

std::string_view CarácterEm(std::string_view texto, std::size_t i) noexcept
{
    return i < texto.size() ? texto.substr(i, Descodificar(texto, i).bytes) : std::string_view();
}

std::size_t ContarCaracteres(std::string_view texto) noexcept
{
    std::size_t n = 0;
    for (std::size_t i = 0; i < texto.size(); i += Descodificar(texto, i).bytes)
        ++n;
    return n;
}

} // namespace vendrix::runtime
