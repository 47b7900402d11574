// SPDX-License-Identifier: MIT
// The equations in the parameters solved exactly: a parameter isolated
// from an equation of the first degree in it and put into the others, the
// last one's equations by their greatest common divisor and its real
// roots, or, when no equation is of the first degree, one parameter
// eliminated with the resultant. What no method reaches is refused, never
// guessed.
#include "algebra/analise.h"
#include "algebra/dividir.h"
#include "algebra/inteiros.h"
#include "algebra/ler_expressao.h"
#include "algebra/parametrico.h"
#include "resolucao/formula.h"
#include "resolucao/parametros_sistema.h"

#include <algorithm>
#include <utility>

namespace vendrix::resolucao {

namespace {

using algebra::Polinómio;
using algebra::Pp;
using algebra::Racional;

// A parameter's equation is solved up to this degree.
constexpr std::size_t GrauMáximoDoParâmetro = 12;

// One solution: each letter's value, a number or, in a family, a
// polynomial in the free letter; at most one letter, irracional, has an
// irrational value: the root raiz of equação.
struct Candidata
{
    std::vector<std::pair<char, Pp>> valores;
    char irracional = 0;
    algebra::RaizReal raiz;
    Polinómio equação;
};

struct Resolvedor
{
    Documento& doc;
    const Tradutor& t;
    algebra::Orçamento orçamento;

    // Nothing when the system is refused, the reason already said.
    std::optional<std::vector<Candidata>> Resolver(std::vector<Pp> equações, std::vector<char> letras);

private:
    std::optional<std::vector<Candidata>>
    Isolar(const std::vector<Pp>& equações, std::size_t qual, char letra, std::vector<char> letras);
    std::optional<std::vector<Candidata>>
    UmaLetra(const std::vector<Pp>& equações, char letra, bool sóRacionais);
    std::optional<std::vector<Candidata>> PorResultante(const std::vector<Pp>& equações,
                                                        std::vector<char> letras);

