// SPDX-License-Identifier: MIT
#include "runtime/traducao.h"

namespace vendrix::runtime {

std::string EmPortuguês(const Fonte& fonte) { return fonte.texto; }

std::string Preencher(std::string_view modelo, std::initializer_list<std::string_view> argumentos)
{
    std::string saída;
    saída.reserve(modelo.size());
    for (std::size_t i = 0; i < modelo.size(); ++i) {
        const bool marcador =
            modelo[i] == '%' && i + 1 < modelo.size() && modelo[i + 1] >= '1' && modelo[i + 1] <= '9';
        const auto n = marcador ? static_cast<std::size_t>(modelo[i + 1] - '1') : 0;
        if (!marcador || n >= argumentos.size()) {
            saída += modelo[i];
            continue;
        }
        saída += *(argumentos.begin() + n);
        ++i;
    }
    return saída;
}

} // namespace vendrix::runtime
