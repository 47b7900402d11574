// SPDX-License-Identifier: MIT
#include "resolucao/verificar_numeros.h"

#include <boost/multiprecision/cpp_int.hpp>
#include <optional>
#include <utility>

namespace vendrix::resolucao::verificar {

namespace {

using runtime::Código;

// About 20,000 digits in a numerator and its denominator together: far
// past any homework, and still quick to multiply.
constexpr std::size_t BitsMáximos = 64'000;

// The first refusal of a computation; once set, the rest is skipped and
// its values are never used.
struct Estado
{
    std::optional<Código> falha;

    void Recusar(Código código)
    {
        if (!falha)
            falha = código;
    }
};

std::size_t Bits(const Racional& r)
{
    const Inteiro n = abs(numerator(r));
    return (n > 1 ? msb(n) + 1 : 1) + (denominator(r) > 1 ? msb(denominator(r)) + 1 : 1);
}

std::size_t Bits(const Quadrático& q) { return std::max(Bits(q.a), Bits(q.b)); }

void Caber(const Quadrático& q, Estado& s)
{
    if (Bits(q) > BitsMáximos)
        s.Recusar(Código::Transbordo);
}

Quadrático Vezes(const Quadrático& x, const Quadrático& y, const Inteiro& d)
{
    return {x.a * y.a + x.b * y.b * d, x.a * y.b + x.b * y.a};
}

// Both in one field: q's d becomes p's when the two roots are the same up
// to a rational factor, √8 = 2√2.
void Unir(PolinómioQ& p, PolinómioQ& q, Estado& s)
{
    if (q.d == 0 || q.d == p.d) {
        q.d = p.d;
        return;
    }
    if (p.d == 0) {
        p.d = q.d;
        return;
    }
    const Inteiro produto = p.d * q.d;
    const Inteiro raiz = sqrt(produto);
    if (raiz * raiz != produto)
        return s.Recusar(Código::ArgumentoInválido);
    // √dq = √(dp·dq)/dp · √dp
    const Racional factor(raiz, p.d);
    for (Quadrático& c : q.c)
        c.b *= factor;
    q.d = p.d;
}

void Aparar(PolinómioQ& p)
{
    while (!p.c.empty() && p.c.back() == Quadrático{})
        p.c.pop_back();
}

PolinómioQ Mais(PolinómioQ p, PolinómioQ q, Estado& s)
{
    Unir(p, q, s);
    if (s.falha)
        return p;
    if (q.c.size() > p.c.size())
        p.c.resize(q.c.size());
    for (std::size_t i = 0; i < q.c.size(); ++i) {
        p.c[i].a += q.c[i].a;
        p.c[i].b += q.c[i].b;
    }
    Aparar(p);
    return p;
}

PolinómioQ Vezes(PolinómioQ p, PolinómioQ q, std::size_t grauMáximo, Estado& s)
{
    Unir(p, q, s);
    if (s.falha)
        return p;
    if (ÉZero(p) || ÉZero(q))
        return PolinómioQ{{}, p.d};
    if (Grau(p) + Grau(q) > grauMáximo) {
        s.Recusar(Código::Transbordo);
        return p;
    }
    for (const PolinómioQ* f : {&p, &q})
        for (const Quadrático& c : f->c)
            if (Bits(c) > BitsMáximos / 2) {
                s.Recusar(Código::Transbordo);
                return p;
            }
    PolinómioQ r{std::vector<Quadrático>(p.c.size() + q.c.size() - 1), p.d};
    for (std::size_t i = 0; i < p.c.size(); ++i)
        for (std::size_t j = 0; j < q.c.size(); ++j) {
            const Quadrático t = Vezes(p.c[i], q.c[j], p.d);
            r.c[i + j].a += t.a;
            r.c[i + j].b += t.b;
        }
    for (const Quadrático& c : r.c)
        Caber(c, s);
    Aparar(r);
    return r;
}

PolinómioQ Constante(Quadrático q, Inteiro d = 0)
{
    PolinómioQ p{{std::move(q)}, std::move(d)};
    Aparar(p);
    return p;
}

// √r = b√d, or a rational.
PolinómioQ RaizQuadrada(const Racional& r)
{
    const Inteiro n = numerator(r) * denominator(r);
    const Racional sobre(Inteiro(1), denominator(r));
    const Inteiro s = sqrt(n);
    if (s * s == n)
        return Constante({Racional(s) * sobre, 0});
    return Constante({0, sobre}, n);
}

PolinómioQ Potência(const PolinómioQ& base, unsigned expoente, std::size_t grauMáximo, Estado& s)
{
    if ((!ÉZero(base) && Grau(base) > 0 && std::uint64_t{Grau(base)} * expoente > grauMáximo) ||
        (!ÉZero(base) && Grau(base) == 0 && std::uint64_t{Bits(base.c[0]) - 2} * expoente > BitsMáximos)) {
        s.Recusar(Código::Transbordo);
        return base;
    }
    PolinómioQ r = Constante({1, 0}, base.d);
    PolinómioQ quadrado = base;
    for (unsigned e = expoente; e > 0 && !s.falha; e /= 2) {
        if (e % 2 == 1)
            r = Vezes(r, quadrado, grauMáximo, s);
        if (e > 1)
            quadrado = Vezes(quadrado, quadrado, grauMáximo, s);
    }
    return r;
}

Quadrático Inverso(const Quadrático& q, const Inteiro& d)
{
    const Racional norma = q.a * q.a - q.b * q.b * d;
    return {q.a / norma, -q.b / norma};
}

PolinómioQ Avaliar(const algebra::Expressão& e, std::size_t grauMáximo, Estado& s)
{
    using algebra::Nó;
    if (s.falha)
        return {};
    switch (e.nó) {
    case Nó::Número:
        return Constante({e.número, 0});
    case Nó::X:
        return PolinómioQ{{Quadrático{}, Quadrático{1, 0}}, 0};
    case Nó::Soma: {
        PolinómioQ r;
        for (const algebra::Expressão& f : e.filhos)
            r = Mais(std::move(r), Avaliar(f, grauMáximo, s), s);
        return r;
    }
    case Nó::Produto: {
        PolinómioQ r = Constante({1, 0});
        for (const algebra::Expressão& f : e.filhos)
            r = Vezes(std::move(r), Avaliar(f, grauMáximo, s), grauMáximo, s);
        return r;
    }
    case Nó::Potência:
        return Potência(Avaliar(e.filhos[0], grauMáximo, s), e.expoente, grauMáximo, s);
    case Nó::Quociente: {
        PolinómioQ d = Avaliar(e.filhos[1], grauMáximo, s);
        if (s.falha || ÉZero(d) || Grau(d) > 0) {
            s.Recusar(Código::DivisãoPorZero);
            return d;
        }
        PolinómioQ n = Avaliar(e.filhos[0], grauMáximo, s);
        const PolinómioQ inverso = Constante(Inverso(d.c[0], d.d), d.d);
        return Vezes(std::move(n), inverso, grauMáximo, s);
    }
    case Nó::Simétrico:
        return Vezes(Avaliar(e.filhos[0], grauMáximo, s), Constante({-1, 0}), grauMáximo, s);
    case Nó::Raiz:
        return RaizQuadrada(e.filhos.empty() ? e.número : e.filhos[0].número);
    default:
        s.Recusar(Código::ArgumentoInválido);
        return {};
    }
}

} // namespace

bool PolinómioQ::ÉRacional() const noexcept
{
    for (const Quadrático& q : c)
        if (q.b.sign() != 0)
            return false;
    return true;
}

runtime::Resultado<PolinómioQ> Expandido(const algebra::Expressão& e, std::size_t grauMáximo)
{
    Estado s;
    PolinómioQ p = Avaliar(e, grauMáximo, s);
    if (s.falha)
        return runtime::Falhar(*s.falha);
    return p;
}

PolinómioQ DeRacional(const algebra::Polinómio& p)
{
    PolinómioQ r;
    for (const Racional& c : p.coeficientes)
        r.c.push_back({c, 0});
    return r;
}

algebra::Polinómio ParaRacional(const PolinómioQ& p)
{
    std::vector<Racional> c;
    for (const Quadrático& q : p.c)
        c.push_back(q.a);
    return algebra::DeCoeficientes(std::move(c));
}

runtime::Resultado<PolinómioQ> Multiplicar(const PolinómioQ& p, const PolinómioQ& q)
{
    Estado s;
    PolinómioQ r = Vezes(p, q, Grau(p) + Grau(q), s);
    if (s.falha)
        return runtime::Falhar(*s.falha);
    return r;
}

int Sinal(const Quadrático& q, const Inteiro& d)
{
    const int sa = q.a.sign();
    const int sb = q.b.sign();
    if (sb == 0 || sa == sb)
        return sa == 0 ? sb : sa;
    if (sa == 0)
        return sb;
    return q.a * q.a > q.b * q.b * d ? sa : sb;
}

Quadrático Avaliar(const algebra::Polinómio& p, const Quadrático& v, const Inteiro& d)
{
    Quadrático r;
    for (std::size_t k = p.coeficientes.size(); k-- > 0;) {
        r = {r.a * v.a + r.b * v.b * d, r.a * v.b + r.b * v.a};
        r.a += p.coeficientes[k];
    }
    return r;
}

bool Iguais(const Quadrático& v, const Inteiro& dv, const Quadrático& w, const Inteiro& dw)
{
    PolinómioQ p = Constante(v, dv);
    PolinómioQ q = Constante(w, dw);
    Estado s;
    Unir(p, q, s);
    if (s.falha)
        return v.b.sign() == 0 && w.b.sign() == 0 && v.a == w.a;
    return p.c == q.c;
}

Quadrático Mónico(PolinómioQ& p)
{
    Quadrático dominante = p.c.back();
    const Quadrático inverso = Inverso(dominante, p.d);
    for (Quadrático& c : p.c)
        c = {c.a * inverso.a + c.b * inverso.b * p.d, c.a * inverso.b + c.b * inverso.a};
    return dominante;
}

Quadrático RaizDoLinear(const PolinómioQ& p)
{
    const Quadrático inverso = Inverso(p.c[1], p.d);
    const Quadrático r{p.c[0].a * inverso.a + p.c[0].b * inverso.b * p.d,
                       p.c[0].a * inverso.b + p.c[0].b * inverso.a};
    return {-r.a, -r.b};
}

} // namespace vendrix::resolucao::verificar
