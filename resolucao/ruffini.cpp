// SPDX-License-Identifier: MIT
#include "resolucao/ruffini.h"

#include "algebra/expandir.h"
#include "resolucao/escrita.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace vendrix::resolucao {

namespace {

using algebra::Expressão;
using algebra::Número;
using algebra::Polinómio;
using algebra::Racional;

// Fills the table column by column and, given a document, says each
// column in a sentence.
TabelaRuffini Preencher(Documento* doc, const Tradutor& tradutor, const Polinómio& p, const Racional& raiz)
{
    const std::vector<Racional> coeficientes = Descendentes(p);
    TabelaRuffini t{raiz, coeficientes, {}, {coeficientes[0]}};
    if (doc != nullptr)
        Dizer(*doc, tradutor, Texto::BaixarPrimeiro, {Número(coeficientes[0])});
    for (std::size_t i = 1; i < coeficientes.size(); ++i) {
        const Racional produto = t.somas.back() * raiz;
        const Racional soma = coeficientes[i] + produto;
        t.produtos.push_back(produto);
        const Texto frase =
            i + 1 == coeficientes.size() ? Texto::MultiplicarESomarÚltima : Texto::MultiplicarESomar;
        if (doc != nullptr)
            Dizer(*doc,
                  tradutor,
                  frase,
                  {Número(t.somas.back()),
                   Número(raiz),
                   Número(produto),
                   Número(coeficientes[i]),
                   Número(soma)});
        t.somas.push_back(soma);
    }
    return t;
}

// The polynomial of the first degree x - raiz.
[[nodiscard]] Expressão XMenos(const Racional& raiz)
{
    return algebra::ComoExpressão(algebra::DeCoeficientes({-raiz, Racional(1)}));
}

// "x = 2", "Q(x) = x^2+1": a name, or x, equal to a value.
[[nodiscard]] Expressão Igual(Expressão nome, Expressão valor)
{
    return algebra::Relação(algebra::Nó::Igual, std::move(nome), std::move(valor));
}

} // namespace

TabelaRuffini TabelaDeRuffini(const Polinómio& p, const Racional& raiz, Polinómio& quociente)
{
    TabelaRuffini t = Preencher(nullptr, EmPortuguês, p, raiz);
    std::vector<Racional> q(t.somas.begin(), t.somas.end() - 1);
    std::ranges::reverse(q);
    quociente = algebra::DeCoeficientes(std::move(q));
    return t;
}

Expressão ValorPorSubstituição(const Polinómio& p, const Racional& a, std::string_view nome)
{
    const Racional valor = algebra::Avaliar(p, a);
    std::vector<Expressão> membros{algebra::Nome(std::string(nome), {Número(a)})};
    if (a.sign() != 0 && algebra::Grau(p) > 0) {
        Racional potência(1);
        std::vector<Expressão> termos, valores;
        for (std::size_t k = 0; k < p.coeficientes.size(); ++k, potência *= a) {
            const Racional& c = p.coeficientes[k];
            if (c.sign() == 0)
                continue;
            // |c|·a^k, the factor 1 left out but for the constant term.
            std::vector<Expressão> factores;
            if (k == 0 || abs(c) != 1)
                factores.push_back(Número(abs(c)));
            if (k > 0)
                factores.push_back(k == 1 ? Número(a)
                                          : algebra::Potência(Número(a), static_cast<unsigned>(k)));
            Expressão termo = algebra::Produto(std::move(factores));
            termos.push_back(c.sign() < 0 ? algebra::Simétrico(std::move(termo)) : std::move(termo));
            valores.push_back(Número(c * potência));
        }
        std::ranges::reverse(termos);
        std::ranges::reverse(valores);
        const bool umTermo = termos.size() == 1;
        membros.push_back(algebra::Soma(std::move(termos)));
        if (!umTermo)
            membros.push_back(algebra::Soma(std::move(valores)));
    }
    membros.push_back(Número(valor));
    return algebra::Cadeia(algebra::Nó::Igual, std::move(membros));
}

