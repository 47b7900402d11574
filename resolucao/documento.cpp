// SPDX-License-Identifier: MIT
#include "resolucao/documento.h"

#include <utility>

namespace vendrix::resolucao {

void Dizer(Documento& documento, const Tradutor& tradutor, Texto texto, std::vector<std::string> argumentos)
{
    documento.blocos.emplace_back(Frase{tradutor(FonteDe(texto)), std::move(argumentos)});
}

void Intitular(Documento& documento,
               const Tradutor& tradutor,
               Texto texto,
               std::vector<std::string> argumentos)
{
    documento.blocos.emplace_back(Título{Frase{tradutor(FonteDe(texto)), std::move(argumentos)}});
}

std::string Substituir(const Frase& frase,
                       std::string (*texto)(std::string_view),
                       std::string (*fórmula)(std::string_view))
{
    const std::string_view m = frase.modelo;
    std::string saída;
    std::size_t início = 0;
    for (std::size_t i = 0; i + 1 < m.size(); ++i) {
        if (m[i] != '%' || m[i + 1] < '1' || m[i + 1] > '9')
            continue;
        saída += texto(m.substr(início, i - início));
        const auto n = static_cast<std::size_t>(m[i + 1] - '1');
        if (n < frase.argumentos.size())
            saída += fórmula(frase.argumentos[n]);
        início = i + 2;
        ++i;
    }
    saída += texto(m.substr(início));
    return saída;
}

} // namespace vendrix::resolucao
