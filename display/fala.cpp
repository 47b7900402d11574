// SPDX-License-Identifier: MIT
#include "display/fala.h"

#include "runtime/utf8.h"

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
    std::size_t i = 0;
    while (i < texto.size()) {
        const std::string_view c = runtime::CarácterEm(texto, i);
        i += c.size();
        if (c == "^") {
            ++elevações;
            continue;
        }
        if (Repõe(c))
            elevações = ditas = 0;
        for (; ditas < elevações; ++ditas)
            Juntar(fala, elevadoA);
        if ((c == "+" || c == "-") && !fala.empty())
            Juntar(fala, std::string(" ").append(c).append(" "));
        else
            fala += c;
    }
    return Aparado(std::move(fala));
}

} // namespace vendrix::display
