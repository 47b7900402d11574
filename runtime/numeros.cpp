// SPDX-License-Identifier: MIT
#include "runtime/numeros.h"

#include <array>
#include <charconv>
#include <cmath>
#include <fast_float/fast_float.h>
#include <limits>

namespace vendrix::runtime {

namespace {

template <typename Inteiro>
Resultado<Inteiro> ParaInteiro(double valor)
{
    const double arredondado = std::nearbyint(valor); // half to even in the default rounding mode
    constexpr auto mínimo = static_cast<double>(std::numeric_limits<Inteiro>::min());
    constexpr auto máximo = static_cast<double>(std::numeric_limits<Inteiro>::max());
    // Written as "inside the range" so that NaN, which fails every comparison, is refused too.
    if (!(arredondado >= mínimo && arredondado <= máximo))
        return Falhar(Código::Transbordo);
    return static_cast<Inteiro>(arredondado);
}

bool ÉBranco(char c) noexcept { return c == ' ' || c == '\t'; }

bool ÉAlgarismo(char c) noexcept { return c >= '0' && c <= '9'; }

// The longest number at the start of a text: sign, digits, ".", exponent.
struct NúmeroLido
{
    std::size_t fim = 0; // bytes read, 0 when no number is there
    bool temAlgarismos = false;
};

NúmeroLido LerNúmero(std::string_view texto) noexcept
{
    NúmeroLido lido;
    std::size_t i = 0;
    if (i < texto.size() && (texto[i] == '+' || texto[i] == '-'))
        ++i;
    while (i < texto.size() && ÉAlgarismo(texto[i])) {
        ++i;
        lido.temAlgarismos = true;
    }
    if (i < texto.size() && texto[i] == '.') {
        ++i;
        while (i < texto.size() && ÉAlgarismo(texto[i])) {
            ++i;
            lido.temAlgarismos = true;
        }
    }
    if (!lido.temAlgarismos)
        return lido;
    lido.fim = i;
    if (i < texto.size() && (texto[i] == 'e' || texto[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < texto.size() && (texto[j] == '+' || texto[j] == '-'))
            ++j;
        if (j < texto.size() && ÉAlgarismo(texto[j])) {
            while (j < texto.size() && ÉAlgarismo(texto[j]))
                ++j;
            lido.fim = j;
        }
    }
    return lido;
}

// Converts a number that LerNúmero accepted whole. fast_float reads it the
// same way under every standard library and never looks at the locale;
// std::from_chars for double is missing from some of them.
Resultado<double> Converter(std::string_view número)
{
    const bool negativo = número.front() == '-';
    if (número.front() == '+' || número.front() == '-')
        número.remove_prefix(1);
    double valor = 0.0;
    const auto [fim, erro] = fast_float::from_chars(número.data(), número.data() + número.size(), valor);
    if (erro != std::errc{} || fim != número.data() + número.size())
        return Falhar(Código::TipoIncompatível);
    // Beyond double precision it gives an infinity, below it zero.
    if (std::isinf(valor))
        return Falhar(Código::Transbordo);
    return negativo ? -valor : valor;
}

template <typename Real>
std::string TextoGeral(Real valor, int algarismos)
{
    if (valor == 0)
        return "0";
    std::array<char, 64> buffer{};
    const auto [fim, erro] = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), valor, std::chars_format::general, algarismos);
    std::string texto(buffer.data(), erro == std::errc{} ? fim : buffer.data());
    for (char& c : texto)
        if (c == 'e')
            c = 'E';
    return texto;
}

} // namespace

Resultado<std::int16_t> ParaInteiro16(double valor) { return ParaInteiro<std::int16_t>(valor); }

Resultado<std::int32_t> ParaInteiro32(double valor) { return ParaInteiro<std::int32_t>(valor); }

Resultado<float> ParaSimples(double valor)
{
    // Half a unit in the last place above the largest single: anything
    // smaller rounds to a finite single, anything from there on to infinity.
    constexpr double Limite = 0x1.ffffffp127;
    if (!(std::fabs(valor) < Limite))
        return Falhar(Código::Transbordo);
    return static_cast<float>(valor);
}

Resultado<double> TextoParaNúmero(std::string_view texto)
{
    while (!texto.empty() && ÉBranco(texto.front()))
        texto.remove_prefix(1);
    while (!texto.empty() && ÉBranco(texto.back()))
        texto.remove_suffix(1);
    const NúmeroLido lido = LerNúmero(texto);
    if (lido.fim == 0 || lido.fim != texto.size())
        return Falhar(Código::TipoIncompatível);
    return Converter(texto);
}

Resultado<float> TextoParaSimples(std::string_view texto)
{
    const Resultado<double> número = TextoParaNúmero(texto);
    if (!número.Ok())
        return número.Falha();
    return ParaSimples(número.Valor());
}

Resultado<double> NúmeroInicial(std::string_view texto)
{
    while (!texto.empty() && ÉBranco(texto.front()))
        texto.remove_prefix(1);
    const NúmeroLido lido = LerNúmero(texto);
    if (lido.fim == 0)
        return 0.0;
    return Converter(texto.substr(0, lido.fim));
}

std::string TextoDeSimples(float valor) { return TextoGeral(valor, 7); }

std::string TextoDeDuplo(double valor) { return TextoGeral(valor, 15); }

std::string TextoDeInteiro(std::int64_t valor)
{
    std::array<char, 24> buffer{};
    const auto [fim, erro] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), valor);
    return std::string(buffer.data(), fim);
}

} // namespace vendrix::runtime
