// SPDX-License-Identifier: MIT
#include "resolucao/resolver.h"

#include "algebra/escrever.h"
#include "algebra/expandir.h"
#include "algebra/isolar.h"
#include "algebra/sinais.h"
#include "resolucao/desenvolver.h"
#include "resolucao/escrita.h"
#include "resolucao/factores.h"
#include "resolucao/formula.h"
#include "resolucao/quadratica.h"

#include <algorithm>
#include <utility>

namespace vendrix::resolucao {

namespace {

using algebra::Expressão;
using algebra::Nó;
using algebra::Polinómio;
using algebra::Racional;

// The user's decimal sign, "," in Portuguese.
char VírgulaDecimal(const Tradutor& t)
{
    const std::string v = t(FonteDe(Texto::VírgulaDecimal));
    return v.size() == 1 ? v[0] : '.';
}

TabelaDeSinais Quadro(const algebra::Análise& a, char vírgula)
{
    TabelaDeSinais quadro{algebra::Nome("P", {algebra::X()}), {}, a.sinais.sinais};
    for (const algebra::RaizReal& r : a.sinais.raízes)
        quadro.raízes.emplace_back(algebra::ExpressãoDaRaiz(r, vírgula));
    const std::size_t colunas = a.sinais.sinais.size();
    if (a.factorização.dominante.sign() < 0)
        quadro.factores.push_back({algebra::Número(a.factorização.dominante), 1, std::string(colunas, '-')});
    const std::vector<algebra::Factor>& factores = a.factorização.factores;
    for (std::size_t i = 0; i < factores.size(); ++i)
        quadro.factores.push_back({algebra::ComoExpressão(factores[i].polinómio),
                                   factores[i].multiplicidade,
                                   algebra::SinaisDoFactor(a.sinais, i, factores[i].multiplicidade)});
    return quadro;
}

void Equação(SoluçãoDaCondição& s, const Tradutor& t)
{
    const algebra::Análise& a = s.análise;
    Dizer(s.documento, t, Texto::LeiDoAnulamento);
    std::vector<Expressão> factores, raízes;
    for (const algebra::Factor& f : a.factorização.factores)
        factores.push_back(
            algebra::Relação(Nó::Igual, algebra::ComoExpressão(f.polinómio), algebra::Número(0)));
    Mostrar(s.documento, Disjunção(t, std::move(factores)));
    for (const algebra::RaizReal& r : a.raízes.reais)
        raízes.push_back(SoluçãoDaRaiz(t, r, algebra::X()));
    if (raízes.empty())
        Dizer(s.documento, t, Texto::SemRaízesReais);
    else
        Mostrar(s.documento, Disjunção(t, std::move(raízes)));
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
        texto += TextoDe(RótuloDoFactor(linha)) + ":" + células(linha.sinais) + "|";
    return texto + "produto:" + células(quadro.sinais);
}

runtime::Resultado<SoluçãoDaCondição> ResolverCondição(const Expressão& relação, const Tradutor& t)
{
    const Expressão &esquerda = relação.filhos[0], &direita = relação.filhos[1];
    const bool direitaNula = direita.nó == Nó::Número && direita.número.sign() == 0;
    const Expressão lado = direitaNula ? esquerda : algebra::Soma({esquerda, algebra::Simétrico(direita)});
    runtime::Resultado<Polinómio> p = algebra::Expandir(lado);
    if (!p.Ok())
        return p.Falha();
    SoluçãoDaCondição s;
    s.equação = relação.nó == Nó::Igual;
    const auto comZero = [&](Expressão membro) {
        return algebra::Relação(relação.nó, std::move(membro), algebra::Número(0));
    };
    Intitular(s.documento, t, Texto::TítuloResolver, {relação});
    if (!direitaNula) {
        Dizer(s.documento, t, Texto::TudoNumMembro);
        Mostrar(s.documento, comZero(lado));
    }
    const Polinómio& P = p.Valor();
    if (algebra::ÉZero(P) || algebra::Grau(P) <= GrauMáximoComPassos) {
        Dizer(s.documento, t, Texto::DesenvolverEReduzir);
        PassosDoDesenvolvimento(s.documento, t, lado);
    }
    Mostrar(s.documento, comZero(algebra::ComoExpressão(P)));
    s.análise = algebra::Analisar(P);
    const algebra::Análise& a = s.análise;
    if (!a.sinais.completa) {
        Dizer(s.documento, t, Texto::RaízesPorIsolar);
        return s;
    }
    s.conjunto = algebra::ConjuntoDaCondição(a.sinais, relação.nó, VírgulaDecimal(t));
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
            Mostrar(s.documento, comZero(ExpressãoFactorizada(a.factorização)));
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
    Dizer(s.documento, t, Texto::ConjuntoSolução, {s.conjunto.forma});
    return s;
}

} // namespace vendrix::resolucao
