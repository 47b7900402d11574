// SPDX-License-Identifier: MIT
#include "algebra/modular.h"

#include <random>

namespace vendrix::algebra::modular {

namespace {

void Normalizar(PolModular& a)
{
    while (!a.empty() && a.back() == 0)
        a.pop_back();
}

// base^expoente mod f.
PolModular PotênciaMod(PolModular base, std::uint64_t expoente, const PolModular& f, Residuo p)
{
    PolModular resultado{1};
    base = Dividir(std::move(base), f, p).second;
    for (; expoente > 0; expoente >>= 1) {
        if (expoente & 1)
            resultado = Dividir(Multiplicar(resultado, base, p), f, p).second;
        base = Dividir(Multiplicar(base, base, p), f, p).second;
    }
    return resultado;
}

// Cantor and Zassenhaus: g is a product of irreducible factors of degree
// grau; a random a splits it by a^((p^grau-1)/2) - 1 about half the time.
void SepararIguais(const PolModular& g,
                   std::size_t grau,
                   Residuo p,
                   std::mt19937_64& acaso,
                   std::vector<PolModular>& factores)
{
    if (g.size() - 1 == grau) {
        factores.push_back(g);
        return;
    }
    std::uint64_t potência = 1;
    for (std::size_t i = 0; i < grau; ++i)
        potência *= p;
    std::uniform_int_distribution<Residuo> residuo(0, p - 1);
    for (;;) {
        PolModular a(g.size() - 1);
        for (Residuo& c : a)
            c = residuo(acaso);
        Normalizar(a);
        if (a.size() < 2)
            continue;
        PolModular b = PotênciaMod(a, (potência - 1) / 2, g, p);
        b = Subtrair(b, PolModular{1}, p);
        PolModular d = Mdc(b, g, p);
        if (d.size() > 1 && d.size() < g.size()) {
            PolModular resto = Dividir(g, d, p).first;
            SepararIguais(d, grau, p, acaso, factores);
            SepararIguais(resto, grau, p, acaso, factores);
            return;
        }
    }
}

} // namespace

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

std::vector<PolModular> Factores(const PolModular& f, Residuo p)
{
    // Distinct degrees first: gcd(x^(p^i) - x, f) gathers the factors of
    // degree i; then each gathering is split.
    std::vector<PolModular> factores;
    std::mt19937_64 acaso(20261207); // fixed, so that every run finds the same factors
    PolModular resto = f;
    PolModular h{0, 1};
    for (std::size_t grau = 1; 2 * grau <= resto.size() - 1; ++grau) {
        h = PotênciaMod(h, p, resto, p);
        PolModular g = Mdc(Subtrair(h, PolModular{0, 1}, p), resto, p);
        if (g.size() > 1) {
            SepararIguais(g, grau, p, acaso, factores);
            resto = Dividir(resto, g, p).first;
            h = Dividir(h, resto, p).second;
        }
    }
    if (resto.size() > 1)
        factores.push_back(Mónico(resto, p));
    return factores;
}

} // namespace vendrix::algebra::modular
