// SPDX-License-Identifier: MIT
#include "ruffini/vista.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace vendrix::ruffini {

std::string NomeDaCélula(Fila fila, std::size_t índice)
{
    static constexpr std::array<std::string_view, 3> Nomes{"Coef", "Seg", "Ter"};
    // Written in place and made a string once: three names for every cell
    // of every table shown.
    std::array<char, 32> nome{};
    char* fim = std::ranges::copy(Nomes[static_cast<std::size_t>(fila)], nome.data()).out;
    *fim++ = '(';
    fim = std::to_chars(fim, nome.data() + nome.size() - 1, índice).ptr;
    *fim++ = ')';
    return {nome.data(), fim};
}

VistaRuffini VerDivisão(const Divisão& d)
{
    VistaRuffini vista;
    if (!d.tabelaVisível)
        return vista;
    // The division never goes beyond degree 9; the bound keeps a wrong
    // degree from reaching past the cells.
    const auto último =
        static_cast<std::size_t>(std::clamp<int>(d.GrauDividendo.value_or(0), 0, CélulasSeg - 1));
    vista.mostrada = true;
    vista.colunas = último + 1;
    display::QuadroRuffini& q = vista.quadro;
    q.Div = d.Div.value_or("");
    for (std::size_t i = 0; i <= último; ++i) {
        q.Coef.push_back(d.Coef[i].value_or(""));
        q.Ter.push_back(d.Ter[i].value_or(""));
        if (i < último) // the last column has no product
            q.Seg.push_back(d.Seg[i].value_or(""));
    }
    q.quociente = d.Resultado.value_or("");
    q.resto = d.resto;
    for (std::size_t i = 0; i < q.Coef.size(); ++i)
        vista.células.push_back({Fila::Coef, i, i, q.Coef[i]});
    for (std::size_t i = 0; i < q.Seg.size(); ++i)
        vista.células.push_back({Fila::Seg, i, i + 1, q.Seg[i]});
    for (std::size_t i = 0; i < q.Ter.size(); ++i)
        vista.células.push_back({Fila::Ter, i, i, q.Ter[i]});
    return vista;
}

} // namespace vendrix::ruffini
