// SPDX-License-Identifier: MIT
#include "resolucao/factorizacao.h"

#include "algebra/factorizar.h"
#include "algebra/raizes.h"
#include "algebra/sinais.h"
#include "resolucao/escrita.h"
#include "resolucao/ruffini.h"

#include <algorithm>
#include <cstdint>
#include <set>
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

// p/q for p dividing the constant term and q the leading coefficient, by
// increasing value; empty when either is too large to list, or the list too long.
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
    return {candidatos.begin(), candidatos.end()};
}

[[nodiscard]] std::string ListaComSinais(const std::vector<Racional>& candidatos)
{
    std::string texto;
    for (const Racional& c : candidatos)
        texto.append(texto.empty() ? "±" : ", ±").append(algebra::EscreverRacional(c));
    return texto;
}

// "x", "x^3".
[[nodiscard]] std::string PotênciaDeX(std::size_t k) { return k == 1 ? "x" : "x^" + std::to_string(k); }

// Tests the candidates on q in turn, each again after it divides q, and
// divides by every root found, until q is of degree 2 or less or no
// candidate is left. Returns q.
Polinómio
TestarCandidatos(Documento& doc, const Tradutor& tradutor, Polinómio q, const std::vector<Racional>& c)
{
    std::string testes;
    std::string nome = "P";
    for (std::size_t i = 0; i < 2 * c.size() && algebra::Grau(q) > 2;) {
        const Racional candidato = i % 2 == 0 ? c[i / 2] : Racional(-c[i / 2]);
        const Racional valor = algebra::Avaliar(q, candidato);
        testes.append(testes.empty() ? "" : ";  ")
            .append(nome + "(" + algebra::EscreverRacional(candidato) + ") = ");
        testes.append(algebra::EscreverRacional(valor)).append(valor == 0 ? "" : " ≠ 0");
        if (valor != 0) {
            ++i;
            continue;
        }
        Dizer(doc, tradutor, Texto::TestarCandidatos, {algebra::EscreverRacional(candidato)});
        doc.blocos.emplace_back(Fórmula{std::exchange(testes, {})});
        Polinómio quociente;
        doc.blocos.emplace_back(TabelaDeRuffini(q, candidato, quociente));
        q = std::move(quociente);
        nome = "Q";
        Dizer(doc, tradutor, Texto::NovoQuociente, {"Q(x) = " + algebra::Escrever(q)});
    }
    if (algebra::Grau(q) > 2) {
        if (!testes.empty())
            doc.blocos.emplace_back(Fórmula{testes});
        Dizer(doc, tradutor, Texto::SemRaízesRacionais, {algebra::Escrever(q)});
    }
    return q;
}

// The roots of the quadratic as the algebra writes them, simplified and
// exact: "x = -√2, x = √2", "x = -1-2i, x = -1+2i".
[[nodiscard]] std::string RaízesDaQuadrática(const Polinómio& q)
{
    std::string texto;
    const algebra::Raízes raízes = algebra::CalcularRaízes(q);
    for (const algebra::RaizReal& r : raízes.reais)
        texto.append(", x = ").append(r.exacta);
    for (const bool positivo : {false, true})
        for (const algebra::RaizComplexa& r : raízes.complexas)
            if (r.imaginárioPositivo == positivo)
                texto.append(", x = ").append(r.texto);
    return texto;
}

// √Δ as a student writes it: the number itself when Δ is a square.
[[nodiscard]] std::string RaizDoDiscriminante(const Racional& delta)
{
    if (delta > 0) {
        const Inteiro n = numerator(delta), m = denominator(delta);
        const Inteiro rn = sqrt(n), rm = sqrt(m);
        if (rn * rn == n && rm * rm == m)
            return algebra::EscreverRacional(Racional(rn, rm));
    }
    return "√" + algebra::EscreverRacional(delta);
}

void Quadrática(Documento& doc, const Tradutor& tradutor, const Polinómio& q)
{
    const Racional &c = q.coeficientes[0], &b = q.coeficientes[1], &a = q.coeficientes[2];
    const Racional delta = b * b - 4 * a * c;
    const std::string d = algebra::EscreverRacional(delta);
    Dizer(doc, tradutor, Texto::FórmulaResolvente, {algebra::Escrever(q) + " = 0"});
    doc.blocos.emplace_back(Fórmula{"Δ = b^2 - 4ac = " + EntreParênteses(b) + "^2 - 4·" + EntreParênteses(a) +
                                    "·" + EntreParênteses(c) + " = " + d});
    const std::string menosB = algebra::EscreverRacional(-b), doisA = algebra::EscreverRacional(2 * a);
    if (delta == 0) {
        Dizer(doc, tradutor, Texto::DiscriminanteNulo);
        doc.blocos.emplace_back(
            Fórmula{"x = " + menosB + "/" + doisA + " = " + algebra::EscreverRacional(-b / (2 * a))});
        return;
    }
    if (delta < 0)
        Dizer(doc, tradutor, Texto::DiscriminanteNegativo, {algebra::Escrever(q)});
    else
        Dizer(doc, tradutor, Texto::DiscriminantePositivo);
    doc.blocos.emplace_back(Fórmula{"x = (" + menosB + " ± " + RaizDoDiscriminante(delta) + ")/" + doisA +
                                    RaízesDaQuadrática(q)});
}

