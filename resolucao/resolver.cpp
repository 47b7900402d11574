// SPDX-License-Identifier: MIT
#include "resolucao/resolver.h"

#include "algebra/escrever.h"
#include "algebra/expandir.h"
#include "algebra/isolar.h"
#include "resolucao/desenvolver.h"
#include "resolucao/escrita.h"

#include <algorithm>
#include <utility>

namespace vendrix::resolucao {

namespace {

using algebra::Expressão;
using algebra::Nó;
using algebra::Polinómio;
using algebra::Racional;

std::string SinalDaRelação(Nó nó)
{
    constexpr std::array<std::string_view, 5> sinais{" = ", " < ", " ≤ ", " > ", " ≥ "};
    return std::string(sinais[static_cast<std::size_t>(nó) - static_cast<std::size_t>(Nó::Igual)]);
}

// The user's decimal sign, "," in Portuguese.
char VírgulaDecimal(const Tradutor& t)
{
    const std::string v = t(FonteDe(Texto::VírgulaDecimal));
    return v.size() == 1 ? v[0] : '.';
}

// A decimal with the user's decimal sign.
std::string ComVírgula(std::string decimal, char vírgula)
{
    std::ranges::replace(decimal, '.', vírgula);
    return decimal;
}

// Whether the distinct real root r is a root of the factor g: exactly for a
// rational root; otherwise g changes sign across r's isolating interval,
// which holds no other root of P, so of g.
bool ÉRaizDe(const algebra::RaizReal& r, const Polinómio& g)
{
    if (r.mínimo == r.máximo)
        return algebra::Avaliar(g, r.mínimo) == 0;
    if (algebra::Grau(g) < 2)
        return false;
    return (algebra::Avaliar(g, r.mínimo) < 0) != (algebra::Avaliar(g, r.máximo) < 0);
}

// A factor's row, from +∞ where a monic factor is positive, leftwards:
// the factor^m changes sign at each of its roots when m is odd.
std::string SinaisDoFactor(const algebra::TabelaDeSinais& s, const Polinómio& g, std::size_t m)
{
    std::string sinais;
    char sinal = '+';
    for (std::size_t i = s.raízes.size(); i-- > 0;) {
        sinais += sinal;
        const bool raiz = ÉRaizDe(s.raízes[i], g);
        sinais += raiz ? '0' : sinal;
        if (raiz && m % 2 == 1)
            sinal = sinal == '+' ? '-' : '+';
    }
    sinais += sinal;
    std::reverse(sinais.begin(), sinais.end());
    return sinais;
}

TabelaDeSinais Quadro(const algebra::Análise& a, char vírgula)
{
    TabelaDeSinais quadro{"P(x)", {}, a.sinais.sinais};
    for (const algebra::RaizReal& r : a.sinais.raízes)
        quadro.raízes.push_back(ComVírgula(algebra::TextoDaRaiz(r), vírgula));
    const std::size_t colunas = a.sinais.sinais.size();
    if (a.factorização.dominante < 0)
        quadro.factores.push_back(
            {algebra::EscreverRacional(a.factorização.dominante), 1, std::string(colunas, '-')});
    for (const algebra::Factor& f : a.factorização.factores)
        quadro.factores.push_back({algebra::Escrever(f.polinómio),
                                   f.multiplicidade,
                                   SinaisDoFactor(a.sinais, f.polinómio, f.multiplicidade)});
    return quadro;
}

// "x = -2 ∨ x = 0 ∨ x = 2", with the connective in the user's language.
std::string Disjunção(const std::vector<algebra::RaizReal>& raízes, const Tradutor& t)
{
    const std::string ou = t(FonteDe(Texto::Disjunção));
    std::string d;
    for (const algebra::RaizReal& r : raízes) {
        if (!d.empty())
            d += ou;
        d += r.exacta.empty() ? "x ≈ " + ComVírgula(r.decimal, VírgulaDecimal(t)) : "x = " + r.exacta;
    }
    return d;
}

void Equação(SoluçãoDaCondição& s, const Tradutor& t)
{
    const algebra::Análise& a = s.análise;
    Dizer(s.documento, t, Texto::LeiDoAnulamento);
    std::string factores;
    for (const algebra::Factor& f : a.factorização.factores) {
        if (!factores.empty())
            factores += t(FonteDe(Texto::Disjunção));
        factores += algebra::Escrever(f.polinómio) + " = 0";
    }
    s.documento.blocos.emplace_back(Destaque{factores});
    if (a.raízes.reais.empty())
        Dizer(s.documento, t, Texto::SemRaízesReais);
    else
        s.documento.blocos.emplace_back(Destaque{Disjunção(a.raízes.reais, t)});
}

} // namespace

std::string QuadroEmTexto(const TabelaDeSinais& quadro)
{
    const auto células = [](std::string_view sinais) {
        std::string c;
        for (const char s : sinais)
            (c += c.empty() ? "" : ",") += s;
        return c;
    };
    std::string texto;
    for (const TabelaDeSinais::Linha& linha : quadro.factores)
        texto +=
            (linha.expoente == 1 ? linha.factor : RótuloDoFactor(linha)) + ":" + células(linha.sinais) + "|";
    return texto + "produto:" + células(quadro.sinais);
}

runtime::Resultado<SoluçãoDaCondição> ResolverCondição(const Expressão& relação, const Tradutor& t)
{
    const Expressão &esquerda = relação.filhos[0], &direita = relação.filhos[1];
    const bool direitaNula = direita.nó == Nó::Número && direita.número == 0;
    const Expressão lado = direitaNula ? esquerda : algebra::Soma({esquerda, algebra::Simétrico(direita)});
    runtime::Resultado<Polinómio> p = algebra::Expandir(lado);
    if (!p.Ok())
        return p.Falha();
    SoluçãoDaCondição s;
    s.equação = relação.nó == Nó::Igual;
    const std::string sinal = SinalDaRelação(relação.nó);
    Intitular(s.documento, t, Texto::TítuloResolver, {algebra::EscreverExpressão(relação)});
    if (!direitaNula) {
        Dizer(s.documento, t, Texto::TudoNumMembro);
        s.documento.blocos.emplace_back(Destaque{algebra::EscreverExpressão(lado) + sinal + "0"});
    }
    const Polinómio& P = p.Valor();
    if (algebra::ÉZero(P) || algebra::Grau(P) <= GrauMáximoComPassos) {
        Dizer(s.documento, t, Texto::DesenvolverEReduzir);
        PassosDoDesenvolvimento(s.documento, t, lado);
    }
    s.documento.blocos.emplace_back(Destaque{algebra::Escrever(P) + sinal + "0"});
    s.análise = algebra::Analisar(P);
    const algebra::Análise& a = s.análise;
    if (!a.sinais.completa) {
        Dizer(s.documento, t, Texto::RaízesPorIsolar);
        return s;
    }
    s.conjunto = algebra::ConjuntoDaCondição(a.sinais, relação.nó);
    if (algebra::ÉZero(P) || algebra::Grau(P) == 0) {
        const bool todos = s.conjunto.canónico == "ℝ";
        Dizer(s.documento,
              t,
              s.equação ? (todos ? Texto::EquaçãoIdentidade : Texto::EquaçãoImpossível)
                        : (todos ? Texto::CondiçãoUniversal : Texto::CondiçãoImpossível));
    } else {
        if (a.factorização.factores.size() > 1 || a.factorização.dominante != 1 ||
            a.factorização.factores.front().multiplicidade > 1) {
            Dizer(s.documento, t, Texto::DecomporEmFatores);
            s.documento.blocos.emplace_back(
                Destaque{algebra::TextoFactorização(a.factorização) + sinal + "0"});
        }
        if (!a.factorização.completa ||
            std::ranges::any_of(a.raízes.reais, [](const algebra::RaizReal& r) { return r.exacta.empty(); }))
            if (algebra::Grau(P) > algebra::GrauMáximoFactorizado)
                Dizer(s.documento,
                      t,
                      Texto::ExtremosAproximados,
                      {std::to_string(algebra::GrauMáximoFactorizado)});
        if (s.equação) {
            Equação(s, t);
        } else {
            s.quadro = Quadro(a, VírgulaDecimal(t));
            Dizer(s.documento, t, Texto::QuadroDeSinaisDosFatores);
            s.documento.blocos.emplace_back(*s.quadro);
        }
    }
    s.conjunto.escrito = algebra::ComoSeImprime(s.conjunto.canónico, VírgulaDecimal(t));
    Dizer(s.documento, t, Texto::ConjuntoSolução, {s.conjunto.escrito});
    return s;
}

} // namespace vendrix::resolucao
