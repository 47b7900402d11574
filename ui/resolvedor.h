// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>

namespace vendrix::runtime {
struct Fonte;
}

namespace vendrix::resolucao {
enum class Exercício;
struct Pergunta;
struct Resolução;
} // namespace vendrix::resolucao

namespace vendrix::ui {

// How an exercise is worked out: resolucao::ResolverExercício, or in tests
// a stand-in that takes its time or answers what the test needs.
using Resolvedor =
    std::function<resolucao::Resolução(resolucao::Exercício,
                                       const resolucao::Pergunta&,
                                       const std::function<std::string(const runtime::Fonte&)>&)>;

} // namespace vendrix::ui
