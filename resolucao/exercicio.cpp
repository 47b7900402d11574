// SPDX-License-Identifier: MIT
#include "resolucao/exercicio.h"

#include "algebra/analise.h"
#include "algebra/escrever.h"
#include "algebra/expandir.h"
#include "algebra/ler.h"
#include "algebra/tamanho.h"
#include "resolucao/desenvolver.h"
#include "resolucao/divisao_longa.h"
#include "resolucao/factores.h"
#include "resolucao/factorizacao.h"
#include "resolucao/formula.h"
#include "resolucao/grafico.h"
#include "resolucao/parametros_sistema.h"
#include "resolucao/resolver.h"
#include "resolucao/ruffini.h"
#include "resolucao/verificar.h"
#include "ruffini/divisao.h"
#include "runtime/numeros.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <variant>

namespace vendrix::resolucao {

namespace {

using algebra::Polinómio;
using algebra::Racional;

struct Entradas
{
    algebra::Expressão e1; // Polinómio 1 as typed
    Polinómio p1, p2;      // p1 is e1 expanded, but for Resolver and Parâmetros
    Racional a;
    // Valor: the point typed as a divisor, "x+3": the question is then the
    // remainder of the division by it, and a is its root.
    std::optional<Polinómio> divisor;
    algebra::PolinómioComParâmetros pp; // Parâmetros: e1 expanded
    std::vector<Condição> condições;
    std::string_view resposta; // the student's answer, checked when not empty
};

using Resolver = void (*)(const Entradas&, const Tradutor&, Resolução&);

// Each exercise, the boxes it reads besides Polinómio 1, and how it is solved.
struct LinhaDeExercício
{
    Exercício exercício;
    std::string_view nome;
    bool lêPolinómio2, lêPonto;
    bool relação; // Polinómio 1 is an equation or an inequality
    bool lêCondições;
    Resolver resolver;
};

// A division refused after reading: a constant dividend for Ruffini's
// rule, a divisor 0 or, for the rule, not of the first degree.
void FalharDivisão(const runtime::Erro& erro, const Tradutor& t, Resolução& r)
{
    const Caixa caixa = erro.código == runtime::Código::NãoÉPolinómio ? Caixa::Polinómio1 : Caixa::Polinómio2;
    r.falha = FalhaDoExercício{erro, caixa, 0, erro.Descrição(t)};
}

// The worked division, or its refusal, with the quotient and remainder it
// came to.
void Dividido(runtime::Resultado<DivisãoResolvida> divisão, const Tradutor& t, Resolução& r)
{
    if (!divisão.Ok())
        return FalharDivisão(divisão.Falha(), t, r);
    DivisãoResolvida d = std::move(divisão).Valor();
    r.documento = std::move(d.documento);
    r.quociente = algebra::Escrever(d.quociente);
    r.resto = algebra::Escrever(d.resto);
}

// The check of a quotient and remainder, or for Explicar of the table's
// rows too, once the division itself went through.
void VerificarQuocienteEResto(const Entradas& e, bool tabela, const Tradutor& t, Resolução& r)
{
    if (!r.falha && !e.resposta.empty())
        r.verificação = resolucao::VerificarDivisão(e.p1, e.p2, tabela, e.resposta, t);
}

void Dividir(const Entradas& e, const Tradutor& t, Resolução& r)
{
    Dividido(ResolverDivisãoLonga(e.p1, e.p2, t), t, r);
    VerificarQuocienteEResto(e, false, t, r);
}

// Explicar reads the boxes as the Ruffini command does (see
// ExplicarDivisão), never through the algebra's reader.
void Explicar(const Entradas&, const Tradutor&, Resolução&) {}

// One analysis of P serves the steps, the result fields and the graph.
void Factorizar(const Entradas& e, const Tradutor& t, Resolução& r)
{
    const algebra::Análise a = algebra::Analisar(e.p1);
    r.documento = ResolverFactorização(a, t);
    r.factorização = FactorizaçãoOrdenada(a.factorização);
    r.factorizaçãoReal = FactorizaçãoReal(a);
    for (const algebra::RaizReal& raiz : a.raízes.reais)
        r.raízes.push_back({raiz.exacta, raiz.decimal, raiz.multiplicidade, raiz.valor});
    r.sinais = a.sinais.sinais;
    // The same rows as Resolver's, from the table the steps draw.
    for (const Bloco& bloco : r.documento.blocos)
        if (const auto* quadro = std::get_if<TabelaDeSinais>(&bloco))
            r.quadro = QuadroEmTexto(*quadro);
    if (!algebra::ÉZero(e.p1) && algebra::Grau(e.p1) > 0)
        r.documento.blocos.emplace_back(DesenharGráfico(e.p1, a.raízes, std::nullopt, t));
    if (!e.resposta.empty())
        r.verificação = VerificarFactorização(a, e.resposta, t);
}

void Valor(const Entradas& e, const Tradutor& t, Resolução& r)
{
    runtime::Resultado<ValorResolvido> resolvido =
        e.divisor ? ResolverResto(e.p1, *e.divisor, t) : runtime::Resultado(ResolverValor(e.p1, e.a, t));
    if (!resolvido.Ok())
        return FalharDivisão(resolvido.Falha(), t, r);
    ValorResolvido v = std::move(resolvido).Valor();
    r.documento = std::move(v.documento);
    r.valor = algebra::EscreverRacional(v.valor);
    if (!e.resposta.empty())
        r.verificação = VerificarValor(e.p1, e.a, e.resposta, t);
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
            r.soluções.push_back({raiz.exacta, raiz.decimal, raiz.multiplicidade, raiz.valor});
    if (!e.resposta.empty())
        r.verificação = VerificarConjunto(e.e1, solução.análise, e.resposta, t);
}

void ResolverParâmetros(const Entradas& e, const Tradutor& t, Resolução& r)
{
    const auto soluções = ResolverParâmetrosDoExercício({e.e1, e.pp, {}, e.condições}, t, r);
    if (soluções && !e.resposta.empty())
        r.verificação = VerificarParâmetros(*soluções, e.resposta, t);
}

constexpr std::array<LinhaDeExercício, 8> Exercícios{{
    {Exercício::Dividir, "dividir", true, false, false, false, Dividir},
    {Exercício::Factorizar, "factorizar", false, false, false, false, Factorizar},
    {Exercício::Valor, "valor", false, true, false, false, Valor},
    {Exercício::Gráfico, "grafico", false, false, false, false, Gráfico},
    {Exercício::Explicar, "explicar", true, false, false, false, Explicar},
    {Exercício::Desenvolver, "desenvolver", false, false, false, false, Desenvolver},
    {Exercício::Resolver, "resolver", false, false, true, false, ResolverRelação},
    {Exercício::Parâmetros, "parametros", false, false, false, true, ResolverParâmetros},
}};

const LinhaDeExercício& Linha(Exercício exercício)
{
    for (const LinhaDeExercício& linha : Exercícios)
        if (linha.exercício == exercício)
            return linha;
    return Exercícios[0];
}

Resolução Explicado(const ruffini::Divisão& divisão, std::string_view resposta, const Tradutor& tradutor);

FalhaDoExercício FalhaDeLeitura(const runtime::Erro& erro, Caixa caixa, const Tradutor& t)
{
    constexpr std::array<Texto, 3> frases{
        Texto::LeituraPolinómio1, Texto::LeituraPolinómio2, Texto::LeituraPonto};
    const Frase frase{t(FonteDe(frases[static_cast<std::size_t>(caixa)])),
                      {std::to_string(erro.posição), erro.Descrição(t)}};
    return {erro, caixa, erro.posição, FraseEmTexto(frase)};
}

// Polinómio 1 as the exercise takes it: an expression expanded, or for
// Resolver a relation, kept as typed.
std::optional<FalhaDoExercício>
LerPolinómio1(const LinhaDeExercício& linha, std::string_view texto, const Tradutor& t, Entradas& e)
{
    runtime::Resultado<algebra::Expressão> lida =
        algebra::LerExpressão(texto,
                              {.parâmetros = linha.lêCondições ? LetrasDosParâmetros : std::string_view{},
                               .relação = linha.relação,
                               .x = true});
    if (!lida.Ok())
        return FalhaDeLeitura(lida.Falha(), Caixa::Polinómio1, t);
    e.e1 = std::move(lida).Valor();
    if (linha.relação) {
        if (algebra::ÉRelação(e.e1.nó))
            return std::nullopt;
        const runtime::Erro erro = runtime::Falhar(runtime::Código::FaltaRelação);
        return FalhaDoExercício{erro, Caixa::Polinómio1, 0, erro.Descrição(t)};
    }
    if (linha.lêCondições) {
        auto pp = algebra::ExpandirComParâmetros(e.e1);
        if (!pp.Ok())
            return FalhaDeLeitura(
                runtime::FalharEm(pp.Falha().código, 1, std::string(texto)), Caixa::Polinómio1, t);
        e.pp = std::move(pp).Valor();
        return std::nullopt;
    }
    runtime::Resultado<Polinómio> p = algebra::Expandir(e.e1);
    if (!p.Ok())
        return FalhaDeLeitura(
            runtime::FalharEm(p.Falha().código, 1, std::string(texto)), Caixa::Polinómio1, t);
    e.p1 = std::move(p).Valor();
    return std::nullopt;
}

// The point a, or a divisor of the first degree whose root it is: "x+3"
// asks for the remainder of the division by x + 3, which is P(-3). A text
// that is neither keeps the number reader's refusal, but a polynomial of
// another degree, which is refused as a divisor.
std::optional<FalhaDoExercício> LerPonto(std::string_view texto, const Tradutor& t, Entradas& e)
{
    const auto lido = algebra::LerRacional(texto);
    if (lido.Ok()) {
        e.a = lido.Valor();
        return std::nullopt;
    }
    const auto divisor = algebra::LerPolinómio(texto);
    if (!divisor.Ok() || algebra::ÉZero(divisor.Valor()) || algebra::Grau(divisor.Valor()) == 0)
        return FalhaDeLeitura(lido.Falha(), Caixa::Ponto, t);
    const Polinómio& d = divisor.Valor();
    if (algebra::Grau(d) != 1) {
        const runtime::Erro erro = runtime::Falhar(runtime::Código::DivisorInválido);
        return FalhaDoExercício{erro, Caixa::Ponto, 0, erro.Descrição(t)};
    }
    e.a = -d.coeficientes[0] / d.coeficientes[1];
    e.divisor = d;
    return std::nullopt;
}

// Reads the boxes the exercise needs, or says why one could not be read.
std::optional<FalhaDoExercício>
Ler(const LinhaDeExercício& linha, std::array<std::string_view, 4> textos, const Tradutor& t, Entradas& e)
{
    if (auto falha = LerPolinómio1(linha, textos[0], t, e))
        return falha;
    if (linha.lêPolinómio2) {
        const auto lido = algebra::LerPolinómio(textos[1]);
        if (!lido.Ok())
            return FalhaDeLeitura(lido.Falha(), Caixa::Polinómio2, t);
        e.p2 = lido.Valor();
    }
    if (linha.lêPonto)
        return LerPonto(textos[2], t, e);
    if (linha.lêCondições)
        return LerCondiçõesDoExercício(textos[3], t, e.condições);
    return std::nullopt;
}

// "40 milhões de", "250 mil": about how many digits, in words.
std::string Algarismos(double algarismos, const Tradutor& t)
{
    constexpr std::array<std::pair<double, Texto>, 3> Ordens{{
        {1e9, Texto::AlgarismosMilMilhões},
        {1e6, Texto::AlgarismosMilhões},
        {1e3, Texto::AlgarismosMil},
    }};
    for (const auto& [ordem, texto] : Ordens)
        if (algarismos >= ordem) {
            const auto quantos = runtime::ParaInteiro32(std::min(algarismos / ordem, 2e9));
            const std::int32_t n = quantos.Ok() ? quantos.Valor() : 0;
            const Texto frase = n == 1 && texto == Texto::AlgarismosMilhões ? Texto::AlgarismosMilhão : texto;
            return FraseEmTexto(Frase{t(FonteDe(frase)), {std::to_string(n)}});
        }
    const auto quantos = runtime::ParaInteiro32(algarismos);
    return std::to_string(quantos.Ok() ? quantos.Valor() : 0);
}

// Refuses, before any work, an answer too long to read: the estimate is an
// upper bound of its digits. Where the steps can be left out (ComPassos),
// only the answer counts; Ruffini's explanation is all steps. The box to
// blame is the one whose change alone would bring it within the budget.
std::optional<FalhaDoExercício> GrandeDemais(Exercício exercício, const Entradas& e, const Tradutor& t)
{
    const bool sóAResposta = exercício != Exercício::Explicar && exercício != Exercício::Parâmetros;
    const auto algarismos = [&](const algebra::Tamanho& tamanho) {
        return sóAResposta ? tamanho.resposta : tamanho.Total();
    };
    algebra::Tamanho tamanho;
    Caixa caixa = Caixa::Polinómio1;
    if (exercício == Exercício::Dividir || exercício == Exercício::Explicar) {
        tamanho = algebra::TamanhoDaDivisão(e.p1, e.p2);
        const Polinómio pequeno = algebra::Monómio(1, algebra::Grau(e.p2)) - algebra::Monómio(1, 0);
        if (!algebra::ÉZero(e.p2) &&
            algarismos(algebra::TamanhoDaDivisão(e.p1, pequeno)) <= algebra::AlgarismosMáximos)
            caixa = Caixa::Polinómio2;
    } else if (exercício == Exercício::Valor) {
        tamanho = algebra::TamanhoDoValor(e.p1, e.a);
        if (algarismos(algebra::TamanhoDoValor(e.p1, 2)) <= algebra::AlgarismosMáximos)
            caixa = Caixa::Ponto;
    } else if (exercício == Exercício::Factorizar)
        tamanho = algebra::TamanhoDaFactorização(e.p1);
    else if (exercício == Exercício::Parâmetros)
        tamanho = TamanhoDosParâmetros(e.pp, e.condições);
    if (algarismos(tamanho) <= algebra::AlgarismosMáximos)
        return std::nullopt;
    const Frase frase{t(FonteDe(Texto::ResultadoGrandeDemais)), {Algarismos(algarismos(tamanho), t)}};
    return FalhaDoExercício{runtime::Falhar(runtime::Código::Transbordo), caixa, 0, FraseEmTexto(frase)};
}

Resolução Concluir(Resolução r)
{
    if (r.falha) {
        r.documento = {};
        return r;
    }
    for (const Bloco& bloco : r.documento.blocos)
        if (const auto* gráfico = std::get_if<resolucao::Gráfico>(&bloco))
            r.svg = SvgDoGráfico(*gráfico);
    return r;
}

// The dividend as the table holds it: the coefficients Coef(0) …
// Coef(degree), from the highest degree.
std::optional<Polinómio> DividendoDaTabela(const ruffini::Divisão& d)
{
    if (!d.GrauDividendo || *d.GrauDividendo < 1)
        return std::nullopt;
    const auto grau = static_cast<std::size_t>(*d.GrauDividendo);
    if (grau >= d.Coef.size())
        return std::nullopt;
    std::vector<Racional> coeficientes(grau + 1);
    for (std::size_t k = 0; k <= grau; ++k) {
        const auto lido = d.Coef[k] ? algebra::LerRacional(*d.Coef[k]) : algebra::LerRacional("");
        if (!lido.Ok())
            return std::nullopt;
        coeficientes[grau - k] = lido.Valor();
    }
    return algebra::DeCoeficientes(std::move(coeficientes));
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

std::vector<std::string_view> NomesDosExercícios()
{
    std::vector<std::string_view> nomes;
    nomes.reserve(Exercícios.size());
    for (const LinhaDeExercício& linha : Exercícios)
        nomes.push_back(linha.nome);
    return nomes;
}

std::vector<Caixa> CaixasDoExercício(Exercício exercício)
{
    const LinhaDeExercício& linha = Linha(exercício);
    std::vector<Caixa> caixas{Caixa::Polinómio1};
    if (linha.lêPolinómio2)
        caixas.push_back(Caixa::Polinómio2);
    if (linha.lêPonto)
        caixas.push_back(Caixa::Ponto);
    if (linha.lêCondições)
        caixas.push_back(Caixa::Condições);
    return caixas;
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
    return ResolverExercício(exercício, Pergunta{polinómio1, polinómio2, ponto, {}, {}}, tradutor);
}

Resolução ResolverExercício(Exercício exercício, const Pergunta& pergunta, const Tradutor& tradutor)
{
    const LinhaDeExercício& linha = Linha(exercício);
    if (exercício == Exercício::Explicar)
        return Explicado(
            ruffini::Dividir(pergunta.polinómio1, pergunta.polinómio2, interpreter::SementesDoRelógio()),
            pergunta.resposta,
            tradutor);
    Resolução r;
    r.comando = linha.nome;
    Entradas e;
    e.resposta = pergunta.resposta;
    r.falha = Ler(
        linha, {pergunta.polinómio1, pergunta.polinómio2, pergunta.ponto, pergunta.condições}, tradutor, e);
    if (!r.falha)
        r.falha = GrandeDemais(exercício, e, tradutor);
    if (r.falha)
        return r;
    linha.resolver(e, tradutor, r);
    return Concluir(std::move(r));
}

Resolução ExplicarDivisão(const ruffini::Divisão& divisão, const Tradutor& tradutor)
{
    return Explicado(divisão, {}, tradutor);
}

namespace {

Resolução Explicado(const ruffini::Divisão& divisão, std::string_view resposta, const Tradutor& tradutor)
{
    Resolução r;
    r.comando = NomeDoExercício(Exercício::Explicar);
    if (const runtime::Relato* recusa = divisão.Recusa()) {
        const Caixa caixa = divisão.foco == ruffini::Entrada::Divisor ? Caixa::Polinómio2 : Caixa::Polinómio1;
        r.falha = FalhaDoExercício{recusa->erro, caixa, 0, recusa->erro.Descrição(tradutor)};
        return r;
    }
    const auto dividendo = DividendoDaTabela(divisão);
    const auto raiz = divisão.Div ? algebra::LerRacional(*divisão.Div) : algebra::LerRacional("");
    if (!dividendo || !raiz.Ok() || !divisão.raiz || !std::isfinite(divisão.raiz->a) ||
        divisão.raiz->a == 0) {
        FalharDivisão(runtime::Falhar(runtime::Código::ValoresGrandes), tradutor, r);
        return r;
    }
    // The divisor the table divided by: a·(x - root), a its x-coefficient.
    const Racional a(static_cast<double>(divisão.raiz->a));
    Entradas e;
    e.p1 = *dividendo;
    e.p2 = algebra::DeCoeficientes({-a * raiz.Valor(), a});
    e.resposta = resposta;
    r.falha = GrandeDemais(Exercício::Explicar, e, tradutor);
    if (!r.falha) {
        Dividido(ResolverRuffini(e.p1, e.p2, tradutor), tradutor, r);
        VerificarQuocienteEResto(e, true, tradutor, r);
    }
    return Concluir(std::move(r));
}

} // namespace

} // namespace vendrix::resolucao
