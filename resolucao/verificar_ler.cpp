// SPDX-License-Identifier: MIT
#include "resolucao/verificar_ler.h"

#include "algebra/expandir.h"
#include "resolucao/verificar_leitor.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <utility>

namespace vendrix::resolucao::verificar {

using algebra::Racional;

namespace {

using runtime::Código;
using runtime::Resultado;

constexpr std::array<std::string_view, 8> Rótulos{
    "quociente", "quotient", "remainder", "resto", "q(x)", "r(x)", "q", "r"};

// The label at i, and whether it names the quotient.
std::optional<std::pair<std::size_t, bool>> Rótulo(std::string_view t, std::size_t i)
{
    for (std::string_view r : Rótulos)
        if (ÉPalavra(t, i, r))
            return std::pair{r.size(), r.front() == 'q'};
    return std::nullopt;
}

// A value ends before the separators and the "e"/"and" before a label.
Peça SemSeparadorFinal(Peça p)
{
    for (bool mudou = true; mudou;) {
        p = Aparar(p);
        mudou = false;
        for (std::string_view fim : {";", ",", " e", " and"})
            if (p.texto.size() >= fim.size() &&
                std::equal(fim.begin(),
                           fim.end(),
                           p.texto.end() - static_cast<std::ptrdiff_t>(fim.size()),
                           [](char a, char b) { return a == Minúscula(b); })) {
                p.texto.remove_suffix(fim.size());
                mudou = true;
            }
    }
    return p;
}

std::optional<std::string_view> Infinito(std::string_view t, int& sinal)
{
    std::string s;
    for (char c : t)
        if (!Branco(c))
            s += Minúscula(c);
    for (std::string_view menos : {"-", "−"})
        if (s.starts_with(menos)) {
            sinal = -1;
            s.erase(0, menos.size());
        }
    if (sinal == 0 && s.starts_with('+')) {
        sinal = 1;
        s.erase(0, 1);
    }
    if (sinal == 0)
        sinal = 1;
    if (s == "inf" || s == "∞" || s == "infinito" || s == "infinity")
        return t;
    return std::nullopt;
}

Extremo LerExtremo(Leitor& l, Peça p)
{
    p = Aparar(p);
    if (p.texto.empty())
        Recusar(l, Código::TextoVazio, p);
    Extremo e;
    int sinal = 0;
    if (Infinito(p.texto, sinal))
        e.infinito = sinal;
    else
        e.valor = LerValor(l, p);
    e.texto = std::string(p.texto);
    return e;
}

Intervalo Ponto(Extremo e)
{
    Intervalo i{e, std::move(e), true, true};
    return i;
}

bool Abre(char c) noexcept { return c == '[' || c == ']' || c == '('; }

bool Fecha(char c) noexcept { return c == '[' || c == ']' || c == ')'; }

Intervalo LerIntervalo(Leitor& l, Peça p)
{
    Peça dentro{p.texto.substr(1, p.texto.size() - 2), p.início + 1};
    std::vector<Peça> extremos = Lista(dentro);
    // "]0,5, 1,5[" with decimal commas: the middle comma parts the ends.
    if (extremos.size() == 4 && dentro.texto.find(';') == std::string_view::npos) {
        const std::size_t meio = dentro.texto.rfind(',', extremos[2].início - dentro.início);
        extremos = {{dentro.texto.substr(0, meio), dentro.início},
                    {dentro.texto.substr(meio + 1), dentro.início + meio + 1}};
    }
    if (extremos.size() != 2) {
        Recusar(l, Código::TermoIlegível, p);
        return {};
    }
    return {LerExtremo(l, extremos[0]),
            LerExtremo(l, extremos[1]),
            p.texto.front() == '[',
            p.texto.back() == ']'};
}

constexpr std::array<std::string_view, 7> Relações{"<=", ">=", "≤", "≥", "<", ">", "="};

// "x<-2", "x = 1", "-2 ≤ x < 2", "2 > x".
Intervalo LerCondição(Leitor& l, Peça p)
{
    std::vector<Peça> membros;
    std::vector<std::string_view> sinais;
    std::size_t começo = 0;
    for (std::size_t i = 0; i < p.texto.size();) {
        const auto r = std::find_if(Relações.begin(), Relações.end(), [&](std::string_view s) {
            return p.texto.substr(i).starts_with(s);
        });
        if (r == Relações.end()) {
            ++i;
            continue;
        }
        membros.push_back(Aparar({p.texto.substr(começo, i - começo), p.início + começo}));
        sinais.push_back(*r);
        i += r->size();
        começo = i;
    }
    membros.push_back(Aparar({p.texto.substr(começo), p.início + começo}));
    const auto éX = [](const Peça& m) { return m.texto == "x" || m.texto == "X"; };
    const auto menor = [](std::string_view s) { return s == "<" || s == "<=" || s == "≤"; };
    const auto estrito = [](std::string_view s) { return s == "<" || s == ">"; };
    const Extremo menosInf{-1, {}, "-∞"}, maisInf{1, {}, "+∞"};
    if (membros.size() == 2 && (éX(membros[0]) || éX(membros[1]))) {
        const bool xÀEsquerda = éX(membros[0]);
        Extremo e = LerExtremo(l, membros[xÀEsquerda ? 1 : 0]);
        if (sinais[0] == "=")
            return Ponto(std::move(e));
        // x < a, or a > x: x below a.
        if (menor(sinais[0]) == xÀEsquerda)
            return {menosInf, std::move(e), false, !estrito(sinais[0])};
        return {std::move(e), maisInf, !estrito(sinais[0]), false};
    }
    if (membros.size() == 3 && éX(membros[1]) && sinais[0] != "=" && sinais[1] != "=" &&
        menor(sinais[0]) == menor(sinais[1])) {
        const bool crescente = menor(sinais[0]);
        Extremo a = LerExtremo(l, membros[crescente ? 0 : 2]);
        Extremo b = LerExtremo(l, membros[crescente ? 2 : 0]);
        return {std::move(a),
                std::move(b),
                !estrito(sinais[crescente ? 0 : 1]),
                !estrito(sinais[crescente ? 1 : 0])};
    }
    Recusar(l, Código::TermoIlegível, p);
    return {};
}

// "x > -2 e x < 1", "x ≥ 0 ∧ x < 3": a lower and an upper bound make one
// interval; a single condition is itself.
Intervalo LerConjunção(Leitor& l, Peça p)
{
    constexpr std::array<std::string_view, 3> e{"∧", "e", "and"};
    const std::vector<Peça> condições = Separar(p, e);
    if (condições.size() == 1)
        return LerCondição(l, p);
    if (condições.size() == 2) {
        Intervalo a = LerCondição(l, condições[0]);
        Intervalo b = LerCondição(l, condições[1]);
        if (a.esquerdo.infinito < 0 && b.direito.infinito > 0)
            std::swap(a, b);
        if (a.direito.infinito > 0 && a.esquerdo.infinito == 0 && b.esquerdo.infinito < 0 &&
            b.direito.infinito == 0)
            return {std::move(a.esquerdo), std::move(b.direito), a.fechadoÀEsquerda, b.fechadoÀDireita};
    }
    Recusar(l, Código::TermoIlegível, p);
    return {};
}

bool ÉTudo(std::string_view t) noexcept { return t == "ℝ" || t == "R" || t == "IR"; }

bool ÉVazio(std::string_view t) noexcept
{
    std::string s;
    for (char c : t)
        if (!Branco(c))
            s += c;
    return s == "∅" || s == "{}" || s == "Ø" || s == "ø";
}

void LerParte(Leitor& l, Peça p, ConjuntoLido& c)
{
    if (p.texto.empty())
        return Recusar(l, Código::TextoVazio, p);
    if (ÉVazio(p.texto))
        return;
    const Extremo menosInf{-1, {}, "-∞"}, maisInf{1, {}, "+∞"};
    if (ÉTudo(p.texto)) {
        c.partes.push_back({menosInf, maisInf, false, false});
        return;
    }
    if (const std::size_t barra = p.texto.find('\\');
        barra != std::string_view::npos && ÉTudo(Aparar({p.texto.substr(0, barra), 0}).texto)) {
        c.partes.push_back({menosInf, maisInf, false, false});
        Peça resto = Aparar({p.texto.substr(barra + 1), p.início + barra + 1});
        if (resto.texto.size() < 2 || resto.texto.front() != '{' || resto.texto.back() != '}')
            return Recusar(l, Código::TermoIlegível, resto);
        for (const Peça& e : Lista({resto.texto.substr(1, resto.texto.size() - 2), resto.início + 1}))
            c.excluídos.push_back(LerExtremo(l, e));
        return;
    }
    if (p.texto.size() >= 2 && p.texto.front() == '{' && p.texto.back() == '}') {
        for (const Peça& e : Lista({p.texto.substr(1, p.texto.size() - 2), p.início + 1}))
            c.partes.push_back(Ponto(LerExtremo(l, e)));
        return;
    }
    if (p.texto.find_first_of("xX") != std::string_view::npos) {
        c.partes.push_back(LerConjunção(l, p));
        return;
    }
    if (p.texto.size() >= 2 && Abre(p.texto.front()) && Fecha(p.texto.back()) &&
        p.texto.find_first_of(",;") != std::string_view::npos) {
        c.partes.push_back(LerIntervalo(l, p));
        return;
    }
    for (const Peça& e : Lista(p))
        c.partes.push_back(Ponto(LerExtremo(l, e)));
}

} // namespace

bool TemLetras(std::string_view resposta) noexcept
{
    return resposta.find_first_of("=:xXqQrR") != std::string_view::npos;
}

Resultado<QuocienteEResto> LerQuocienteEResto(std::string_view resposta)
{
    Leitor l{resposta, std::nullopt};
    std::optional<Peça> partes[2];
    std::optional<std::size_t> aberta; // 0 quotient, 1 remainder
    std::size_t começo = 0;
    const auto fechar = [&](std::size_t fim) {
        if (aberta)
            partes[*aberta] = SemSeparadorFinal({resposta.substr(começo, fim - começo), começo});
    };
    for (std::size_t i = 0; i < resposta.size();) {
        const auto rótulo = Rótulo(resposta, i);
        if (!rótulo) {
            ++i;
            continue;
        }
        fechar(i);
        aberta = rótulo->second ? 0 : 1;
        i += rótulo->first;
        while (i < resposta.size() && (Branco(resposta[i]) || resposta[i] == '=' || resposta[i] == ':'))
            ++i;
        começo = i;
    }
    fechar(resposta.size());
    if (!aberta) {
        constexpr std::array<std::string_view, 2> separadores{";", "\n"};
        const std::vector<Peça> dois = Separar({resposta, 0}, separadores);
        if (dois.size() != 2) {
            Recusar(l, Código::TermoIlegível, {resposta, 0});
            return *l.erro;
        }
        partes[0] = dois[0];
        partes[1] = dois[1];
    }
    for (const std::optional<Peça>& parte : partes)
        if (!parte || parte->texto.empty())
            Recusar(l, Código::TextoVazio, {"", parte ? parte->início : resposta.size()});
    if (l.erro)
        return *l.erro;
    const algebra::OpçõesDeLeitura opções{.parâmetros = {}, .relação = false, .x = true};
    algebra::Expressão q = Ler(l, *partes[0], opções);
    algebra::Expressão r = Ler(l, *partes[1], opções);
    return Lido(l, QuocienteEResto{std::move(q), std::move(r)});
}

Resultado<std::vector<std::vector<Racional>>> LerLinhas(std::string_view resposta)
{
    Leitor l{resposta, std::nullopt};
    std::vector<std::vector<Racional>> linhas;
    constexpr std::array<std::string_view, 2> finsDeLinha{"\n", "|"};
    for (const Peça& linha : Separar({resposta, 0}, finsDeLinha)) {
        std::vector<Racional> números;
        std::size_t i = 0;
        while (i < linha.texto.size() && !l.erro) {
            const std::size_t fim = linha.texto.find_first_of(" \t;", i);
            const std::size_t até = fim == std::string_view::npos ? linha.texto.size() : fim;
            if (até > i) {
                const Peça número{linha.texto.substr(i, até - i), linha.início + i};
                const algebra::Expressão lido = LerValor(l, número);
                const auto valor =
                    l.erro ? runtime::Resultado<Racional>(*l.erro) : algebra::ValorConstante(lido);
                if (!valor.Ok())
                    Recusar(l, valor.Falha().código, número);
                else
                    números.push_back(valor.Valor());
            }
            i = até + 1;
        }
        if (números.empty())
            Recusar(l, Código::TextoVazio, linha);
        linhas.push_back(std::move(números));
    }
    return Lido(l, std::move(linhas));
}

Resultado<algebra::Expressão> LerNúmero(std::string_view resposta)
{
    Leitor l{resposta, std::nullopt};
    // "P(-3) = 13": the value after the last "=".
    const std::size_t igual = resposta.rfind('=');
    const std::size_t início = igual == std::string_view::npos ? 0 : igual + 1;
    algebra::Expressão e = LerValor(l, {resposta.substr(início), início});
    return Lido(l, std::move(e));
}

Resultado<ConjuntoLido> LerConjunto(std::string_view resposta)
{
    Leitor l{resposta, std::nullopt};
    ConjuntoLido c;
    Peça tudo = Aparar({resposta, 0});
    for (std::string_view prefixo : {"x∈", "x ∈", "C.S.=", "C.S. ="})
        if (tudo.texto.starts_with(prefixo))
            tudo = Aparar({tudo.texto.substr(prefixo.size()), tudo.início + prefixo.size()});
    constexpr std::array<std::string_view, 5> uniões{"∪", "∨", "u", "ou", "or"};
    for (const Peça& parte : Separar(tudo, uniões))
        LerParte(l, parte, c);
    return Lido(l, std::move(c));
}

Resultado<std::vector<AtribuiçãoLida>> LerAtribuições(std::string_view resposta)
{
    Leitor l{resposta, std::nullopt};
    std::vector<AtribuiçãoLida> soluções;
    const Peça tudo = Aparar({resposta, 0});
    for (std::string_view nenhuma : {"nenhum", "nenhuma", "none", "impossível", "impossible"})
        if (tudo.texto.size() == nenhuma.size() && ÉPalavra(tudo.texto, 0, nenhuma))
            return soluções;
    if (ÉVazio(tudo.texto))
        return soluções;
    constexpr std::array<std::string_view, 3> ou{"∨", "ou", "or"};
    constexpr std::array<std::string_view, 6> e{";", ",", "∧", "e", "and", "\n"};
    const algebra::OpçõesDeLeitura opções{
        .parâmetros = "abcdefghijklmnopqrstuvwyz", .relação = false, .x = false};
    for (const Peça& solução : Separar(tudo, ou)) {
        soluções.push_back({{}, std::string(solução.texto)});
        for (const Peça& valor : Separar(solução, e)) {
            const std::size_t igual = valor.texto.find('=');
            const Peça letra = Aparar({valor.texto.substr(0, igual), valor.início});
            if (igual == std::string_view::npos || letra.texto.size() != 1 || !Letra(letra.texto[0])) {
                Recusar(l, Código::TermoIlegível, valor);
                return *l.erro;
            }
            const char c = Minúscula(letra.texto[0]);
            const auto& valores = soluções.back().valores;
            // "k = 1, k = 2": a letter again starts another solution.
            if (std::any_of(valores.begin(), valores.end(), [&](const auto& v) { return v.first == c; }))
                soluções.push_back({{}, std::string(valor.texto)});
            algebra::Expressão lido =
                Ler(l, {valor.texto.substr(igual + 1), valor.início + igual + 1}, opções);
            soluções.back().valores.emplace_back(c, std::move(lido));
        }
    }
    for (AtribuiçãoLida& solução : soluções)
        std::sort(solução.valores.begin(), solução.valores.end(), [](const auto& a, const auto& b) {
            return a.first < b.first;
        });
    return Lido(l, std::move(soluções));
}

} // namespace vendrix::resolucao::verificar
