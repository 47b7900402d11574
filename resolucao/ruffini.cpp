// SPDX-License-Identifier: MIT
#include "resolucao/ruffini.h"

#include "resolucao/escrita.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace vendrix::resolucao {

namespace {

using algebra::Polinómio;
using algebra::Racional;

// Fills the table column by column and, given a document, says each
// column in a sentence.
TabelaRuffini Preencher(Documento* doc, const Tradutor& tradutor, const Polinómio& p, const Racional& raiz)
{
    const std::vector<Racional> coeficientes = Descendentes(p);
    TabelaRuffini t{raiz, coeficientes, {}, {coeficientes[0]}};
    if (doc != nullptr)
        Dizer(*doc, tradutor, Texto::BaixarPrimeiro, {algebra::EscreverRacional(coeficientes[0])});
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
                  {algebra::EscreverRacional(t.somas.back()),
                   algebra::EscreverRacional(raiz),
                   algebra::EscreverRacional(produto),
                   algebra::EscreverRacional(coeficientes[i]),
                   algebra::EscreverRacional(soma)});
        t.somas.push_back(soma);
    }
    return t;
}

// The polynomial of the first degree x - raiz.
[[nodiscard]] std::string XMenos(const Racional& raiz)
{
    return algebra::Escrever(algebra::DeCoeficientes({-raiz, Racional(1)}));
}

// Joins signed pieces as a sum: "16 - 24 + 20".
class Soma
{
public:
    void Mais(const Racional& sinal, std::string peça)
    {
        if (texto.empty())
            texto = (sinal < 0 ? "-" : "") + std::move(peça);
        else
            texto.append(sinal < 0 ? " - " : " + ").append(peça);
        ++parcelas;
    }

    std::string texto;
    std::size_t parcelas = 0;
};

} // namespace

TabelaRuffini TabelaDeRuffini(const Polinómio& p, const Racional& raiz, Polinómio& quociente)
{
    TabelaRuffini t = Preencher(nullptr, EmPortuguês, p, raiz);
    std::vector<Racional> q(t.somas.begin(), t.somas.end() - 1);
    std::ranges::reverse(q);
    quociente = algebra::DeCoeficientes(std::move(q));
    return t;
}

std::string Substituição(const Polinómio& p, const Racional& a, std::string_view nome)
{
    const std::string igual =
        std::string(nome).append("(").append(algebra::EscreverRacional(a)).append(") = ");
    const Racional valor = algebra::Avaliar(p, a);
    if (a == 0 || algebra::Grau(p) == 0)
        return igual + algebra::EscreverRacional(valor);
    std::vector<Racional> potências{Racional(1)};
    while (potências.size() < p.coeficientes.size())
        potências.push_back(potências.back() * a);
    // A negative number or a fraction raised or multiplied is bracketed.
    const std::string base = EntreParênteses(a);
    Soma termos, valores;
    for (std::size_t k = p.coeficientes.size(); k-- > 0;) {
        const Racional& c = p.coeficientes[k];
        if (c == 0)
            continue;
        const std::string coeficiente = Coeficiente(abs(c));
        std::string termo = k == 0 ? algebra::EscreverRacional(abs(c)) : coeficiente;
        if (k > 0)
            termo.append(coeficiente.empty() ? "" : "·").append(base);
        if (k > 1)
            termo.append("^").append(std::to_string(k));
        termos.Mais(c, std::move(termo));
        const Racional v = c * potências[k];
        valores.Mais(v, algebra::EscreverRacional(abs(v)));
    }
    if (termos.parcelas == 1)
        return igual + termos.texto + " = " + algebra::EscreverRacional(valor);
    return igual + termos.texto + " = " + valores.texto + " = " + algebra::EscreverRacional(valor);
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
    const std::string p = algebra::Escrever(dividendo), d = algebra::Escrever(divisor);

    Documento doc;
    Intitular(doc, tradutor, Texto::TítuloRuffini, {p, d});
    Dizer(doc, tradutor, Texto::CoeficientesDoDividendo, {Lista(Descendentes(dividendo))});
    Dizer(doc, tradutor, Texto::RaizDoDivisor, {d, "x = " + algebra::EscreverRacional(raiz)});
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
              {algebra::EscreverRacional(a),
               d + " = " + algebra::EscreverRacional(a) + "(" + XMenos(raiz) + ")",
               XMenos(raiz),
               Lista(somas),
               Lista(quociente)});
    }
    std::ranges::reverse(quociente);
    const Polinómio q = algebra::DeCoeficientes(std::move(quociente));
    doc.blocos.emplace_back(Destaque{"Q(x) = " + algebra::Escrever(q)});
    doc.blocos.emplace_back(Destaque{"R = " + algebra::EscreverRacional(resto)});

    Dizer(doc, tradutor, Texto::Verificação);
    doc.blocos.emplace_back(Destaque{ProvaDaDivisão(divisor, q, algebra::DeCoeficientes({resto}))});
    Dizer(doc, tradutor, Texto::TeoremaDoResto, {d, "x = " + algebra::EscreverRacional(raiz)});
    doc.blocos.emplace_back(Destaque{Substituição(dividendo, raiz)});
    return DivisãoResolvida{std::move(doc), q, algebra::DeCoeficientes({resto})};
}

