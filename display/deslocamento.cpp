// SPDX-License-Identifier: MIT
#include "display/deslocamento.h"

#include "display/linha.h"
#include "runtime/utf8.h"

#include <algorithm>
#include <limits>

namespace vendrix::display {

namespace {

constexpr float SemLimite = std::numeric_limits<float>::infinity();

// The byte where the piece that starts at início ends: the first character
// that brings the line back after CaracteresPorMarco characters, walked as
// tracing walks them, so that a piece never starts inside a character.
[[nodiscard]] std::size_t FimDoPedaço(std::string_view texto, std::size_t início) noexcept
{
    std::size_t i = início;
    for (std::size_t contados = 0; i < texto.size(); ++contados) {
        if (contados >= CaracteresPorMarco && Repõe(texto[i]))
            return i;
        i += runtime::Descodificar(texto, i).bytes;
    }
    return i;
}

} // namespace

Medida MedirPolinómio(std::string_view texto, float xInicial, float baseY, const Largura& largura)
{
    Medida m{{}, xInicial};
    for (std::size_t início = 0; início < texto.size() || m.marcos.empty();) {
        m.marcos.push_back({início, m.xFinal});
        const std::size_t fim = FimDoPedaço(texto, início);
        m.xFinal = TraçarPolinómio(texto.substr(início, fim - início), m.xFinal, baseY, SemLimite, largura).x;
        início = fim;
    }
    return m;
}

Traçado TraçarVista(std::string_view texto,
                    const Medida& medida,
                    float baseY,
                    float xEsquerda,
                    float xDireita,
                    const Largura& largura)
{
    // The character that covers xEsquerda starts at or after the last
    // place at or left of it.
    auto depois =
        std::upper_bound(medida.marcos.begin(), medida.marcos.end(), xEsquerda, [](float x, const Marco& m) {
            return x < m.x;
        });
    const Marco início = depois != medida.marcos.begin() ? *std::prev(depois)
                         : medida.marcos.empty()         ? Marco{0, 0.0F}
                                                         : medida.marcos.front();
    return TraçarPolinómio(
        texto.substr(std::min(início.byte, texto.size())), início.x, baseY, xDireita, largura);
}

float DeslocamentoMáximo(float alcance, float margem, float esquerda, float direita) noexcept
{
    const float máximo = alcance + margem - direita;
    return máximo > 0.0F && esquerda <= direita ? máximo : 0.0F;
}

float Limitar(float deslocamento, float máximo) noexcept
{
    // Written so that NaN comes to rest at the start.
    if (!(deslocamento > 0.0F))
        return 0.0F;
    return std::min(deslocamento, máximo);
}

} // namespace vendrix::display
