// SPDX-License-Identifier: MIT
// Reading the conditions set on a polynomial's parameters, in Portuguese
// or in English, one per line or between ";", blanks and case free.
#include "algebra/expandir.h"
#include "algebra/ler_expressao.h"
#include "resolucao/parametros_sistema.h"
#include "runtime/utf8.h"

#include <array>
#include <utility>

namespace vendrix::resolucao {

namespace {

using algebra::Racional;

// A condition with its blanks taken out and its letters in lower case,
// each byte with the character of the whole text it came from (from 1).
struct Compacta
{
    std::string texto;
    std::vector<std::size_t> origem;
    std::string original; // as typed, blanks at the ends trimmed
};

bool ÉBranco(std::string_view s, std::size_t i, std::size_t& n)
{
    constexpr std::array<std::string_view, 4> brancos{"\xC2\xA0", "\xE2\x80\x89", "\xE2\x80\xAF", "\t"};
    if (s[i] == ' ' || s[i] == '\r') {
        n = 1;
        return true;
    }
    for (std::string_view b : brancos)
        if (s.substr(i).starts_with(b)) {
            n = b.size();
            return true;
        }
    return false;
}

// Splits the text at new lines and ";", dropping empty conditions.
std::vector<std::pair<std::size_t, Compacta>> Separar(std::string_view texto)
{
    std::vector<std::pair<std::size_t, Compacta>> partes;
    Compacta actual;
    std::size_t linha = 1, carácter = 1, início = 0;
    const auto fechar = [&](std::size_t fim) {
        if (!actual.texto.empty()) {
            std::string_view o = texto.substr(início, fim - início);
            while (!o.empty() && (o.front() == ' ' || o.front() == '\t'))
                o.remove_prefix(1);
            while (!o.empty() && (o.back() == ' ' || o.back() == '\t' || o.back() == '\r'))
                o.remove_suffix(1);
            actual.original = std::string(o);
            partes.emplace_back(linha, std::move(actual));
        }
        actual = {};
    };
    for (std::size_t i = 0; i < texto.size(); ++carácter) {
        const runtime::Carácter lido = runtime::Descodificar(texto, i);
        std::size_t n = lido.bytes;
        if (texto[i] == '\n' || texto[i] == ';') {
            fechar(i);
            if (texto[i] == '\n')
                ++linha;
            início = i + 1;
        } else if (!ÉBranco(texto, i, n)) {
            // An invalid byte stands as U+FFFD: two of them that a blank kept
            // apart must not join into a letter once the blank is gone.
            std::string c(lido.c == runtime::CarácterInválido ? "\xEF\xBF\xBD" : texto.substr(i, n));
            if (c.size() == 1 && c[0] >= 'A' && c[0] <= 'Z')
                c[0] = static_cast<char>(c[0] - 'A' + 'a');
            // Latin capitals with accents, "É", "Í", "Ã", lie 0x20 below their small letters.
            if (lido.c >= 0xC0 && lido.c <= 0xDE && lido.c != 0xD7)
                c[1] = static_cast<char>(c[1] + 0x20);
            actual.texto += c;
            actual.origem.insert(actual.origem.end(), c.size(), carácter);
        }
        i += n;
    }
    fechar(texto.size());
    return partes;
}

struct Leitor
{
    const Compacta& c;
    CondiçõesLidas& lidas;
    std::size_t linha;

    // The character in the whole text of the k-th character of the piece at byte início.
    std::size_t Origem(std::size_t início, std::size_t k) const
    {
        std::size_t i = início;
        for (std::size_t n = 1; n < k && i < c.texto.size(); ++n)
            i += runtime::Descodificar(c.texto, i).bytes;
        return i < c.origem.size() ? c.origem[i] : (c.origem.empty() ? 1 : c.origem.back() + 1);
    }

    bool Falhar(const runtime::Erro& erro, std::size_t início)
    {
        runtime::Erro e = erro;
        e.posição = Origem(início, std::max<std::size_t>(erro.posição, 1));
        lidas.erro = std::move(e);
        lidas.linha = linha;
        lidas.forma = true;
        return false;
    }

    std::optional<algebra::Expressão> Expressão(std::size_t início, std::size_t fim, bool x)
    {
        const std::string_view peça = std::string_view(c.texto).substr(início, fim - início);
        auto lida = algebra::LerExpressão(peça, {.parâmetros = {}, .relação = false, .x = x});
        if (!lida.Ok()) {
            Falhar(lida.Falha(), início);
            return std::nullopt;
        }
        return std::move(lida).Valor();
    }

