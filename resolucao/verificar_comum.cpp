// SPDX-License-Identifier: MIT
#include "resolucao/verificar_comum.h"

#include "algebra/conjunto.h"
#include "algebra/expandir.h"
#include "resolucao/documento.h"
#include "resolucao/formula.h"

#include <utility>

namespace vendrix::resolucao::verificar {

std::string Dizer(const Tradutor& tradutor, Texto texto, std::vector<Fórmula> argumentos)
{
    return FraseEmTexto(Frase{tradutor(FonteDe(texto)), std::move(argumentos)});
}

Verificação Certo(const Tradutor& tradutor)
{
    return {"certo", "", Dizer(tradutor, Texto::RespostaCerta), 0};
}

Verificação Errado(const Tradutor& tradutor, std::string código, Texto texto, std::vector<Fórmula> argumentos)
{
    return {"errado", std::move(código), Dizer(tradutor, texto, std::move(argumentos)), 0};
}

Verificação Ilegível(const runtime::Erro& erro, const Tradutor& tradutor)
{
    const std::size_t posição = erro.posição == 0 ? 1 : erro.posição;
    return {"",
            "",
            Dizer(tradutor, Texto::LeituraResposta, {std::to_string(posição), erro.Descrição(tradutor)}),
            posição};
}

algebra::Expressão ComoProduto(const algebra::Factorização& f)
{
    if (f.factores.empty())
        return algebra::Número(f.dominante);
    std::vector<algebra::Expressão> produto;
    if (f.dominante != 1 && f.dominante != -1)
        produto.push_back(algebra::Número(f.dominante));
    for (const algebra::Factor& factor : f.factores) {
        algebra::Expressão base = algebra::ComoExpressão(factor.polinómio);
        produto.push_back(
            factor.multiplicidade > 1
                ? algebra::Potência(std::move(base), static_cast<unsigned>(factor.multiplicidade))
                : std::move(base));
    }
    algebra::Expressão e = algebra::Produto(std::move(produto));
    return f.dominante == -1 ? algebra::Simétrico(std::move(e)) : e;
}

Fórmula DaRaiz(const algebra::RaizReal& raiz)
{
    if (raiz.mínimo == raiz.máximo)
        return algebra::Número(raiz.mínimo);
    return algebra::TextoDaRaiz(raiz);
}

Fórmula XIgual(const algebra::RaizReal& raiz)
{
    if (raiz.mínimo == raiz.máximo)
        return algebra::Relação(algebra::Nó::Igual, algebra::X(), algebra::Número(raiz.mínimo));
    return "x = " + algebra::TextoDaRaiz(raiz);
}

} // namespace vendrix::resolucao::verificar
