// SPDX-License-Identifier: MIT
#include "algebra/raizes_racionais.h"

#include "algebra/modular.h"

#include <bit>

namespace vendrix::algebra {

namespace {

using modular::PolModular;
using modular::Residuo;

// Primes tried before falling back to the square-free parts, and the degree
// up to which those parts are computed: beyond it remainder sequences grow
// too long to be worth it for so rare a case.
constexpr int PrimosTentados = 16;
constexpr std::size_t GrauMáximoSemQuadrados = 100;

bool ÉPrimo(Residuo n) noexcept
{
    if (n < 2)
        return false;
    for (Residuo d = 2; d * d <= n; ++d)
        if (n % d == 0)
            return false;
    return true;
}

Residuo PróximoPrimo(Residuo n) noexcept
{
    while (!ÉPrimo(++n)) {
    }
    return n;
}

// Every x in [0, p) with f(x) = 0 mod p. A sparse f is evaluated term by
// term, so that x^10000 + 1 costs little more than x^2 + 1.
std::vector<Residuo> RaízesModulares(const PolModular& f, Residuo p)
{
    std::vector<std::pair<std::uint64_t, Residuo>> termos;
    for (std::size_t i = 0; i < f.size(); ++i)
        if (f[i] != 0)
            termos.emplace_back(i, f[i]);
    const bool esparso = termos.size() * std::bit_width(f.size()) < f.size();
    std::vector<Residuo> raízes;
    for (Residuo x = 0; x < p; ++x) {
        Residuo v = 0;
        if (esparso)
            for (const auto& [expoente, c] : termos)
                v = (v + c * modular::Potência(x, expoente, p)) % p;
        else
            v = modular::Valor(f, x, p);
        if (v == 0)
            raízes.push_back(x);
    }
    return raízes;
}

// How many times x - ρ divides f modulo p.
std::size_t MultiplicidadeModular(PolModular f, Residuo ρ, Residuo p)
{
    std::size_t m = 0;
    for (;;) {
        auto [q, r] = modular::Dividir(f, PolModular{(p - ρ) % p, 1}, p);
        if (!r.empty())
            return m;
        ++m;
        f = std::move(q);
    }
}

// The j-th Hasse derivative, sum of C(k, j) f_k x^(k-j): the Taylor
// coefficients of f at a root of multiplicity j+1 begin there.
PolInteiro Hasse(const PolInteiro& f, std::size_t j)
{
    PolInteiro h;
    Inteiro binomial = 1;
    for (std::size_t k = j; k < f.size(); ++k) {
        if (k > j)
            binomial = binomial * k / (k - j);
        h.push_back(binomial * f[k]);
    }
    Normalizar(h);
    return h;
}

Inteiro ValorMod(const PolInteiro& f, const Inteiro& x, const Inteiro& m)
{
    Inteiro v = 0;
    for (auto c = f.rbegin(); c != f.rend(); ++c)
        v = Resíduo(v * x + *c, m);
    return v;
}

// Newton's iteration lifts the simple root ρ of h modulo p to a root modulo
// some p^k > limite, doubling the precision at each step.
Inteiro Levantar(const PolInteiro& h, Residuo ρ, Residuo p, const Inteiro& limite, Inteiro& módulo)
{
    const PolInteiro derivada = DerivadaInteira(h);
    Inteiro x = ρ;
    módulo = p;
    while (módulo <= limite) {
        módulo *= módulo;
        x = Resíduo(x - ValorMod(h, x, módulo) * InversoMódulo(ValorMod(derivada, x, módulo), módulo),
                    módulo);
    }
    return x;
}

// How many times b·x - a divides f, dividing it out; a cheap test modulo a
// large prime first turns away most wrong guesses.
std::size_t DividirRaiz(PolInteiro& f, const Racional& r)
{
    constexpr Residuo Teste = 2147483647;
    const Residuo a = modular::Reduzir(numerator(r), Teste), b = modular::Reduzir(denominator(r), Teste);
    if (b != 0 &&
        modular::Valor(modular::Reduzir(f, Teste), a * modular::Inverso(b, Teste) % Teste, Teste) != 0)
        return 0;
    const PolInteiro linear{-numerator(r), denominator(r)};
    std::size_t m = 0;
    while (Grau(f) > 0)
        if (auto q = DividirExacto(f, linear)) {
            f = std::move(*q);
            ++m;
        } else
            break;
    return m;
}

// One prime's pass: every root of f modulo p is lifted and tried. True when
// the pass proves that what is left of f has no rational root.
bool Passagem(RaízesRacionais& r, Residuo p, std::size_t multiplicidade)
{
    bool prova = true;
    for (const Residuo ρ : RaízesModulares(modular::Reduzir(r.resto, p), p)) {
        const std::size_t m = MultiplicidadeModular(modular::Reduzir(r.resto, p), ρ, p);
        if (m == 0)
            continue;
        // A rational root of multiplicity exactly m is a simple root of the
        // (m-1)-th derivative, and p > m keeps it simple modulo p.
        const Inteiro dominante = r.resto.back();
        const Inteiro limite = 2 * (abs(dominante) + Altura(r.resto));
        Inteiro módulo;
        const Inteiro x = Levantar(Hasse(r.resto, m - 1), ρ, p, limite, módulo);
        Inteiro c = Resíduo(dominante * x, módulo);
        if (2 * c > módulo)
            c -= módulo;
        const Racional raiz(c, dominante);
        const std::size_t encontrada = DividirRaiz(r.resto, raiz);
        if (encontrada > 0)
            r.raízes.emplace_back(raiz, encontrada * multiplicidade);
        prova = prova && (encontrada == m || (encontrada == 0 && m == 1));
    }
    return prova;
}

bool ProcurarComPrimos(RaízesRacionais& r, std::size_t multiplicidade)
{
    Residuo p = Grau(r.resto);
    for (int tentativa = 0; tentativa < PrimosTentados; ++tentativa) {
        if (Grau(r.resto) == 0)
            return true;
        p = PróximoPrimo(p);
        while (modular::Reduzir(r.resto.back(), p) == 0)
            p = PróximoPrimo(p);
        if (Passagem(r, p, multiplicidade))
            return true;
    }
    return Grau(r.resto) == 0;
}

} // namespace

RaízesRacionais ProcurarRaízesRacionais(PolInteiro f)
{
    RaízesRacionais r;
    f = Primitiva(std::move(f));
    std::size_t zeros = 0;
    while (zeros + 1 < f.size() && f[zeros] == 0)
        ++zeros;
    if (zeros > 0)
        r.raízes.emplace_back(Racional(0), zeros);
    r.resto.assign(f.begin() + static_cast<std::ptrdiff_t>(zeros), f.end());
    if (ProcurarComPrimos(r, 1))
        return r;
    if (Grau(r.resto) > GrauMáximoSemQuadrados) {
        r.completas = false;
        return r;
    }
    // Repeated factors with roots modulo every prime tried: search each
    // square-free part, where a good prime always gives a proof.
    PolInteiro resto{1};
    for (auto& [parte, i] : SemQuadrados(r.resto)) {
        RaízesRacionais daParte;
        daParte.resto = std::move(parte);
        daParte.completas = ProcurarComPrimos(daParte, i);
        r.completas = r.completas && daParte.completas;
        r.raízes.insert(r.raízes.end(), daParte.raízes.begin(), daParte.raízes.end());
        for (std::size_t k = 0; k < i; ++k)
            resto = Multiplicar(resto, daParte.resto);
    }
    r.resto = Primitiva(std::move(resto));
    return r;
}

} // namespace vendrix::algebra
