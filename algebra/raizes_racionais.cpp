// SPDX-License-Identifier: MIT
#include "algebra/raizes_racionais.h"

#include "algebra/modular.h"

#include <algorithm>
#include <bit>

namespace vendrix::algebra {

namespace {

using modular::PolModular;
using modular::Residuo;

// Every x in [0, p) with f(x) = 0 mod p, tried one by one while p is small
// beside the degree; a sparse f is evaluated term by term, so that x^10000 + 1
// costs little more than x^2 + 1. A large p goes to the gcd with x^p - x.
std::optional<std::vector<Residuo>> RaízesModulares(const PolModular& f, Residuo p, Orçamento& orçamento)
{
    std::vector<std::pair<std::uint64_t, Residuo>> termos;
    for (std::size_t i = 0; i < f.size(); ++i)
        if (f[i] != 0)
            termos.emplace_back(i, f[i]);
    const bool esparso = termos.size() * std::bit_width(f.size()) < f.size();
    const std::uint64_t porValor = esparso ? termos.size() * std::bit_width(f.size()) : f.size();
    if (p * porValor > f.size() * f.size() * std::bit_width(p))
        return modular::Raízes(f, p, orçamento);
    if (!orçamento.Gastar(p * porValor))
        return std::nullopt;
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

Inteiro ValorMod(const PolInteiro& f, const Inteiro& x, const Inteiro& m)
{
    Inteiro v = 0;
    for (auto c = f.rbegin(); c != f.rend(); ++c)
        v = Resíduo(v * x + *c, m);
    return v;
}

// Newton's iteration lifts the simple root ρ of f modulo p to a root modulo
// some p^k > limite, doubling the precision at each step.
std::optional<Inteiro> Levantar(
    const PolInteiro& f, Residuo ρ, Residuo p, const Inteiro& limite, Inteiro& módulo, Orçamento& orçamento)
{
    const PolInteiro derivada = DerivadaInteira(f);
    Inteiro x = ρ;
    módulo = p;
    while (módulo <= limite) {
        módulo *= módulo;
        const std::uint64_t palavras = msb(módulo) / 64 + 1;
        if (!orçamento.Gastar(2 * f.size() * palavras * palavras))
            return std::nullopt;
        x = Resíduo(x - ValorMod(f, x, módulo) * InversoMódulo(ValorMod(derivada, x, módulo), módulo),
                    módulo);
    }
    return x;
}

// Whether b·x - a divides f, dividing it out; a cheap test modulo a large
// prime first turns away most wrong guesses.
bool DividirRaiz(PolInteiro& f, const Racional& r)
{
    constexpr Residuo Teste = 2147483647;
    const Residuo a = modular::Reduzir(numerator(r), Teste), b = modular::Reduzir(denominator(r), Teste);
    if (b != 0 &&
        modular::Valor(modular::Reduzir(f, Teste), a * modular::Inverso(b, Teste) % Teste, Teste) != 0)
        return false;
    auto q = DividirExacto(f, PolInteiro{-numerator(r), denominator(r)});
    if (q)
        f = std::move(*q);
    return q.has_value();
}

// The least prime that keeps the square-free f square-free; nothing when the
// budget runs out first.
std::optional<Residuo> BomPrimo(const PolInteiro& f, Orçamento& orçamento)
{
    std::uint64_t ruins = modular::LimiteDePrimosRuins(f);
    const std::uint64_t termos = static_cast<std::uint64_t>(
        std::count_if(f.begin(), f.end(), [](const Inteiro& c) { return c != 0; }));
    for (std::optional<Residuo> p = 2; (p = modular::PróximoPrimo(*p));) {
        if (!orçamento.Gastar(f.size() * (termos + Palavras(f))))
            return std::nullopt;
        if (modular::BomPrimo(f, *p))
            return p;
        if (ruins-- == 0) // f is not square-free after all: a caller's fault
            return std::nullopt;
    }
    return std::nullopt;
}

// The rational roots of one square-free part, divided out of it. False when
// the budget ran out.
bool RaízesDaParte(PolInteiro& parte, std::size_t multiplicidade, RaízesRacionais& r, Orçamento& orçamento)
{
    const std::optional<Residuo> p = BomPrimo(parte, orçamento);
    if (!p)
        return false;
    const auto ρs = RaízesModulares(modular::Reduzir(parte, *p), *p, orçamento);
    if (!ρs)
        return false;
    // A root a/b has b | lc and |a/b| below Cauchy's bound 1 + height/|lc|,
    // so lc·a/b, an integer, is below |lc| + height.
    const Inteiro dominante = parte.back();
    const Inteiro limite = 2 * (abs(dominante) + Altura(parte));
    const PolInteiro original = parte;
    for (const Residuo ρ : *ρs) {
        Inteiro módulo;
        const std::optional<Inteiro> x = Levantar(original, ρ, *p, limite, módulo, orçamento);
        if (!x || !orçamento.Gastar(parte.size() * Palavras(parte)))
            return false;
        Inteiro c = Resíduo(dominante * *x, módulo);
        if (2 * c > módulo)
            c -= módulo;
        const Racional raiz(c, dominante);
        if (DividirRaiz(parte, raiz))
            r.raízes.emplace_back(raiz, multiplicidade);
    }
    return true;
}

} // namespace

RaízesRacionais ProcurarRaízesRacionais(PolInteiro f, Orçamento& orçamento)
{
    RaízesRacionais r;
    f = Primitiva(std::move(f));
    std::size_t zeros = 0;
    while (zeros + 1 < f.size() && f[zeros] == 0)
        ++zeros;
    if (zeros > 0)
        r.raízes.emplace_back(Racional(0), zeros);
    PolInteiro resto(f.begin() + static_cast<std::ptrdiff_t>(zeros), f.end());
    if (Grau(resto) == 0)
        return r;
    // Musser's square-free parts cost remainder sequences; most polynomials
    // are shown square-free modulo a small prime first.
    const std::uint64_t termos = static_cast<std::uint64_t>(
        std::count_if(resto.begin(), resto.end(), [](const Inteiro& c) { return c != 0; }));
    constexpr Residuo Pequenos[] = {3, 5, 7, 11, 13, 17, 19, 23};
    std::optional<std::vector<std::pair<PolInteiro, std::size_t>>> partes;
    if (orçamento.Gastar(std::size(Pequenos) * resto.size() * (termos + Palavras(resto)))) {
        if (std::any_of(std::begin(Pequenos), std::end(Pequenos), [&](Residuo p) {
                return modular::BomPrimo(resto, p);
            }))
            partes = std::vector{std::pair{resto, std::size_t{1}}};
        else
            partes = SemQuadrados(resto, orçamento);
    }
    if (!partes) {
        r.completas = false;
        r.partes = {{std::move(resto), 1}};
        return r;
    }
    r.partes = std::move(*partes);
    for (auto& [parte, multiplicidade] : r.partes)
        if (r.completas && Grau(parte) > 0)
            r.completas = RaízesDaParte(parte, multiplicidade, r, orçamento);
    std::erase_if(r.partes, [](const auto& parte) { return Grau(parte.first) == 0; });
    return r;
}

} // namespace vendrix::algebra
