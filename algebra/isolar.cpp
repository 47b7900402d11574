// SPDX-License-Identifier: MIT
#include "algebra/isolar.h"

#include "algebra/escrever.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace vendrix::algebra {

namespace {

// f(x+1), by Horner's scheme at every degree.
PolInteiro Deslocar(PolInteiro f)
{
    for (std::size_t i = 0; i + 1 < f.size(); ++i)
        for (std::size_t j = f.size() - 1; j-- > i;)
            f[j] += f[j + 1];
    return f;
}

// (x+1)^n·f(1/(x+1))'s coefficients have as many sign changes as f has
// roots in (0, 1), or more by an even number; zero or one are exact.
std::size_t VariaçõesEmZeroUm(PolInteiro f)
{
    std::reverse(f.begin(), f.end());
    std::size_t variações = 0;
    int anterior = 0;
    for (const Inteiro& c : Deslocar(std::move(f))) {
        const int sinal = c.sign();
        if (sinal != 0 && anterior != 0 && sinal != anterior)
            ++variações;
        if (sinal != 0)
            anterior = sinal;
    }
    return variações;
}

// 2^n·f(x/2): the left half of (0, 1) stretched onto (0, 1).
PolInteiro MetadeEsquerda(PolInteiro f)
{
    const std::size_t n = f.size() - 1;
    for (std::size_t i = 0; i < n; ++i)
        f[i] <<= (n - i);
    return f;
}

// f over the highest power of two dividing all its coefficients: halving
// and stretching leave such powers, and removing them keeps the numbers
// short at the cost of a shift, where a full content would cost a gcd per
// coefficient at every node.
PolInteiro SemPotênciasDeDois(PolInteiro f)
{
    std::size_t menor = ~std::size_t{0};
    for (const Inteiro& c : f)
        if (c != 0)
            menor = std::min<std::size_t>(menor, lsb(abs(c)));
    if (menor != ~std::size_t{0} && menor > 0)
        for (Inteiro& c : f)
            c >>= menor;
    return f;
}

struct Nó
{
    PolInteiro f; // the polynomial on (c/2^k, (c+1)/2^k), stretched onto (0, 1)
    Inteiro c;
    std::size_t k;
};

// The roots in (0, 2^escala) of f, as intervals of that range; false when
// the budget runs out first.
bool IsolarPositivas(const PolInteiro& f,
                     std::size_t escala,
                     std::vector<Intervalo>& intervalos,
                     Orçamento& orçamento)
{
    PolInteiro g = f; // f(2^escala·x)
    for (std::size_t i = 0; i < g.size(); ++i)
        g[i] <<= (escala * i);
    std::vector<Nó> pendentes{{Primitiva(std::move(g)), 0, 0}};
    while (!pendentes.empty()) {
        Nó nó = std::move(pendentes.back());
        pendentes.pop_back();
        if (!orçamento.Gastar(nó.f.size() * nó.f.size() * Palavras(nó.f)))
            return false;
        const std::size_t v = VariaçõesEmZeroUm(nó.f);
        if (v == 1) {
            const Racional largura(Inteiro(1) << escala, Inteiro(1) << nó.k);
            const Racional mínimo = nó.c * largura;
            intervalos.push_back({mínimo, (nó.c + 1) * largura, SinalEm(f, mínimo)});
        } else if (v > 1) {
            PolInteiro esquerda = MetadeEsquerda(std::move(nó.f));
            PolInteiro direita = SemPotênciasDeDois(Deslocar(esquerda));
            pendentes.push_back({std::move(direita), 2 * nó.c + 1, nó.k + 1});
            pendentes.push_back({SemPotênciasDeDois(std::move(esquerda)), 2 * nó.c, nó.k + 1});
        }
    }
    return true;
}

// An escala with every root's absolute value below 2^escala, by Fujiwara's
// bound 2·max |a_(n-i)/a_n|^(1/i), taken on the bits of the coefficients:
// far tighter than Cauchy's when the coefficients are large and the roots
// are not, as for the product of (x - k), k = 1..64.
std::size_t Escala(const PolInteiro& f)
{
    const std::size_t n = Grau(f);
    const std::int64_t dominante = static_cast<std::int64_t>(msb(abs(f.back())));
    std::int64_t expoente = 0;
    for (std::size_t i = 1; i <= n; ++i) {
        const Inteiro& c = f[n - i];
        if (c == 0)
            continue;
        // |c/a_n| < 2^(msb(c) + 1 - msb(a_n)); its i-th root below 2^ceil(that/i).
        const std::int64_t bits = static_cast<std::int64_t>(msb(abs(c))) + 1 - dominante;
        const std::int64_t i64 = static_cast<std::int64_t>(i);
        expoente = std::max(expoente, bits > 0 ? (bits + i64 - 1) / i64 : 0);
    }
    return static_cast<std::size_t>(expoente) + 1;
}

Racional Potência10(int e)
{
    const Inteiro p = pow(Inteiro(10), static_cast<unsigned>(e < 0 ? -e : e));
    return e < 0 ? Racional(1, p) : Racional(p);
}

// The e with 10^e <= x < 10^(e+1), for x > 0.
int Expoente(const Racional& x)
{
    // log10(2) < 0.30103: a start at most one or two from e, on either side.
    const auto bits = static_cast<double>(msb(numerator(x))) - static_cast<double>(msb(denominator(x)));
    int e = static_cast<int>(std::floor(bits * 0.30103));
    while (Potência10(e) > x)
        --e;
    while (Potência10(e + 1) <= x)
        ++e;
    return e;
}

Inteiro Arredondado(const Racional& x) // x >= 0, half up
{
    const Racional y = x + Racional(1, 2);
    return numerator(y) / denominator(y);
}

std::string Escrever(const std::string& algarismos, int e, bool negativo, bool exacto)
{
    std::string inteira, fracção;
    const bool científica = e < -5 || e > 9;
    if (científica || e >= 0) {
        const std::size_t ponto = científica ? 1 : static_cast<std::size_t>(e) + 1;
        inteira = algarismos.substr(0, ponto);
        fracção = algarismos.substr(ponto);
    } else {
        inteira = "0";
        fracção = std::string(static_cast<std::size_t>(-e - 1), '0') + algarismos;
    }
    while (exacto && !fracção.empty() && fracção.back() == '0')
        fracção.pop_back();
    std::string texto = (negativo ? "-" : "") + inteira + (fracção.empty() ? "" : "." + fracção);
    if (científica)
        texto += (e > 0 ? "e+" : "e") + std::to_string(e);
    return texto;
}

} // namespace

