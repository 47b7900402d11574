// SPDX-License-Identifier: MIT
#pragma once

#include "interpreter/funcoes.h"
#include "interpreter/valor.h"
#include "runtime/resultado.h"

#include <cstdint>
#include <vector>

namespace vendrix::interpreter {

// What an evaluation reads besides the tokens.
struct Ambiente
{
    const TabelaDeVariáveis& variáveis;
    Contexto contexto;
};

// The steps every evaluation shares, whatever the way it finds neighbours.

// A slot read as a number: numbers as they are, a number token by its
// value (or its failure: 13 for a text that is not a number, 6 for one too
// large); Null, any other text and position 0 fail (13, 9).
[[nodiscard]] runtime::Resultado<double> ComoNúmero(const Expressão& expressão, const Valor& valor);

[[nodiscard]] runtime::Resultado<Número> AplicarOperador(char operador, double a, double b);

// A name's value: the constants, "rnd", then the variable table (1102).
[[nodiscard]] runtime::Resultado<Número> ValorDoNome(const std::string& nome, Ambiente& ambiente);

// The library's result for a function token (1101 when it has no row).
[[nodiscard]] runtime::Resultado<Número>
CalcularFunção(const Símbolo& função, double x, double y, Contexto& contexto);

// The slots of one evaluation and the links between the ones that still
// hold something, so that the nearest non-empty slot on either side is one
// step away. Kept between evaluations for its storage.
class Valores
{
public:
    void Preencher(const Expressão& expressão);

    // The slot at a position from 1 to n; nullptr for any other position.
    [[nodiscard]] const Valor* Ler(std::int32_t posição) const noexcept;
    void Escrever(std::int32_t posição, Valor valor);
    void Esvaziar(std::int32_t posição);

    // The nearest non-empty slot after (before) i, or 0 when there is none;
    // NextValueIndex(0) is the first non-empty slot.
    [[nodiscard]] std::int32_t NextValueIndex(std::int32_t i) const noexcept;
    [[nodiscard]] std::int32_t PrevValueIndex(std::int32_t i) const noexcept;

private:
    void Ligar(std::int32_t posição) noexcept;

    std::int32_t n = 0;
    std::vector<Valor> slots; // 1..n; 0 and n + 1 are the ends of the links
    std::vector<std::int32_t> seguinte;
    std::vector<std::int32_t> anterior;
};

// The value of a tokenized expression, or the first failure, numbered as it
// happened (see ErroDoInterpretador).
[[nodiscard]] runtime::Resultado<double>
Avaliar(const Expressão& expressão, Ambiente& ambiente, Valores& valores);

// The number, source and description a failure reaches the caller with:
// 5, 6, 11 and 1100 to 1104 keep their number, any other becomes 1103;
// all get the source "Interpretador".
[[nodiscard]] runtime::Erro ErroDoInterpretador(runtime::Erro erro);

} // namespace vendrix::interpreter
