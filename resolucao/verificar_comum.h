// SPDX-License-Identifier: MIT
#pragma once

#include "resolucao/exercicio.h"
#include "resolucao/textos.h"
#include "runtime/erro.h"

#include <string>
#include <vector>

// What every check says the same way: the verdicts and a reading refusal.
namespace vendrix::resolucao::verificar {

[[nodiscard]] std::string Dizer(const Tradutor& tradutor, Texto texto, std::vector<Fórmula> argumentos = {});

[[nodiscard]] Verificação Certo(const Tradutor& tradutor);

[[nodiscard]] Verificação
Errado(const Tradutor& tradutor, std::string código, Texto texto, std::vector<Fórmula> argumentos = {});

// No verdict: the reader's message and where it stopped.
[[nodiscard]] Verificação Ilegível(const runtime::Erro& erro, const Tradutor& tradutor);

} // namespace vendrix::resolucao::verificar
