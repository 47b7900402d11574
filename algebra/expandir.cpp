// SPDX-License-Identifier: MIT
#include "algebra/expandir.h"

#include <algorithm>
#include <optional>

namespace vendrix::algebra {

namespace {

using runtime::Código;

// A polynomial in x and the parameters, x being one more letter.
using Letras = MonómioDeParâmetros;
using Esparso = std::map<Letras, Racional>;

std::size_t Palavras(const Racional& r)
{
    return numerator(r).backend().size() + denominator(r).backend().size();
}

// What the budget needs to know of each kind of polynomial.
std::size_t Termos(const Polinómio& p)
{
    return static_cast<std::size_t>(
        std::ranges::count_if(p.coeficientes, [](const Racional& c) { return c.sign() != 0; }));
}

std::size_t Termos(const Esparso& p) { return p.size(); }

std::size_t MaisPalavras(const Polinómio& p)
{
    std::size_t m = 0;
    for (const Racional& c : p.coeficientes)
        m = std::max(m, Palavras(c));
    return m;
}

std::size_t MaisPalavras(const Esparso& p)
{
    std::size_t m = 0;
    for (const auto& [monómio, c] : p)
        m = std::max(m, Palavras(c));
    return m;
}

std::uint64_t GrauEmX(const Polinómio& p) { return ÉZero(p) ? 0 : Grau(p); }

std::uint64_t GrauEmX(const Esparso& p)
{
    std::uint64_t g = 0;
    for (const auto& [monómio, c] : p)
        for (const auto& [letra, e] : monómio)
            if (letra == 'x')
                g = std::max<std::uint64_t>(g, e);
    return g;
}

Esparso Constante(const Racional& r, const Esparso*)
{
    if (r.sign() == 0)
        return {};
    return {{{}, r}};
}

Polinómio Constante(const Racional& r, const Polinómio*) { return DeCoeficientes({r}); }

Esparso Letra(char letra, const Esparso*) { return {{{{letra, 1}}, Racional(1)}}; }

Polinómio Letra(char, const Polinómio*) { return algebra::Monómio(1, 1); }

Esparso& operator+=(Esparso& a, const Esparso& b)
{
    for (const auto& [monómio, c] : b) {
        Racional& soma = a[monómio];
        Acumular(soma, c);
        if (soma.sign() == 0)
            a.erase(monómio);
    }
    return a;
}

Esparso operator-(Esparso a)
{
    for (auto& [monómio, c] : a)
        c = -c;
    return a;
}

Esparso Vezes(const Esparso& a, const Esparso& b)
{
    Esparso p;
    for (const auto& [ma, ca] : a)
        for (const auto& [mb, cb] : b) {
            const Letras m = VezesMonómio(ma, mb);
            Racional& soma = p[m];
            Acumular(soma, Multiplicado(ca, cb));
            if (soma.sign() == 0)
                p.erase(m);
        }
    return p;
}

Polinómio Vezes(const Polinómio& a, const Polinómio& b) { return a * b; }

// The bits of the single coefficient's numerator and denominator, which
// grow n-fold in its n-th power; 1 has none.
std::uint64_t Bits(const Racional& c)
{
    const Inteiro n = abs(numerator(c));
    return (n > 1 ? msb(n) + 1 : 0) + (denominator(c) > 1 ? msb(denominator(c)) + 1 : 0);
}

std::uint64_t BitsDoCoeficiente(const Polinómio& p) { return Bits(p.coeficientes.back()); }

std::uint64_t BitsDoCoeficiente(const Esparso& p) { return Bits(p.begin()->second); }

Racional Elevado(const Racional& c, unsigned n)
{
    return {boost::multiprecision::pow(numerator(c), n), boost::multiprecision::pow(denominator(c), n)};
}

Polinómio PotênciaDeMonómio(const Polinómio& p, unsigned n)
{
    const std::size_t grau = Grau(p);
    return algebra::Monómio(Elevado(p.coeficientes[grau], n), grau * n);
}

Esparso PotênciaDeMonómio(const Esparso& p, unsigned n)
{
    Letras m = p.begin()->first;
    for (auto& [letra, e] : m)
        e *= n;
    return {{std::move(m), Elevado(p.begin()->second, n)}};
}

std::optional<Racional> Constante(const Esparso& p)
{
    if (p.empty())
        return Racional(0);
    if (p.size() == 1 && p.begin()->first.empty())
        return p.begin()->second;
    return std::nullopt;
}

std::optional<Racional> Constante(const Polinómio& p)
{
    if (ÉZero(p))
        return Racional(0);
    if (Grau(p) == 0)
        return p.coeficientes[0];
    return std::nullopt;
}

// The rational square root of r, when it has one.
std::optional<Racional> RaizRacional(const Racional& r)
{
    const Inteiro n = numerator(r), d = denominator(r);
    const Inteiro rn = sqrt(n), rd = sqrt(d);
    if (rn * rn != n || rd * rd != d)
        return std::nullopt;
    return Racional(rn, rd);
}

// The walk over the expression, in one kind of polynomial. The first
// failure stops it; what is returned after it is never used.
template <typename P>
class Expansor
{
public:
    P Expandir(const Expressão& e);

