// SPDX-License-Identifier: MIT
#include "algebra/tamanho.h"

#include "algebra/factorizar.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace vendrix::algebra {

namespace {

constexpr double AlgarismosPorBit = 0.30103; // log10(2), rounded up
// A written rational a/b has at most 0.30103·bits + 1 digits in each of a
// and b, a sign and a bar.
constexpr double PorCoeficiente = 4;

// An upper bound of log2|n| for n != 0, 0 for n = 0: exact to the bit from
// msb, tightened by the top 53 bits so that 1 gives 0 and 3 about 1.585.
double Log2(const Inteiro& n)
{
    if (n == 0)
        return 0;
    const Inteiro a = abs(n);
    const std::size_t bits = msb(a);
    const std::size_t corte = bits > 52 ? bits - 52 : 0;
    const double topo = static_cast<double>((a >> corte).convert_to<std::uint64_t>()) + (corte > 0 ? 1 : 0);
    return std::log2(topo) + static_cast<double>(corte) + 1e-9;
}

// A polynomial as integer coefficients over a common denominator, in bits:
// log2 of the largest numerator once on that denominator, of the leading
// one, and of the denominator. The least common multiple is bounded by the
// product of the distinct denominators, which needs no gcd.
struct Bits
{
    double altura = 0, dominante = 0, denominador = 0;
};

Bits BitsDe(const Polinómio& p)
{
    Bits b;
    std::set<Inteiro> denominadores;
    for (const Racional& c : p.coeficientes)
        if (denominator(c) != 1 && denominadores.insert(denominator(c)).second)
            b.denominador += Log2(denominator(c));
    for (const Racional& c : p.coeficientes)
        b.altura = std::max(b.altura, Log2(numerator(c)));
    b.altura += b.denominador;
    b.dominante = ÉZero(p) ? 0 : Log2(numerator(p.coeficientes.back())) + b.denominador;
    return b;
}

double Algarismos(double bits) { return bits * AlgarismosPorBit + PorCoeficiente; }

} // namespace

Tamanho TamanhoDaDivisão(const Polinómio& p, const Polinómio& d)
{
    if (ÉZero(p) || ÉZero(d) || Grau(p) < Grau(d)) // a quotient "0" and P itself
        return {1 + Algarismos(BitsDe(p).altura) * static_cast<double>(p.coeficientes.size()), 0};
    const Bits bp = BitsDe(p), bd = BitsDe(d);
    const double n = static_cast<double>(Grau(p)), m = static_cast<double>(Grau(d));
    const double passos = n - m + 1;
    // q_k depends on q_(k+m-j) for each term j < m of D, so a chain of
    // dependent steps climbs at least m - s degrees at a time, s the degree
    // of D's second term: x^5000 + x/3 + 1/7 gives chains of one step.
    std::size_t segundo = Grau(d);
    for (std::size_t j = Grau(d); j-- > 0;)
        if (d.coeficientes[j].sign() != 0) {
            segundo = j;
            break;
        }
    const double salto = segundo == Grau(d) ? passos : m - static_cast<double>(segundo);
    // Per step of a chain, log2 of |l| + t·H for D's t terms, and of l in
    // the denominator; then the scaling by the two denominators.
    const double termos = static_cast<double>(std::count_if(
        d.coeficientes.begin(), d.coeficientes.end(), [](const Racional& c) { return c.sign() != 0; }));
    const double crescimento = std::max(bd.dominante, bd.altura) + 1 + std::log2(termos) + bd.dominante;
    const double escala = bp.denominador + bd.denominador;
    // The k-th quotient coefficient from the top, at depth k/salto: its
    // numerator below |P|·(|l|+H)^depth·cD, its denominator below
    // l^(depth+1)·cP; summed over every k.
    const double quociente =
        passos * (bp.altura + bd.dominante + escala) + crescimento * passos * (passos - 1) / (2 * salto);
    const double maior = bp.altura + escala + (passos / salto + 1) * crescimento + std::log2(passos + 1);
    Tamanho t;
    t.resposta = 1 + quociente * AlgarismosPorBit + (passos + m) * PorCoeficiente + m * Algarismos(maior);
    // Each step writes the product of a term by D and what is left under it.
    if (Grau(p) <= GrauMáximoFactorizado)
        t.resolução = passos * 2 * (m + 1) * Algarismos(maior);
    return t;
}

Tamanho TamanhoDoValor(const Polinómio& p, const Racional& a)
{
    const Bits bp = BitsDe(p);
    const double n = static_cast<double>(ÉZero(p) ? 0 : Grau(p));
    const double u = Log2(numerator(a)), v = Log2(denominator(a));
    // The k-th value of the scheme: numerator below (k+1)·|P|·max(|u|,v)^k,
    // denominator v^k times P's.
    const double porPasso = std::max(u, v) + v;
    const double último = bp.altura + n * porPasso + std::log2(n + 1) + bp.denominador;
    Tamanho t;
    t.resposta = Algarismos(último);
    // Every value is written twice: as the product and as the sum.
    if (Grau(p) <= GrauMáximoFactorizado)
        t.resolução =
            2 * ((n + 1) * (bp.altura + std::log2(n + 1) + bp.denominador) + porPasso * n * (n + 1) / 2) *
                AlgarismosPorBit +
            2 * (n + 1) * PorCoeficiente;
    return t;
}

Tamanho TamanhoDaFactorização(const Polinómio& p)
{
    if (ÉZero(p))
        return {1, 0};
    const Bits bp = BitsDe(p);
    const double n = static_cast<double>(Grau(p));
    // A factor's coefficient g_j over its leading one, each below
    // 2^n·sqrt(n+1)·height; at most 2n coefficients in all, for n factors.
    const double porCoeficiente = 2 * Algarismos(n + std::log2(n + 1) / 2 + bp.altura);
    Tamanho t;
    t.resposta = (2 * n + 1) * porCoeficiente;
    // The steps try candidate roots by Ruffini's rule, a table of n+1
    // numbers each, at most one table per root and one per quotient.
    if (Grau(p) <= GrauMáximoFactorizado)
        t.resolução = 2 * (n + 1) * (n + 1) * porCoeficiente;
    return t;
}

} // namespace vendrix::algebra
