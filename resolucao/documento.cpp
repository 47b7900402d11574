// SPDX-License-Identifier: MIT
#include "resolucao/documento.h"

#include <utility>

namespace vendrix::resolucao {

void Dizer(Documento& documento, const Tradutor& tradutor, Texto texto, std::vector<Fórmula> argumentos)
{
    documento.blocos.emplace_back(Frase{tradutor(FonteDe(texto)), std::move(argumentos)});
}

void Intitular(Documento& documento, const Tradutor& tradutor, Texto texto, std::vector<Fórmula> argumentos)
{
    documento.blocos.emplace_back(Título{Frase{tradutor(FonteDe(texto)), std::move(argumentos)}});
}

Fórmula RótuloDoFactor(const TabelaDeSinais::Linha& linha)
{
    const auto* factor = std::get_if<algebra::Expressão>(&linha.factor.valor);
    if (factor == nullptr || linha.expoente <= 1)
        return linha.factor;
    return algebra::Potência(*factor, static_cast<unsigned>(linha.expoente));
}

std::vector<std::vector<Fórmula>> LinhasDoQuadro(const TabelaDeSinais& tabela)
{
    std::vector<Fórmula> x{algebra::X(), algebra::Infinito(false)};
    for (std::size_t i = 0; i < tabela.sinais.size(); ++i)
        x.push_back(i % 2 == 1 && i / 2 < tabela.raízes.size() ? tabela.raízes[i / 2] : Fórmula(""));
    x.emplace_back(algebra::Infinito(true));
    std::vector<std::vector<Fórmula>> linhas{std::move(x)};
    const auto linha = [&](Fórmula rótulo, std::string_view sinais) {
        std::vector<Fórmula> l{std::move(rótulo), ""};
        for (const char s : sinais)
            l.emplace_back(std::string(1, s));
        l.emplace_back("");
        linhas.push_back(std::move(l));
    };
    for (const TabelaDeSinais::Linha& f : tabela.factores)
        linha(RótuloDoFactor(f), f.sinais);
    linha(tabela.função, tabela.sinais);
    return linhas;
}

void Mostrar(Documento& documento, Fórmula fórmula)
{
    documento.blocos.emplace_back(Destaque{std::move(fórmula)});
}

algebra::Expressão Disjunção(const Tradutor& tradutor, std::vector<algebra::Expressão> membros)
{
    return algebra::Ou(std::move(membros), tradutor(FonteDe(Texto::Ou)));
}

algebra::Expressão DecimalEscrito(const Tradutor& tradutor, std::string_view decimal)
{
    return algebra::Decimal(Decimal(tradutor, decimal));
}

std::string Decimal(const Tradutor& tradutor, std::string_view decimal)
{
    const std::string vírgula = tradutor(FonteDe(Texto::VírgulaDecimal));
    std::string texto;
    for (const char c : decimal)
        c == '.' ? texto.append(vírgula) : texto.append(1, c);
    return texto;
}

std::string
Substituir(const Frase& frase, std::string (*texto)(std::string_view), std::string (*fórmula)(const Fórmula&))
{
    const std::string_view m = frase.modelo;
    std::string saída;
    std::size_t início = 0;
    for (std::size_t i = 0; i + 1 < m.size(); ++i) {
        if (m[i] != '%' || m[i + 1] < '1' || m[i + 1] > '9')
            continue;
        saída += texto(m.substr(início, i - início));
        const auto n = static_cast<std::size_t>(m[i + 1] - '1');
        if (n < frase.argumentos.size())
            saída += fórmula(frase.argumentos[n]);
        início = i + 2;
        ++i;
    }
    saída += texto(m.substr(início));
    return saída;
}

} // namespace vendrix::resolucao
