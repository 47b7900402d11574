// SPDX-License-Identifier: MIT
// Any text given to Equation gives a value or one of the interpreter's own
// errors, with its source, and a second Solve agrees with the first.
#include "interpreter/cls_equation.h"

#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    using vendrix::runtime::Código;
    const std::string_view texto(reinterpret_cast<const char*>(dados), tamanho);
    vendrix::interpreter::clsEquation equação([] { return 5U; });
    equação.Var("x", 2.5);
    equação.Equation(texto);
    const auto primeira = equação.Solve();
    if (!primeira.Ok()) {
        const auto& erro = primeira.Falha();
        const int n = erro.Número();
        const bool conhecido = n == 5 || n == 6 || n == 11 || (n >= 1100 && n <= 1104);
        if (!conhecido || erro.origem != "Interpretador")
            std::abort();
    }
    // Solving the same tokens again gives the same outcome, unless the
    // expression may draw random numbers (every name that does has an r).
    if (texto.find_first_of("rR") == std::string_view::npos) {
        const auto segunda = equação.Solve();
        if (segunda.Ok() != primeira.Ok() || (!segunda.Ok() && !(segunda.Falha() == primeira.Falha())))
            std::abort();
    }
    return 0;
}
