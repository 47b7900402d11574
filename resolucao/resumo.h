// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/expressao.h"
#include "resolucao/exercicio.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The results of an exercise at a glance, above its worked solution, as
// both front ends show them: the window as one document, the page each in
// its own place. The canonical fields of Resolução stay as they are, for
// links, tests and checks; this is only what a student reads.
namespace vendrix::resolucao {

// The fields a line may show, in the order of the lines: the names the
// page gives them.
inline constexpr std::array<std::string_view, 7> CamposDoResumo{
    "quociente", "resto", "factorizacao", "factorizacao_real", "valor", "desenvolvimento", "conjunto"};

// A result on a line of its own.
struct LinhaDoResumo
{
    std::string_view campo; // the field it shows, one of CamposDoResumo
    // The field as a formula, "(x+2)(x-1)^2": the expression the exercise
    // built, else its canonical text; the solution set as it is printed.
    Fórmula fórmula;
    std::string modelo; // the line in the user's language, "%1" for the formula: "Q(x) = %1"

    bool operator==(const LinhaDoResumo&) const = default;
};

struct Resumo
{
    std::vector<LinhaDoResumo> linhas;
    // The signs of P between its real roots, when the exercise gives them.
    std::optional<TabelaDeSinais> sinais;
    // Each real root of raízes and of soluções as it is shown: exact, else
    // "≈" and its decimal in the user's language ("≈1,532088886").
    std::vector<std::string> raízes, soluções;

    bool operator==(const Resumo&) const = default;
};

// A result longer than this many bytes is left to the worked solution: a
// quotient of many thousand digits is no glance.
inline constexpr std::size_t ResumoMaisLongo = 2000;

[[nodiscard]] Resumo Resumir(const Resolução& r, const Tradutor& tradutor);

// A root as a list shows it: "1/2", "(1+√5)/2" or "≈1,532088886".
[[nodiscard]] std::string RaizMostrada(const RaizDoExercício& raiz, const Tradutor& tradutor);

// The summary as one document, each line a sentence with its formula and
// the sign table last; empty when the exercise gives no result.
[[nodiscard]] Documento EmDocumento(const Resumo& resumo);

} // namespace vendrix::resolucao
