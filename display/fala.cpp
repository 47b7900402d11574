// SPDX-License-Identifier: MIT
#include "display/fala.h"

#include <algorithm>
#include <utility>

namespace vendrix::display {

namespace {

// The characters that bring the drawing back to the line, as in tracing.
[[nodiscard]] bool Repõe(std::string_view c) noexcept { return c == "x" || c == "+" || c == "-" || c == "/"; }

// Appends a piece that begins with a blank, without doubling a blank that
// a sign already left.
void Juntar(std::string& fala, std::string_view pedaço)
{
    if (fala.empty() || fala.back() == ' ')
        pedaço.remove_prefix(1);
    fala += pedaço;
}

// A sign at the very end leaves the blank put after it.
[[nodiscard]] std::string Aparado(std::string fala)
{
    if (!fala.empty() && fala.back() == ' ')
        fala.pop_back();
    return fala;
}

} // namespace

std::string FalarPolinómio(std::string_view texto, std::string_view elevado)
{
    const std::string elevadoA = std::string(" ").append(elevado).append(" ");
    std::string fala;
    int elevações = 0; // raises of the next character drawn
    int ditas = 0;     // raises already announced
    fala.reserve(texto.size());
    // Every character that raises or brings back the line is a byte below
    // 128, so the text up to the next of them, whatever its characters, is
    // one run said as it is.
    std::size_t i = 0;
    while (i < texto.size()) {
        if (texto[i] == '^') {
            ++elevações;
            ++i;
            continue;
        }
        const std::string_view c = texto.substr(i, 1);
        const bool repõe = Repõe(c);
        if (repõe)
            elevações = ditas = 0;
        for (; ditas < elevações; ++ditas)
            Juntar(fala, elevadoA);
        const std::size_t fim = repõe ? i + 1 : std::min(texto.find_first_of("^x+-/", i), texto.size());
        if ((c == "+" || c == "-") && !fala.empty())
            Juntar(fala, c == "+" ? " + " : " - ");
        else
            fala += texto.substr(i, fim - i);
        i = fim;
    }
    return Aparado(std::move(fala));
}

} // namespace vendrix::display
