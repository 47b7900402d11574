// SPDX-License-Identifier: MIT
#include "resolucao/exercicio.h"

#include "algebra/dividir.h"
#include "algebra/escrever.h"
#include "algebra/expandir.h"
#include "algebra/factorizar.h"
#include "algebra/ler.h"
#include "algebra/raizes.h"
#include "algebra/sinais.h"
#include "resolucao/desenvolver.h"
#include "resolucao/divisao_longa.h"
#include "resolucao/factorizacao.h"
#include "resolucao/grafico.h"
#include "resolucao/resolver.h"
#include "resolucao/ruffini.h"

#include <array>
#include <utility>

namespace vendrix::resolucao {

namespace {

using algebra::Polinómio;
using algebra::Racional;

struct Entradas
{
    algebra::Expressão e1; // Polinómio 1 as typed
    Polinómio p1, p2;      // p1 is e1 expanded, but for Resolver
    Racional a;
};

using Resolver = void (*)(const Entradas&, const Tradutor&, Resolução&);

// Each exercise, the boxes it reads besides Polinómio 1, and how it is solved.
struct LinhaDeExercício
{
    Exercício exercício;
    std::string_view nome;
    bool lêPolinómio2, lêPonto;
    bool relação; // Polinómio 1 is an equation or an inequality
    Resolver resolver;
};

// A division refused after reading: a constant dividend for Ruffini's
// rule, a divisor 0 or, for the rule, not of the first degree.
void FalharDivisão(const runtime::Erro& erro, const Tradutor& t, Resolução& r)
{
    const Caixa caixa = erro.código == runtime::Código::NãoÉPolinómio ? Caixa::Polinómio1 : Caixa::Polinómio2;
    r.falha = FalhaDoExercício{erro, caixa, 0, erro.Descrição(t)};
}

// The worked division, or its refusal, with its quotient and remainder.
void Dividido(runtime::Resultado<Documento> documento, const Entradas& e, const Tradutor& t, Resolução& r)
{
    if (!documento.Ok())
        return FalharDivisão(documento.Falha(), t, r);
    r.documento = std::move(documento).Valor();
    const algebra::Divisão d = algebra::Dividir(e.p1, e.p2).Valor();
    r.quociente = algebra::Escrever(d.quociente);
    r.resto = algebra::Escrever(d.resto);
}

void Dividir(const Entradas& e, const Tradutor& t, Resolução& r)
{
    Dividido(ResolverDivisãoLonga(e.p1, e.p2, t), e, t, r);
}

void Explicar(const Entradas& e, const Tradutor& t, Resolução& r)
{
    Dividido(ResolverRuffini(e.p1, e.p2, t), e, t, r);
}

// The double nearest a root with no rational value: its interval halved on
// the irreducible factor that changes sign there until both ends round to
// the same double.
double Aproximar(const algebra::RaizReal& raiz, const algebra::Factorização& f)
{
    Racional mínimo = raiz.mínimo, máximo = raiz.máximo;
    const auto muda = [&](const Polinómio& g) {
        return (algebra::Avaliar(g, mínimo) < 0) != (algebra::Avaliar(g, máximo) < 0);
    };
    for (const algebra::Factor& factor : f.factores) {
        if (mínimo == máximo || algebra::Grau(factor.polinómio) < 2 || !muda(factor.polinómio))
            continue;
        const Polinómio& g = factor.polinómio;
        const bool negativoÀEsquerda = algebra::Avaliar(g, mínimo) < 0;
        for (int i = 0; i < 200 && mínimo.convert_to<double>() != máximo.convert_to<double>(); ++i) {
            const Racional meio = (mínimo + máximo) / 2;
            const Racional v = algebra::Avaliar(g, meio);
            if (v == 0)
                return meio.convert_to<double>();
            ((v < 0) == negativoÀEsquerda ? mínimo : máximo) = meio;
        }
        break;
    }
    return ((mínimo + máximo) / 2).convert_to<double>();
}

void Factorizar(const Entradas& e, const Tradutor& t, Resolução& r)
{
    r.documento = ResolverFactorização(e.p1, t);
    const algebra::Factorização f = algebra::Factorizar(e.p1);
    r.factorização = algebra::TextoFactorização(f);
    for (const algebra::RaizReal& raiz : algebra::CalcularRaízes(f).reais)
        r.raízes.push_back({raiz.exacta, raiz.decimal, raiz.multiplicidade, Aproximar(raiz, f)});
    r.sinais = algebra::CalcularSinais(e.p1).sinais;
    if (!algebra::ÉZero(e.p1) && algebra::Grau(e.p1) > 0)
        r.documento.blocos.emplace_back(DesenharGráfico(e.p1, std::nullopt, t));
}

void Valor(const Entradas& e, const Tradutor& t, Resolução& r)
{
    r.documento = ResolverValor(e.p1, e.a, t);
    r.valor = algebra::EscreverRacional(algebra::Avaliar(e.p1, e.a));
}

void Gráfico(const Entradas& e, const Tradutor& t, Resolução& r)
{
    r.documento = ResolverGráfico(e.p1, std::nullopt, t);
}

// A refusal after reading, of Polinómio 1 as a whole.
void FalharNoPolinómio1(const runtime::Erro& erro, const Tradutor& t, Resolução& r)
{
    r.falha = FalhaDoExercício{erro, Caixa::Polinómio1, 0, erro.Descrição(t)};
}

void Desenvolver(const Entradas& e, const Tradutor& t, Resolução& r)
{
    runtime::Resultado<Desenvolvimento> d = ResolverDesenvolvimento(e.e1, t);
    if (!d.Ok())
        return FalharNoPolinómio1(d.Falha(), t, r);
    r.documento = std::move(d).Valor().documento;
    r.desenvolvimento = algebra::Escrever(e.p1);
}

void ResolverRelação(const Entradas& e, const Tradutor& t, Resolução& r)
{
    runtime::Resultado<SoluçãoDaCondição> s = resolucao::ResolverCondição(e.e1, t);
    if (!s.Ok())
        return FalharNoPolinómio1(s.Falha(), t, r);
    SoluçãoDaCondição solução = std::move(s).Valor();
    r.documento = std::move(solução.documento);
    r.conjunto = solução.conjunto.canónico;
    if (solução.quadro)
        r.quadro = QuadroEmTexto(*solução.quadro);
    if (solução.equação)
        for (const algebra::RaizReal& raiz : solução.análise.raízes.reais)
            r.soluções.push_back({raiz.exacta,
                                  raiz.decimal,
                                  raiz.multiplicidade,
                                  Aproximar(raiz, solução.análise.factorização)});
}

constexpr std::array<LinhaDeExercício, 7> Exercícios{{
    {Exercício::Dividir, "dividir", true, false, false, Dividir},
    {Exercício::Factorizar, "factorizar", false, false, false, Factorizar},
    {Exercício::Valor, "valor", false, true, false, Valor},
    {Exercício::Gráfico, "grafico", false, false, false, Gráfico},
    {Exercício::Explicar, "explicar", true, false, false, Explicar},
    {Exercício::Desenvolver, "desenvolver", false, false, false, Desenvolver},
    {Exercício::Resolver, "resolver", false, false, true, ResolverRelação},
}};

const LinhaDeExercício& Linha(Exercício exercício)
{
    for (const LinhaDeExercício& linha : Exercícios)
        if (linha.exercício == exercício)
            return linha;
    return Exercícios[0];
}

std::string Literal(std::string_view s) { return std::string(s); }

FalhaDoExercício FalhaDeLeitura(const runtime::Erro& erro, Caixa caixa, const Tradutor& t)
{
    constexpr std::array<Texto, 3> frases{
        Texto::LeituraPolinómio1, Texto::LeituraPolinómio2, Texto::LeituraPonto};
    const Frase frase{t(FonteDe(frases[static_cast<std::size_t>(caixa)])),
                      {std::to_string(erro.posição), erro.Descrição(t)}};
    return {erro, caixa, erro.posição, Substituir(frase, Literal, Literal)};
}

// Polinómio 1 as the exercise takes it: an expression expanded, or for
// Resolver a relation, kept as typed.
std::optional<FalhaDoExercício>
LerPolinómio1(const LinhaDeExercício& linha, std::string_view texto, const Tradutor& t, Entradas& e)
{
    runtime::Resultado<algebra::Expressão> lida =
        algebra::LerExpressão(texto, {.parâmetros = {}, .relação = linha.relação, .x = true});
    if (!lida.Ok())
        return FalhaDeLeitura(lida.Falha(), Caixa::Polinómio1, t);
    e.e1 = std::move(lida).Valor();
    if (linha.relação) {
        if (algebra::ÉRelação(e.e1.nó))
            return std::nullopt;
        const runtime::Erro erro = runtime::Falhar(runtime::Código::FaltaRelação);
        return FalhaDoExercício{erro, Caixa::Polinómio1, 0, erro.Descrição(t)};
    }
    runtime::Resultado<Polinómio> p = algebra::Expandir(e.e1);
    if (!p.Ok())
        return FalhaDeLeitura(
            runtime::FalharEm(p.Falha().código, 1, std::string(texto)), Caixa::Polinómio1, t);
    e.p1 = std::move(p).Valor();
    return std::nullopt;
}

// Reads the boxes the exercise needs, or says why one could not be read.
std::optional<FalhaDoExercício>
Ler(const LinhaDeExercício& linha, std::array<std::string_view, 3> textos, const Tradutor& t, Entradas& e)
{
    if (auto falha = LerPolinómio1(linha, textos[0], t, e))
        return falha;
    if (linha.lêPolinómio2) {
        const auto lido = algebra::LerPolinómio(textos[1]);
        if (!lido.Ok())
            return FalhaDeLeitura(lido.Falha(), Caixa::Polinómio2, t);
        e.p2 = lido.Valor();
    }
    if (linha.lêPonto) {
        const auto lido = algebra::LerRacional(textos[2]);
        if (!lido.Ok())
            return FalhaDeLeitura(lido.Falha(), Caixa::Ponto, t);
        e.a = lido.Valor();
    }
    return std::nullopt;
}

Documento SemGráficos(const Documento& documento)
{
    Documento corpo;
    for (const Bloco& bloco : documento.blocos)
        if (!std::holds_alternative<resolucao::Gráfico>(bloco))
            corpo.blocos.push_back(bloco);
    return corpo;
}

} // namespace

std::string_view NomeDoExercício(Exercício exercício) noexcept { return Linha(exercício).nome; }

std::optional<Exercício> ExercícioDoNome(std::string_view nome) noexcept
{
    for (const LinhaDeExercício& linha : Exercícios)
        if (linha.nome == nome)
            return linha.exercício;
    return std::nullopt;
}

std::string RaizEmTexto(const RaizDoExercício& raiz)
{
    return raiz.exacta + '|' + raiz.decimal + '|' + std::to_string(raiz.multiplicidade);
}

Resolução ResolverExercício(Exercício exercício,
                            std::string_view polinómio1,
                            std::string_view polinómio2,
                            std::string_view ponto,
                            const Tradutor& tradutor)
{
    const LinhaDeExercício& linha = Linha(exercício);
    Resolução r;
    r.comando = linha.nome;
    Entradas e;
    r.falha = Ler(linha, {polinómio1, polinómio2, ponto}, tradutor, e);
    if (r.falha)
        return r;
    linha.resolver(e, tradutor, r);
    if (r.falha) {
        r.documento = {};
        return r;
    }
    for (const Bloco& bloco : r.documento.blocos)
        if (const auto* gráfico = std::get_if<resolucao::Gráfico>(&bloco))
            r.svg = gráfico->svg;
    r.corpo = SemGráficos(r.documento);
    return r;
}

} // namespace vendrix::resolucao
