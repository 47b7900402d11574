// SPDX-License-Identifier: MIT
#include "algebra/polinomio.h"

#include <algorithm>
#include <utility>

namespace vendrix::algebra {

Polinómio DeCoeficientes(std::vector<Racional> coeficientes)
{
    while (!coeficientes.empty() && coeficientes.back().sign() == 0)
        coeficientes.pop_back();
    return Polinómio{std::move(coeficientes)};
}

Polinómio Monómio(const Racional& c, std::size_t grau)
{
    if (c.sign() == 0)
        return {};
    std::vector<Racional> coeficientes(grau + 1);
    coeficientes[grau] = c;
    return Polinómio{std::move(coeficientes)};
}

bool ÉZero(const Polinómio& p) noexcept { return p.coeficientes.empty(); }

std::size_t Grau(const Polinómio& p) noexcept
{
    return p.coeficientes.empty() ? 0 : p.coeficientes.size() - 1;
}

Racional CoeficienteDominante(const Polinómio& p)
{
    return p.coeficientes.empty() ? Racional{0} : p.coeficientes.back();
}

namespace {

// a += b at no cost when either is zero: most sums and products of sparse
// polynomials add into an empty place.
void Somar(Racional& a, const Racional& b)
{
    if (b.sign() == 0)
        return;
    if (a.sign() == 0)
        a = b;
    else
        Acumular(a, b);
}

} // namespace

Polinómio& operator+=(Polinómio& a, const Polinómio& b)
{
    if (a.coeficientes.size() < b.coeficientes.size())
        a.coeficientes.resize(b.coeficientes.size());
    for (std::size_t i = 0; i < b.coeficientes.size(); ++i)
        Somar(a.coeficientes[i], b.coeficientes[i]);
    a = DeCoeficientes(std::move(a.coeficientes));
    return a;
}

Polinómio operator+(const Polinómio& a, const Polinómio& b)
{
    Polinómio soma = a;
    return soma += b;
}

Polinómio operator-(const Polinómio& a)
{
    Polinómio simétrico = a;
    for (Racional& c : simétrico.coeficientes)
        c = -c;
    return simétrico;
}

Polinómio operator-(const Polinómio& a, const Polinómio& b) { return a + -b; }

Polinómio operator*(const Polinómio& a, const Polinómio& b)
{
    if (ÉZero(a) || ÉZero(b))
        return {};
    // Over the non-zero terms only, so that a sparse factor costs its terms.
    const auto termos = [](const Polinómio& p) {
        std::vector<std::size_t> t;
        for (std::size_t i = 0; i < p.coeficientes.size(); ++i)
            if (p.coeficientes[i].sign() != 0)
                t.push_back(i);
        return t;
    };
    const std::vector<std::size_t> ta = termos(a), tb = termos(b);
    std::vector<Racional> produto(a.coeficientes.size() + b.coeficientes.size() - 1);
    for (const std::size_t i : ta)
        for (const std::size_t j : tb)
            Somar(produto[i + j], Multiplicado(a.coeficientes[i], b.coeficientes[j]));
    return DeCoeficientes(std::move(produto));
}

Polinómio operator*(const Racional& c, const Polinómio& p)
{
    if (c.sign() == 0)
        return {};
    Polinómio múltiplo = p;
    for (Racional& coeficiente : múltiplo.coeficientes)
        coeficiente *= c;
    return múltiplo;
}

Racional Avaliar(const Polinómio& p, const Racional& a)
{
    if (ÉZero(p))
        return 0;
    // The sum of c_i·u^i·v^(n-i), over v^n and the common denominator.
    const SobreDenominador n = SemDenominadores(p);
    const Inteiro &u = numerator(a), &v = denominator(a);
    Inteiro soma = n.coeficientes.back(), potência = 1;
    for (std::size_t i = n.coeficientes.size() - 1; i-- > 0;) {
        soma *= u;
        potência *= v;
        if (n.coeficientes[i] != 0)
            soma += n.coeficientes[i] * potência;
    }
    return Fracção(std::move(soma), potência * n.denominador);
}

Polinómio Derivada(const Polinómio& p)
{
    if (p.coeficientes.size() <= 1)
        return {};
    std::vector<Racional> derivada(p.coeficientes.size() - 1);
    for (std::size_t i = 1; i < p.coeficientes.size(); ++i)
        derivada[i - 1] = p.coeficientes[i] * static_cast<long long>(i);
    return DeCoeficientes(std::move(derivada));
}

SobreDenominador SemDenominadores(const Polinómio& p)
{
    Inteiro comum = 1;
    for (const Racional& c : p.coeficientes)
        if (denominator(c) != 1)
            comum = comum / gcd(comum, denominator(c)) * denominator(c);
    SobreDenominador n{{}, comum};
    n.coeficientes.reserve(p.coeficientes.size());
    for (const Racional& c : p.coeficientes)
        n.coeficientes.push_back(comum == 1 ? numerator(c) : numerator(c) * (comum / denominator(c)));
    return n;
}

Racional Fracção(Inteiro a, Inteiro b)
{
    // Boost's gcd takes a step per bit of a long number against a short
    // one, so a whole number skips it.
    if (b == 1)
        return Racional(a);
    if (b == -1)
        return Racional(-a);
    if (b.sign() < 0) {
        a = -a;
        b = -b;
    }
    return Racional(a, b);
}

} // namespace vendrix::algebra
