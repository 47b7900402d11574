// SPDX-License-Identifier: MIT
// Each condition on the parameters turned into equations, with the steps
// of the lesson: the remainder or factor theorem, P(c) written out, a long
// division with the parameters in its coefficients.
#include "algebra/escrever.h"
#include "algebra/ler_expressao.h"
#include "algebra/parametrico.h"
#include "resolucao/escrita.h"
#include "resolucao/parametros_sistema.h"

#include <utility>

namespace vendrix::resolucao {

namespace {

using algebra::ExpressãoDe;
using algebra::PolinómioComParâmetros;
using algebra::Pp;
using algebra::Racional;

// x replaced by the number, the shape kept: "2·1^3-1^2+k·1+3".
algebra::Expressão ComX(const algebra::Expressão& e, const Racional& c)
{
    if (e.nó == algebra::Nó::X)
        return algebra::Número(c);
    algebra::Expressão r = e;
    for (algebra::Expressão& filho : r.filhos)
        filho = ComX(filho, c);
    return r;
}

// "P'", "P''": the name of a derivative of P.
std::string Derivada(std::size_t ordem) { return "P" + std::string(ordem, '\''); }

// "P(2)", "P'(x)": the value of P or a derivative at the point.
algebra::Expressão Em(std::size_t ordem, algebra::Expressão ponto)
{
    return algebra::Nome(Derivada(ordem), {std::move(ponto)});
}

// "2k+9 = 5 ⇔ 2k+4 = 0": with a right side other than 0, the equation the
// system takes is shown too, so that no step is left to guess.
algebra::Expressão Igualdade(const Pp& esquerda, const Pp& direita)
{
    if (direita.empty())
        return EquaçãoP(esquerda);
    return algebra::Relação(algebra::Nó::Equivale,
                            algebra::Relação(algebra::Nó::Igual, ExpressãoDe(esquerda), ExpressãoDe(direita)),
                            EquaçãoP(esquerda - direita));
}

// "P(2) = 2^3+k·2^2-4 = 4k+4", then the equation it gives.
Pp ValorPedido(const ProblemaDeParâmetros& problema, const Racional& c, const Pp& valor, Documento& doc)
{
    const Pp v = algebra::ValorEm(problema.p, c);
    Mostrar(doc,
            algebra::Cadeia(algebra::Nó::Igual,
                            {Em(0, algebra::Número(c)), ComX(problema.escrito, c), ExpressãoDe(v)}));
    if (v != valor)
        Mostrar(doc, Igualdade(v, valor));
    return v - valor;
}

// A row of the long division by column, from degree grau down.
DivisãoLonga::Linha Linha(const PolinómioComParâmetros& p, std::size_t grau)
{
    std::vector<DivisãoLonga::Célula> linha(grau + 1);
    bool primeiro = true;
    for (std::size_t k = p.coeficientes.size(); k-- > 0;) {
        if (p.coeficientes[k].empty() || k > grau)
            continue;
        PolinómioComParâmetros termo{std::vector<Pp>(k + 1)};
        termo.coeficientes[k] = p.coeficientes[k];
        algebra::Expressão e = algebra::ExpressãoDe(termo);
        const bool mais = !primeiro && !algebra::ComeçaPorMenos(e);
        linha[grau - k] = {std::move(e), mais};
        primeiro = false;
    }
    if (p.coeficientes.empty())
        linha.back().termo = algebra::Número(0);
    return linha;
}

void Dividido(const ProblemaDeParâmetros& problema,
              const Condição& c,
              EquaçõesDosParâmetros& e,
              Documento& doc,
              const Tradutor& t)
{
    const std::size_t grau = problema.p.coeficientes.size() - 1;
    const algebra::DivisãoComParâmetros d =
        algebra::DividirComParâmetros(problema.p, c.divisor, grau <= GrauMáximoComPassos);
    Dizer(doc, t, Texto::DivisãoComParâmetros, {algebra::ComoExpressão(c.divisor)});
    if (grau <= GrauMáximoComPassos) {
        DivisãoLonga quadro{algebra::ComoExpressão(c.divisor),
                            algebra::ExpressãoDe(d.quociente),
                            {Linha(problema.p, grau)},
                            {false}};
        for (std::size_t k = 0; k < d.termos.size(); ++k) {
            PolinómioComParâmetros simétrico;
            const std::vector<Pp>& termo = d.termos[k].coeficientes;
            simétrico.coeficientes.resize(termo.size() + c.divisor.coeficientes.size() - 1);
            for (std::size_t i = 0; i < c.divisor.coeficientes.size(); ++i)
                simétrico.coeficientes[termo.size() - 1 + i] =
                    Racional(-c.divisor.coeficientes[i]) * termo.back();
            quadro.linhas.push_back(Linha(simétrico, grau));
            quadro.subtraídas.push_back(true);
            quadro.linhas.push_back(Linha(d.restos[k], grau));
            quadro.subtraídas.push_back(false);
        }
        doc.blocos.emplace_back(std::move(quadro));
    }
    const PolinómioComParâmetros pedido = algebra::ComLetras(c.resto);
    Dizer(doc, t, Texto::RestoIgual, {ExpressãoDe(d.resto), algebra::ComoExpressão(c.resto)});
    const std::size_t n = std::max(d.resto.coeficientes.size(), pedido.coeficientes.size());
    for (std::size_t i = n; i-- > 0;) {
        const Pp r = i < d.resto.coeficientes.size() ? d.resto.coeficientes[i] : Pp{};
        const Pp v = i < pedido.coeficientes.size() ? pedido.coeficientes[i] : Pp{};
        Mostrar(doc, Igualdade(r, v));
        e.iguais.push_back(r - v);
    }
}

void Raiz(const ProblemaDeParâmetros& problema,
          const Condição& c,
          EquaçõesDosParâmetros& e,
          Documento& doc,
          const Tradutor& t)
{
    const algebra::Expressão ponto = algebra::Número(c.ponto);
    if (c.multiplicidade == 1 && !c.exacta) {
        Dizer(doc, t, Texto::RaizPedida, {ponto});
        e.iguais.push_back(ValorPedido(problema, c.ponto, {}, doc));
        return;
    }
    Dizer(doc,
          t,
          Texto::RaizMúltiplaPedida,
          {ponto, std::to_string(c.multiplicidade), std::to_string(c.multiplicidade - 1)});
    e.iguais.push_back(ValorPedido(problema, c.ponto, {}, doc));
    PolinómioComParâmetros derivada = problema.p;
    for (std::size_t ordem = 1; ordem <= c.multiplicidade; ++ordem) {
        derivada = algebra::DerivadaEmX(derivada);
        const Pp v = algebra::ValorEm(derivada, c.ponto);
        if (ordem == c.multiplicidade) {
            if (c.exacta) {
                Dizer(doc, t, Texto::MultiplicidadeExata, {std::to_string(ordem), ponto, ExpressãoDe(v)});
                e.diferentes.emplace_back(v, c.multiplicidade);
            }
            return;
        }
        if (derivada.coeficientes.size() <= GrauMáximoComPassos)
            Mostrar(doc,
                    algebra::Relação(algebra::Nó::Igual, Em(ordem, algebra::X()), ExpressãoDe(derivada)));
        Mostrar(doc, algebra::Relação(algebra::Nó::Igual, Em(ordem, ponto), ExpressãoDe(v)));
        if (!v.empty())
            Mostrar(doc, EquaçãoP(v));
        e.iguais.push_back(v);
    }
}

// The expression with x written as the letter: "(k-1)(k+2)" for "(x-1)(x+2)".
algebra::Expressão EmLetra(algebra::Expressão e, char letra)
{
    if (e.nó == algebra::Nó::X)
        return algebra::Parâmetro(letra);
    for (algebra::Expressão& filho : e.filhos)
        filho = EmLetra(std::move(filho), letra);
    return e;
}

} // namespace

std::string EscreverP(const Pp& p) { return algebra::EscreverExpressão(ExpressãoDe(p)); }

std::string EscreverP(const PolinómioComParâmetros& p) { return algebra::EscreverExpressão(ExpressãoDe(p)); }

algebra::Expressão EquaçãoP(const Pp& p)
{
    return algebra::Relação(algebra::Nó::Igual, ExpressãoDe(p), algebra::Número(0));
}

algebra::Expressão ValorDe(char letra, algebra::Expressão valor)
{
    return algebra::Relação(algebra::Nó::Igual, algebra::Parâmetro(letra), std::move(valor));
}

algebra::Expressão Factorizada(const algebra::Factorização& f, char letra)
{
    std::vector<algebra::Expressão> factores;
    if (f.dominante != 1 && f.dominante != -1)
        factores.push_back(algebra::Número(f.dominante));
    for (const algebra::Factor& factor : f.factores) {
        algebra::Expressão base = EmLetra(algebra::ComoExpressão(factor.polinómio), letra);
        factores.push_back(
            factor.multiplicidade > 1
                ? algebra::Potência(std::move(base), static_cast<unsigned>(factor.multiplicidade))
                : std::move(base));
    }
    algebra::Expressão produto =
        factores.empty() ? algebra::Número(f.dominante) : algebra::Produto(std::move(factores));
    return f.dominante == -1 && !f.factores.empty() ? algebra::Simétrico(std::move(produto)) : produto;
}

algebra::Expressão Exacta(const algebra::RaizReal& r)
{
    if (r.forma)
        return *r.forma;
    auto lida = algebra::LerExpressão(r.decimal, {.parâmetros = {}, .relação = false, .x = false});
    return lida.Ok() ? std::move(lida).Valor() : algebra::Número(0);
}

algebra::Expressão EmLista(std::vector<algebra::Expressão> membros)
{
    if (membros.size() == 1)
        return std::move(membros.front());
    return algebra::Lista(std::move(membros));
}

EquaçõesDosParâmetros
EquaçõesDasCondições(const ProblemaDeParâmetros& problema, Documento& doc, const Tradutor& t)
{
    EquaçõesDosParâmetros e;
    for (const Condição& c : problema.condições) {
        const bool linear = c.forma != FormaDaCondição::Valor && c.forma != FormaDaCondição::Raiz &&
                            algebra::Grau(c.divisor) == 1 && c.resto.coeficientes.size() <= 1;
        if (linear) {
            const Racional raiz = -c.divisor.coeficientes[0] / c.divisor.coeficientes[1];
            const algebra::Expressão d = algebra::ComoExpressão(c.divisor), r = algebra::Número(raiz);
            if (c.forma == FormaDaCondição::Divisível)
                Dizer(doc, t, Texto::TeoremaDoFator, {d, r});
            else
                Dizer(doc, t, Texto::TeoremaDoRestoParâmetros, {d, r, algebra::ComoExpressão(c.resto)});
            const Racional resto = c.resto.coeficientes.empty() ? Racional(0) : c.resto.coeficientes[0];
            e.iguais.push_back(ValorPedido(problema, raiz, algebra::ConstanteP(resto), doc));
        } else if (c.forma == FormaDaCondição::Valor) {
            Dizer(doc, t, Texto::ValorPedido, {algebra::Número(c.ponto), algebra::Número(c.valor)});
            e.iguais.push_back(ValorPedido(problema, c.ponto, algebra::ConstanteP(c.valor), doc));
        } else if (c.forma == FormaDaCondição::Raiz)
            Raiz(problema, c, e, doc, t);
        else
            Dividido(problema, c, e, doc, t);
    }
    return e;
}

void VerificarValores(const ProblemaDeParâmetros& problema,
                      const std::vector<std::pair<char, Pp>>& valores,
                      const Fórmula& descrição,
                      Documento& doc,
                      const Tradutor& t)
{
    PolinómioComParâmetros p = problema.p;
    for (const auto& [letra, valor] : valores)
        if (valor != algebra::LetraP(letra))
            p = algebra::SubstituirLetra(p, letra, valor);
    Dizer(doc, t, Texto::VerificaçãoComValores, {descrição, ExpressãoDe(p)});
    for (const Condição& c : problema.condições) {
        const algebra::Expressão ponto = algebra::Número(c.ponto);
        if (c.forma == FormaDaCondição::Divisível || c.forma == FormaDaCondição::Resto) {
            const algebra::DivisãoComParâmetros d = algebra::DividirComParâmetros(p, c.divisor);
            Dizer(
                doc, t, Texto::VerificaçãoDoResto, {algebra::ComoExpressão(c.divisor), ExpressãoDe(d.resto)});
            continue;
        }
        // P(c), and for a root each derivative it asks about.
        const std::size_t última =
            c.forma == FormaDaCondição::Valor ? 0 : c.multiplicidade - (c.exacta ? 0 : 1);
        std::vector<algebra::Expressão> valores;
        PolinómioComParâmetros derivada = p;
        for (std::size_t ordem = 0; ordem <= última; ++ordem) {
            valores.push_back(algebra::Relação(
                algebra::Nó::Igual, Em(ordem, ponto), ExpressãoDe(algebra::ValorEm(derivada, c.ponto))));
            derivada = algebra::DerivadaEmX(derivada);
        }
        Mostrar(doc, EmLista(std::move(valores)));
    }
}

} // namespace vendrix::resolucao
