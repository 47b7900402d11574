// SPDX-License-Identifier: MIT
#include "entradas.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

namespace vendrix::monkey {

namespace {

// Texts that are almost polynomials, and the edges of the program's notation.
constexpr std::array<std::string_view, 40> QuaseBons = {
    "+x",   "x^",    "3X^2", "x^-2",  "x^2.5",   "1.5x",  "2,5x",        "x^^2",      "xx",    "x2",
    "^2",   "--x",   "x+",   "x-",    "",        " ",     "x ^2",        "x^ 2",      "3x^2+", "x^1e3",
    "1e5x", "+",     "-",    "x^+2",  "0x^3",    "0",     "-0",          "x^0",       "x^1",   "3x^2-3x^2",
    "x-x",  "2x^2x", "x*x",  "(x-1)", "x^2+1=0", "x\t-1", "x\xC2\xA0-1", "\xC3\xB3x", "1/2x",  "x/2",
};

constexpr std::array<std::string_view, 24> Expressões = {
    "sqr(2)x-1",  "pi*x-1", "sin(1)x+2",    "x/0",     "log(0)x",      "2^1000x-1",
    "exp(1000)x", "1/0",    "rnd*x",        "(x-1",    "x)",           "abs(-3)x+1",
    "sqr(-1)x",   "x*x-1",  "2*x+1",        "e*x",     "cos(pi)x-1",   "int(2.7)x",
    "x--1",       "sqr(x)", "fact(200)x-1", "x^0.5-1", "1e308x-1e308", "atn(1)*4x-pi",
};

constexpr std::array<std::string_view, 8> Divisores = {"3x-2", "-5x-7", "x", "2x+1", "-x", "x+0", "7", "-3"};

// The number written as the program reads it; the minimum needs no negation.
std::string Número(long long n) { return std::to_string(n); }

} // namespace

std::size_t Gerador::Índice(std::size_t n)
{
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(sorte);
}

bool Gerador::Moeda(double p) { return std::bernoulli_distribution(p)(sorte); }

long long Gerador::Entre(long long mínimo, long long máximo)
{
    return std::uniform_int_distribution<long long>(mínimo, máximo)(sorte);
}

std::string Gerador::Termo(long long coeficiente, int expoente)
{
    std::string t = coeficiente < 0 ? "-" : "+";
    const long long módulo = coeficiente < 0 ? -coeficiente : coeficiente;
    const bool comX = expoente >= 1 || Moeda(0.05); // now and then "x^0"
    if (!comX || módulo != 1 || Moeda(0.1))
        t += Número(módulo);
    if (comX) {
        t += "x";
        if (expoente != 1 || Moeda(0.05))
            t += "^" + Número(expoente);
    }
    return t;
}

std::string Gerador::Dividendo()
{
    const int grau = static_cast<int>(Entre(1, 10));
    std::vector<std::string> termos;
    for (int e = grau; e >= 0; --e) {
        long long c = e == grau ? Entre(1, 12) : Entre(-30, 30);
        if (e == grau && Moeda(0.3))
            c = -c;
        if (c != 0 || Moeda(0.1))
            termos.push_back(Termo(c, e));
        if (Moeda(0.1)) // a like term to be reduced
            termos.push_back(Termo(Entre(-5, 5), e));
    }
    if (Moeda(0.3))
        std::shuffle(termos.begin(), termos.end(), sorte);
    std::string texto;
    for (const std::string& t : termos)
        texto += t;
    if (texto.starts_with('+'))
        texto.erase(0, 1);
    return texto;
}

std::string Gerador::Divisor()
{
    if (Moeda(0.4))
        return std::string(Divisores[Índice(Divisores.size())]);
    long long a = Entre(-9, 9);
    if (a == 0)
        a = 1;
    std::string texto = Termo(a, 1);
    texto += Termo(Entre(-12, 12), 0);
    return texto.starts_with('+') ? texto.substr(1) : texto;
}

std::string Gerador::QuaseBem()
{
    if (Moeda(0.5))
        return std::string(QuaseBons[Índice(QuaseBons.size())]);
    // A well-formed dividend with one character dropped, doubled or changed.
    std::string texto = Dividendo();
    const std::size_t i = Índice(texto.size());
    constexpr std::string_view Alfabeto = "x0123456789+-^.X ,";
    switch (Índice(3)) {
    case 0:
        texto.erase(i, 1);
        break;
    case 1:
        texto.insert(i, 1, texto[i]);
        break;
    default:
        texto[i] = Alfabeto[Índice(Alfabeto.size())];
        break;
    }
    return texto;
}

std::string Gerador::Enorme()
{
    std::string dígitos(Índice(40) + 1, '9');
    for (char& d : dígitos)
        d = static_cast<char>('0' + Índice(10));
    constexpr std::array<std::string_view, 10> Limites = {"32767",
                                                          "32768",
                                                          "-32769",
                                                          "2147483647",
                                                          "2147483648",
                                                          "-2147483649",
                                                          "9999999",
                                                          "10000000",
                                                          "1e39",
                                                          "340282356779733661637539395458142568448"};
    const std::string limite(Limites[Índice(Limites.size())]);
    switch (Índice(5)) {
    case 0:
        return dígitos + "x^2+1";
    case 1:
        return "x^" + dígitos + "-1";
    case 2:
        return limite + "x-1";
    case 3:
        return "x^" + limite + "+x";
    default:
        return "-" + dígitos + "x^" + limite;
    }
}

std::string Gerador::Expressão() { return std::string(Expressões[Índice(Expressões.size())]); }

std::string Gerador::Bytes()
{
    // Mostly short, now and then up to 100 KB: the length is spread evenly
    // over its number of digits.
    const std::size_t teto = std::size_t{1} << Índice(18);
    std::string texto(std::min<std::size_t>(Índice(teto), 100 * 1024), '\0');
    for (char& c : texto)
        c = static_cast<char>(Índice(256));
    return texto;
}

std::string Gerador::Comprido()
{
    std::string texto = "x^3";
    const std::size_t termos = 1000 + Índice(9000);
    for (std::size_t k = 0; k < termos && texto.size() < 100 * 1024; ++k) {
        const long long coeficiente = Entre(-99, 99);
        texto += Termo(coeficiente, static_cast<int>(Entre(0, 40)));
    }
    return texto;
}

Entrada Gerador::Próxima()
{
    // Weights out of 100.
    const std::size_t sorteio = Índice(100);
    if (sorteio < 30)
        return {Dividendo(), Espécie::Dividendo};
    if (sorteio < 50)
        return {Divisor(), Espécie::Divisor};
    if (sorteio < 65)
        return {QuaseBem(), Espécie::QuaseBem};
    if (sorteio < 73)
        return {Enorme(), Espécie::Enorme};
    if (sorteio < 81)
        return {Expressão(), Espécie::Expressão};
    if (sorteio < 97)
        return {Bytes(), Espécie::Bytes};
    return {Comprido(), Espécie::Comprido};
}

const char* NomeDaEspécie(Espécie e) noexcept
{
    switch (e) {
    case Espécie::Dividendo:
        return "dividendo";
    case Espécie::Divisor:
        return "divisor";
    case Espécie::QuaseBem:
        return "quase";
    case Espécie::Enorme:
        return "enorme";
    case Espécie::Expressão:
        return "expressao";
    case Espécie::Bytes:
        return "bytes";
    case Espécie::Comprido:
        return "comprido";
    }
    return "?";
}

} // namespace vendrix::monkey
