// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <random>

namespace vendrix::interpreter {

// Where a new seed comes from when an expression asks for reseeding: the
// clock in the program, a fixed sequence in a test.
using FonteDeSementes = std::function<std::uint32_t()>;

// The system clock, as the program uses it.
[[nodiscard]] FonteDeSementes SementesDoRelógio();

// Single-precision numbers in [0, 1), remembering the last one given.
class Gerador
{
public:
    explicit Gerador(FonteDeSementes fonte);

    [[nodiscard]] float Próximo();

    [[nodiscard]] float Último() const noexcept { return último; }

    void Ressemear();

    // A number that depends on x alone, whatever the state; it becomes the last one.
    [[nodiscard]] float Fixo(double x);

private:
    FonteDeSementes fonte;
    std::mt19937 motor;
    float último = 0;
};

} // namespace vendrix::interpreter
