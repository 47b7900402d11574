// SPDX-License-Identifier: MIT
#pragma once

#include "resolucao/documento.h"
#include "resolucao/exercicio.h"
#include "resolucao/textos_lista.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Exercises made from their answers, so that the answers come out nicely:
// one for practice, or a teacher's worksheet with its key. The same kind,
// level and seed give the same exercise on every machine.
namespace vendrix::resolucao {

enum class Tipo {
    DividirPorXMenosA,    // Ruffini's rule by x - a
    DividirPorAXMaisB,    // Ruffini's rule by ax + b
    DividirPorQuadrática, // long division by a polynomial of the second degree
    TeoremaDoResto,       // the remainder without dividing: P(a)
    Factorizar,
    Equação,
    Inequação,
    Parâmetros,
};

// "ruffini", "ruffini-ax-b", "divisao-longa", "resto", "factorizar",
// "equacao", "inequacao", "parametros": the names in links and properties.
[[nodiscard]] std::string_view NomeDoTipo(Tipo tipo) noexcept;
[[nodiscard]] std::optional<Tipo> TipoDoNome(std::string_view nome) noexcept;
[[nodiscard]] std::vector<std::string_view> NomesDosTipos();
// The kind as the front ends' menus name it, for their translator.
[[nodiscard]] const Fonte& RótuloDoTipo(Tipo tipo) noexcept;

inline constexpr int NívelMínimo = 1;
inline constexpr int NívelMáximo = 3;

struct ExercícioGerado
{
    Tipo tipo = Tipo::DividirPorXMenosA;
    int nível = NívelMínimo;
    std::uint64_t semente = 0;
    Exercício exercício = Exercício::Dividir; // what solves and checks it
    // The question's boxes, as a student would type them.
    std::string polinómio1, polinómio2, ponto, condições;
    Documento enunciado;  // the statement in the lesson's words
    std::string resposta; // the answer key, as a student types it; the check accepts it
    Documento resolução;  // the worked solution, which stays hidden until asked for
};

// A level outside NívelMínimo … NívelMáximo is taken as the nearest one.
// Each exercise is built from its answer and kept only when the exercise's
// own solution gives that answer; the same seed gives the same exercise.
[[nodiscard]] ExercícioGerado
GerarExercício(Tipo tipo, int nível, std::uint64_t semente, const Tradutor& tradutor);

// The seed after this one, for "another exercise" and for a worksheet's
// variant B. Seeds stay below 2^32, so that a link holds them exactly
// where numbers are doubles.
[[nodiscard]] std::uint64_t PróximaSemente(std::uint64_t semente) noexcept;

struct PedidoDeFicha
{
    std::vector<std::pair<Tipo, int>> quantos; // each kind and how many of it
    int nível = NívelMínimo;
    std::uint64_t semente = 0;
};

// At most this many exercises in a worksheet, whatever the counts asked.
inline constexpr std::size_t ExercíciosPorFichaMáximo = 100;

// A numbered worksheet and its key with the worked solution of each
// exercise; the seed is printed in the footer of both. Exercise n (from 0)
// is GerarExercício with the n-th seed derived from the worksheet's, so it
// can be made again alone.
struct Ficha
{
    std::vector<ExercícioGerado> exercícios;
    Documento enunciados;
    Documento soluções;
};

[[nodiscard]] Ficha FazerFicha(const PedidoDeFicha& pedido, const Tradutor& tradutor);

// The worksheet, then the key on a new page: a whole HTML page that prints
// cleanly, and a LaTeX article that compiles with amsmath alone.
[[nodiscard]] std::string FichaEmHtml(const Ficha& ficha, const Tradutor& tradutor);
[[nodiscard]] std::string FichaEmLaTeX(const Ficha& ficha, const Tradutor& tradutor);

} // namespace vendrix::resolucao
