// SPDX-License-Identifier: MIT
#include "runtime/numeros.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
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
    std::size_t fimMantissa = 0;
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
    lido.fimMantissa = i;
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

// Converts a number that LerNúmero accepted whole.
Resultado<double> Converter(std::string_view número, std::size_t fimMantissa)
{
    const bool negativo = número.front() == '-';
    if (número.front() == '+' || número.front() == '-') {
        número.remove_prefix(1);
        --fimMantissa;
    }
    double valor = 0.0;
    const auto [fim, erro] = std::from_chars(número.data(), número.data() + número.size(), valor);
    if (erro == std::errc::result_out_of_range) {
        // Too large or too small for a double: tell which by the decimal
        // exponent of the first significant digit.
        const std::string_view mantissa = número.substr(0, fimMantissa);
        const std::size_t ponto = std::min(mantissa.find('.'), mantissa.size());
        const std::size_t primeiro = mantissa.find_first_of("123456789");
        if (primeiro == std::string_view::npos)
            return negativo ? -0.0 : 0.0;
        long long expoente = primeiro < ponto ? static_cast<long long>(ponto - primeiro)
                                              : -static_cast<long long>(primeiro - ponto - 1);
        if (fimMantissa < número.size()) {
            std::string_view textoExpoente = número.substr(fimMantissa + 1);
            const bool expoenteNegativo = textoExpoente.front() == '-';
            if (textoExpoente.front() == '+' || textoExpoente.front() == '-')
                textoExpoente.remove_prefix(1);
            // An exponent of more than 9 digits says all there is to say.
            long long e = textoExpoente.size() > 9 ? 1'000'000'000 : 0;
            if (e == 0)
                std::from_chars(textoExpoente.data(), textoExpoente.data() + textoExpoente.size(), e);
            expoente += expoenteNegativo ? -e : e;
        }
        if (expoente > 0)
            return Falhar(Código::Transbordo);
        return negativo ? -0.0 : 0.0;
    }
    if (erro != std::errc{} || fim != número.data() + número.size())
        return Falhar(Código::TipoIncompatível);
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
    return Converter(texto, lido.fimMantissa);
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
    return Converter(texto.substr(0, lido.fim), lido.fimMantissa);
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
