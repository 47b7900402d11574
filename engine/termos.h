// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/erro.h"
#include "runtime/relato.h"
#include "runtime/resultado.h"

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

// The notation of polynomial texts: reading one term, and the three text
// transformations every command shares.
namespace vendrix::engine {

struct Termo
{
    float coeficiente;
    float grau; // as read; not yet made whole

    bool operator==(const Termo&) const = default;
};

// The degree of a term: 0 without an "x", 1 when nothing follows the "x",
// otherwise the whole number after "x^". Anything else after the "x", a
// second "x" or an exponent that is not whole does not read.
[[nodiscard]] runtime::Resultado<float> LerGrau(std::string_view termo);

// The coefficient: what stands before the first "x" ("" and "+" are 1, "-" is
// -1). The empty term and a sign alone do not read: a term is missing.
[[nodiscard]] runtime::Resultado<float> LerCoeficiente(std::string_view termo);

// Whether the term has an "x" at all, which decides how its degree is written.
[[nodiscard]] inline bool TemX(std::string_view termo) noexcept
{
    return termo.find('x') != std::string_view::npos;
}

// A failure of one term, which the box's text names: the term as written,
// less the "+" that joins it to the one before.
[[nodiscard]] runtime::Erro FalhaNoTermo(runtime::Código código, std::string_view termo);

// Coefficient first, then degree.
[[nodiscard]] runtime::Resultado<Termo> LerTermo(std::string_view termo);

// "0" in front of a text that begins with "-".
[[nodiscard]] std::string GuardaDoMenos(std::string_view texto);

// Blanks removed, then one blank in front of every "+" and every "-".
[[nodiscard]] std::string SepararTermos(std::string_view texto);

// Blanks removed, then one leading "+" dropped.
[[nodiscard]] std::string Compactar(std::string_view texto);

// The most terms one text may hold: the routines count their terms in
// 16-bit whole numbers, and a text with more is an overflow.
inline constexpr std::size_t LimiteDeTermos = 32767;

// How many terms cutting texto at every blank gives (none for the empty
// text), counted without cutting.
[[nodiscard]] std::size_t ContarTermos(std::string_view texto) noexcept;

// The overflow of a text with more terms than the limit, which names the
// first term past it.
[[nodiscard]] runtime::Erro TermosAMais(std::string_view texto);

// The terms of a separated text one after another, without a list of them:
// a text of a megabyte of blanks must not cost sixteen megabytes of views.
class Termos
{
public:
    explicit Termos(std::string_view texto) noexcept
        : resto(texto)
        , acabou(texto.empty())
    {}

    // The next term, or nothing when all have been given.
    [[nodiscard]] std::optional<std::string_view> Próximo() noexcept;

private:
    std::string_view resto;
    bool acabou;
};

// Texts one after another. Used instead of operator+ on a literal and a
// temporary string, which g++ 12 at -O3 flags with a false -Wrestrict.
[[nodiscard]] std::string Juntar(std::initializer_list<std::string_view> partes);

// A failure the way every engine routine reports it: the routine's title,
// the failure's description and the stop icon.
[[nodiscard]] runtime::Relato RelatoDeFalha(runtime::Título título, runtime::Erro erro);

} // namespace vendrix::engine
