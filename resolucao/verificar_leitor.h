// SPDX-License-Identifier: MIT
#pragma once

#include "resolucao/verificar_ler.h"

#include <optional>
#include <span>
#include <string_view>
#include <vector>

// The tools the readers of an answer share: pieces of the answer, trimmed
// and parted, read by the expression reader with the position of a refusal
// counted in the whole answer.
namespace vendrix::resolucao::verificar {

// The answer being read and its first refusal; once refused, what is
// read after is never used.
struct Leitor
{
    std::string_view resposta;
    std::optional<runtime::Erro> erro;
};

[[nodiscard]] bool Branco(char c) noexcept;
[[nodiscard]] bool Letra(char c) noexcept;
[[nodiscard]] char Minúscula(char c) noexcept;

// The piece without the blanks around it.
[[nodiscard]] Peça Aparar(Peça p);

// Keeps the first refusal only.
void Recusar(Leitor& l, runtime::Código código, const Peça& p);

// The piece by the expression reader; nothing once refused.
[[nodiscard]] algebra::Expressão Ler(Leitor& l, Peça p, algebra::OpçõesDeLeitura opções);

// A number: no x, no parameter, no relation.
[[nodiscard]] algebra::Expressão LerValor(Leitor& l, Peça p);

// Whether t[i…] starts with the word w, ASCII letters in any case, not
// inside a longer word.
[[nodiscard]] bool ÉPalavra(std::string_view t, std::size_t i, std::string_view w) noexcept;

// The pieces between the separators; a word separator stands alone.
[[nodiscard]] std::vector<Peça> Separar(Peça p, std::span<const std::string_view> separadores);

// A list parts with ";" when it has one, else with ",".
[[nodiscard]] std::vector<Peça> Lista(Peça p);

// What was read, or the first refusal.
template <class T>
runtime::Resultado<T> Lido(Leitor& l, T valor)
{
    if (l.erro)
        return *l.erro;
    return valor;
}

} // namespace vendrix::resolucao::verificar