    std::optional<runtime::Erro> falha;

private:
    void Falhar(Código código)
    {
        if (!falha)
            falha = runtime::Falhar(código);
    }

    P Multiplicar(const P& a, const P& b)
    {
        const std::uint64_t grau = GrauEmX(a) + GrauEmX(b);
        const std::size_t palavras = MaisPalavras(a) + MaisPalavras(b);
        const std::uint64_t custo =
            std::uint64_t{Termos(a)} * Termos(b) * (MaisPalavras(a) + 1) * (MaisPalavras(b) + 1);
        if (grau > ExpoenteMáximo)
            Falhar(Código::ExpoenteGrande);
        else if (palavras > PalavrasMáximas || custo > TrabalhoMáximo - trabalho)
            Falhar(Código::Transbordo);
        if (falha)
            return {};
        trabalho += custo;
        return Vezes(a, b);
    }

    P Elevar(P base, unsigned n)
    {
        if (GrauEmX(base) * n > ExpoenteMáximo) {
            Falhar(Código::ExpoenteGrande);
            return {};
        }
        if (Termos(base) == 1) {
            // One term: its coefficient raised, its exponents multiplied.
            if (BitsDoCoeficiente(base) * n > 64 * PalavrasMáximas) {
                Falhar(Código::Transbordo);
                return {};
            }
            return PotênciaDeMonómio(base, n);
        }
        P resultado = Constante(Racional(1), static_cast<const P*>(nullptr));
        for (; n > 0 && !falha; n /= 2) {
            if (n % 2 == 1)
                resultado = Multiplicar(resultado, base);
            if (n > 1)
                base = Multiplicar(base, base);
        }
        return resultado;
    }

