// SPDX-License-Identifier: MIT
// Each condition on the parameters turned into equations, with the steps
// of the lesson: the remainder or factor theorem, P(c) written out, a long
// division with the parameters in its coefficients.
#include "algebra/escrever.h"
#include "algebra/parametrico.h"
#include "resolucao/escrita.h"
#include "resolucao/parametros_sistema.h"

#include <utility>

namespace vendrix::resolucao {

namespace {

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

std::string Derivada(std::size_t ordem) { return "P" + std::string(ordem, '\''); }

// "2k+9 = 5 ⇔ 2k+4 = 0": with a right side other than 0, the equation the
// system takes is shown too, so that no step is left to guess.
std::string Igualdade(const Pp& esquerda, const Pp& direita)
{
    std::string igualdade = EscreverP(esquerda) + " = " + EscreverP(direita);
    if (!direita.empty())
        igualdade += " ⇔ " + EscreverP(esquerda - direita) + " = 0";
    return igualdade;
}

// "P(2) = 2^3+k·2^2-4 = 4k+4", then the equation it gives.
Pp ValorPedido(const ProblemaDeParâmetros& problema, const Racional& c, const Pp& valor, Documento& doc)
{
    const std::string nome = "P(" + algebra::EscreverRacional(c) + ")";
    const Pp v = algebra::ValorEm(problema.p, c);
    doc.blocos.emplace_back(Destaque{nome + " = " + algebra::EscreverExpressão(ComX(problema.escrito, c)) +
                                     " = " + EscreverP(v)});
    if (v != valor)
        doc.blocos.emplace_back(Destaque{Igualdade(v, valor)});
    return v - valor;
}

// A row of the long division by column, from degree grau down.
std::vector<std::string> Linha(const PolinómioComParâmetros& p, std::size_t grau)
{
    std::vector<std::string> linha(grau + 1);
    bool primeiro = true;
    for (std::size_t k = p.coeficientes.size(); k-- > 0;) {
        if (p.coeficientes[k].empty() || k > grau)
            continue;
        PolinómioComParâmetros termo{std::vector<Pp>(k + 1)};
        termo.coeficientes[k] = p.coeficientes[k];
        std::string s = EscreverP(termo);
        linha[grau - k] = (!primeiro && !s.starts_with('-') ? "+" : "") + s;
        primeiro = false;
    }
    if (p.coeficientes.empty())
        linha.back() = "0";
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
    const std::string divisor = algebra::Escrever(c.divisor);
    Dizer(doc, t, Texto::DivisãoComParâmetros, {divisor});
    if (grau <= GrauMáximoComPassos) {
        DivisãoLonga quadro{divisor, EscreverP(d.quociente), {Linha(problema.p, grau)}, {false}};
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
    Dizer(doc, t, Texto::RestoIgual, {EscreverP(d.resto), algebra::Escrever(c.resto)});
    const std::size_t n = std::max(d.resto.coeficientes.size(), pedido.coeficientes.size());
    for (std::size_t i = n; i-- > 0;) {
        const Pp r = i < d.resto.coeficientes.size() ? d.resto.coeficientes[i] : Pp{};
        const Pp v = i < pedido.coeficientes.size() ? pedido.coeficientes[i] : Pp{};
        doc.blocos.emplace_back(Destaque{Igualdade(r, v)});
        e.iguais.push_back(r - v);
    }
}

void Raiz(const ProblemaDeParâmetros& problema,
          const Condição& c,
          EquaçõesDosParâmetros& e,
          Documento& doc,
          const Tradutor& t)
{
    const std::string ponto = algebra::EscreverRacional(c.ponto);
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
        const std::string nome = Derivada(ordem) + "(" + ponto + ")";
        if (ordem == c.multiplicidade) {
            if (c.exacta) {
                Dizer(doc, t, Texto::MultiplicidadeExata, {std::to_string(ordem), ponto, EscreverP(v)});
                e.diferentes.emplace_back(v, c.multiplicidade);
            }
            return;
        }
        if (derivada.coeficientes.size() <= GrauMáximoComPassos)
            doc.blocos.emplace_back(Destaque{Derivada(ordem) + "(x) = " + EscreverP(derivada)});
        doc.blocos.emplace_back(Destaque{nome + " = " + EscreverP(v)});
        if (!v.empty())
            doc.blocos.emplace_back(Destaque{Igualdade(v, {})});
        e.iguais.push_back(v);
    }
}

} // namespace

std::string EscreverP(const Pp& p) { return algebra::EscreverExpressão(algebra::ExpressãoDe(p)); }

std::string EscreverP(const PolinómioComParâmetros& p)
{
    return algebra::EscreverExpressão(algebra::ExpressãoDe(p));
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
            const std::string d = algebra::Escrever(c.divisor), r = algebra::EscreverRacional(raiz);
            if (c.forma == FormaDaCondição::Divisível)
                Dizer(doc, t, Texto::TeoremaDoFator, {d, r});
            else
                Dizer(doc, t, Texto::TeoremaDoRestoParâmetros, {d, r, algebra::Escrever(c.resto)});
            const Racional resto = c.resto.coeficientes.empty() ? Racional(0) : c.resto.coeficientes[0];
            e.iguais.push_back(ValorPedido(problema, raiz, algebra::ConstanteP(resto), doc));
        } else if (c.forma == FormaDaCondição::Valor) {
            Dizer(doc,
                  t,
                  Texto::ValorPedido,
                  {algebra::EscreverRacional(c.ponto), algebra::EscreverRacional(c.valor)});
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
                      const std::string& descrição,
                      Documento& doc,
                      const Tradutor& t)
{
    PolinómioComParâmetros p = problema.p;
    for (const auto& [letra, valor] : valores)
        if (valor != algebra::LetraP(letra))
            p = algebra::SubstituirLetra(p, letra, valor);
    Dizer(doc, t, Texto::VerificaçãoComValores, {descrição, EscreverP(p)});
    for (const Condição& c : problema.condições) {
        const std::string ponto = algebra::EscreverRacional(c.ponto);
        if (c.forma == FormaDaCondição::Divisível || c.forma == FormaDaCondição::Resto) {
            const algebra::DivisãoComParâmetros d = algebra::DividirComParâmetros(p, c.divisor);
            Dizer(doc, t, Texto::VerificaçãoDoResto, {algebra::Escrever(c.divisor), EscreverP(d.resto)});
        } else if (c.forma == FormaDaCondição::Valor)
            doc.blocos.emplace_back(
                Destaque{"P(" + ponto + ") = " + EscreverP(algebra::ValorEm(p, c.ponto))});
        else {
            std::string linha;
            PolinómioComParâmetros derivada = p;
            const std::size_t última = c.multiplicidade - (c.exacta ? 0 : 1);
            for (std::size_t ordem = 0; ordem <= última; ++ordem) {
                linha += (ordem == 0 ? "" : ", ") + Derivada(ordem) + "(" + ponto +
                         ") = " + EscreverP(algebra::ValorEm(derivada, c.ponto));
                derivada = algebra::DerivadaEmX(derivada);
            }
            doc.blocos.emplace_back(Destaque{linha});
        }
    }
}

} // namespace vendrix::resolucao
