// SPDX-License-Identifier: MIT
#include "ruffini/divisao.h"

#include <algorithm>
#include <cstdlib>

using namespace vendrix;

// The dividend and the divisor are split at the first newline. A run ends
// either in a message with the table hidden, or in a whole table.
extern "C" int LLVMFuzzerTestOneInput(const unsigned char* dados, std::size_t tamanho)
{
    const std::string_view texto(reinterpret_cast<const char*>(dados), tamanho);
    const std::size_t quebra = std::min(texto.find('\n'), texto.size());
    const std::string_view dividendo = texto.substr(0, quebra);
    const std::string_view divisor = texto.substr(std::min(quebra + 1, texto.size()));
    // A fixed seed: a failure found with a divisor that draws random numbers replays.
    const ruffini::Divisão d = ruffini::Dividir(dividendo, divisor, [] { return 1u; });
    if ((d.Recusa() != nullptr) == d.tabelaVisível)
        std::abort();
    if (d.tabelaVisível) {
        const int grau = d.GrauDividendo.value_or(0);
        if (grau < 1 || grau > 9 || !d.Div || !d.Resultado ||
            d.resto != d.Ter[static_cast<std::size_t>(grau)])
            std::abort();
        for (int i = 0; i <= grau; ++i)
            if (!d.Coef[static_cast<std::size_t>(i)] || !d.Ter[static_cast<std::size_t>(i)] ||
                (i < grau && !d.Seg[static_cast<std::size_t>(i)]))
                std::abort();
    }
    return 0;
}
