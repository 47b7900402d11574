// SPDX-License-Identifier: MIT
#include "engine/simplificar.h"

#include "engine/termos.h"
#include "runtime/numeros.h"
#include "runtime/numeros_rapidos.h"

#include <cstdint>
#include <vector>

namespace vendrix::engine {

using runtime::Código;
using runtime::Falhar;
using runtime::Resultado;

namespace {

struct Grau
{
    float lido;
    std::string_view termo;
};

// Every degree is read before any coefficient, so an unreadable exponent
// anywhere is the failure reported. They are kept for the second pass.
Resultado<std::vector<Grau>> LerGraus(std::string_view texto)
{
    std::vector<Grau> graus;
    graus.reserve(ContarTermos(texto));
    Termos termos(texto);
    while (const auto termo = termos.Próximo()) {
        const Resultado<float> grau = LerGrau(*termo);
        if (!grau.Ok())
            return grau.Falha();
        graus.push_back({grau.Valor(), *termo});
    }
    return graus;
}

// Adds every coefficient into the entry of its degree. The table is sized
// by the largest degree alone, so x^30000 costs 30,001 entries.
Resultado<std::vector<float>> Coligir(std::string_view texto)
{
    if (ContarTermos(texto) > LimiteDeTermos)
        return TermosAMais(texto);
    const Resultado<std::vector<Grau>> graus = LerGraus(texto);
    if (!graus.Ok())
        return graus.Falha();
    Grau maior{0.0f, {}}; // the table always has the entry for degree 0
    for (const Grau& grau : graus.Valor())
        if (maior.lido <= grau.lido)
            maior = grau;
    const Resultado<std::int16_t> n = runtime::ParaInteiro16(maior.lido);
    if (!n.Ok())
        return FalhaNoTermo(n.Falha().código, maior.termo);
    std::vector<float> tabela(static_cast<std::size_t>(n.Valor()) + 1, 0.0f);
    for (const Grau& lido : graus.Valor()) {
        const Resultado<float> coeficiente = LerCoeficiente(lido.termo);
        if (!coeficiente.Ok())
            return coeficiente.Falha();
        const Resultado<std::int16_t> grau = runtime::ParaInteiro16(lido.lido);
        if (!grau.Ok())
            return FalhaNoTermo(grau.Falha().código, lido.termo);
        // Only a direct caller can hand in a negative exponent ("x^-2");
        // typed text separates it into two terms.
        if (grau.Valor() < 0)
            return FalhaNoTermo(Código::ÍndiceForaDoIntervalo, lido.termo);
        float& entrada = tabela[static_cast<std::size_t>(grau.Valor())];
        const Resultado<float> soma = runtime::ParaSimples(double{entrada} + double{coeficiente.Valor()});
        if (!soma.Ok())
            return FalhaNoTermo(soma.Falha().código, lido.termo);
        entrada = soma.Valor();
    }
    return tabela;
}

void EscreverTermo(std::string& resultado, std::size_t grau, float c)
{
    if (c == 1.0f)
        resultado += grau == 0 ? "+1" : "+x";
    else if (c == -1.0f)
        resultado += grau == 0 ? "-1" : "-x";
    else {
        if (c > 0.0f)
            resultado += '+';
        resultado += runtime::TextoDeSimplesDepressa(c);
        if (grau > 0)
            resultado += 'x';
    }
    if (grau >= 2) {
        resultado += '^';
        resultado += runtime::TextoDeInteiro(static_cast<std::int64_t>(grau));
    }
    resultado += ' ';
}

} // namespace

runtime::Relatado<std::string> Simplificar(std::string_view texto)
{
    const Resultado<std::vector<float>> tabela = Coligir(texto);
    if (!tabela.Ok())
        return {{}, {RelatoDeFalha(TítuloSimplificar, tabela.Falha())}};
    return {EscreverTabela(tabela.Valor()), {}};
}

std::string EscreverTabela(std::span<const float> tabela)
{
    std::string resultado;
    for (std::size_t d = tabela.size(); d-- > 0;)
        if (const float c = tabela[d]; c != 0.0f)
            EscreverTermo(resultado, d, c);
    return resultado;
}

} // namespace vendrix::engine
