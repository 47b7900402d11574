// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/resultado.h"

#include <string>
#include <string_view>

namespace vendrix::interpreter {

inline constexpr std::string_view Origem = "Interpretador";

// An arithmetic expression with its variables and its last value. Errors come
// back as runtime::Erro values with origem "Interpretador" and the numbers
// 5, 6, 11 and 1100 to 1104.
//
// Public members in their fixed order: Graus, VarClear, Equation, VarRemove,
// Solution, Solve, Var. (The implementation adds its private state.)
class clsEquation
{
public:
    clsEquation();

    void Graus(bool b);
    [[nodiscard]] bool Graus() const noexcept;

    void VarClear();

    void Equation(std::string_view e);
    [[nodiscard]] const std::string& Equation() const noexcept;

    void VarRemove(std::string_view Name);

    // Solves first when the stored value is stale.
    [[nodiscard]] runtime::Resultado<double> Solution();

    [[nodiscard]] runtime::Resultado<void> Solve();

    [[nodiscard]] double Var(std::string_view Name) const; // 0 for a name never set
    void Var(std::string_view Name, double Num);
};

} // namespace vendrix::interpreter
