// SPDX-License-Identifier: MIT
#pragma once

#include "resolucao/documento.h"
#include "ruffini/divisao.h"
#include "runtime/erro.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The exercises both front ends offer, each run from the texts typed in
// the boxes: one value holds everything the window and the page show, so
// neither reads, divides or words anything itself.
namespace vendrix::resolucao {

enum class Exercício {
    Dividir,     // P1 ÷ P2 by long division, for any divisor
    Factorizar,  // P1 in factors, its real roots, sign table and graph
    Valor,       // P1(a) by Horner's scheme
    Gráfico,     // the graph of P1
    Explicar,    // the Ruffini table of P1 ÷ P2 explained, as the Ruffini command drew it
    Desenvolver, // P1 expanded, one product at a time
    Resolver,    // the equation or inequality typed in P1, to its solution set
    Parâmetros,  // the parameters of P1 that meet the conditions typed in Condições
};

// "dividir", "factorizar", "valor", "grafico", "explicar", "desenvolver",
// "resolver", "parametros": the names in
// the page's links and in the window's properties.
[[nodiscard]] std::string_view NomeDoExercício(Exercício exercício) noexcept;
[[nodiscard]] std::optional<Exercício> ExercícioDoNome(std::string_view nome) noexcept;
// Every exercise's name, in the order of the menus: what a front end lists
// and links to, so that none keeps a list of its own.
[[nodiscard]] std::vector<std::string_view> NomesDosExercícios();

// The boxes of the front ends that the exercises read.
enum class Caixa { Polinómio1, Polinómio2, Ponto, Condições, Resposta };

// The boxes the exercise reads, Polinómio1 first.
[[nodiscard]] std::vector<Caixa> CaixasDoExercício(Exercício exercício);

struct FalhaDoExercício
{
    runtime::Erro erro;
    Caixa caixa;
    std::size_t posição;  // the character where reading stopped, from 1; 0 when reading did not fail
    std::string mensagem; // the box's text in the user's language
};

// A distinct real root as the front ends list it.
struct RaizDoExercício
{
    std::string exacta;  // "1/2", "(1+√5)/2"; empty when there is no exact form
    std::string decimal; // ten significant digits
    std::size_t multiplicidade = 1;
    // The double nearest the root (within one unit in the last place for a
    // root with no rational value), which a page writes in its own
    // shortest form.
    double valor = 0;
};

// "exact|decimal|multiplicity", as the window's property lists a root.
[[nodiscard]] std::string RaizEmTexto(const RaizDoExercício& raiz);

// The texts of a question as the boxes hold them, and the student's own
// answer to it, which is checked when it is not empty.
struct Pergunta
{
    std::string_view polinómio1;
    std::string_view polinómio2;
    std::string_view ponto;
    std::string_view condições; // Parâmetros: one condition per line or between ";"
    std::string_view resposta;  // the student's answer; empty: nothing to check
};

// The check of a student's answer. Reading it may fail: then veredicto is
// empty, explicação is the reader's message and posição where it stopped.
struct Verificação
{
    std::string veredicto;   // "certo" or "errado"
    std::string erro;        // the typical mistake's code, "sinal-de-a"; empty when none fits
    std::string explicação;  // the sentence, in the user's language
    std::size_t posição = 0; // the character where reading the answer stopped, from 1
};

// What an exercise gives; every field it does not apply to is empty.
struct Resolução
{
    std::string comando;                   // NomeDoExercício
    std::optional<FalhaDoExercício> falha; // then everything else is empty
    // The whole worked solution, graph included, for the exports; a front
    // end that shows the graph beside the steps (EmHtmlSemGráficos) has its
    // picture in svg.
    Documento documento;
    std::string svg;
    std::string quociente, resto;          // Dividir, Explicar
    std::string factorização;              // Factorizar, over Q
    std::string factorizaçãoReal;          // Factorizar, in ℝ: "x(x-√2)(x+√2)"
    std::string valor;                     // Valor
    std::string sinais;                    // Factorizar: "-0+0-", empty when some root is missing
    std::vector<RaizDoExercício> raízes;   // Factorizar: by increasing value
    std::string desenvolvimento;           // Desenvolver: P1 expanded, canonical text
    std::vector<RaizDoExercício> soluções; // Resolver, an equation: its real roots
    std::string conjunto;                  // Resolver: the canonical solution set, "]-∞,-2[∪]1,+∞["
    std::string quadro;                    // Resolver: the sign table, "factor:cell,cell,…|…"
    // Parâmetros: each solution "a=2,b=3", "k≈0.3472963553", a family
    // "a=a,b=2a-1"; the single "nenhum" when none exists.
    std::vector<std::string> parâmetros;
    std::optional<Verificação> verificação; // when the question held an answer
};

// Runs the exercise on the typed texts: polinómio2 is read only to divide
// and ponto only for the value. The first text that cannot be read, or a
// division the algebra refuses, gives falha.
[[nodiscard]] Resolução
ResolverExercício(Exercício exercício, const Pergunta& pergunta, const Tradutor& tradutor);

[[nodiscard]] Resolução ResolverExercício(Exercício exercício,
                                          std::string_view polinómio1,
                                          std::string_view polinómio2,
                                          std::string_view ponto,
                                          const Tradutor& tradutor);

// Explains the Ruffini division the window or the page has drawn, from
// the values it used (the top row, the root and the divisor's
// x-coefficient), whatever the divisor's typed form: "(x-1)", "2*(x-1)",
// "x - 2". The explanation exercise runs this on the division the Ruffini
// command makes of the same texts.
[[nodiscard]] Resolução ExplicarDivisão(const ruffini::Divisão& divisão, const Tradutor& tradutor);

} // namespace vendrix::resolucao