int SinalEm(const PolInteiro& f, const Racional& x)
{
    // denominator^n·f(x) = sum of f_i·numerator^i·denominator^(n-i).
    const Inteiro& a = numerator(x);
    const Inteiro& b = denominator(x);
    Inteiro valor = 0, potência = 1;
    for (auto c = f.rbegin(); c != f.rend(); ++c) {
        valor = valor * a + *c * potência;
        potência *= b;
    }
    return valor.sign();
}

std::optional<std::vector<Intervalo>> Isolar(const PolInteiro& f, Orçamento& orçamento)
{
    const std::size_t escala = Escala(f);
    std::vector<Intervalo> negativas, positivas;
    PolInteiro simétrico = f; // f(-x)
    for (std::size_t i = 1; i < simétrico.size(); i += 2)
        simétrico[i] = -simétrico[i];
    if (!IsolarPositivas(simétrico, escala, negativas, orçamento) ||
        !IsolarPositivas(f, escala, positivas, orçamento))
        return std::nullopt;
    std::vector<Intervalo> todas;
    for (auto i = negativas.rbegin(); i != negativas.rend(); ++i)
        todas.push_back({-i->máximo, -i->mínimo, SinalEm(f, -i->máximo)});
    todas.insert(todas.end(), positivas.begin(), positivas.end());
    std::sort(todas.begin(), todas.end(), [](const Intervalo& a, const Intervalo& b) {
        return a.mínimo < b.mínimo;
    });
    return todas;
}

