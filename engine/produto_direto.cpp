// SPDX-License-Identifier: MIT
#include "engine/produto_direto.h"

#include "engine/simplificar.h"
#include "runtime/numeros.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace vendrix::engine {

using runtime::Resultado;

namespace {

// What the joined text makes of a value: written with at most seven
// significant digits and read back, which is not always the same single
// (1234.5678 comes back as 1234.568, 16777217 as 16777220). Whole values
// below 10^7 come back unchanged, negative zero as zero ("+0").
std::optional<float> Relido(float valor)
{
    if (std::fabs(valor) < 1e7f && std::trunc(valor) == valor)
        return valor + 0.0f;
    const Resultado<float> lido = runtime::TextoParaSimples(runtime::TextoDeSimples(valor));
    return lido.Ok() ? std::optional(lido.Valor()) : std::nullopt;
}

// The entry of the table that Simplificar gives a piece written with this
// degree: read back, made whole, a half going to the even neighbour.
std::optional<std::size_t> Entrada(float grau)
{
    const std::optional<float> lido = Relido(grau);
    if (!lido)
        return std::nullopt;
    const Resultado<std::int16_t> k = runtime::ParaInteiro16(*lido);
    if (!k.Ok() || k.Valor() < 0)
        return std::nullopt;
    return static_cast<std::size_t>(k.Valor());
}

// The number of a whole single below 2^24 in magnitude, or NãoPequeno for
// any other: the sum of two such singles is exact and needs neither text
// nor rounding.
constexpr std::int32_t NãoPequeno = std::numeric_limits<std::int32_t>::min();

std::int32_t Pequeno(float valor)
{
    if (!(std::fabs(valor) < 0x1p24f) || std::trunc(valor) != valor)
        return NãoPequeno;
    return runtime::ParaInteiro32(valor).ValorOu(NãoPequeno);
}

bool Inteiro(float valor) { return std::trunc(valor) == valor; }

// A term of the first polynomial with what the loop asks of it ready. Plain
// fields, no optionals: the loop runs 32,400 times for two polynomials of
// 180 terms.
struct Fator
{
    float coeficiente;
    float expoente;
    std::int32_t expoentePequeno; // NãoPequeno also when the term has no x
    bool inteiro;
    bool temX;
};

// The coefficient Simplificar reads for the piece m × t, any values.
bool CoeficienteGeral(float m, float t, float& c)
{
    const Resultado<float> r = MultiplicarCoeficientes(m, t);
    const std::optional<float> lido = r.Ok() ? Relido(r.Valor()) : std::nullopt;
    c = lido.value_or(0.0f);
    return lido.has_value();
}

// The entry for the piece of a term with an x times a monomial of degree g,
// any values.
bool EntradaGeral(float e, float g, std::size_t& k)
{
    const Resultado<float> soma = SomarExpoentes(e, g);
    const std::optional<std::size_t> entrada = soma.Ok() ? Entrada(soma.Valor()) : std::nullopt;
    k = entrada.value_or(0);
    return entrada.has_value();
}

std::vector<Fator> Preparar(std::span<const PolinómioLido::Lido> termos)
{
    std::vector<Fator> fatores;
    fatores.reserve(termos.size());
    for (const PolinómioLido::Lido& t : termos) {
        const float e = t.expoente.value_or(0.0f);
        fatores.push_back({t.coeficiente,
                           e,
                           t.expoente ? Pequeno(e) : NãoPequeno,
                           Inteiro(t.coeficiente),
                           t.expoente.has_value()});
    }
    return fatores;
}

// Adds the pieces of one monomial; false where the joined text would fail.
bool SomarMonómio(std::vector<float>& tabela, const Termo& m, const std::vector<Fator>& fatores)
{
    const bool mInteiro = Inteiro(m.coeficiente);
    const std::int32_t gPequeno = Pequeno(m.grau);
    // A term without x keeps the monomial's degree: none is written for 0,
    // "x" for 1, otherwise the degree as text.
    const std::optional<std::size_t> semX = Entrada(m.grau);
    for (const Fator& t : fatores) {
        float c = 0.0f;
        // The product of two whole singles is exact in double and whole, and
        // below 10^7 it is its own single and its own text.
        const double p = double{m.coeficiente} * double{t.coeficiente};
        if (mInteiro && t.inteiro && std::fabs(p) < 1e7)
            c = static_cast<float>(p) + 0.0f;
        else if (!CoeficienteGeral(m.coeficiente, t.coeficiente, c))
            return false;
        std::size_t k = 0;
        if (!t.temX) {
            if (!semX)
                return false;
            k = *semX;
        } else if (t.expoentePequeno != NãoPequeno && gPequeno != NãoPequeno) {
            const std::int32_t soma = t.expoentePequeno + gPequeno;
            if (soma < 0 || soma > INT16_MAX)
                return false;
            k = static_cast<std::size_t>(soma);
        } else if (!EntradaGeral(t.expoente, m.grau, k))
            return false;
        if (k >= tabela.size())
            tabela.resize(k + 1, 0.0f);
        // Simplificar adds in double and rounds to single: double holds more
        // than twice the digits of single, so that is the single sum, which
        // overflows exactly where the rounding would.
        const float soma = tabela[k] + c;
        if (std::isinf(soma))
            return false;
        tabela[k] = soma;
    }
    return true;
}

} // namespace

std::optional<std::string> ProdutoDireto(const PolinómioLido& primeiro, std::string_view segundo)
{
    const std::optional<std::span<const PolinómioLido::Lido>> termos = primeiro.TodosLidos();
    if (!termos)
        return std::nullopt;
    std::vector<Termo> monómios;
    Termos cursor(segundo);
    while (const auto monómio = cursor.Próximo()) {
        const Resultado<Termo> m = LerTermo(*monómio);
        if (!m.Ok() || termos->size() * (monómios.size() + 1) > LimiteDeTermos)
            return std::nullopt;
        monómios.push_back(m.Valor());
    }
    const std::vector<Fator> fatores = Preparar(*termos);
    // Simplificar meets the pieces monomial by monomial, and within one
    // monomial term by term: adding them in that order gives the same
    // single-precision sums, rounding included.
    std::vector<float> tabela(1, 0.0f);
    for (const Termo& m : monómios)
        if (!SomarMonómio(tabela, m, fatores))
            return std::nullopt;
    return EscreverTabela(tabela);
}

} // namespace vendrix::engine
