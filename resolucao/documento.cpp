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

std::string RótuloDoFactor(const TabelaDeSinais::Linha& linha)
{
    const bool soma = linha.factor.find_first_of("+-", 1) != std::string::npos;
    std::string rótulo = soma ? "(" + linha.factor + ")" : linha.factor;
    if (linha.expoente > 1)
        rótulo += "^" + std::to_string(linha.expoente);
    return rótulo;
}

std::vector<std::vector<std::string>> LinhasDoQuadro(const TabelaDeSinais& tabela)
{
    std::vector<std::string> x{"x", "-∞"};
    for (std::size_t i = 0; i < tabela.sinais.size(); ++i)
        x.push_back(i % 2 == 1 && i / 2 < tabela.raízes.size() ? tabela.raízes[i / 2] : "");
    x.emplace_back("+∞");
    std::vector<std::vector<std::string>> linhas{std::move(x)};
    const auto linha = [&](std::string rótulo, std::string_view sinais) {
        std::vector<std::string> l{std::move(rótulo), ""};
        for (const char s : sinais)
            l.emplace_back(1, s);
        l.emplace_back();
        linhas.push_back(std::move(l));
    };
    for (const TabelaDeSinais::Linha& f : tabela.factores)
        linha(RótuloDoFactor(f), f.sinais);
    linha(tabela.função, tabela.sinais);
    return linhas;
}

std::string Disjunção(const Tradutor& tradutor, const std::vector<std::string>& membros)
{
    const std::string ou = " " + tradutor(FonteDe(Texto::Ou)) + " ";
    std::string texto;
    for (const std::string& m : membros)
        texto.append(texto.empty() ? "" : ou).append(m);
    return texto;
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
