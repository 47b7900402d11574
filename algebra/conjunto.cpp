// SPDX-License-Identifier: MIT
#include "algebra/conjunto.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace vendrix::algebra {

namespace {

bool Satisfaz(char sinal, Nó relação)
{
    switch (relação) {
    case Nó::Igual:
        return sinal == '0';
    case Nó::Menor:
        return sinal == '-';
    case Nó::MenorOuIgual:
        return sinal != '+';
    case Nó::Maior:
        return sinal == '+';
    case Nó::MaiorOuIgual:
        return sinal != '-';
    default:
        return false;
    }
}

} // namespace

std::string TextoDaRaiz(const RaizReal& raiz)
{
    return raiz.exacta.empty() ? "≈" + raiz.decimal : raiz.exacta;
}

// The table's columns are the intervals (even) and the roots (odd) from
// -∞; each maximal run of columns where the relation holds is one piece:
// it starts closed on a root or open after one, and ends likewise.
Expressão ExpressãoDaRaiz(const RaizReal& raiz, char vírgulaDecimal)
{
    if (raiz.forma)
        return *raiz.forma;
    std::string decimal = raiz.decimal;
    std::ranges::replace(decimal, '.', vírgulaDecimal);
    return Cadeia(Nó::Aproximado, {Decimal(std::move(decimal))});
}

ConjuntoSolução ConjuntoDaCondição(const TabelaDeSinais& tabela, Nó relação, char vírgulaDecimal)
{
    const std::string& s = tabela.sinais;
    const auto raiz = [&](std::size_t coluna) { return TextoDaRaiz(tabela.raízes[coluna / 2]); };
    const auto forma = [&](std::size_t coluna) {
        return ExpressãoDaRaiz(tabela.raízes[coluna / 2], vírgulaDecimal);
    };
    // Each piece as text and as an expression; an excluded column that
    // is no root is empty.
    std::vector<std::string> peças, pontos, excluídos;
    std::vector<Expressão> formas, formasDosPontos, formasExcluídas;
    bool sóPontos = true;
    for (std::size_t i = 0; i < s.size();) {
        if (!Satisfaz(s[i], relação)) {
            excluídos.push_back(i % 2 == 1 ? raiz(i) : std::string());
            if (i % 2 == 1)
                formasExcluídas.push_back(forma(i));
            ++i;
            continue;
        }
        std::size_t fim = i;
        while (fim + 1 < s.size() && Satisfaz(s[fim + 1], relação))
            ++fim;
        if (i == fim && i % 2 == 1) {
            pontos.push_back(raiz(i));
            peças.push_back("{" + raiz(i) + "}");
            formasDosPontos.push_back(forma(i));
            formas.push_back(Chaves({forma(i)}));
        } else {
            sóPontos = false;
            const std::string esquerdo = i == 0 ? "]-∞" : i % 2 == 1 ? "[" + raiz(i) : "]" + raiz(i - 1);
            const std::string direito = fim + 1 == s.size() ? "+∞["
                                        : fim % 2 == 1      ? raiz(fim) + "]"
                                                            : raiz(fim + 1) + "[";
            peças.push_back(std::string(esquerdo).append(",").append(direito));
            formas.push_back(
                IntervaloDe(i == 0 ? Infinito(false) : forma(i % 2 == 1 ? i : i - 1),
                            fim + 1 == s.size() ? Infinito(true) : forma(fim % 2 == 1 ? fim : fim + 1),
                            i % 2 == 1,
                            fim % 2 == 1));
        }
        i = fim + 1;
    }
    std::string c;
    Expressão conjunto;
    if (peças.empty()) {
        c = "∅";
        conjunto = Vazio();
    } else if (excluídos.empty()) {
        c = "ℝ";
        conjunto = Reais();
    } else if (sóPontos) {
        for (const std::string& p : pontos)
            c += (c.empty() ? "{" : ",") + p;
        c += "}";
        conjunto = Chaves(std::move(formasDosPontos));
    } else if (std::ranges::none_of(excluídos, [](const std::string& e) { return e.empty(); })) {
        // Only roots are left out: ℝ without them.
        for (const std::string& e : excluídos)
            c += (c.empty() ? "ℝ\\{" : ",") + e;
        c += "}";
        conjunto = SemOs(Reais(), Chaves(std::move(formasExcluídas)));
    } else {
        for (const std::string& p : peças)
            c += (c.empty() ? "" : "∪") + p;
        conjunto = União(std::move(formas));
    }
    return {c, ComoSeImprime(c, vírgulaDecimal), std::move(conjunto)};
}

std::string ComoSeImprime(std::string_view canónico, char vírgulaDecimal)
{
    const bool vírgula = vírgulaDecimal == ',' && canónico.find('.') != std::string_view::npos;
    std::string t;
    for (const char c : canónico) {
        if (c == '-')
            t += "−";
        else if (c == ',')
            t += vírgula ? "; " : ", ";
        else if (c == '.')
            t += vírgulaDecimal;
        else if (c == '\\')
            t += " \\ ";
        else
            t += c;
    }
    // "∪" is three bytes; blanks go around it.
    std::string saída;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t.compare(i, 3, "∪") == 0) {
            saída += " ∪ ";
            i += 2;
        } else {
            saída += t[i];
        }
    }
    return saída;
}

} // namespace vendrix::algebra
