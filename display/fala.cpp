// SPDX-License-Identifier: MIT
#include "display/fala.h"

#include "display/linha.h"

#include <utility>

namespace vendrix::display {

namespace {

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
    // The characters between a raise and the line's return are said as
    // they are, in one run.
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
        const std::size_t fim = repõe ? i + 1 : FimDaCorrida(texto, i);
        if ((c == "+" || c == "-") && !fala.empty())
            Juntar(fala, c == "+" ? " + " : " - ");
        else
            fala += texto.substr(i, fim - i);
        i = fim;
    }
    return Aparado(std::move(fala));
}

} // namespace vendrix::display
