// SPDX-License-Identifier: MIT
// The checks of a division, of Ruffini's table and of a value P(a).
#include "algebra/dividir.h"
#include "algebra/escrever.h"
#include "algebra/expandir.h"
#include "resolucao/verificar.h"
#include "resolucao/verificar_comum.h"
#include "resolucao/verificar_ler.h"
#include "resolucao/verificar_numeros.h"

#include <optional>
#include <utility>

namespace vendrix::resolucao {

namespace {

using algebra::Polinómio;
using algebra::Racional;
using verificar::Errado;

algebra::Expressão Escrito(const Polinómio& p) { return algebra::ComoExpressão(p); }

algebra::Expressão Escrito(const Racional& r) { return algebra::Número(r); }

// A number after the sentence's own operator: "(-4)" in "1 + (-4)". The
// operator is in the sentence, so the brackets are the number's own: a
// one-member list, with no name before it.
algebra::Expressão Parcela(const Racional& r)
{
    return r.sign() < 0 ? algebra::Nome("", {Escrito(r)}) : Escrito(r);
}

// A typed polynomial, when it has rational coefficients and a degree the
// question could call for.
std::optional<Polinómio> PolinómioRacional(const algebra::Expressão& e, std::size_t grauMáximo)
{
    const auto p = verificar::Expandido(e, grauMáximo);
    if (!p.Ok() || !p.Valor().ÉRacional())
        return std::nullopt;
    return verificar::ParaRacional(p.Valor());
}

bool ÉDivisão(const Polinómio& p, const Polinómio& d, const Polinómio& q, const Polinómio& r)
{
    const auto divisão = algebra::Dividir(p, d);
    return divisão.Ok() && divisão.Valor().quociente == q && divisão.Valor().resto == r;
}

// P with the coefficient of x^i left out, the higher ones shifted down.
Polinómio SemCoeficiente(const Polinómio& p, std::size_t i)
{
    std::vector<Racional> c = p.coeficientes;
    c.erase(c.begin() + static_cast<std::ptrdiff_t>(i));
    return algebra::DeCoeficientes(std::move(c));
}

// The dividends a student gets by forgetting the 0 of one missing power,
// or of all of them.
std::vector<Polinómio> SemZeros(const Polinómio& p)
{
    std::vector<Polinómio> dividendos;
    std::vector<Racional> semNenhum;
    for (std::size_t i = 0; i < p.coeficientes.size(); ++i) {
        if (p.coeficientes[i].sign() == 0)
            dividendos.push_back(SemCoeficiente(p, i));
        else
            semNenhum.push_back(p.coeficientes[i]);
    }
    if (dividendos.size() > 1)
        dividendos.push_back(algebra::DeCoeficientes(std::move(semNenhum)));
    return dividendos;
}

// The bottom row of Ruffini's table of P by x - raiz, from the highest degree.
std::vector<Racional> LinhaDeBaixo(const Polinómio& p, const Racional& raiz)
{
    std::vector<Racional> b;
    for (std::size_t k = p.coeficientes.size(); k-- > 0;)
        b.push_back(p.coeficientes[k] + (b.empty() ? Racional(0) : raiz * b.back()));
    return b;
}

Verificação
VerificarTabela(const Polinómio& p, const Polinómio& d, std::string_view resposta, const Tradutor& t)
{
    const auto lidas = verificar::LerLinhas(resposta);
    if (!lidas.Ok())
        return verificar::Ilegível(lidas.Falha(), t);
    const auto& linhas = lidas.Valor();
    const Racional raiz = -d.coeficientes[0] / d.coeficientes[1];
    const std::vector<Racional> certa = LinhaDeBaixo(p, raiz);
    const std::vector<Racional>& baixo = linhas.back();
    const std::size_t n = certa.size();
    if (baixo.size() != n) {
        for (const Polinómio& semZero : SemZeros(p))
            if (baixo == LinhaDeBaixo(semZero, raiz))
                return Errado(t, "zero-em-falta", Texto::ZeroEmFalta, {Escrito(semZero), Escrito(p)});
        return Errado(t, "celula", Texto::CélulasContagem, {std::to_string(n), std::to_string(baixo.size())});
    }
    // The middle row has a cell under every column but the first.
    std::vector<std::optional<Racional>> meio(n);
    if (linhas.size() > 2 || (linhas.size() == 2 && linhas[0].size() + 1 != n && linhas[0].size() != n))
        return Errado(t, "celula", Texto::CélulasContagem, {std::to_string(n), std::to_string(baixo.size())});
    if (linhas.size() == 2)
        for (std::size_t i = 1; i < n; ++i)
            meio[i] = linhas[0][linhas[0].size() + i - n];
    std::vector<Racional> topo;
    for (std::size_t k = p.coeficientes.size(); k-- > 0;)
        topo.push_back(p.coeficientes[k]);
    // Each cell against what the student's own cells before it give: up
    // to the first mistake that is the right value, after it the mistake
    // carried on, until another one starts.
    std::optional<std::size_t> primeira, outra;
    for (std::size_t i = 0; i < n && !outra; ++i) {
        const Racional produto = i == 0 ? Racional(0) : raiz * baixo[i - 1];
        const bool própria =
            (!meio[i] || *meio[i] == produto) && baixo[i] == topo[i] + meio[i].value_or(produto);
        if (!própria)
            (primeira ? outra : primeira) = i;
    }
    if (!primeira)
        return verificar::Certo(t);
    const std::size_t i = *primeira;
    const Racional produto = i == 0 ? Racional(0) : raiz * baixo[i - 1];
    Verificação v =
        meio[i] && *meio[i] != produto
            ? Errado(t,
                     "celula",
                     Texto::CélulaProduto,
                     {std::to_string(i + 1), Escrito(raiz), Parcela(baixo[i - 1]), Escrito(*meio[i])})
            : Errado(t,
                     "celula",
                     Texto::CélulaSoma,
                     {std::to_string(i + 1),
                      Escrito(topo[i]),
                      Parcela(meio[i].value_or(produto)),
                      Escrito(baixo[i])});
    if (outra)
        v.explicação += " " + verificar::Dizer(t, Texto::CélulaOutroErro, {std::to_string(*outra + 1)});
    else if (i + 1 < n)
        v.explicação += " " + verificar::Dizer(t, Texto::CélulasArrastam);
    return v;
}

} // namespace

Verificação VerificarDivisão(
    const Polinómio& p, const Polinómio& d, bool tabela, std::string_view resposta, const Tradutor& t)
{
    if (tabela && !verificar::TemLetras(resposta))
        return VerificarTabela(p, d, resposta, t);
    const auto lida = verificar::LerQuocienteEResto(resposta);
    if (!lida.Ok()) {
        // An answer without its two parts: how to write them, not which term
        // failed, since "x^2+x+1" alone reads well.
        const runtime::Erro& erro = lida.Falha();
        if (erro.código == runtime::Código::TextoVazio ||
            (erro.código == runtime::Código::TermoIlegível && erro.símbolo == resposta)) {
            const std::size_t posição = std::max<std::size_t>(erro.posição, 1);
            return {"",
                    "",
                    verificar::Dizer(
                        t,
                        Texto::LeituraResposta,
                        {std::to_string(posição), verificar::Dizer(t, Texto::QuocienteERestoEmFalta)}),
                    posição};
        }
        return verificar::Ilegível(erro, t);
    }
    const std::size_t grauMáximo = algebra::Grau(p) + 1;
    const auto q = PolinómioRacional(lida.Valor().quociente, grauMáximo);
    const auto r = PolinómioRacional(lida.Valor().resto, grauMáximo);
    if (!q || !r)
        return Errado(t, "", Texto::RespostaImpossível);
    const algebra::Divisão certa = algebra::Dividir(p, d).Valor();
    if (certa.quociente == *q && certa.resto == *r)
        return verificar::Certo(t);
    if (!algebra::ÉZero(*r) && algebra::Grau(*r) >= algebra::Grau(d))
        return Errado(t, "grau-do-resto", Texto::GrauDoResto, {Escrito(*r), Escrito(d)});
    if (algebra::Grau(d) == 1) {
        const Polinómio trocado = algebra::DeCoeficientes({-d.coeficientes[0], d.coeficientes[1]});
        if (ÉDivisão(p, trocado, *q, *r))
            return Errado(t, "sinal-de-a", Texto::SinalDeA, {Escrito(trocado), Escrito(d)});
    }
    for (const Polinómio& semZero : SemZeros(p))
        if (ÉDivisão(semZero, d, *q, *r))
            return Errado(t, "zero-em-falta", Texto::ZeroEmFalta, {Escrito(semZero), Escrito(p)});
    const Racional a = algebra::CoeficienteDominante(d);
    if (algebra::Grau(d) == 1 && a != 1 && *q == a * certa.quociente && *r == certa.resto)
        return Errado(t, "sem-dividir-por-a", Texto::SemDividirPorA, {Escrito(a), Escrito(d)});
    if (*q == certa.quociente)
        return Errado(t, "resto-errado", Texto::RestoErrado);
    if (*r == certa.resto)
        return Errado(t, "quociente-errado", Texto::QuocienteErrado);
    return Errado(t, "", Texto::DivisãoErrada, {Escrito(d * *q + *r), Escrito(p)});
}

namespace {

// "-5·(-3)^2" and the like: a term of the substitution of a in c·x^k.
algebra::Expressão Termo(const Racional& c, std::size_t k, const Racional& a)
{
    std::vector<algebra::Expressão> factores;
    if (k == 0 || abs(c) != 1)
        factores.push_back(Escrito(abs(c)));
    if (k > 0)
        factores.push_back(k == 1 ? Escrito(a) : algebra::Potência(Escrito(a), static_cast<unsigned>(k)));
    algebra::Expressão termo = algebra::Produto(std::move(factores));
    return c.sign() < 0 ? algebra::Simétrico(std::move(termo)) : termo;
}

// The one term whose usual slip (its sign, a power taken as a product,
// the term left out) turns P(a) into the student's value, if exactly one.
std::optional<std::size_t> TermoTrocado(const Polinómio& p, const Racional& a, const Racional& diferença)
{
    std::optional<std::size_t> achado;
    Racional potência = 1;
    for (std::size_t k = 0; k < p.coeficientes.size(); ++k, potência *= a) {
        const Racional& c = p.coeficientes[k];
        if (c.sign() == 0)
            continue;
        const Racional termo = c * potência;
        const Racional errado = termo + diferença;
        if (errado == -termo || errado.sign() == 0 || (k > 1 && errado == c * a * k)) {
            if (achado)
                return std::nullopt;
            achado = k;
        }
    }
    return achado;
}

} // namespace

Verificação
VerificarValor(const Polinómio& p, const Racional& a, std::string_view resposta, const Tradutor& t)
{
    const auto lida = verificar::LerNúmero(resposta);
    if (!lida.Ok())
        return verificar::Ilegível(lida.Falha(), t);
    const auto número = verificar::Expandido(lida.Valor(), 0);
    const Racional certo = algebra::Avaliar(p, a);
    if (!número.Ok() || !número.Valor().ÉRacional())
        return Errado(t, "aritmetica", Texto::ValorErrado, {algebra::Nome("P", {Escrito(a)})});
    const Racional v =
        verificar::ParaRacional(número.Valor()).coeficientes.empty() ? Racional(0) : número.Valor().c[0].a;
    if (v == certo)
        return verificar::Certo(t);
    if (a.sign() != 0 && v == algebra::Avaliar(p, -a))
        return Errado(t, "sinal-de-a", Texto::ValorSinalDeA, {Escrito(-a), Escrito(a)});
    const algebra::Expressão nome = algebra::Nome("P", {Escrito(a)});
    const auto termo = TermoTrocado(p, a, v - certo);
    if (!termo)
        return Errado(t, "aritmetica", Texto::ValorErrado, {nome});
    std::vector<algebra::Expressão> termos;
    for (std::size_t k = p.coeficientes.size(); k-- > *termo;)
        if (p.coeficientes[k].sign() != 0)
            termos.push_back(Termo(p.coeficientes[k], k, a));
    if (*termo > 0)
        termos.push_back(algebra::Nome("…"));
    const algebra::Expressão substituição =
        algebra::Relação(algebra::Nó::Igual, nome, algebra::Soma(std::move(termos)));
    return Errado(
        t, "aritmetica", Texto::ValorTermo, {substituição, Termo(p.coeficientes[*termo], *termo, a)});
}

} // namespace vendrix::resolucao
