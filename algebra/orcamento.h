// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace vendrix::algebra {

// The work one computation may do, counted in steps of about one operation
// on a machine word: a product of two residues, a word of a long number
// added or multiplied. The searches of the algebra draw on it; once it runs
// out each one stops and says its answer is incomplete, so an input built to
// defeat a method costs at most the budget and never a wrong answer.
class Orçamento
{
public:
    // About half a second of work on a desktop; a school exercise takes less
    // than a thousandth of it.
    static constexpr std::uint64_t Normal = 300'000'000;

    explicit Orçamento(std::uint64_t limite = Normal) noexcept
        : limite(limite)
    {}

    // Takes passos from the budget; false, now and from then on, once the
    // total passes the limit.
    [[nodiscard]] bool Gastar(std::uint64_t passos) noexcept
    {
        if (Esgotado())
            return false;
        gasto = passos > limite - gasto ? limite + 1 : gasto + passos;
        return gasto <= limite;
    }

    // Counts work that must be done whatever the budget, as the last digits
    // of a root already isolated, so that Gasto tells the whole cost.
    void Anotar(std::uint64_t passos) noexcept
    {
        const std::uint64_t máximo = ~std::uint64_t{0};
        gasto = passos > máximo - gasto ? máximo : gasto + passos;
    }

    [[nodiscard]] bool Esgotado() const noexcept { return gasto > limite; }

    // The steps taken, which tests compare across inputs.
    [[nodiscard]] std::uint64_t Gasto() const noexcept { return gasto; }

private:
    std::uint64_t limite;
    std::uint64_t gasto = 0;
};

} // namespace vendrix::algebra
