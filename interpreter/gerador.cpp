// SPDX-License-Identifier: MIT
#include "interpreter/gerador.h"

#include <bit>
#include <chrono>

namespace vendrix::interpreter {

namespace {

// The top 24 bits make a float exactly: the value can never round up to 1.
float ParaSimples(std::uint32_t bits) noexcept { return static_cast<float>(bits >> 8) * 0x1p-24F; }

} // namespace

FonteDeSementes SementesDoRelógio()
{
    return [] {
        const auto agora = std::chrono::system_clock::now().time_since_epoch().count();
        // Keeping the low bits is enough: they change the fastest.
        return static_cast<std::uint32_t>(static_cast<std::uint64_t>(agora));
    };
}

Gerador::Gerador(FonteDeSementes fonte_)
    : fonte(std::move(fonte_))
    , motor(fonte())
{}

float Gerador::Próximo()
{
    último = ParaSimples(motor());
    return último;
}

void Gerador::Ressemear() { motor.seed(fonte()); }

float Gerador::Fixo(double x)
{
    const auto bits = std::bit_cast<std::uint64_t>(x);
    std::seed_seq semente{static_cast<std::uint32_t>(bits), static_cast<std::uint32_t>(bits >> 32)};
    std::mt19937 próprio(semente);
    último = ParaSimples(próprio());
    return último;
}

} // namespace vendrix::interpreter
