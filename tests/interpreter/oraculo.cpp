// SPDX-License-Identifier: MIT
#include "oraculo.h"

#include "interpreter/calculo.h"
#include "interpreter/tokenizar.h"

namespace vendrix::interpreter {
namespace {

using runtime::Código;
using Slots = std::vector<Valor>; // from 1: slot 0 is never used

Valor& Em(Slots& s, std::int32_t i)
{
    if (i < 1 || i >= std::ssize(s))
        Lançar(Código::ÍndiceForaDoIntervalo);
    return s[static_cast<std::size_t>(i)];
}

// The nearest non-empty slot after (passo 1) or before (passo -1) i, or 0.
std::int32_t Vizinho(Slots& s, std::int32_t i, std::int32_t passo)
{
    for (i += passo; i >= 1 && i < std::ssize(s); i += passo)
        if (!std::holds_alternative<std::monostate>(Em(s, i)))
            return i;
    return 0;
}

void Passo(
    const Expressão& e, Slots& s, Ambiente& ambiente, const std::vector<std::int32_t>& ordem, std::size_t& k)
{
    const std::int32_t i = ordem[k];
    const auto* texto = std::get_if<Texto>(&Em(s, i));
    if (texto == nullptr)
        Lançar(Código::TipoIncompatível);
    const Símbolo& op = e.símbolos[static_cast<std::size_t>(texto->posição - 1)];
    const auto fecho = [&] {
        if (++k >= ordem.size())
            Lançar(Código::ÍndiceForaDoIntervalo);
        return ordem[k];
    };
    if (op.texto == "~") {
        const std::int32_t r = Vizinho(s, i, 1);
        Em(s, i) = -ComoNúmero(e, Em(s, r));
        Em(s, r) = std::monostate{};
    } else if (op.tipo == Tipo::Operador) {
        const std::int32_t l = Vizinho(s, i, -1);
        const std::int32_t r = Vizinho(s, i, 1);
        const double a = ComoNúmero(e, Em(s, l));
        const double b = ComoNúmero(e, Em(s, r));
        Em(s, l) = ParaValor(AplicarOperador(op.operador, a, b));
        Em(s, r) = Em(s, i) = std::monostate{};
    } else if (op.texto == "(") {
        const std::int32_t f = fecho();
        const std::int32_t j = Vizinho(s, i, 1);
        Em(s, i) = j < f ? Valor(Em(s, j)) : Valor(0.0);
        if (j < f)
            Em(s, j) = std::monostate{};
        Em(s, f) = std::monostate{};
    } else if (op.texto.back() != '(') {
        Em(s, i) = ParaValor(ValorDoNome(op.texto, ambiente));
    } else {
        const std::int32_t f = fecho();
        const std::int32_t a = Vizinho(s, i, 1);
        if (a >= f)
            Lançar(Código::ArgumentoInválidoNaExpressão, op.texto);
        const double x = ComoNúmero(e, Em(s, a));
        const std::int32_t b = Vizinho(s, f, -1);
        if (b <= i)
            Lançar(Código::ArgumentoInválidoNaExpressão, op.texto);
        const double y = ComoNúmero(e, Em(s, b));
        Em(s, b) = Em(s, a) = Em(s, i) = Em(s, f) = std::monostate{};
        Em(s, i) = ParaValor(CalcularFunção(op, x, y, ambiente.contexto));
    }
}

} // namespace

runtime::Resultado<double>
ResolverLiteralmente(std::string_view texto, const TabelaDeVariáveis& variáveis, Contexto contexto)
{
    try {
        Expressão e;
        Tokenizar(texto, e);
        if (e.símbolos.empty())
            Lançar(Código::ÍndiceForaDoIntervalo);
        std::vector<std::int32_t> ordem; // one scan of every token per priority level
        for (int p = e.prioridadeMaisAlta; p >= 1; --p)
            for (std::size_t i = 0; i < e.símbolos.size(); ++i)
                if (e.símbolos[i].prioridade == p)
                    ordem.push_back(static_cast<std::int32_t>(i + 1));
        Slots s(1);
        for (const Símbolo& símbolo : e.símbolos)
            s.push_back(símbolo.tipo == Tipo::Separador ? Valor{}
                                                        : Valor{Texto{static_cast<std::int32_t>(s.size())}});
        Ambiente ambiente{variáveis, contexto};
        for (std::size_t k = 0; k < ordem.size(); ++k)
            Passo(e, s, ambiente, ordem, k);
        return ComoNúmero(e, Em(s, Vizinho(s, 0, 1)));
    } catch (const runtime::Erro& erro) {
        return ErroDoInterpretador(erro);
    }
}

} // namespace vendrix::interpreter
