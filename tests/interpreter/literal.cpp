// SPDX-License-Identifier: MIT
#include "literal.h"

#include "interpreter/avaliar.h"
#include "interpreter/tokenizar.h"

#include <utility>
#include <vector>

namespace vendrix::interpreter::testes {

namespace {

using runtime::Código;
using runtime::Resultado;

using Slots = std::vector<Valor>; // from 1: slot 0 is never used

Resultado<Valor*> Em(Slots& s, std::int32_t i)
{
    if (i < 1 || i >= std::ssize(s))
        return Falha(Código::ÍndiceForaDoIntervalo);
    return &s[static_cast<std::size_t>(i)];
}

// The nearest non-empty slot after (passo 1) or before (passo -1) i, or 0.
std::int32_t Vizinho(const Slots& s, std::int32_t i, std::int32_t passo)
{
    for (i += passo; i >= 1 && i < std::ssize(s); i += passo)
        if (!std::holds_alternative<std::monostate>(s[static_cast<std::size_t>(i)]))
            return i;
    return 0;
}

class Literal
{
public:
    Literal(const Expressão& e_, Ambiente& ambiente_)
        : e(e_)
        , ambiente(ambiente_)
    {
        for (const Símbolo& símbolo : e.símbolos)
            s.push_back(símbolo.tipo == Tipo::Separador ? Valor{}
                                                        : Valor{Texto{static_cast<std::int32_t>(s.size())}});
    }

    Resultado<void> Passo(const std::vector<std::int32_t>& ordem, std::size_t& k);

    Resultado<double> Número(std::int32_t j)
    {
        auto slot = Em(s, j);
        if (!slot.Ok())
            return slot.Falha();
        return ComoNúmero(e, *slot.Valor());
    }

    // Empties the slots, all of which were read before.
    void Esvaziar(std::initializer_list<std::int32_t> posições)
    {
        for (const std::int32_t j : posições)
            s[static_cast<std::size_t>(j)] = std::monostate{};
    }

    Slots s{1};

private:
    Resultado<void> Função(const Símbolo& op, std::int32_t i, std::int32_t f);

    const Expressão& e;
    Ambiente& ambiente;
};

Resultado<void> Literal::Função(const Símbolo& op, std::int32_t i, std::int32_t f)
{
    const std::int32_t a = Vizinho(s, i, 1); // when a < f the last argument b lies in [a, f)
    if (a >= f)
        return Falha(Código::ArgumentoInválidoNaExpressão, op.texto);
    const auto x = Número(a);
    if (!x.Ok())
        return x.Falha();
    const std::int32_t b = Vizinho(s, f, -1);
    const auto y = Número(b);
    if (!y.Ok())
        return y.Falha();
    Esvaziar({b, a, f});
    const auto valor = CalcularFunção(op, x.Valor(), y.Valor(), ambiente.contexto);
    if (!valor.Ok())
        return valor.Falha();
    s[static_cast<std::size_t>(i)] = ParaValor(valor.Valor());
    return {};
}

Resultado<void> Literal::Passo(const std::vector<std::int32_t>& ordem, std::size_t& k)
{
    const std::int32_t i = ordem[k];
    const auto slot = Em(s, i);
    if (!slot.Ok())
        return slot.Falha();
    const auto* texto = std::get_if<Texto>(slot.Valor());
    if (texto == nullptr)
        return Falha(Código::TipoIncompatível);
    const Símbolo& op = e.símbolos[static_cast<std::size_t>(texto->posição - 1)];
    const bool abre = op.texto.back() == '('; // "(" and the functions: the next in the order is their ")"
    if (abre && ++k >= ordem.size())
        return Falha(Código::ÍndiceForaDoIntervalo);
    const std::int32_t f = abre ? ordem[k] : 0;
    if (op.texto == "~") {
        const std::int32_t r = Vizinho(s, i, 1);
        const auto valor = Número(r);
        if (!valor.Ok())
            return valor.Falha();
        s[static_cast<std::size_t>(i)] = -valor.Valor();
        Esvaziar({r});
    } else if (op.tipo == Tipo::Operador) {
        const std::int32_t l = Vizinho(s, i, -1), r = Vizinho(s, i, 1);
        const auto a = Número(l);
        if (!a.Ok())
            return a.Falha();
        const auto b = Número(r);
        if (!b.Ok())
            return b.Falha();
        const auto valor = AplicarOperador(op.operador, a.Valor(), b.Valor());
        if (!valor.Ok())
            return valor.Falha();
        s[static_cast<std::size_t>(l)] = ParaValor(valor.Valor());
        Esvaziar({r, i});
    } else if (!abre) {
        const auto valor = ValorDoNome(op.texto, ambiente);
        if (!valor.Ok())
            return valor.Falha();
        s[static_cast<std::size_t>(i)] = ParaValor(valor.Valor());
    } else if (op.texto == "(") {
        const std::int32_t j = Vizinho(s, i, 1);
        if (j < f) {
            const auto dentro = Em(s, j);
            if (!dentro.Ok())
                return dentro.Falha();
            s[static_cast<std::size_t>(i)] = std::exchange(*dentro.Valor(), std::monostate{});
        } else {
            s[static_cast<std::size_t>(i)] = 0.0;
        }
        Esvaziar({f});
    } else {
        return Função(op, i, f);
    }
    return {};
}

Resultado<double> Resolver(std::string_view texto, double x, bool graus)
{
    Expressão e;
    if (auto r = Tokenizar(texto, e); !r.Ok())
        return r.Falha();
    std::vector<std::int32_t> ordem;
    for (int p = e.prioridadeMaisAlta; p >= 1; --p)
        for (std::size_t i = 0; i < e.símbolos.size(); ++i)
            if (e.símbolos[i].prioridade == p)
                ordem.push_back(static_cast<std::int32_t>(i + 1));
    const TabelaDeVariáveis variáveis{{"x", x}};
    Gerador gerador([] { return 1U; });
    Ambiente ambiente{variáveis, Contexto{graus, gerador}};
    Literal literal(e, ambiente);
    for (std::size_t k = 0; k < ordem.size(); ++k)
        if (auto r = literal.Passo(ordem, k); !r.Ok())
            return r.Falha();
    return literal.Número(Vizinho(literal.s, 0, 1));
}

} // namespace

Resultado<double> ResolverLiteralmente(std::string_view texto, double x, bool graus)
{
    const auto r = Resolver(texto, x, graus);
    if (!r.Ok())
        return ErroDoInterpretador(r.Falha());
    return r;
}

} // namespace vendrix::interpreter::testes
