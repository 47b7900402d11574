// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// The generated exercises' own random numbers: splitmix64 on unsigned
// 64-bit arithmetic, which wraps by definition, and a plain remainder for
// a range. The standard distributions are not used: their output differs
// between standard libraries, and the same seed must give the same
// exercise on every machine and in the page.
namespace vendrix::resolucao {

class Sorteio
{
public:
    explicit Sorteio(std::uint64_t semente) noexcept
        : estado(semente)
    {}

    [[nodiscard]] std::uint64_t Próximo() noexcept
    {
        estado += 0x9E3779B97F4A7C15U;
        std::uint64_t z = estado;
        z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9U;
        z = (z ^ (z >> 27U)) * 0x94D049BB133111EBU;
        return z ^ (z >> 31U);
    }

    // An integer of mínimo … máximo (mínimo <= máximo, both small); the
    // remainder's slight bias does not matter for exercises.
    [[nodiscard]] int Entre(int mínimo, int máximo) noexcept
    {
        const auto largura = static_cast<std::uint64_t>(static_cast<std::int64_t>(máximo) - mínimo + 1);
        return static_cast<int>(mínimo + static_cast<std::int64_t>(Próximo() % largura));
    }

    // Like Entre, never 0; mínimo < 0 < máximo.
    [[nodiscard]] int NãoNulo(int mínimo, int máximo) noexcept
    {
        const int n = Entre(mínimo, máximo - 1);
        return n >= 0 ? n + 1 : n;
    }

    [[nodiscard]] bool Moeda() noexcept { return (Próximo() & 1U) != 0; }

private:
    std::uint64_t estado;
};

// One splitmix64 step of a value alone: seeds derived from a seed.
[[nodiscard]] inline std::uint64_t Misturar(std::uint64_t valor) noexcept { return Sorteio(valor).Próximo(); }

} // namespace vendrix::resolucao