// The algebra's sign table, its roots written exactly where they can be.
void Sinais(Documento& doc, const Tradutor& tradutor, const Polinómio& p)
{
    const algebra::TabelaDeSinais s = algebra::CalcularSinais(p);
    if (!s.completa)
        return;
    TabelaDeSinais tabela{"P(x)", {}, s.sinais, {}};
    for (const algebra::RaizReal& r : s.raízes)
        tabela.raízes.push_back(r.exacta.empty() ? r.decimal : r.exacta);
    Dizer(doc, tradutor, Texto::QuadroDeSinais, {"P(x)"});
    doc.blocos.emplace_back(std::move(tabela));
}

void Conclusão(Documento& doc, const Tradutor& tradutor, const Polinómio& p)
{
    const algebra::Factorização f = algebra::Factorizar(p);
    Dizer(doc, tradutor, Texto::FormaFactorizada);
    doc.blocos.emplace_back(Fórmula{"P(x) = " + algebra::TextoFactorização(f)});
    for (const algebra::RaizReal& r : algebra::CalcularRaízes(f).reais) {
        const std::string raiz = r.exacta.empty() ? "≈ " + r.decimal : r.exacta;
        if (r.multiplicidade == 1)
            Dizer(doc, tradutor, Texto::RaizSimples, {raiz});
        else
            Dizer(doc, tradutor, Texto::RaizMúltipla, {raiz, std::to_string(r.multiplicidade)});
    }
    Sinais(doc, tradutor, p);
}

} // namespace

Documento ResolverFactorização(const Polinómio& p, const Tradutor& tradutor)
{
    Documento doc;
    Intitular(doc, tradutor, Texto::TítuloFactorização, {algebra::Escrever(p)});
    if (algebra::Grau(p) == 0) {
        Dizer(doc, tradutor, Texto::Constante);
        return doc;
    }
    if (algebra::Grau(p) > GrauMáximoComPassos) {
        Dizer(doc, tradutor, Texto::FactorizaçãoSemPassos, {std::to_string(algebra::Grau(p))});
        Conclusão(doc, tradutor, p);
        return doc;
    }
    const auto zeros = static_cast<std::size_t>(
        std::ranges::find_if(p.coeficientes, [](const Racional& c) { return c != 0; }) -
        p.coeficientes.begin());
    std::vector<Racional> resto(p.coeficientes.begin() + static_cast<std::ptrdiff_t>(zeros),
                                p.coeficientes.end());
    Polinómio q = algebra::DeCoeficientes(std::move(resto));
    if (zeros > 0)
        Dizer(doc,
              tradutor,
              Texto::FactorX,
              {PotênciaDeX(zeros), "P(x) = " + PotênciaDeX(zeros) + "(" + algebra::Escrever(q) + ")"});
    const algebra::SobreDenominador inteiros = algebra::SemDenominadores(q);
    if (inteiros.denominador != 1) {
        q = algebra::DeCoeficientes({inteiros.coeficientes.begin(), inteiros.coeficientes.end()});
        Dizer(doc, tradutor, Texto::CoeficientesInteiros, {inteiros.denominador.str(), algebra::Escrever(q)});
    }
    if (algebra::Grau(q) > 2) {
        std::vector<Racional> candidatos = Candidatos(q);
        if (candidatos.empty()) {
            Dizer(doc, tradutor, Texto::CandidatosDemais);
            for (const auto& [raiz, m] : algebra::RaízesRacionaisDe(algebra::Factorizar(q)))
                candidatos.push_back(abs(raiz));
            std::ranges::sort(candidatos);
            candidatos.erase(std::unique(candidatos.begin(), candidatos.end()), candidatos.end());
        } else {
            Dizer(doc,
                  tradutor,
                  Texto::Candidatos,
                  {algebra::EscreverRacional(q.coeficientes.front()),
                   algebra::EscreverRacional(q.coeficientes.back()),
                   ListaComSinais(candidatos)});
        }
        q = TestarCandidatos(doc, tradutor, std::move(q), candidatos);
    }
    if (algebra::Grau(q) == 2)
        Quadrática(doc, tradutor, q);
    Conclusão(doc, tradutor, p);
    return doc;
}

} // namespace vendrix::resolucao
