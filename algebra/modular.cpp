// SPDX-License-Identifier: MIT
#include "algebra/modular.h"

#include <algorithm>
#include <bit>
#include <random>

namespace vendrix::algebra::modular {

namespace {

void Normalizar(PolModular& a)
{
    while (!a.empty() && a.back() == 0)
        a.pop_back();
}

// A product modulo f costs about deg(f)^2 word operations.
std::uint64_t Custo(const PolModular& f) { return f.size() * f.size() + 1; }

// base^expoente mod f; the exponent is a long number, as (p^d - 1)/2 can be.
PolModular PotênciaMod(PolModular base, const Inteiro& expoente, const PolModular& f, Residuo p)
{
    PolModular resultado{1};
    base = Dividir(std::move(base), f, p).second;
    if (expoente == 0)
        return resultado;
    for (std::size_t bit = msb(expoente) + 1; bit-- > 0;) {
        resultado = Dividir(Multiplicar(resultado, resultado, p), f, p).second;
        if (bit_test(expoente, static_cast<unsigned>(bit)))
            resultado = Dividir(Multiplicar(resultado, base, p), f, p).second;
    }
    return resultado;
}

bool PrimoAceite(Residuo p) noexcept { return p > 2 && p < LimiteDosPrimos; }

// Cantor and Zassenhaus: g is a product of irreducible factors of degree
// grau; a random a splits it by a^((p^grau-1)/2) - 1 about half the time.
bool SepararIguais(const PolModular& g,
                   std::size_t grau,
                   Residuo p,
                   std::mt19937_64& acaso,
                   Orçamento& orçamento,
                   std::vector<PolModular>& factores)
{
    if (g.size() - 1 == grau) {
        factores.push_back(g);
        return true;
    }
    const Inteiro metade = (pow(Inteiro(p), static_cast<unsigned>(grau)) - 1) / 2;
    std::uniform_int_distribution<Residuo> residuo(0, p - 1);
    for (;;) {
        if (!orçamento.Gastar(Custo(g) * (msb(metade) + 2)))
            return false;
        PolModular a(g.size() - 1);
        for (Residuo& c : a)
            c = residuo(acaso);
        Normalizar(a);
        if (a.size() < 2)
            continue;
        PolModular b = PotênciaMod(a, metade, g, p);
        b = Subtrair(b, PolModular{1}, p);
        PolModular d = Mdc(b, g, p);
        if (d.size() > 1 && d.size() < g.size()) {
            PolModular resto = Dividir(g, d, p).first;
            return SepararIguais(d, grau, p, acaso, orçamento, factores) &&
                   SepararIguais(resto, grau, p, acaso, orçamento, factores);
        }
    }
}

} // namespace

std::optional<Residuo> PróximoPrimo(Residuo n) noexcept
{
    for (Residuo candidato = n + 1; candidato < LimiteDosPrimos; ++candidato) {
        bool primo = candidato >= 2;
        for (Residuo d = 2; primo && d * d <= candidato; ++d)
            primo = candidato % d != 0;
        if (primo)
            return candidato;
    }
    return std::nullopt;
}

Residuo Potência(Residuo base, std::uint64_t expoente, Residuo p) noexcept
{
    Residuo resultado = 1 % p;
    for (base %= p; expoente > 0; expoente >>= 1) {
        if (expoente & 1)
            resultado = resultado * base % p;
        base = base * base % p;
    }
    return resultado;
}

Residuo Inverso(Residuo a, Residuo p) noexcept { return Potência(a, p - 2, p); }

Residuo Reduzir(const Inteiro& n, Residuo p)
{
    Inteiro r = n % p;
    if (r < 0)
        r += p;
    return static_cast<Residuo>(r);
}

PolModular Reduzir(const PolInteiro& f, Residuo p)
{
    PolModular r;
    r.reserve(f.size());
    for (const Inteiro& c : f)
        r.push_back(Reduzir(c, p));
    Normalizar(r);
    return r;
}

Residuo Valor(const PolModular& f, Residuo x, Residuo p) noexcept
{
    Residuo v = 0;
    for (auto c = f.rbegin(); c != f.rend(); ++c)
        v = (v * x + *c) % p;
    return v;
}

PolModular Subtrair(const PolModular& a, const PolModular& b, Residuo p)
{
    PolModular r(std::max(a.size(), b.size()), 0);
    for (std::size_t i = 0; i < a.size(); ++i)
        r[i] = a[i];
    for (std::size_t i = 0; i < b.size(); ++i)
        r[i] = (r[i] + p - b[i]) % p;
    Normalizar(r);
    return r;
}

PolModular Multiplicar(const PolModular& a, const PolModular& b, Residuo p)
{
    if (a.empty() || b.empty())
        return {};
    PolModular r(a.size() + b.size() - 1, 0);
    for (std::size_t i = 0; i < a.size(); ++i)
        for (std::size_t j = 0; j < b.size(); ++j)
            r[i + j] = (r[i + j] + a[i] * b[j]) % p;
    Normalizar(r);
    return r;
}

std::pair<PolModular, PolModular> Dividir(PolModular a, const PolModular& b, Residuo p)
{
    if (a.size() < b.size())
        return {PolModular{}, std::move(a)};
    const Residuo inverso = Inverso(b.back(), p);
    PolModular q(a.size() - b.size() + 1, 0);
    for (std::size_t i = q.size(); i-- > 0;) {
        q[i] = a[i + b.size() - 1] * inverso % p;
        for (std::size_t j = 0; j < b.size(); ++j)
            a[i + j] = (a[i + j] + (p - q[i]) * b[j]) % p;
    }
    a.resize(b.size() - 1);
    Normalizar(a);
    return {std::move(q), std::move(a)};
}

PolModular Mónico(PolModular a, Residuo p)
{
    if (a.empty())
        return a;
    const Residuo inverso = Inverso(a.back(), p);
    for (Residuo& c : a)
        c = c * inverso % p;
    return a;
}

PolModular Mdc(PolModular a, PolModular b, Residuo p)
{
    while (!b.empty()) {
        PolModular r = Dividir(std::move(a), b, p).second;
        a = std::move(b);
        b = std::move(r);
    }
    return Mónico(std::move(a), p);
}

std::pair<PolModular, PolModular> Bezout(const PolModular& a, const PolModular& b, Residuo p)
{
    // The extended Euclidean algorithm, keeping s0·a + t0·b = r0.
    PolModular r0 = a, r1 = b, s0{1}, s1, t0, t1{1};
    while (!r1.empty()) {
        auto [q, r] = Dividir(r0, r1, p);
        PolModular s = Subtrair(s0, Multiplicar(q, s1, p), p);
        PolModular t = Subtrair(t0, Multiplicar(q, t1, p), p);
        r0 = std::exchange(r1, std::move(r));
        s0 = std::exchange(s1, std::move(s));
        t0 = std::exchange(t1, std::move(t));
    }
    // r0 is the non-zero constant gcd; divide it out.
    const Residuo inverso = Inverso(r0.at(0), p);
    for (Residuo& c : s0)
        c = c * inverso % p;
    for (Residuo& c : t0)
        c = c * inverso % p;
    return {std::move(s0), std::move(t0)};
}

std::optional<std::vector<PolModular>> Factores(const PolModular& f, Residuo p, Orçamento& orçamento)
{
    if (!PrimoAceite(p) || f.empty())
        return std::nullopt;
    // Distinct degrees first: gcd(x^(p^i) - x, f) gathers the factors of
    // degree i; then each gathering is split.
    std::vector<PolModular> factores;
    std::mt19937_64 acaso(20261207); // fixed, so that every run finds the same factors
    PolModular resto = f;
    PolModular h{0, 1};
    for (std::size_t grau = 1; 2 * grau <= resto.size() - 1; ++grau) {
        if (!orçamento.Gastar(Custo(resto) * (std::bit_width(p) + 2)))
            return std::nullopt;
        h = PotênciaMod(h, p, resto, p);
        PolModular g = Mdc(Subtrair(h, PolModular{0, 1}, p), resto, p);
        if (g.size() > 1) {
            if (!SepararIguais(g, grau, p, acaso, orçamento, factores))
                return std::nullopt;
            resto = Dividir(resto, g, p).first;
            h = Dividir(h, resto, p).second;
        }
    }
    if (resto.size() > 1)
        factores.push_back(Mónico(resto, p));
    return factores;
}

std::optional<std::vector<Residuo>> Raízes(const PolModular& f, Residuo p, Orçamento& orçamento)
{
    if (!PrimoAceite(p) || f.empty())
        return std::nullopt;
    std::vector<Residuo> raízes;
    PolModular g = Mónico(f, p);
    if (g[0] == 0) { // x divides f: 0 is a root, and x^p - x has it once
        raízes.push_back(0);
        while (!g.empty() && g[0] == 0)
            g.erase(g.begin());
    }
    if (!orçamento.Gastar(Custo(g) * (std::bit_width(p) + 2)))
        return std::nullopt;
    const PolModular h = PotênciaMod(PolModular{0, 1}, p, g, p);
    const PolModular lineares = Mdc(Subtrair(h, PolModular{0, 1}, p), g, p);
    std::vector<PolModular> factores;
    std::mt19937_64 acaso(20261207);
    if (lineares.size() > 1 && !SepararIguais(lineares, 1, p, acaso, orçamento, factores))
        return std::nullopt;
    for (const PolModular& l : factores)
        raízes.push_back((p - l[0]) % p);
    std::sort(raízes.begin(), raízes.end());
    return raízes;
}

// At least the number of distinct primes that divide lc(f)·disc(f), for a
// square-free f: every such prime has at least a bit, and Hadamard's bound
// gives |disc(f)| <= ‖f‖₂^(n-1)·‖f'‖₂^n, with ‖f‖₂ <= sqrt(n+1)·height and
// ‖f'‖₂ <= n·‖f‖₂.
std::uint64_t LimiteDePrimosRuins(const PolInteiro& f)
{
    const std::uint64_t n = Grau(f);
    const std::uint64_t norma = msb(Altura(f)) + 1 + std::bit_width(n + 1);
    return (2 * n + 1) * (norma + std::bit_width(n)) + msb(abs(f.back())) + 1;
}

bool BomPrimo(const PolInteiro& f, Residuo p)
{
    if (modular::Reduzir(f.back(), p) == 0)
        return false;
    const PolModular g = modular::Reduzir(f, p);
    PolModular derivada;
    for (std::size_t i = 1; i < g.size(); ++i)
        derivada.push_back(g[i] * i % p);
    while (!derivada.empty() && derivada.back() == 0) // when p divides the degree
        derivada.pop_back();
    return modular::Mdc(g, derivada, p).size() == 1;
}

} // namespace vendrix::algebra::modular
