// SPDX-License-Identifier: MIT
#include "algebra/raizes.h"

#include "algebra/escrever.h"
#include "algebra/inteiros.h"
#include "algebra/isolar.h"

#include <algorithm>

namespace vendrix::algebra {

namespace {

// An irrational root, with the polynomial that decides its interval's halves.
struct Irracional
{
    PolInteiro f;
    Intervalo intervalo;
    RaizReal raiz;
};

// √n = s·√d with d as small as trial division by small numbers makes it;
// the form stays exact when a large square factor is left in d.
std::pair<Inteiro, Inteiro> ExtrairQuadrados(Inteiro n)
{
    Inteiro s = 1;
    for (unsigned k = 2; k <= 1000 && Inteiro(k) * k <= n; ++k)
        while (n % (k * k) == 0) {
            n /= k * k;
            s *= k;
        }
    const Inteiro raiz = sqrt(n);
    if (raiz * raiz == n)
        return {s * raiz, 1};
    return {s, n};
}

// s√d/q, or s√d without q = 1: "√2", "3√5/2".
std::string TextoRadical(const Inteiro& s, const Inteiro& d, const Inteiro& q)
{
    std::string texto =
        d == 1 ? EscreverInteiro(s) : (s == 1 ? "" : EscreverInteiro(s)) + "√" + EscreverInteiro(d);
    return q == 1 ? texto : texto + "/" + EscreverInteiro(q);
}

Irracional Racionalmente(const Racional& r, std::size_t m)
{
    return {{}, {r, r, 0}, {r, r, m, EscreverRacional(r), Número(r), {}, 0}};
}

// The two roots of A x² + B x + C with discriminant D > 0, the smaller first.
void RaízesQuadráticas(const PolInteiro& f, std::size_t m, std::vector<Irracional>& reais)
{
    const Inteiro discriminante = f[1] * f[1] - 4 * f[2] * f[0];
    const auto [s, d] = ExtrairQuadrados(discriminante);
    if (d == 1) { // a square: two rational roots, written as reduced fractions
        for (const int sinal : {-1, 1})
            reais.push_back(Racionalmente(Racional(-f[1] + sinal * s, 2 * f[2]), m));
        return;
    }
    const Inteiro comum = gcd(gcd(f[1], s), 2 * f[2]);
    const Inteiro p = -f[1] / comum, r = s / comum, q = 2 * f[2] / comum;
    // √D lies in (chão, chão + 1)/2^k, k chosen so that ten digits of the
    // smaller root need no further narrowing.
    const unsigned k = 40 + static_cast<unsigned>(msb(discriminante));
    const Inteiro chão = sqrt(Inteiro(discriminante << (2 * k)));
    const Inteiro escala = (2 * f[2]) << k;
    const Expressão raiz = r == 1 ? Raiz(Racional(d)) : Produto({Número(Racional(r)), Raiz(Racional(d))});
    for (const int sinal : {-1, 1}) {
        Expressão forma = sinal < 0 ? Simétrico(raiz) : raiz;
        if (p != 0)
            forma = Soma({Número(Racional(p)), std::move(forma)});
        if (q != 1)
            forma = Quociente(std::move(forma), Número(Racional(q)));
        const std::string radical = (sinal < 0 ? "-" : p == 0 ? "" : "+") + TextoRadical(r, d, 1);
        std::string exacta = p == 0 ? radical : EscreverInteiro(p) + radical;
        if (q != 1 && p != 0)
            exacta.insert(0, "(").append(")");
        if (q != 1)
            exacta.append("/").append(EscreverInteiro(q));
        const Racional a(Inteiro(-f[1] << k) + sinal * chão, escala),
            b(Inteiro(-f[1] << k) + sinal * (chão + 1), escala);
        const Racional& mínimo = std::min(a, b);
        reais.push_back(
            {f, {mínimo, std::max(a, b), SinalEm(f, mínimo)}, {0, 0, m, exacta, std::move(forma), {}, 0}});
    }
}

void RaízesComplexas(const PolInteiro& f, std::size_t m, std::vector<RaizComplexa>& complexas)
{
    const Inteiro negativo = 4 * f[2] * f[0] - f[1] * f[1];
    const auto [s, d] = ExtrairQuadrados(negativo);
    const Racional real(-f[1], 2 * f[2]), coeficiente(s, 2 * f[2]);
    std::string imaginário = TextoRadical(numerator(coeficiente), d, denominator(coeficiente));
    if (imaginário == "1")
        imaginário.clear();
    else if (d != 1 || denominator(coeficiente) != 1)
        imaginário = "(" + imaginário + ")";
    const Inteiro &cima = numerator(coeficiente), &baixo = denominator(coeficiente);
    Expressão parte = d == 1 ? Número(Racional(cima)) : Raiz(Racional(d));
    if (d != 1 && cima != 1)
        parte = Produto({Número(Racional(cima)), std::move(parte)});
    if (baixo != 1)
        parte = Quociente(std::move(parte), Número(Racional(baixo)));
    const Expressão i = parte == Número(1) ? Nome("i") : Produto({parte, Nome("i")});
    for (const bool positivo : {true, false}) {
        const std::string sinal = positivo ? (real.sign() == 0 ? "" : "+") : "-";
        std::string texto = real.sign() == 0 ? "" : EscreverRacional(real);
        texto.append(sinal).append(imaginário).append("i");
        Expressão forma = positivo ? i : Simétrico(i);
        if (real.sign() != 0)
            forma = Soma({Número(real), std::move(forma)});
        complexas.push_back(
            {real, Racional(negativo, 4 * f[2] * f[2]), positivo, m, texto, std::move(forma)});
    }
}

bool Ponto(const Irracional& r) { return r.f.empty(); }

// Narrow intervals until each lies wholly before the next, so that every
// number between two of them is a point between two roots.
void Separar(std::vector<Irracional>& raízes, Orçamento& orçamento)
{
    for (bool mudou = true; mudou;) {
        std::sort(raízes.begin(), raízes.end(), [](const Irracional& a, const Irracional& b) {
            return a.intervalo.mínimo < b.intervalo.mínimo;
        });
        mudou = false;
        for (std::size_t i = 0; i + 1 < raízes.size(); ++i)
            if (raízes[i].intervalo.máximo >= raízes[i + 1].intervalo.mínimo) {
                for (Irracional* r : {&raízes[i], &raízes[i + 1]})
                    if (!Ponto(*r))
                        Bisseccionar(r->f, r->intervalo, orçamento);
                mudou = true;
            }
    }
}

} // namespace

Raízes CalcularRaízes(const Factorização& f, Orçamento& orçamento)
{
    Raízes raízes;
    raízes.completas = f.raízesCompletas;
    std::vector<Irracional> reais;
    for (const Factor& factor : f.factores) {
        const std::size_t antes = reais.size();
        const PolInteiro g = ParteInteira(factor.polinómio);
        const std::size_t m = factor.multiplicidade;
        if (Grau(g) == 1)
            reais.push_back(Racionalmente(Racional(-g[0], g[1]), m));
        else if (Grau(g) == 2 && g[1] * g[1] - 4 * g[2] * g[0] > 0)
            RaízesQuadráticas(g, m, reais);
        else if (Grau(g) == 2)
            RaízesComplexas(g, m, raízes.complexas);
        else {
            // Every factor is square-free, and without a rational root once
            // they are all proven found.
            const auto intervalos = Grau(g) <= GrauMáximoIsolado && f.raízesCompletas
                                        ? Isolar(g, orçamento)
                                        : std::optional<std::vector<Intervalo>>{};
            raízes.completas = raízes.completas && intervalos.has_value();
            for (const Intervalo& intervalo : intervalos.value_or(std::vector<Intervalo>{}))
                reais.push_back({g, intervalo, {0, 0, m, {}, {}, {}, 0}});
        }
        for (std::size_t i = antes; i < reais.size(); ++i)
            reais[i].raiz.factor = static_cast<std::size_t>(&factor - f.factores.data());
    }
    Separar(reais, orçamento);
    for (Irracional& r : reais) {
        if (Ponto(r)) {
            r.raiz.decimal = DezAlgarismos(r.intervalo.mínimo, r.intervalo.máximo).value();
            r.raiz.valor = ParaDouble(r.intervalo.mínimo);
        } else {
            r.raiz.decimal = Decimal(r.f, r.intervalo, orçamento);
            // The interval is narrowed only on a copy: the one kept is the
            // one the decimal was read from.
            Intervalo estreito = r.intervalo;
            r.raiz.valor = Aproximar(r.f, estreito, orçamento);
        }
        r.raiz.mínimo = r.intervalo.mínimo;
        r.raiz.máximo = r.intervalo.máximo;
        raízes.reais.push_back(std::move(r.raiz));
    }
    return raízes;
}

Raízes CalcularRaízes(const Factorização& f)
{
    Orçamento orçamento;
    return CalcularRaízes(f, orçamento);
}

Raízes CalcularRaízes(const Polinómio& p)
{
    Orçamento orçamento;
    return CalcularRaízes(Factorizar(p, orçamento), orçamento);
}

} // namespace vendrix::algebra