runtime::Resultado<DivisãoResolvida>
ResolverRuffini(const Polinómio& dividendo, const Polinómio& divisor, const Tradutor& tradutor)
{
    if (algebra::ÉZero(divisor) || algebra::Grau(divisor) != 1)
        return runtime::Falhar(runtime::Código::DivisorInválido);
    if (algebra::ÉZero(dividendo) || algebra::Grau(dividendo) == 0)
        return runtime::Falhar(runtime::Código::NãoÉPolinómio);
    const Racional a = divisor.coeficientes[1];
    const Racional raiz = -divisor.coeficientes[0] / a;
    const Expressão d = algebra::ComoExpressão(divisor), xIgualRaiz = Igual(algebra::X(), Número(raiz));

    Documento doc;
    Intitular(doc, tradutor, Texto::TítuloRuffini, {algebra::ComoExpressão(dividendo), d});
    Dizer(doc, tradutor, Texto::CoeficientesDoDividendo, {Lista(Descendentes(dividendo))});
    Dizer(doc, tradutor, Texto::RaizDoDivisor, {d, xIgualRaiz});
    const TabelaRuffini t = Preencher(&doc, tradutor, dividendo, raiz);
    doc.blocos.emplace_back(t);

    const Racional resto = t.somas.back();
    const std::vector<Racional> somas(t.somas.begin(), t.somas.end() - 1);
    std::vector<Racional> quociente = somas;
    if (a == 1) {
        Dizer(doc, tradutor, Texto::QuocienteEResto, {std::to_string(algebra::Grau(dividendo) - 1)});
    } else {
        for (Racional& c : quociente)
            c /= a;
        Dizer(doc,
              tradutor,
              Texto::DividirPeloCoeficiente,
              {Número(a),
               Igual(d, algebra::Produto({Número(a), XMenos(raiz)})),
               XMenos(raiz),
               Lista(somas),
               Lista(quociente)});
    }
    std::ranges::reverse(quociente);
    Polinómio q = algebra::DeCoeficientes(std::move(quociente));
    Polinómio r = algebra::DeCoeficientes({resto});
    Mostrar(doc, Igual(algebra::Nome("Q", {algebra::X()}), algebra::ComoExpressão(q)));
    Mostrar(doc, Igual(algebra::Nome("R"), Número(resto)));

    Dizer(doc, tradutor, Texto::Verificação);
    Mostrar(doc, ProvaDaDivisão(divisor, q, r));
    Dizer(doc, tradutor, Texto::TeoremaDoResto, {d, xIgualRaiz});
    Mostrar(doc, ValorPorSubstituição(dividendo, raiz));
    return DivisãoResolvida{std::move(doc), std::move(q), std::move(r)};
}

namespace {

// P(a) by substitution, then by Ruffini's table; the question and the
// answer are said as the remainder of the division by divisor when there
// is one.
ValorResolvido ValorPorDoisMétodos(const Polinómio& p,
                                   const Racional& a,
                                   const std::optional<Polinómio>& divisor,
                                   const Tradutor& tradutor)
{
    ValorResolvido v{{}, algebra::Avaliar(p, a)};
    Documento& doc = v.documento;
    const Expressão resultado = Igual(algebra::Nome("P", {Número(a)}), Número(v.valor));
    const Expressão pDeX = Igual(algebra::Nome("P", {algebra::X()}), algebra::ComoExpressão(p));
    const std::optional<Expressão> d =
        divisor ? std::optional(algebra::ComoExpressão(*divisor)) : std::nullopt;
    if (d)
        Intitular(doc, tradutor, Texto::TítuloResto, {pDeX, *d});
    else
        Intitular(doc, tradutor, Texto::TítuloValorNumérico, {pDeX, Igual(algebra::X(), Número(a))});
    const auto concluir = [&] {
        if (d)
            Dizer(doc, tradutor, Texto::RestoConclusão, {*d, resultado});
        else
            Dizer(doc, tradutor, Texto::ValorConclusão, {resultado});
    };
    if (!ComPassos(algebra::Grau(p), algebra::TamanhoDoValor(p, a))) {
        Dizer(doc, tradutor, Texto::ValorSemPassos, {std::to_string(algebra::Grau(p))});
        Mostrar(doc, resultado);
        if (d)
            concluir();
        return v;
    }
    if (d)
        Dizer(doc, tradutor, Texto::RestoSubstituição, {*d, Número(a)});
    else
        Dizer(doc, tradutor, Texto::ValorSubstituição, {Número(a)});
    Mostrar(doc, ValorPorSubstituição(p, a));
    Dizer(doc, tradutor, Texto::ValorRuffini, {Número(a), XMenos(a)});
    Dizer(doc, tradutor, Texto::CoeficientesDoPolinómio, {Número(a), Lista(Descendentes(p))});
    Polinómio quociente;
    doc.blocos.emplace_back(TabelaDeRuffini(p, a, quociente));
    concluir();
    return v;
}

} // namespace

ValorResolvido ResolverValor(const Polinómio& p, const Racional& a, const Tradutor& tradutor)
{
    return ValorPorDoisMétodos(p, a, std::nullopt, tradutor);
}

runtime::Resultado<ValorResolvido>
ResolverResto(const Polinómio& p, const Polinómio& divisor, const Tradutor& tradutor)
{
    if (algebra::ÉZero(divisor) || algebra::Grau(divisor) != 1)
        return runtime::Falhar(runtime::Código::DivisorInválido);
    const Racional raiz = -divisor.coeficientes[0] / divisor.coeficientes[1];
    return ValorPorDoisMétodos(p, raiz, divisor, tradutor);
}

} // namespace vendrix::resolucao