    bool Número(std::size_t início, std::size_t fim, Racional& r)
    {
        const auto e = Expressão(início, fim, false);
        if (!e)
            return false;
        const auto v = algebra::ValorConstante(*e);
        if (!v.Ok())
            return Falhar(runtime::FalharEm(v.Falha().código, 1, c.texto.substr(início, fim - início)),
                          início);
        r = v.Valor();
        return true;
    }

    bool Polinómio(std::size_t início, std::size_t fim, algebra::Polinómio& p)
    {
        const auto e = Expressão(início, fim, true);
        if (!e)
            return false;
        const auto v = algebra::Expandir(*e);
        if (!v.Ok())
            return Falhar(runtime::FalharEm(v.Falha().código, 1, c.texto.substr(início, fim - início)),
                          início);
        p = v.Valor();
        return true;
    }

    // "é raiz…" or "is a … root" after the number, at byte i.
    bool Raiz(std::size_t fimDoPonto, std::string_view resto, Condição& condição)
    {
        condição.forma = FormaDaCondição::Raiz;
        constexpr std::array<std::pair<std::string_view, std::size_t>, 6> fixas{{{"éraiz", 1},
                                                                                 {"isaroot", 1},
                                                                                 {"éraizdupla", 2},
                                                                                 {"isadoubleroot", 2},
                                                                                 {"éraiztripla", 3},
                                                                                 {"isatripleroot", 3}}};
        for (const auto& [forma, m] : fixas)
            if (resto == forma) {
                condição.multiplicidade = m;
                condição.exacta = m > 1;
                return true;
            }
        for (std::string_view prefixo :
             {std::string_view("éraizdemultiplicidade"), std::string_view("isarootofmultiplicity")})
            if (resto.starts_with(prefixo) && resto.size() > prefixo.size()) {
                const std::size_t início = fimDoPonto + prefixo.size();
                Racional m;
                if (!Número(início, c.texto.size(), m))
                    return false;
                if (denominator(m) != 1 || m < 1 || m > MultiplicidadeMáxima)
                    return Falhar(
                        runtime::FalharEm(runtime::Código::NúmeroIlegível, 1, c.texto.substr(início)),
                        início);
                condição.multiplicidade = static_cast<std::size_t>(numerator(m));
                condição.exacta = true;
                return true;
            }
        return FormaDesconhecida();
    }

    bool FormaDesconhecida()
    {
        lidas.erro = runtime::FalharEm(runtime::Código::TermoIlegível, c.origem.front(), c.original);
        lidas.linha = linha;
        lidas.forma = false;
        return false;
    }

    bool Ler(Condição& condição)
    {
        const std::string& s = c.texto;
        condição.linha = linha;
        for (std::string_view prefixo : {std::string_view("divisívelpor"), std::string_view("divisibleby")})
            if (s.starts_with(prefixo)) {
                condição.forma = FormaDaCondição::Divisível;
                return Polinómio(prefixo.size(), s.size(), condição.divisor);
            }
        constexpr std::array<std::pair<std::string_view, std::string_view>, 2> restos{
            {{"restodadivisãopor", "é"}, {"remainderofthedivisionby", "is"}}};
        for (const auto& [prefixo, verbo] : restos)
            if (s.starts_with(prefixo)) {
                const std::size_t meio = s.find(verbo, prefixo.size());
                if (meio == std::string::npos)
                    return FormaDesconhecida();
                condição.forma = FormaDaCondição::Resto;
                return Polinómio(prefixo.size(), meio, condição.divisor) &&
                       Polinómio(meio + verbo.size(), s.size(), condição.resto);
            }
        if (s.starts_with("p(")) {
            const std::size_t fecho = s.find(")=");
            if (fecho == std::string::npos)
                return FormaDesconhecida();
            condição.forma = FormaDaCondição::Valor;
            return Número(2, fecho, condição.ponto) && Número(fecho + 2, s.size(), condição.valor);
        }
        for (std::string_view verbo : {std::string_view("éraiz"), std::string_view("isa")}) {
            const std::size_t meio = s.find(verbo);
            if (meio != std::string::npos && meio > 0)
                return Número(0, meio, condição.ponto) &&
                       Raiz(meio, std::string_view(s).substr(meio), condição);
        }
        return FormaDesconhecida();
    }
};

} // namespace

CondiçõesLidas LerCondições(std::string_view texto)
{
    CondiçõesLidas lidas;
    for (const auto& [linha, compacta] : Separar(texto)) {
        Condição condição;
        Leitor leitor{compacta, lidas, linha};
        if (!leitor.Ler(condição))
            return lidas;
        lidas.condições.push_back(std::move(condição));
    }
    if (lidas.condições.empty())
        lidas.erro = runtime::Falhar(runtime::Código::TextoVazio);
    return lidas;
}

} // namespace vendrix::resolucao
