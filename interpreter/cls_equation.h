// SPDX-License-Identifier: MIT
#pragma once

#include "interpreter/avaliar.h"
#include "interpreter/gerador.h"
#include "interpreter/valor.h"
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
// Solution, Solve, Var. The value is kept until the expression, a variable
// or Graus changes; the tokens are kept until the expression changes.
class clsEquation
{
public:
    // Seeds the random numbers from the system clock.
    clsEquation();
    // Seeds them, at creation and on every reseeding, from the given source.
    explicit clsEquation(FonteDeSementes sementes);

    // True makes the angle functions (sin, cos, tan and their kin) take
    // degrees and the inverse ones (atn, arcsin, arcsec...) give degrees, as
    // a user who sets a flag named "degrees" expects; graus( and rad( still
    // convert, and the hyperbolic functions, whose arguments are not angles,
    // do not change. False, the start, is radians throughout.
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

private:
    runtime::Resultado<void> Tokenize();

    bool desactualizado = false; // the solution no longer matches the expression, variables or Graus
    bool analisado = true;       // the tokens belong to the current expression text
    TabelaDeVariáveis variáveis;
    std::string expressão;
    bool graus = false;
    double solução = 0;
    bool temSímbolos = false; // no token list exists before the first tokenizing
    Expressão símbolos;
    Gerador gerador;
    Valores valores; // working storage of Solve, kept for its capacity
};

} // namespace vendrix::interpreter