    std::uint64_t trabalho = 0;
};

template <typename P>
P Expansor<P>::Expandir(const Expressão& e)
{
    constexpr const P* tipo = nullptr;
    if (falha)
        return {};
    switch (e.nó) {
    case Nó::Número:
        return Constante(e.número, tipo);
    case Nó::X:
        return Letra('x', tipo);
    case Nó::Parâmetro:
        return Letra(e.letra, tipo);
    case Nó::Soma: {
        P soma = Constante(Racional(0), tipo);
        for (const Expressão& termo : e.filhos)
            soma += Expandir(termo);
        return soma;
    }
    case Nó::Produto: {
        P produto = Expandir(e.filhos.front());
        for (std::size_t i = 1; i < e.filhos.size() && !falha; ++i)
            produto = Multiplicar(produto, Expandir(e.filhos[i]));
        return produto;
    }
    case Nó::Potência:
        return Elevar(Expandir(e.filhos[0]), e.expoente);
    case Nó::Quociente: {
        const P numerador = Expandir(e.filhos[0]);
        const std::optional<Racional> d = Constante(Expandir(e.filhos[1]));
        if (!d || d->sign() == 0)
            Falhar(d ? Código::DivisãoPorZero : Código::NãoÉPolinómio);
        if (falha)
            return {};
        return Multiplicar(numerador, Constante(1 / *d, tipo));
    }
    case Nó::Simétrico:
        return -Expandir(e.filhos[0]);
    case Nó::Raiz: {
        const std::optional<Racional> r = Constante(Expandir(e.filhos[0]));
        const std::optional<Racional> raiz = r && r->sign() >= 0 ? RaizRacional(*r) : std::nullopt;
        if (!raiz) {
            Falhar(Código::NãoÉPolinómio);
            return {};
        }
        return Constante(*raiz, tipo);
    }
    default: // a relation is no polynomial
        Falhar(Código::NãoÉPolinómio);
        return {};
    }
}

} // namespace

runtime::Resultado<Polinómio> Expandir(const Expressão& e)
{
    if (TemParâmetros(e))
        return runtime::Falhar(Código::NãoÉPolinómio);
    Expansor<Polinómio> expansor;
    Polinómio p = expansor.Expandir(e);
    if (expansor.falha)
        return *expansor.falha;
    return p;
}

runtime::Resultado<PolinómioComParâmetros> ExpandirComParâmetros(const Expressão& e)
{
    Expansor<Esparso> expansor;
    const Esparso p = expansor.Expandir(e);
    if (expansor.falha)
        return *expansor.falha;
    PolinómioComParâmetros resultado;
    for (const auto& [monómio, c] : p) {
        Letras semX;
        std::size_t grau = 0;
        for (const auto& [letra, expoente] : monómio)
            if (letra == 'x')
                grau = expoente;
            else
                semX.emplace_back(letra, expoente);
        if (resultado.coeficientes.size() <= grau)
            resultado.coeficientes.resize(grau + 1);
        resultado.coeficientes[grau].emplace(std::move(semX), c);
    }
    return resultado;
}

Expressão ComoExpressão(const Polinómio& p)
{
    std::vector<Expressão> termos;
    for (std::size_t g = p.coeficientes.size(); g-- > 0;) {
        const Racional& c = p.coeficientes[g];
        if (c.sign() == 0)
            continue;
        if (g == 0) {
            termos.push_back(Número(c));
            continue;
        }
        Expressão potência = g == 1 ? X() : Potência(X(), static_cast<unsigned>(g));
        termos.push_back(Vale(c, 1)    ? std::move(potência)
                         : Vale(c, -1) ? Simétrico(std::move(potência))
                                       : Produto({Número(c), std::move(potência)}));
    }
    return Soma(std::move(termos));
}

runtime::Resultado<Racional> ValorConstante(const Expressão& e)
{
    const runtime::Resultado<Polinómio> p = Expandir(e);
    if (!p.Ok())
        return p.Falha();
    const std::optional<Racional> c = Constante(p.Valor());
    if (!c)
        return runtime::Falhar(Código::NãoÉPolinómio);
    return *c;
}

MonómioDeParâmetros VezesMonómio(const MonómioDeParâmetros& a, const MonómioDeParâmetros& b)
{
    MonómioDeParâmetros m;
    std::size_t i = 0, j = 0;
    while (i < a.size() || j < b.size()) {
        if (j == b.size() || (i < a.size() && a[i].first < b[j].first))
            m.push_back(a[i++]);
        else if (i == a.size() || b[j].first < a[i].first)
            m.push_back(b[j++]);
        else {
            m.emplace_back(a[i].first, a[i].second + b[j].second);
            ++i;
            ++j;
        }
    }
    return m;
}

} // namespace vendrix::algebra
