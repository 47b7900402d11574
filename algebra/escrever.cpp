// SPDX-License-Identifier: MIT
#include "algebra/escrever.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <vector>

namespace vendrix::algebra {

namespace {

void AcrescentarAlgarismos(std::string& texto, std::uint64_t n, std::size_t largura)
{
    std::array<char, 20> algarismos{};
    const char* fim = std::to_chars(algarismos.data(), algarismos.data() + algarismos.size(), n).ptr;
    const auto comprimento = static_cast<std::size_t>(fim - algarismos.data());
    texto.append(largura > comprimento ? largura - comprimento : 0, '0')
        .append(algarismos.data(), comprimento);
}

// Boost's own conversion asks the streams' locale for each number, which
// costs a locale per number and would bring all of the streams into the
// page's module; eighteen digits at a time, by division, need neither.
void AcrescentarInteiro(std::string& texto, const Inteiro& n)
{
    constexpr std::uint64_t dezoito = 1'000'000'000'000'000'000;
    if (n < 0)
        texto += '-';
    std::vector<std::uint64_t> grupos;
    Inteiro resto = abs(n), quociente, grupo;
    while (resto >= dezoito) {
        divide_qr(resto, Inteiro(dezoito), quociente, grupo);
        grupos.push_back(grupo.convert_to<std::uint64_t>());
        resto.swap(quociente);
    }
    AcrescentarAlgarismos(texto, resto.convert_to<std::uint64_t>(), 1);
    for (auto g = grupos.rbegin(); g != grupos.rend(); ++g)
        AcrescentarAlgarismos(texto, *g, 18);
}

void AcrescentarRacional(std::string& texto, const Racional& r)
{
    AcrescentarInteiro(texto, numerator(r));
    if (denominator(r) != 1) {
        texto += '/';
        AcrescentarInteiro(texto, denominator(r));
    }
}

} // namespace

std::string EscreverInteiro(const Inteiro& n)
{
    std::string texto;
    AcrescentarInteiro(texto, n);
    return texto;
}

std::string EscreverRacional(const Racional& r)
{
    std::string texto;
    AcrescentarRacional(texto, r);
    return texto;
}

std::string Escrever(const Polinómio& p)
{
    if (ÉZero(p))
        return "0";
    std::string texto;
    for (std::size_t grau = p.coeficientes.size(); grau-- > 0;) {
        const Racional& c = p.coeficientes[grau];
        if (c.sign() == 0)
            continue;
        if (c.sign() < 0)
            texto += '-';
        else if (!texto.empty())
            texto += '+';
        const Racional absoluto = abs(c);
        if (grau == 0 || absoluto != 1)
            AcrescentarRacional(texto, absoluto);
        if (grau >= 1)
            texto += 'x';
        if (grau >= 2) {
            texto += '^';
            texto += std::to_string(grau);
        }
    }
    return texto;
}

} // namespace vendrix::algebra
