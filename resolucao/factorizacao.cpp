// SPDX-License-Identifier: MIT
#include "resolucao/factorizacao.h"

#include "algebra/escrever.h"
#include "algebra/expandir.h"
#include "resolucao/escrita.h"
#include "resolucao/factores.h"
#include "resolucao/quadratica.h"
#include "resolucao/quadro_sinais.h"
#include "resolucao/ruffini.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <set>
#include <type_traits>
#include <utility>

namespace vendrix::resolucao {

namespace {

using algebra::Inteiro;
using algebra::Polinómio;
using algebra::Racional;

// Divisors are listed by trial division up to the square root, so only for
// numbers a student could list them for; past this the roots come from
// the algebra instead.
constexpr std::uint64_t MaiorListável = 1'000'000'000'000;
constexpr std::size_t MaisCandidatos = 48;

[[nodiscard]] std::vector<std::uint64_t> Divisores(std::uint64_t n)
{
    std::vector<std::uint64_t> pequenos, grandes;
    for (std::uint64_t d = 1; d * d <= n; ++d)
        if (n % d == 0) {
            pequenos.push_back(d);
            if (d * d != n)
                grandes.push_back(n / d);
        }
    pequenos.insert(pequenos.end(), grandes.rbegin(), grandes.rend());
    return pequenos;
}

// The integers first, then the fractions, each by increasing value.
[[nodiscard]] bool AntesNaLista(const Racional& a, const Racional& b)
{
    const bool ia = denominator(a) == 1, ib = denominator(b) == 1;
    return ia != ib ? ia : a < b;
}

// p/q for p dividing the constant term and q the leading coefficient;
// empty when either is too large to list, or the list too long.
[[nodiscard]] std::vector<Racional> Candidatos(const Polinómio& inteiro)
{
    const Inteiro a0 = abs(boost::multiprecision::numerator(inteiro.coeficientes.front()));
    const Inteiro an = abs(boost::multiprecision::numerator(inteiro.coeficientes.back()));
    if (a0 > MaiorListável || an > MaiorListável)
        return {};
    const std::vector<std::uint64_t> ps = Divisores(a0.convert_to<std::uint64_t>());
    const std::vector<std::uint64_t> qs = Divisores(an.convert_to<std::uint64_t>());
    // A list no student would test by hand, and each test evaluates P.
    if (ps.size() * qs.size() > MaisCandidatos)
        return {};
    std::set<Racional> candidatos;
    for (const std::uint64_t p : ps)
        for (const std::uint64_t q : qs)
            candidatos.insert(algebra::Fracção(Inteiro(p), Inteiro(q)));
    std::vector<Racional> lista(candidatos.begin(), candidatos.end());
    std::ranges::stable_sort(lista, AntesNaLista);
    return lista;
}

// "±1, ±2, ±4": the integers, or the fractions; none is an empty list.
[[nodiscard]] algebra::Expressão ListaComSinais(const std::vector<Racional>& candidatos, bool inteiros)
{
    std::vector<algebra::Expressão> lista;
    for (const Racional& c : candidatos)
        if ((denominator(c) == 1) == inteiros)
            lista.push_back(algebra::MaisOuMenos(algebra::Número(c)));
    return algebra::Lista(std::move(lista));
}

using algebra::Expressão;
using algebra::Nó;
using algebra::Número;

[[nodiscard]] Expressão Em(const Polinómio& p) { return algebra::ComoExpressão(p); }

// "P(x)", "Q₁(2)".
[[nodiscard]] Expressão Valor(const std::string& nome, Expressão em)
{
    return algebra::Nome(nome, {std::move(em)});
}

// A test that a candidate is no root: "P(1) = 1-3+5 = 3 ≠ 0".
[[nodiscard]] Expressão NãoNula(Expressão substituição)
{
    return algebra::Relação(Nó::Diferente, std::move(substituição), Número(0));
}

// "Q₁", "Q₂", …: the quotients of a chain of Ruffini tables.
[[nodiscard]] std::string Quociente(std::size_t n)
{
    static constexpr std::array<std::string_view, 10> índices{
        "₀", "₁", "₂", "₃", "₄", "₅", "₆", "₇", "₈", "₉"};
    std::string número;
    for (const char c : std::to_string(n))
        número += índices[static_cast<std::size_t>(c - '0')];
    return "Q" + número;
}

// Where the worked steps stand: the factor still to split, its name, and
// how many roots were divided out.
struct Estado
{
    Polinómio q;
    std::string nome = "P";
    std::size_t quocientes = 0;
};

// Tests the candidates on q in turn, each again after it divides q, and
// divides by every root found, until q is of degree 2 or less or no
// candidate is left.
void TestarCandidatos(Documento& doc, const Tradutor& tradutor, Estado& e, const std::vector<Racional>& c)
{
    std::vector<Fórmula> testes;
    for (std::size_t i = 0; i < 2 * c.size() && algebra::Grau(e.q) > 2;) {
        const Racional candidato = i % 2 == 0 ? c[i / 2] : Racional(-c[i / 2]);
        const bool raiz = algebra::Avaliar(e.q, candidato).sign() == 0;
        Expressão substituição = ValorPorSubstituição(e.q, candidato, e.nome);
        testes.push_back(raiz ? std::move(substituição) : NãoNula(std::move(substituição)));
        if (!raiz) {
            ++i;
            continue;
        }
        Dizer(doc, tradutor, Texto::TestarCandidatos, {Número(candidato)});
        for (Fórmula& teste : std::exchange(testes, {}))
            Mostrar(doc, std::move(teste));
        Polinómio quociente;
        doc.blocos.emplace_back(TabelaDeRuffini(e.q, candidato, quociente));
        e.q = std::move(quociente);
        e.nome = Quociente(++e.quocientes);
        Dizer(doc,
              tradutor,
              Texto::NovoQuocienteNumerado,
              {algebra::Relação(Nó::Igual, Valor(e.nome, algebra::X()), Em(e.q))});
    }
    for (Fórmula& teste : testes)
        Mostrar(doc, std::move(teste));
}

// √r for a positive rational square, none otherwise.
std::optional<Racional> RaizExacta(const Racional& r)
{
    if (r.sign() <= 0)
        return std::nullopt;
    const Inteiro n = sqrt(numerator(r)), d = sqrt(denominator(r));
    if (n * n != numerator(r) || d * d != denominator(r))
        return std::nullopt;
    return Racional(n, d);
}

// ∛r for a rational cube, none otherwise.
std::optional<Racional> CuboExacto(const Racional& r)
{
    const auto raiz = [](const Inteiro& n) -> std::optional<Inteiro> {
        Inteiro baixo = 0, alto = 1;
        while (alto * alto * alto < n)
            alto *= 2;
        while (baixo < alto) { // the least c with c³ >= n
            const Inteiro meio = (baixo + alto) / 2;
            (meio * meio * meio < n ? baixo : alto) = meio + (meio * meio * meio < n ? 1 : 0);
        }
        return alto * alto * alto == n ? std::optional(alto) : std::nullopt;
    };
    const auto n = raiz(abs(numerator(r))), d = raiz(denominator(r));
    if (!n || !d)
        return std::nullopt;
    return Racional(r.sign() < 0 ? Inteiro(-*n) : *n, *d);
}

// "a = b·c", "a = b^2".
[[nodiscard]] Expressão Igual(const Polinómio& a, Expressão b)
{
    return algebra::Relação(Nó::Igual, Em(a), std::move(b));
}

// x^4 + b·x^2 + c with c = s² and 2s - b = t² (s, t > 0 rational) is
// (x^2 + s)^2 - (t·x)^2, a difference of squares.
bool Identidade(Documento& doc, const Tradutor& tradutor, const Polinómio& q)
{
    if (algebra::Grau(q) != 4 || q.coeficientes[4] != 1 || q.coeficientes[3].sign() != 0 ||
        q.coeficientes[1].sign() != 0)
        return false;
    const Racional &b = q.coeficientes[2], &c = q.coeficientes[0];
    const auto s = RaizExacta(c);
    const auto t = s ? RaizExacta(2 * *s - b) : std::nullopt;
    if (!t)
        return false;
    const Polinómio quadrado = algebra::DeCoeficientes({*s, 0, 1});
    const Polinómio menos = algebra::DeCoeficientes({*s, -*t, 1}),
                    mais = algebra::DeCoeficientes({*s, *t, 1});
    const Expressão diferença =
        algebra::Soma({algebra::Potência(Em(quadrado), 2),
                       algebra::Simétrico(algebra::Potência(Em(algebra::Monómio(*t, 1)), 2))});
    Dizer(doc,
          tradutor,
          Texto::Identidade,
          {Em(q), algebra::Cadeia(Nó::Igual, {diferença, algebra::Produto({Em(menos), Em(mais)})})});
    return true;
}

// The special products the lesson names: a difference of squares or a
// perfect square of degree 2, a sum or difference of cubes x^3 ± c³,
// which leaves the quadratic to the formula.
bool Notável(Documento& doc, const Tradutor& tradutor, Estado& e)
{
    const std::vector<Racional>& c = e.q.coeficientes;
    if (algebra::Grau(e.q) == 2) {
        const auto s = RaizExacta(c[2]), t = RaizExacta(c[1].sign() == 0 ? Racional(-c[0]) : c[0]);
        if (!s || !t || (c[1].sign() != 0 && abs(c[1]) != 2 * *s * *t))
            return false;
        const Polinómio menos = algebra::DeCoeficientes({-*t, *s}), mais = algebra::DeCoeficientes({*t, *s});
        if (c[1].sign() == 0)
            Dizer(doc,
                  tradutor,
                  Texto::DiferençaDeQuadrados,
                  {Igual(e.q, algebra::Produto({Em(menos), Em(mais)}))});
        else
            Dizer(doc,
                  tradutor,
                  Texto::QuadradoPerfeito,
                  {Igual(e.q, algebra::Potência(Em(c[1].sign() < 0 ? menos : mais), 2))});
        e.q = algebra::DeCoeficientes({1});
        return true;
    }
    if (algebra::Grau(e.q) != 3 || c[3] != 1 || c[2].sign() != 0 || c[1].sign() != 0)
        return false;
    const auto t = CuboExacto(-c[0]); // x^3 + c0 = x^3 - t³
    if (!t)
        return false;
    const Polinómio linear = algebra::DeCoeficientes({-*t, 1}),
                    resto = algebra::DeCoeficientes({*t * *t, *t, 1});
    Dizer(doc,
          tradutor,
          t->sign() > 0 ? Texto::DiferençaDeCubos : Texto::SomaDeCubos,
          {Igual(e.q, algebra::Produto({Em(linear), Em(resto)}))});
    e.q = resto;
    ++e.quocientes; // what is left is a factor after another
    return true;
}

// a·x^4 + b·x^2 + c, with y = x^2, is a quadratic in y.
[[nodiscard]] bool Biquadrada(Documento& doc, const Tradutor& tradutor, const Polinómio& q)
{
    if (algebra::Grau(q) != 4 || q.coeficientes[3].sign() != 0 || q.coeficientes[1].sign() != 0)
        return false;
    // Without real roots in y, the identity is what splits it, if any does.
    const Racional delta = q.coeficientes[2] * q.coeficientes[2] - 4 * q.coeficientes[4] * q.coeficientes[0];
    if (delta.sign() < 0 && Identidade(doc, tradutor, q))
        return true;
    const Polinómio emY = algebra::DeCoeficientes({q.coeficientes[0], q.coeficientes[2], q.coeficientes[4]});
    const Expressão y = algebra::Parâmetro('y');
    Dizer(doc, tradutor, Texto::Biquadrada, {algebra::Relação(Nó::Igual, NaVariável(Em(emY), y), Número(0))});
    ResolverQuadrática(doc, tradutor, emY, y, false);
    if (delta.sign() >= 0)
        Dizer(doc, tradutor, Texto::BiquadradaRaízes);
    return true;
}

// Each real root of a factor left without rational roots, located between
// the ends of an interval where q changes sign, integers where they serve.
void Bolzano(Documento& doc, const Tradutor& tradutor, const Estado& e, const algebra::Análise& a)
{
    const auto& reais = a.raízes.reais;
    for (std::size_t i = 0; i < reais.size(); ++i) {
        const algebra::RaizReal& r = reais[i];
        if (!r.exacta.empty() || r.mínimo == r.máximo || algebra::Avaliar(e.q, r.mínimo).sign() == 0)
            continue;
        Racional mínimo = r.mínimo, máximo = r.máximo;
        // The coarsest interval between whole tenths, hundredths, … that
        // holds this root and no other, as a student would tabulate P.
        Racional passo = 1;
        for (int casas = 0; casas <= 6; ++casas, passo /= 10) {
            const Racional escala = r.mínimo / passo;
            Inteiro chão = numerator(escala) / denominator(escala); // towards 0
            if (Racional(chão) > escala)
                chão -= 1;
            const Racional a = Racional(chão) * passo, b = a + passo;
            const bool livre =
                (i == 0 || reais[i - 1].máximo < a) && (i + 1 == reais.size() || reais[i + 1].mínimo > b);
            if (b >= r.máximo && livre) {
                mínimo = a;
                máximo = b;
                break;
            }
        }
        const Racional vMin = algebra::Avaliar(e.q, mínimo), vMax = algebra::Avaliar(e.q, máximo);
        if ((vMin.sign() < 0) == (vMax.sign() < 0) || vMin.sign() == 0 || vMax.sign() == 0)
            continue; // a root of even multiplicity in q: no change of sign to show
        const auto valor = [&](const Racional& x, const Racional& v) {
            return algebra::Relação(v.sign() < 0 ? Nó::Menor : Nó::Maior,
                                    algebra::Relação(Nó::Igual, Valor(e.nome, Número(x)), Número(v)),
                                    Número(0));
        };
        Dizer(doc,
              tradutor,
              Texto::Bolzano,
              {valor(mínimo, vMin),
               valor(máximo, vMax),
               Número(mínimo),
               Número(máximo),
               SoluçãoDaRaiz(tradutor, r, algebra::X())});
    }
}

// After the common factor and the integer coefficients: the substitution,
// the candidates, the quadratic formula, or Bolzano's theorem.
void Decompor(Documento& doc, const Tradutor& tradutor, Estado& e, const algebra::Análise& a, bool antes)
{
    if (Notável(doc, tradutor, e)) {
        if (algebra::Grau(e.q) == 2)
            ResolverQuadrática(doc, tradutor, e.q, algebra::X(), true);
        return;
    }
    if (algebra::Grau(e.q) > 2 && Biquadrada(doc, tradutor, e.q))
        return;
    if (algebra::Grau(e.q) > 2) {
        std::vector<Racional> candidatos = Candidatos(e.q);
        if (candidatos.empty()) {
            Dizer(doc, tradutor, Texto::CandidatosDemais);
            for (const algebra::RaizReal& r : a.raízes.reais)
                if (r.mínimo == r.máximo && r.mínimo.sign() != 0)
                    candidatos.push_back(abs(r.mínimo));
            std::ranges::sort(candidatos, AntesNaLista);
            candidatos.erase(std::unique(candidatos.begin(), candidatos.end()), candidatos.end());
        } else {
            Expressão inteiros = ListaComSinais(candidatos, true),
                      fracções = ListaComSinais(candidatos, false);
            const bool semFracções = fracções.filhos.empty();
            Dizer(doc,
                  tradutor,
                  semFracções ? Texto::Candidatos : Texto::CandidatosInteirosPrimeiro,
                  {Número(e.q.coeficientes.front()),
                   Número(e.q.coeficientes.back()),
                   std::move(inteiros),
                   std::move(fracções)});
        }
        TestarCandidatos(doc, tradutor, e, candidatos);
        if (algebra::Grau(e.q) > 2) {
            if (!Identidade(doc, tradutor, e.q)) {
                Dizer(doc, tradutor, Texto::SemRaízesRacionaisBolzano, {Em(e.q)});
                Bolzano(doc, tradutor, e, a);
            }
        }
    }
    if (algebra::Grau(e.q) == 2)
        ResolverQuadrática(doc, tradutor, e.q, algebra::X(), antes || e.quocientes > 0);
}

void Raízes(Documento& doc, const Tradutor& tradutor, const algebra::Análise& a)
{
    std::vector<Expressão> soluções, conjunto;
    for (const algebra::RaizReal& r : a.raízes.reais) {
        const Expressão raiz = RaizEscrita(tradutor, r);
        constexpr std::array palavras{
            Texto::RaizSimples, Texto::RaizSimples, Texto::RaizDupla, Texto::RaizTripla};
        if (r.multiplicidade < palavras.size())
            Dizer(doc, tradutor, palavras[r.multiplicidade], {raiz});
        else
            Dizer(doc, tradutor, Texto::RaizMúltipla, {raiz, std::to_string(r.multiplicidade)});
        soluções.push_back(SoluçãoDaRaiz(tradutor, r, algebra::X()));
        conjunto.push_back(ValorDaRaiz(tradutor, r));
    }
    if (soluções.empty() || !a.raízes.completas)
        return;
    Dizer(doc,
          tradutor,
          Texto::Soluções,
          {Disjunção(tradutor, std::move(soluções)), algebra::Lista(std::move(conjunto))});
}

void Conclusão(Documento& doc, const Tradutor& tradutor, const algebra::Análise& a)
{
    const algebra::Factorização& f = a.factorização;
    const bool provada = f.completa && f.raízesCompletas;
    Dizer(doc, tradutor, provada ? Texto::FormaFactorizada : Texto::FatorizaçãoIncompleta);
    const Expressão px = Valor("P", algebra::X());
    Expressão q = ExpressãoFactorizada(f), r = ExpressãoFactorizadaEmR(a);
    const bool partida = r != q;
    Mostrar(doc, algebra::Relação(Nó::Igual, px, std::move(q)));
    if (partida) {
        Dizer(doc, tradutor, Texto::FatorizaçãoEmR);
        Mostrar(doc, algebra::Relação(Nó::Igual, px, std::move(r)));
    }
    Raízes(doc, tradutor, a);
    AcrescentarQuadroDeSinais(doc, tradutor, a);
}

} // namespace

Documento ResolverFactorização(const algebra::Análise& a, const Tradutor& tradutor)
{
    const Polinómio& p = a.polinómio;
    Documento doc;
    Intitular(doc, tradutor, Texto::TítuloFactorização, {Em(p)});
    if (algebra::ÉZero(p) || algebra::Grau(p) == 0) {
        Dizer(doc, tradutor, Texto::Constante);
        return doc;
    }
    if (!ComPassos(algebra::Grau(p), algebra::TamanhoDaFactorização(p))) {
        Dizer(doc, tradutor, Texto::FactorizaçãoSemPassos, {std::to_string(algebra::Grau(p))});
        Conclusão(doc, tradutor, a);
        return doc;
    }
    const auto zeros = static_cast<std::size_t>(
        std::ranges::find_if(p.coeficientes, [](const Racional& c) { return c.sign() != 0; }) -
        p.coeficientes.begin());
    std::vector<Racional> resto(p.coeficientes.begin() + static_cast<std::ptrdiff_t>(zeros),
                                p.coeficientes.end());
    Estado e{algebra::DeCoeficientes(std::move(resto))};
    if (zeros > 0) {
        const Expressão potência = Em(algebra::Monómio(1, zeros));
        Dizer(doc,
              tradutor,
              Texto::FactorX,
              {potência,
               algebra::Relação(Nó::Igual, Valor("P", algebra::X()), algebra::Produto({potência, Em(e.q)}))});
    }
    const algebra::SobreDenominador inteiros = algebra::SemDenominadores(e.q);
    if (inteiros.denominador != 1) {
        e.q = algebra::DeCoeficientes({inteiros.coeficientes.begin(), inteiros.coeficientes.end()});
        Dizer(doc, tradutor, Texto::CoeficientesInteiros, {Número(Racional(inteiros.denominador)), Em(e.q)});
    }
    Decompor(doc, tradutor, e, a, zeros > 0);
    Conclusão(doc, tradutor, a);
    return doc;
}

} // namespace vendrix::resolucao
