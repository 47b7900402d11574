// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/polinomio.h"
#include "resolucao/exercicio.h"
#include "resolucao/praticar.h"
#include "resolucao/praticar_sorteio.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

// Each kind of generated exercise built from its answer: the roots, the
// factors, the quotient and the remainder are drawn first, then
// multiplied out into the question's boxes.
namespace vendrix::resolucao {

// One exercise as built, with what its solution must give.
struct Proposta
{
    Exercício exercício = Exercício::Dividir;
    std::string polinómio1, polinómio2, ponto, condições;
    Texto enunciado = Texto::EnunciadoDivisão;
    std::vector<Fórmula> argumentos;
    std::string quociente, resto; // divisions; resto is also P(a) for the remainder theorem
    // The distinct rational roots with their multiplicities, and how many
    // distinct irrational real roots besides.
    std::vector<std::pair<algebra::Racional, std::size_t>> raízes;
    std::size_t irracionais = 0;
    std::string canónico; // parameters: "a=2,b=3", as the exercise lists a solution
    std::string chave;    // the answer as built
};

// Division by x - a or, with porAXMaisB, by ax + b, as Ruffini's rule does it.
[[nodiscard]] Proposta ProporRuffini(int nível, bool porAXMaisB, Sorteio& sorteio);
[[nodiscard]] Proposta ProporDivisãoLonga(int nível, Sorteio& sorteio);
[[nodiscard]] Proposta ProporResto(int nível, Sorteio& sorteio);
// Factorizar, Equação or Inequação: a polynomial made from its roots.
[[nodiscard]] Proposta ProporPelasRaízes(Tipo tipo, int nível, Sorteio& sorteio);
[[nodiscard]] Proposta ProporParâmetros(int nível, Sorteio& sorteio, const Tradutor& tradutor);

} // namespace vendrix::resolucao
