// SPDX-License-Identifier: MIT
#include "interpreter/avaliar.h"
#include "interpreter/calculo.h"

namespace vendrix::interpreter {

namespace {

bool Vazio(const Valor& valor) noexcept { return std::holds_alternative<std::monostate>(valor); }

} // namespace

void Valores::Preencher(const Expressão& expressão)
{
    n = static_cast<std::int32_t>(expressão.símbolos.size());
    const auto tamanho = static_cast<std::size_t>(n) + 2;
    slots.assign(tamanho, std::monostate{});
    seguinte.assign(tamanho, 0);
    anterior.assign(tamanho, 0);
    std::int32_t último = 0;
    for (std::int32_t i = 1; i <= n; ++i) {
        if (expressão.símbolos[static_cast<std::size_t>(i) - 1].tipo == Tipo::Separador)
            continue;
        slots[static_cast<std::size_t>(i)] = Texto{i};
        seguinte[static_cast<std::size_t>(último)] = i;
        anterior[static_cast<std::size_t>(i)] = último;
        último = i;
    }
    seguinte[static_cast<std::size_t>(último)] = n + 1;
    anterior[static_cast<std::size_t>(n) + 1] = último;
}

const Valor* Valores::Ler(std::int32_t posição) const noexcept
{
    if (posição < 1 || posição > n)
        return nullptr;
    return &slots[static_cast<std::size_t>(posição)];
}

void Valores::Escrever(std::int32_t posição, Valor valor)
{
    if (Vazio(valor))
        return Esvaziar(posição);
    auto& slot = slots[static_cast<std::size_t>(posição)];
    const bool estavaVazio = Vazio(slot);
    slot = valor;
    if (estavaVazio)
        Ligar(posição);
}

void Valores::Esvaziar(std::int32_t posição)
{
    auto& slot = slots[static_cast<std::size_t>(posição)];
    if (Vazio(slot))
        return;
    slot = std::monostate{};
    const auto p = static_cast<std::size_t>(anterior[static_cast<std::size_t>(posição)]);
    const auto s = static_cast<std::size_t>(seguinte[static_cast<std::size_t>(posição)]);
    seguinte[p] = static_cast<std::int32_t>(s);
    anterior[s] = static_cast<std::int32_t>(p);
}

// The links of an emptied slot are never read again, so a slot that is
// filled again is linked by looking for its neighbours. No step of an
// evaluation fills an empty slot, so this costs nothing in practice.
void Valores::Ligar(std::int32_t posição) noexcept
{
    std::int32_t p = posição - 1;
    while (p > 0 && Vazio(slots[static_cast<std::size_t>(p)]))
        --p;
    const auto s = seguinte[static_cast<std::size_t>(p)];
    seguinte[static_cast<std::size_t>(p)] = posição;
    anterior[static_cast<std::size_t>(posição)] = p;
    seguinte[static_cast<std::size_t>(posição)] = s;
    anterior[static_cast<std::size_t>(s)] = posição;
}

std::int32_t Valores::NextValueIndex(std::int32_t i) const noexcept
{
    if (i < 0 || i >= n)
        return i < 0 ? NextValueIndex(0) : 0;
    std::int32_t j = 0;
    if (i == 0 || !Vazio(slots[static_cast<std::size_t>(i)])) {
        j = seguinte[static_cast<std::size_t>(i)];
    } else {
        j = i + 1;
        while (j <= n && Vazio(slots[static_cast<std::size_t>(j)]))
            ++j;
    }
    return j > n ? 0 : j;
}

std::int32_t Valores::PrevValueIndex(std::int32_t i) const noexcept
{
    if (i <= 1)
        return 0;
    if (i > n)
        return anterior[static_cast<std::size_t>(n) + 1];
    if (!Vazio(slots[static_cast<std::size_t>(i)]))
        return anterior[static_cast<std::size_t>(i)];
    std::int32_t j = i - 1;
    while (j > 0 && Vazio(slots[static_cast<std::size_t>(j)]))
        --j;
    return j;
}

} // namespace vendrix::interpreter