void Bisseccionar(const PolInteiro& f, Intervalo& i, Orçamento& orçamento)
{
    const Racional meio = (i.mínimo + i.máximo) / 2;
    orçamento.Anotar(f.size() * (Palavras(f) + f.size() * (msb(denominator(meio)) / 64 + 1)));
    if (SinalEm(f, meio) == i.sinalMínimo)
        i.mínimo = meio;
    else
        i.máximo = meio;
}

std::string Decimal(const PolInteiro& f, Intervalo& i, Orçamento& orçamento)
{
    // Ten digits need a width below about 10^-11 of the root; narrowing that
    // far first spares most of the rounding attempts.
    const Racional precisão(1, Inteiro(100000000000));
    while (i.máximo - i.mínimo > precisão * std::min(Racional(abs(i.mínimo)), Racional(abs(i.máximo))))
        Bisseccionar(f, i, orçamento);
    for (;;) {
        if (std::optional<std::string> texto = DezAlgarismos(i.mínimo, i.máximo))
            return std::move(*texto);
        Bisseccionar(f, i, orçamento);
    }
}

double Aproximar(const PolInteiro& f, Intervalo& i, Orçamento& orçamento)
{
    // The root is irrational, so it is no tie between two doubles and the
    // loop ends: at the latest when the interval lies between two ties.
    while (ParaDouble(i.mínimo) != ParaDouble(i.máximo))
        Bisseccionar(f, i, orçamento);
    return ParaDouble(i.mínimo);
}

double ParaDouble(const Racional& x)
{
    if (x.sign() == 0)
        return 0;
    // Scale |x| = a/b into [2^52, 2^54) as q = floor(a·2^k/b) with k chosen
    // by the bits of a and b, then round q to 53 bits, half to even, with
    // the remainder telling whether anything lies beyond.
    const Inteiro a = abs(numerator(x)), b = denominator(x);
    const std::int64_t k = 54 - (static_cast<std::int64_t>(msb(a)) - static_cast<std::int64_t>(msb(b)));
    Inteiro q, r;
    if (k >= 0)
        divide_qr(Inteiro(a << static_cast<unsigned>(k)), b, q, r);
    else
        divide_qr(a, Inteiro(b << static_cast<unsigned>(-k)), q, r);
    std::int64_t e = -k; // |x| = (q + r/·)·2^e
    // q has 54 or 55 bits; keep 53 and round by the bits dropped.
    const unsigned sobra = static_cast<unsigned>(msb(q)) - 52;
    const Inteiro metade = Inteiro(1) << (sobra - 1), caídos = q & ((Inteiro(1) << sobra) - 1);
    q >>= sobra;
    e += sobra;
    if (caídos > metade || (caídos == metade && (r != 0 || bit_test(q, 0))))
        ++q;
    const double mantissa = static_cast<double>(q.convert_to<std::uint64_t>());
    // ldexp rounds subnormals once more; those are far below any root here.
    const double valor = std::ldexp(mantissa, static_cast<int>(std::clamp<std::int64_t>(e, -2000, 2000)));
    return x.sign() < 0 ? -valor : valor;
}

std::optional<std::string> DezAlgarismos(const Racional& mínimo, const Racional& máximo)
{
    if (mínimo.sign() == 0 && máximo.sign() == 0)
        return "0";
    if (mínimo.sign() * máximo.sign() <= 0)
        return std::nullopt;
    const bool negativo = máximo.sign() < 0;
    const Racional baixo = negativo ? -máximo : mínimo, alto = negativo ? -mínimo : máximo;
    int e = Expoente(baixo);
    if (Expoente(alto) != e)
        return std::nullopt;
    const Racional escala = Potência10(9 - e);
    Inteiro n = Arredondado(baixo * escala);
    if (Arredondado(alto * escala) != n)
        return std::nullopt;
    if (n == pow(Inteiro(10), 10)) { // 9.9999999996 became 10.00000000
        n /= 10;
        ++e;
    }
    return Escrever(EscreverInteiro(n), e, negativo, mínimo == máximo);
}

} // namespace vendrix::algebra
