// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/expandir.h"
#include "algebra/factorizar.h"
#include "algebra/raizes.h"
#include "algebra/tamanho.h"
#include "resolucao/documento.h"
#include "resolucao/exercicio.h"
#include "resolucao/parametros.h"
#include "runtime/erro.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The pieces of the parameters exercise: the conditions as read, and the
// solver that turns them into equations, solves them and writes the steps.
namespace vendrix::resolucao {

// The arithmetic of polynomials in the parameters, which lookup by
// argument does not find for a std::map.
using algebra::operator+;
using algebra::operator-;
using algebra::operator*;

enum class FormaDaCondição {
    Divisível, // the remainder of P ÷ divisor is 0
    Resto,     // the remainder of P ÷ divisor is resto
    Valor,     // P(ponto) = valor
    Raiz,      // ponto is a root of multiplicity at least, or exactly, multiplicidade
};

struct Condição
{
    FormaDaCondição forma = FormaDaCondição::Valor;
    std::size_t linha = 0; // the condition's line in the box, from 1
    algebra::Polinómio divisor, resto;
    algebra::Racional ponto, valor;
    std::size_t multiplicidade = 1;
    bool exacta = false;
};

// A root's multiplicity is asked at most this high.
inline constexpr std::size_t MultiplicidadeMáxima = 30;

// The conditions, or the first that cannot be read: its line, and the
// error with the piece (símbolo) and the character in the whole text where
// reading stopped (posição). forma is false when the condition has none of
// the forms, true when one of its numbers or divisors could not be read.
struct CondiçõesLidas
{
    std::vector<Condição> condições;
    std::optional<runtime::Erro> erro;
    std::size_t linha = 0;
    bool forma = false;
};

[[nodiscard]] CondiçõesLidas LerCondições(std::string_view texto);

// The polynomial as typed and expanded, its letters in alphabetical order.
struct ProblemaDeParâmetros
{
    algebra::Expressão escrito;
    algebra::PolinómioComParâmetros p;
    std::vector<char> letras;
    std::vector<Condição> condições;
};

struct RespostaDosParâmetros
{
    Documento documento;
    bool resolvido = false; // false: the steps end with the reason
    std::vector<Atribuição> soluções;
    std::vector<std::string> canónicas;
};

[[nodiscard]] RespostaDosParâmetros ResolverProblema(const ProblemaDeParâmetros& problema, const Tradutor& t);

// The equations the conditions come to: each polynomial in the
// parameters is 0; each of diferentes, with the multiplicity it guards,
// must not be.
struct EquaçõesDosParâmetros
{
    std::vector<algebra::PolinómioDeParâmetros> iguais;
    std::vector<std::pair<algebra::PolinómioDeParâmetros, std::size_t>> diferentes;
};

// Writes each condition's steps and gives the equations.
[[nodiscard]] EquaçõesDosParâmetros
EquaçõesDasCondições(const ProblemaDeParâmetros& problema, Documento& documento, const Tradutor& t);

// P with the values put in, and each condition checked again.
void VerificarValores(const ProblemaDeParâmetros& problema,
                      const std::vector<std::pair<char, algebra::PolinómioDeParâmetros>>& valores,
                      const Fórmula& descrição,
                      Documento& documento,
                      const Tradutor& t);

// "2a-1", "(k+1)x^2-4": the canonical text.
[[nodiscard]] std::string EscreverP(const algebra::PolinómioDeParâmetros& p);
[[nodiscard]] std::string EscreverP(const algebra::PolinómioComParâmetros& p);

// "2a-1 = 0": the equation a polynomial in the parameters is set to.
[[nodiscard]] algebra::Expressão EquaçãoP(const algebra::PolinómioDeParâmetros& p);

// "k = 2k-1": a letter's value.
[[nodiscard]] algebra::Expressão ValorDe(char letra, algebra::Expressão valor);

// The factorization of an equation in the letter: "(k-1)^2(k+2)".
[[nodiscard]] algebra::Expressão Factorizada(const algebra::Factorização& f, char letra);

// A real root as the expression its exact form is written as, "(1+√5)/2",
// or without one its decimal.
[[nodiscard]] algebra::Expressão Exacta(const algebra::RaizReal& r);

// "a = 2, b = 3": one relation, or several side by side.
[[nodiscard]] algebra::Expressão EmLista(std::vector<algebra::Expressão> membros);

} // namespace vendrix::resolucao

namespace vendrix::resolucao {

// Every letter a parameter may be: any small letter but x.
inline constexpr std::string_view LetrasDosParâmetros = "abcdefghijklmnopqrstuvwyz";

// The conditions box read, or its refusal with the line and the piece.
[[nodiscard]] std::optional<FalhaDoExercício>
LerCondiçõesDoExercício(std::string_view texto, const Tradutor& t, std::vector<Condição>& condições);

// An upper bound of the digits of the values and remainders the
// conditions ask for, before any is computed.
[[nodiscard]] algebra::Tamanho TamanhoDosParâmetros(const algebra::PolinómioComParâmetros& p,
                                                    const std::vector<Condição>& condições);

// The exercise's fields, or the refusal of a polynomial with no parameter
// or more than two; the typed solutions, nothing when the exercise failed
// or the system was refused.
std::optional<std::vector<Atribuição>>
ResolverParâmetrosDoExercício(ProblemaDeParâmetros problema, const Tradutor& t, Resolução& r);

} // namespace vendrix::resolucao
