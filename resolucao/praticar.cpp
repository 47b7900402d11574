// SPDX-License-Identifier: MIT
#include "resolucao/praticar.h"

#include "algebra/escrever.h"
#include "resolucao/praticar_construir.h"
#include "resolucao/praticar_sorteio.h"
#include "resolucao/textos.h"

#include <algorithm>
#include <array>

namespace vendrix::resolucao {

namespace {

using algebra::EscreverRacional;

constexpr std::array<std::pair<Tipo, std::string_view>, 8> Tipos{{
    {Tipo::DividirPorXMenosA, "ruffini"},
    {Tipo::DividirPorAXMaisB, "ruffini-ax-b"},
    {Tipo::DividirPorQuadrática, "divisao-longa"},
    {Tipo::TeoremaDoResto, "resto"},
    {Tipo::Factorizar, "factorizar"},
    {Tipo::Equação, "equacao"},
    {Tipo::Inequação, "inequacao"},
    {Tipo::Parâmetros, "parametros"},
}};

// Enough for every kind and level: each attempt is built to succeed, and
// the solver refuses one only where the construction met a limit.
constexpr int Tentativas = 64;

// The real roots the solver found match those the exercise was built
// with: the rational ones exactly, and as many others, each with an exact
// form.
bool RaízesConferem(const std::vector<RaizDoExercício>& achadas, const Proposta& p)
{
    if (achadas.size() != p.raízes.size() + p.irracionais)
        return false;
    std::vector<std::pair<std::string, std::size_t>> racionais;
    for (const RaizDoExercício& r : achadas) {
        if (r.exacta.empty())
            return false;
        if (r.exacta.find("√") == std::string::npos)
            racionais.emplace_back(r.exacta, r.multiplicidade);
    }
    std::vector<std::pair<std::string, std::size_t>> esperadas;
    for (const auto& [raiz, m] : p.raízes)
        esperadas.emplace_back(EscreverRacional(raiz), m);
    std::ranges::sort(racionais);
    std::ranges::sort(esperadas);
    return racionais == esperadas;
}

// The answer key, when the solver gave what the exercise promised.
std::optional<std::string> Chave(Tipo tipo, const Proposta& p, const Resolução& r)
{
    // Until the exercise solves parameters it gives none, and the answer
    // the problem was built from stands; once it does, it must give that
    // one solution and no other.
    if (tipo == Tipo::Parâmetros && r.parâmetros.empty())
        return p.chave;
    if (r.falha)
        return std::nullopt;
    switch (tipo) {
    case Tipo::DividirPorXMenosA:
    case Tipo::DividirPorAXMaisB:
    case Tipo::DividirPorQuadrática:
        if (r.quociente != p.quociente || r.resto != p.resto)
            return std::nullopt;
        return "Q = " + r.quociente + "; R = " + r.resto;
    case Tipo::TeoremaDoResto:
        if (r.valor != p.resto)
            return std::nullopt;
        return r.valor;
    case Tipo::Factorizar:
        if (!RaízesConferem(r.raízes, p))
            return std::nullopt;
        return r.factorizaçãoReal.empty() ? r.factorização : r.factorizaçãoReal;
    case Tipo::Equação: {
        if (!RaízesConferem(r.soluções, p))
            return std::nullopt;
        std::string chave;
        for (const RaizDoExercício& raiz : r.soluções)
            chave += (chave.empty() ? "x = " : " ∨ x = ") + raiz.exacta;
        return chave;
    }
    case Tipo::Inequação:
        if (r.conjunto.empty() || r.conjunto.find("≈") != std::string::npos)
            return std::nullopt;
        return r.conjunto;
    case Tipo::Parâmetros:
        if (r.parâmetros != std::vector<std::string>{p.canónico})
            return std::nullopt;
        return p.chave;
    }
    return std::nullopt;
}

Proposta Propor(Tipo tipo, int nível, Sorteio& sorteio, const Tradutor& t)
{
    switch (tipo) {
    case Tipo::DividirPorXMenosA:
        return ProporRuffini(nível, false, sorteio);
    case Tipo::DividirPorAXMaisB:
        return ProporRuffini(nível, true, sorteio);
    case Tipo::DividirPorQuadrática:
        return ProporDivisãoLonga(nível, sorteio);
    case Tipo::TeoremaDoResto:
        return ProporResto(nível, sorteio);
    case Tipo::Factorizar:
    case Tipo::Equação:
    case Tipo::Inequação:
        return ProporPelasRaízes(tipo, nível, sorteio);
    case Tipo::Parâmetros:
        return ProporParâmetros(nível, sorteio, t);
    }
    return ProporRuffini(nível, false, sorteio);
}

std::uint64_t ÍndiceDoTipo(Tipo tipo) noexcept
{
    for (std::size_t i = 0; i < Tipos.size(); ++i)
        if (Tipos[i].first == tipo)
            return i;
    return 0;
}

} // namespace

std::string_view NomeDoTipo(Tipo tipo) noexcept
{
    for (const auto& [t, nome] : Tipos)
        if (t == tipo)
            return nome;
    return Tipos[0].second;
}

std::optional<Tipo> TipoDoNome(std::string_view nome) noexcept
{
    for (const auto& [t, n] : Tipos)
        if (n == nome)
            return t;
    return std::nullopt;
}

std::vector<std::string_view> NomesDosTipos()
{
    std::vector<std::string_view> nomes;
    nomes.reserve(Tipos.size());
    for (const auto& linha : Tipos)
        nomes.push_back(linha.second);
    return nomes;
}

const Fonte& RótuloDoTipo(Tipo tipo) noexcept
{
    switch (tipo) {
    case Tipo::DividirPorXMenosA:
        return FonteDe(Texto::TipoDividirPorXMenosA);
    case Tipo::DividirPorAXMaisB:
        return FonteDe(Texto::TipoDividirPorAXMaisB);
    case Tipo::DividirPorQuadrática:
        return FonteDe(Texto::TipoDividirPorQuadrática);
    case Tipo::TeoremaDoResto:
        return FonteDe(Texto::TipoTeoremaDoResto);
    case Tipo::Factorizar:
        return FonteDe(Texto::TipoFatorizar);
    case Tipo::Equação:
        return FonteDe(Texto::TipoEquação);
    case Tipo::Inequação:
        return FonteDe(Texto::TipoInequação);
    case Tipo::Parâmetros:
        return FonteDe(Texto::TipoParâmetros);
    }
    return FonteDe(Texto::TipoDividirPorXMenosA);
}

std::uint64_t PróximaSemente(std::uint64_t semente) noexcept { return Misturar(semente) & 0xFFFFFFFFU; }

ExercícioGerado GerarExercício(Tipo tipo, int nível, std::uint64_t semente, const Tradutor& tradutor)
{
    ExercícioGerado g;
    g.tipo = tipo;
    g.nível = std::clamp(nível, NívelMínimo, NívelMáximo);
    g.semente = semente;
    // The kind and level take part, so that one seed gives unrelated
    // exercises of different kinds.
    Sorteio sorteio(Misturar(semente) ^ Misturar(ÍndiceDoTipo(tipo) * 8U + static_cast<unsigned>(g.nível)));
    Proposta p;
    Resolução r;
    std::optional<std::string> chave;
    for (int tentativa = 0; tentativa < Tentativas && !chave; ++tentativa) {
        p = Propor(tipo, g.nível, sorteio, tradutor);
        r = ResolverExercício(
            p.exercício, Pergunta{p.polinómio1, p.polinómio2, p.ponto, p.condições, {}}, tradutor);
        chave = Chave(tipo, p, r);
    }
    g.exercício = p.exercício;
    g.polinómio1 = std::move(p.polinómio1);
    g.polinómio2 = std::move(p.polinómio2);
    g.ponto = std::move(p.ponto);
    g.condições = std::move(p.condições);
    Dizer(g.enunciado, tradutor, p.enunciado, std::move(p.argumentos));
    // Past every attempt the last one is kept with the answer it was built
    // from; the tests check that no kind and level comes to that.
    g.resposta = chave ? std::move(*chave) : std::move(p.chave);
    g.resolução = std::move(r.documento);
    return g;
}

} // namespace vendrix::resolucao