    bool Recusar(Texto texto, std::vector<Fórmula> argumentos = {})
    {
        Dizer(doc, t, texto, std::move(argumentos));
        return false;
    }
};

algebra::Expressão Equação(const Pp& p) { return EquaçãoP(p); }

algebra::Expressão Equação(const Polinómio& p, char letra) { return EquaçãoP(algebra::DeUmaLetra(p, letra)); }

std::optional<Polinómio> Mdc(const Polinómio& a, const Polinómio& b, algebra::Orçamento& orçamento)
{
    if (algebra::ÉZero(a))
        return b;
    if (algebra::ÉZero(b))
        return a;
    const auto g = algebra::Mdc(algebra::ParteInteira(a), algebra::ParteInteira(b), orçamento);
    if (!g)
        return std::nullopt;
    return algebra::ParaRacional(*g);
}

// Drops the equations that hold always; false when one never holds.
bool Arrumar(std::vector<Pp>& equações, Documento& doc, const Tradutor& t)
{
    std::vector<Pp> restantes;
    for (Pp& e : equações) {
        if (e.empty())
            continue;
        if (algebra::ÉConstante(e)) {
            Dizer(doc, t, Texto::EquaçãoSemSolução, {Equação(e)});
            return false;
        }
        if (std::ranges::find(restantes, e) == restantes.end())
            restantes.push_back(std::move(e));
    }
    equações = std::move(restantes);
    return true;
}

// The letter's value in an equation of the first degree in it, with a
// number before it: nothing otherwise.
std::optional<Pp> Isolável(const Pp& e, char letra)
{
    if (algebra::GrauEm(e, letra) != 1)
        return std::nullopt;
    const std::vector<Pp> c = algebra::CoeficientesEm(e, letra);
    if (!algebra::ÉConstante(c[1]))
        return std::nullopt;
    return Racional(Racional(-1) / algebra::TermoConstante(c[1])) * c[0];
}

} // namespace

std::optional<std::vector<Candidata>> Resolvedor::Resolver(std::vector<Pp> equações, std::vector<char> letras)
{
    if (!Arrumar(equações, doc, t))
        return std::vector<Candidata>{};
    if (equações.empty()) {
        Candidata livre;
        for (char l : letras)
            livre.valores.emplace_back(l, algebra::LetraP(l));
        return std::vector<Candidata>{livre};
    }
    // The last letter first, so that a family is written in the first.
    for (auto l = letras.rbegin(); l != letras.rend(); ++l)
        for (std::size_t i = 0; i < equações.size(); ++i)
            if (Isolável(equações[i], *l))
                return Isolar(equações, i, *l, letras);
    if (letras.size() == 1)
        return UmaLetra(equações, letras[0], false);
    return PorResultante(equações, std::move(letras));
}

std::optional<std::vector<Candidata>>
Resolvedor::Isolar(const std::vector<Pp>& equações, std::size_t qual, char letra, std::vector<char> letras)
{
    const Pp valor = *Isolável(equações[qual], letra);
    const algebra::Expressão nome = algebra::Parâmetro(letra);
    Dizer(doc,
          t,
          Texto::IsolarParâmetro,
          {Equação(equações[qual]), ValorDe(letra, algebra::ExpressãoDe(valor))});
    std::vector<Pp> outras;
    for (std::size_t i = 0; i < equações.size(); ++i)
        if (i != qual)
            outras.push_back(algebra::SubstituirLetra(equações[i], letra, valor));
    if (!outras.empty()) {
        Dizer(doc, t, Texto::SubstituirParâmetro, {ValorDe(letra, algebra::ExpressãoDe(valor))});
        for (const Pp& e : outras)
            Mostrar(doc, Equação(e));
    }
    std::erase(letras, letra);
    auto candidatas = Resolver(std::move(outras), letras);
    if (!candidatas)
        return std::nullopt;
    for (Candidata& c : *candidatas) {
        Pp v = valor;
        for (const auto& [l, valorDeL] : c.valores)
            v = algebra::SubstituirLetra(v, l, valorDeL);
        if (c.irracional != 0 && algebra::GrauEm(v, c.irracional) > 0) {
            // The value at a root of the equation is the remainder's: a
            // number when the remainder is one.
            const auto u = algebra::EmUmaLetra(v, c.irracional);
            const auto resto =
                u ? algebra::Dividir(*u, c.equação) : algebra::Dividir(Polinómio{}, Polinómio{});
            if (!resto.Ok() || algebra::Grau(resto.Valor().resto) > 0) {
                Recusar(Texto::RecusaDependeIrracional, {nome, algebra::Parâmetro(c.irracional)});
                return std::nullopt;
            }
            v = algebra::ConstanteP(algebra::CoeficienteDominante(resto.Valor().resto));
        }
        c.valores.emplace_back(letra, std::move(v));
        std::ranges::sort(c.valores, {}, &std::pair<char, Pp>::first);
    }
    return candidatas;
}

std::optional<std::vector<Candidata>>
Resolvedor::UmaLetra(const std::vector<Pp>& equações, char letra, bool sóRacionais)
{
    Polinómio g;
    for (const Pp& e : equações) {
        const auto p = algebra::EmUmaLetra(e, letra);
        const auto m = p ? Mdc(g, *p, orçamento) : std::nullopt;
        if (!m) {
            Recusar(Texto::RecusaMétodo);
            return std::nullopt;
        }
        g = *m;
    }
    g = Racional(Racional(1) / algebra::CoeficienteDominante(g)) * g;
    if (equações.size() > 1)
        Dizer(doc, t, Texto::MdcDasEquações, {Equação(g, letra)});
    if (algebra::Grau(g) == 0) {
        Dizer(doc, t, Texto::EquaçãoSemSolução, {Equação(g, letra)});
        return std::vector<Candidata>{};
    }
    if (algebra::Grau(g) > GrauMáximoDoParâmetro) {
        Recusar(Texto::RecusaGrauParâmetro,
                {Equação(g, letra), std::to_string(algebra::Grau(g)), algebra::Parâmetro(letra)});
        return std::nullopt;
    }
    const algebra::Análise a = algebra::Analisar(g, orçamento);
    if (!a.raízes.completas) {
        Recusar(Texto::RecusaRaízesParâmetro, {Equação(g, letra)});
        return std::nullopt;
    }
    std::vector<algebra::Expressão> membros;
    std::vector<Candidata> candidatas;
    for (const algebra::RaizReal& r : a.raízes.reais) {
        const bool racional = r.mínimo == r.máximo;
        if (sóRacionais && !racional) {
            Recusar(Texto::RecusaMétodo);
            return std::nullopt;
        }
        Candidata c;
        if (racional)
            c.valores.emplace_back(letra, algebra::ConstanteP(r.mínimo));
        else {
            c.irracional = letra;
            c.raiz = r;
            c.equação = g;
            c.valores.emplace_back(letra, algebra::LetraP(letra));
        }
        membros.push_back(r.exacta.empty() ? algebra::Relação(algebra::Nó::Aproximado,
                                                              algebra::Parâmetro(letra),
                                                              DecimalEscrito(t, r.decimal))
                                           : ValorDe(letra, Exacta(r)));
        candidatas.push_back(std::move(c));
    }
    const bool irredutível =
        a.factorização.factores.size() == 1 && a.factorização.factores[0].multiplicidade == 1;
    if (algebra::Grau(g) > 1)
        Dizer(doc, t, Texto::ResolverEquaçãoParâmetro, {Equação(g, letra)});
    if (algebra::Grau(g) > 1 && !irredutível)
        Mostrar(doc,
                algebra::Relação(algebra::Nó::Igual, Factorizada(a.factorização, letra), algebra::Número(0)));
    if (membros.empty())
        Dizer(doc, t, Texto::SemSoluçõesReaisParâmetro, {Equação(g, letra)});
    else
        Mostrar(doc, Disjunção(t, std::move(membros)));
    return candidatas;
}

std::optional<std::vector<Candidata>> Resolvedor::PorResultante(const std::vector<Pp>& equações,
                                                                std::vector<char> letras)
{
    if (equações.size() < 2) {
        Recusar(Texto::RecusaMétodo);
        return std::nullopt;
    }
    char eliminada = letras[1], outra = letras[0];
    if (algebra::GrauEm(equações[0], eliminada) == 0 || algebra::GrauEm(equações[1], eliminada) == 0)
        std::swap(eliminada, outra);
    // Sylvester's matrix grows with both degrees, and its entries with the
    // degree in the other letter: past these the system is no
    // school exercise, and the work would grow fast.
    const unsigned grauA = algebra::GrauEm(equações[0], eliminada),
                   grauB = algebra::GrauEm(equações[1], eliminada);
    if (grauA + grauB > GrauMáximoDoParâmetro ||
        algebra::GrauEm(equações[0], outra) > GrauMáximoDoParâmetro ||
        algebra::GrauEm(equações[1], outra) > GrauMáximoDoParâmetro) {
        Recusar(Texto::RecusaMétodo);
        return std::nullopt;
    }
    const auto r = algebra::Resultante(equações[0], equações[1], eliminada, outra, orçamento);
    if (!r || algebra::ÉZero(*r)) {
        Recusar(Texto::RecusaMétodo);
        return std::nullopt;
    }
    Dizer(doc,
          t,
          Texto::EliminarComResultante,
          {algebra::Parâmetro(eliminada), Equação(equações[0]), Equação(equações[1])});
    Mostrar(doc, Equação(*r, outra));
    const auto valores = UmaLetra({algebra::DeUmaLetra(*r, outra)}, outra, true);
    if (!valores)
        return std::nullopt;
    std::vector<Candidata> candidatas;
    for (const Candidata& v : *valores) {
        const Pp& valor = v.valores.front().second;
        Dizer(doc, t, Texto::ComOValor, {ValorDe(outra, algebra::ExpressãoDe(valor))});
        std::vector<Pp> substituídas;
        substituídas.reserve(equações.size());
        for (const Pp& e : equações)
            substituídas.push_back(algebra::SubstituirLetra(e, outra, valor));
        const auto resto = Resolver(std::move(substituídas), {eliminada});
        if (!resto)
            return std::nullopt;
        for (Candidata c : *resto) {
            c.valores.emplace_back(outra, valor);
            std::ranges::sort(c.valores, {}, &std::pair<char, Pp>::first);
            candidatas.push_back(std::move(c));
        }
    }
    return candidatas;
}

namespace {

// Whether the value makes p zero: exactly for numbers; for an irrational
// root of g, by the square-free part of gcd(g, p), which has the root if and
// only if it changes sign across the root's isolating interval, an interval
// that holds no other root of g.
std::optional<bool> Anula(const Candidata& c, const Pp& p, algebra::Orçamento& orçamento)
{
    Pp v = p;
    for (const auto& [letra, valor] : c.valores)
        if (letra != c.irracional)
            v = algebra::SubstituirLetra(v, letra, valor);
    if (c.irracional == 0 || algebra::ÉConstante(v))
        return v.empty();
    const auto q = algebra::EmUmaLetra(v, c.irracional);
    const auto h = q ? Mdc(c.equação, *q, orçamento) : std::nullopt;
    if (!h)
        return std::nullopt;
    if (algebra::Grau(*h) == 0)
        return false;
    const auto comum = Mdc(*h, algebra::Derivada(*h), orçamento);
    if (!comum)
        return std::nullopt;
    const auto livre = algebra::Dividir(*h, *comum);
    if (!livre.Ok())
        return std::nullopt;
    const Polinómio& s = livre.Valor().quociente;
    return (algebra::Avaliar(s, c.raiz.mínimo).sign() < 0) != (algebra::Avaliar(s, c.raiz.máximo).sign() < 0);
}

// "k = -1", "a = 2, b = 3", "k ≈ 0,3472963553" in the user's language; a
// family names only the letters that depend on the free ones.
std::vector<algebra::Expressão> Escrita(const Candidata& c, const Tradutor& t)
{
    std::vector<algebra::Expressão> membros;
    for (const auto& [letra, valor] : c.valores) {
        if (letra != c.irracional && valor == algebra::LetraP(letra))
            continue;
        if (letra != c.irracional)
            membros.push_back(ValorDe(letra, algebra::ExpressãoDe(valor)));
        else if (!c.raiz.exacta.empty())
            membros.push_back(ValorDe(letra, Exacta(c.raiz)));
        else
            membros.push_back(algebra::Relação(
                algebra::Nó::Aproximado, algebra::Parâmetro(letra), DecimalEscrito(t, c.raiz.decimal)));
    }
    return membros;
}

// "k=-1", "a=2,b=3", "k≈0.3472963553": the answer's canonical text.
std::string Canónica(const Candidata& c)
{
    std::string s;
    for (const auto& [letra, valor] : c.valores) {
        s.append(s.empty() ? "" : ",").append(1, letra);
        if (letra != c.irracional)
            s += "=" + EscreverP(valor);
        else if (!c.raiz.exacta.empty())
            s += "=" + c.raiz.exacta;
        else
            s += "≈" + c.raiz.decimal;
    }
    return s;
}

// The solutions parted by "or": each a relation, or a list of them.
Fórmula Disjuntas(const Tradutor& t, const std::vector<std::vector<algebra::Expressão>>& membros)
{
    std::vector<algebra::Expressão> listas;
    listas.reserve(membros.size());
    for (const auto& m : membros)
        listas.push_back(EmLista(m));
    return Disjunção(t, std::move(listas));
}

Atribuição Tipada(const Candidata& c)
{
    Atribuição a;
    for (const auto& [letra, valor] : c.valores) {
        if (letra != c.irracional)
            a.push_back({letra, algebra::ExpressãoDe(valor), false});
        else
            a.push_back({letra, Exacta(c.raiz), c.raiz.exacta.empty()});
    }
    return a;
}

// The free letters of a family: those whose value is themselves.
Fórmula Livres(const Candidata& c)
{
    std::vector<algebra::Expressão> livres;
    for (const auto& [letra, valor] : c.valores)
        if (letra != c.irracional && valor == algebra::LetraP(letra))
            livres.push_back(algebra::Parâmetro(letra));
    return EmLista(std::move(livres));
}

Fórmula Nomes(const std::vector<char>& letras)
{
    std::vector<algebra::Expressão> nomes;
    nomes.reserve(letras.size());
    for (char l : letras)
        nomes.push_back(algebra::Parâmetro(l));
    return EmLista(std::move(nomes));
}

} // namespace

RespostaDosParâmetros ResolverProblema(const ProblemaDeParâmetros& problema, const Tradutor& t)
{
    RespostaDosParâmetros r;
    Documento& doc = r.documento;
    Intitular(doc, t, Texto::TítuloParâmetros, {Nomes(problema.letras), problema.escrito});
    const EquaçõesDosParâmetros e = EquaçõesDasCondições(problema, doc, t);
    std::vector<Pp> sistema;
    for (const Pp& p : e.iguais)
        if (!p.empty() && std::ranges::find(sistema, p) == sistema.end())
            sistema.push_back(p);
    if (sistema.size() > 1) {
        Dizer(doc, t, Texto::SistemaDeEquações);
        for (const Pp& p : sistema)
            Mostrar(doc, Equação(p));
    }
    Resolvedor resolvedor{doc, t, algebra::Orçamento{}};
    auto candidatas = resolvedor.Resolver(e.iguais, problema.letras);
    if (!candidatas)
        return r;
    std::vector<Candidata> aceites;
    for (Candidata& c : *candidatas) {
        bool rejeitada = false;
        for (const auto& [p, multiplicidade] : e.diferentes) {
            const auto anula = Anula(c, p, resolvedor.orçamento);
            if (!anula) {
                Dizer(doc, t, Texto::RecusaMétodo);
                return r;
            }
            if (*anula && !rejeitada) {
                Dizer(doc,
                      t,
                      Texto::SoluçãoRejeitada,
                      {EmLista(Escrita(c, t)), std::to_string(multiplicidade)});
                rejeitada = true;
            }
        }
        if (!rejeitada)
            aceites.push_back(std::move(c));
    }
    r.resolvido = true;
    if (aceites.empty()) {
        Dizer(doc, t, Texto::RespostaNenhumValor, {Nomes(problema.letras)});
        r.canónicas.emplace_back("nenhum");
        return r;
    }
    std::vector<std::vector<algebra::Expressão>> membros;
    bool irracionais = false;
    for (const Candidata& c : aceites) {
        membros.push_back(Escrita(c, t));
        r.canónicas.push_back(Canónica(c));
        r.soluções.push_back(Tipada(c));
        irracionais = irracionais || c.irracional != 0;
    }
    const bool família = std::ranges::any_of(aceites.front().valores, [&](const auto& v) {
        return v.first != aceites.front().irracional && v.second == algebra::LetraP(v.first);
    });
    if (aceites.size() == 1 && membros.front().empty())
        Dizer(doc, t, Texto::RespostaQualquer, {Livres(aceites.front())});
    else if (aceites.size() == 1 && família)
        Dizer(doc, t, Texto::RespostaFamília, {EmLista(membros.front()), Livres(aceites.front())});
    else
        Dizer(doc, t, Texto::RespostaParâmetros, {Disjuntas(t, membros)});
    for (std::size_t i = 0; i < aceites.size(); ++i)
        if (aceites[i].irracional == 0 && !membros[i].empty())
            VerificarValores(problema, aceites[i].valores, EmLista(membros[i]), doc, t);
    if (irracionais)
        Dizer(doc, t, Texto::VerificaçãoIrracional);
    return r;
}

} // namespace vendrix::resolucao
