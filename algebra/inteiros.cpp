// SPDX-License-Identifier: MIT
#include "algebra/inteiros.h"

#include <algorithm>
#include <utility>

namespace vendrix::algebra {

void Normalizar(PolInteiro& p)
{
    while (!p.empty() && p.back() == 0)
        p.pop_back();
}

std::size_t Grau(const PolInteiro& p) noexcept { return p.empty() ? 0 : p.size() - 1; }

PolInteiro Primitiva(PolInteiro p)
{
    Normalizar(p);
    if (p.empty())
        return p;
    Inteiro conteúdo = 0;
    for (const Inteiro& c : p)
        if (c != 0 && (conteúdo = gcd(conteúdo, c)) == 1)
            break;
    if (p.back() < 0)
        conteúdo = -conteúdo;
    if (conteúdo != 1)
        for (Inteiro& c : p)
            c /= conteúdo;
    return p;
}

PolInteiro ParteInteira(const Polinómio& p)
{
    Inteiro denominadores = 1;
    for (const Racional& c : p.coeficientes)
        denominadores = lcm(denominadores, denominator(c));
    PolInteiro inteiro;
    inteiro.reserve(p.coeficientes.size());
    for (const Racional& c : p.coeficientes)
        inteiro.push_back(numerator(c) * (denominadores / denominator(c)));
    return Primitiva(std::move(inteiro));
}

Polinómio ParaRacional(const PolInteiro& p)
{
    std::vector<Racional> coeficientes(p.begin(), p.end());
    return DeCoeficientes(std::move(coeficientes));
}

PolInteiro Multiplicar(const PolInteiro& a, const PolInteiro& b)
{
    if (a.empty() || b.empty())
        return {};
    PolInteiro produto(a.size() + b.size() - 1);
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != 0)
            for (std::size_t j = 0; j < b.size(); ++j)
                produto[i + j] += a[i] * b[j];
    Normalizar(produto);
    return produto;
}

PolInteiro DerivadaInteira(const PolInteiro& p)
{
    PolInteiro derivada;
    for (std::size_t i = 1; i < p.size(); ++i)
        derivada.push_back(p[i] * i);
    Normalizar(derivada);
    return derivada;
}

std::optional<PolInteiro> DividirExacto(const PolInteiro& a, const PolInteiro& b)
{
    if (b.empty())
        return std::nullopt;
    if (a.empty())
        return PolInteiro{};
    if (a.size() < b.size())
        return std::nullopt;
    PolInteiro resto = a;
    PolInteiro quociente(a.size() - b.size() + 1);
    for (std::size_t i = quociente.size(); i-- > 0;) {
        Inteiro& topo = resto[i + b.size() - 1];
        if (topo % b.back() != 0)
            return std::nullopt;
        quociente[i] = topo / b.back();
        for (std::size_t j = 0; j < b.size(); ++j)
            resto[i + j] -= quociente[i] * b[j];
    }
    if (std::any_of(resto.begin(), resto.end(), [](const Inteiro& c) { return c != 0; }))
        return std::nullopt;
    return quociente;
}

namespace {

// A multiple of a mod b, kept integral by scaling with b's leading
// coefficient instead of dividing by it.
PolInteiro PseudoResto(PolInteiro a, const PolInteiro& b)
{
    while (!a.empty() && a.size() >= b.size()) {
        const Inteiro topo = a.back();
        const std::size_t desvio = a.size() - b.size();
        for (Inteiro& c : a)
            c *= b.back();
        for (std::size_t j = 0; j < b.size(); ++j)
            a[desvio + j] -= topo * b[j];
        Normalizar(a);
    }
    return a;
}

} // namespace

std::optional<PolInteiro> Mdc(PolInteiro a, PolInteiro b, Orçamento& orçamento)
{
    a = Primitiva(std::move(a));
    b = Primitiva(std::move(b));
    if (a.size() < b.size())
        std::swap(a, b);
    while (!b.empty()) {
        // A pseudo-remainder, then a gcd per coefficient, each about 64·w²
        // word operations for w words.
        const std::uint64_t palavras = Palavras(a) + Palavras(b);
        if (!orçamento.Gastar(a.size() * (a.size() - b.size() + 1) * palavras +
                              64 * a.size() * palavras * palavras))
            return std::nullopt;
        PolInteiro resto = Primitiva(PseudoResto(std::move(a), b));
        a = std::move(b);
        b = std::move(resto);
    }
    return a;
}

std::optional<std::vector<std::pair<PolInteiro, std::size_t>>> SemQuadrados(const PolInteiro& f,
                                                                            Orçamento& orçamento)
{
    // Musser's method: w holds the factors of multiplicity >= i, g the rest
    // of f once each of them is taken i times.
    std::vector<std::pair<PolInteiro, std::size_t>> partes;
    std::optional<PolInteiro> g = Mdc(f, DerivadaInteira(f), orçamento);
    if (!g)
        return std::nullopt;
    PolInteiro w = DividirExacto(Primitiva(f), *g).value();
    for (std::size_t i = 1; Grau(w) > 0; ++i) {
        std::optional<PolInteiro> y = Mdc(w, *g, orçamento);
        if (!y)
            return std::nullopt;
        PolInteiro z = DividirExacto(w, *y).value();
        if (Grau(z) > 0)
            partes.emplace_back(std::move(z), i);
        g = DividirExacto(*g, *y).value();
        w = std::move(*y);
    }
    return partes;
}

Inteiro Resíduo(const Inteiro& n, const Inteiro& m)
{
    Inteiro r = n % m;
    return r < 0 ? Inteiro(r + m) : r;
}

Inteiro InversoMódulo(const Inteiro& a, const Inteiro& m)
{
    // Euclid's algorithm keeping t·a = r mod m. Each new value is made an
    // Inteiro before the swap: Boost's expressions read their operands late.
    Inteiro r0 = m, r1 = Resíduo(a, m), t0 = 0, t1 = 1;
    while (r1 != 0) {
        const Inteiro q = r0 / r1;
        r0 = std::exchange(r1, Inteiro(r0 - q * r1));
        t0 = std::exchange(t1, Inteiro(t0 - q * t1));
    }
    return Resíduo(t0, m);
}

Inteiro Altura(const PolInteiro& p)
{
    Inteiro altura = 0;
    for (const Inteiro& c : p)
        altura = std::max(altura, Inteiro(abs(c)));
    return altura;
}

std::uint64_t Palavras(const PolInteiro& p)
{
    std::uint64_t palavras = 1;
    for (const Inteiro& c : p)
        if (c != 0)
            palavras = std::max<std::uint64_t>(palavras, msb(abs(c)) / 64 + 1);
    return palavras;
}

} // namespace vendrix::algebra