namespace {

// P(a) by substitution, then by Ruffini's table; the question and the
// answer are said as the remainder of the division by divisor when there
// is one.
Documento ValorPorDoisMétodos(const Polinómio& p,
                              const Racional& a,
                              const std::optional<std::string>& divisor,
                              const Tradutor& tradutor)
{
    Documento doc;
    const std::string texto = algebra::Escrever(p), valor = algebra::EscreverRacional(a);
    const std::string resultado = "P(" + valor + ") = " + algebra::EscreverRacional(algebra::Avaliar(p, a));
    if (divisor)
        Intitular(doc, tradutor, Texto::TítuloResto, {"P(x) = " + texto, *divisor});
    else
        Intitular(doc, tradutor, Texto::TítuloValorNumérico, {"P(x) = " + texto, "x = " + valor});
    const auto concluir = [&] {
        if (divisor)
            Dizer(doc, tradutor, Texto::RestoConclusão, {*divisor, resultado});
        else
            Dizer(doc, tradutor, Texto::ValorConclusão, {resultado});
    };
    if (!ComPassos(algebra::Grau(p), algebra::TamanhoDoValor(p, a))) {
        Dizer(doc, tradutor, Texto::ValorSemPassos, {std::to_string(algebra::Grau(p))});
        doc.blocos.emplace_back(Destaque{resultado});
        if (divisor)
            concluir();
        return doc;
    }
    if (divisor)
        Dizer(doc, tradutor, Texto::RestoSubstituição, {*divisor, valor});
    else
        Dizer(doc, tradutor, Texto::ValorSubstituição, {valor});
    doc.blocos.emplace_back(Destaque{Substituição(p, a)});
    Dizer(doc, tradutor, Texto::ValorRuffini, {valor, XMenos(a)});
    Dizer(doc, tradutor, Texto::CoeficientesDoPolinómio, {valor, Lista(Descendentes(p))});
    Polinómio quociente;
    doc.blocos.emplace_back(TabelaDeRuffini(p, a, quociente));
    concluir();
    return doc;
}

} // namespace

Documento ResolverValor(const Polinómio& p, const Racional& a, const Tradutor& tradutor)
{
    return ValorPorDoisMétodos(p, a, std::nullopt, tradutor);
}

Documento ResolverResto(const Polinómio& p, const Polinómio& divisor, const Tradutor& tradutor)
{
    if (algebra::ÉZero(divisor) || algebra::Grau(divisor) != 1)
        return {};
    const Racional raiz = -divisor.coeficientes[0] / divisor.coeficientes[1];
    return ValorPorDoisMétodos(p, raiz, algebra::Escrever(divisor), tradutor);
}

} // namespace vendrix::resolucao
