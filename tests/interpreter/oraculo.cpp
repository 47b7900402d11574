// SPDX-License-Identifier: MIT
#include "oraculo.h"

#include "interpreter/calculo.h"
#include "interpreter/tokenizar.h"

#include <deque>

namespace vendrix::interpreter {

namespace {

using runtime::Código;

std::vector<std::int32_t> OrdemLiteral(const Expressão& e)
{
    std::deque<std::int32_t> ordem;
    const auto n = static_cast<std::int32_t>(e.símbolos.size());
    for (int p = 1; p <= e.prioridadeMaisAlta; ++p)
        for (std::int32_t i = n; i >= 1; --i)
            if (e.símbolos[static_cast<std::size_t>(i - 1)].prioridade == p)
                ordem.push_front(i);
    return {ordem.begin(), ordem.end()};
}

struct Slots
{
    std::vector<Valor> v; // 0 is never used

    [[nodiscard]] std::int32_t Último() const { return static_cast<std::int32_t>(v.size()) - 1; }

    [[nodiscard]] std::int32_t Seguinte(std::int32_t i) const
    {
        for (std::int32_t j = i + 1; j <= Último(); ++j)
            if (!std::holds_alternative<std::monostate>(v[static_cast<std::size_t>(j)]))
                return j;
        return 0;
    }

    [[nodiscard]] std::int32_t Anterior(std::int32_t i) const
    {
        for (std::int32_t j = i - 1; j >= 1; --j)
            if (!std::holds_alternative<std::monostate>(v[static_cast<std::size_t>(j)]))
                return j;
        return 0;
    }

    Valor& operator[](std::int32_t i)
    {
        if (i < 1 || i > Último())
            Lançar(Código::ÍndiceForaDoIntervalo);
        return v[static_cast<std::size_t>(i)];
    }
};

std::int32_t Fecho(const std::vector<std::int32_t>& ordem, std::size_t k)
{
    if (k >= ordem.size())
        Lançar(Código::ÍndiceForaDoIntervalo);
    return ordem[k];
}

void Passo(
    const Expressão& e, Slots& s, Ambiente& ambiente, const std::vector<std::int32_t>& ordem, std::size_t& k)
{
    const std::int32_t i = ordem[k];
    const auto* texto = std::get_if<Texto>(&s[i]);
    if (texto == nullptr)
        Lançar(Código::TipoIncompatível);
    const Símbolo& op = e.símbolos[static_cast<std::size_t>(texto->posição - 1)];
    if (op.texto == "~") {
        const std::int32_t r = s.Seguinte(i);
        s[i] = -ComoNúmero(e, s[r]);
        s[r] = std::monostate{};
    } else if (op.tipo == Tipo::Operador) {
        const std::int32_t l = s.Anterior(i);
        const std::int32_t r = s.Seguinte(i);
        const double a = ComoNúmero(e, s[l]);
        const double b = ComoNúmero(e, s[r]);
        s[l] = ParaValor(AplicarOperador(op.operador, a, b));
        s[r] = std::monostate{};
        s[i] = std::monostate{};
    } else if (op.texto == "(") {
        const std::int32_t fecho = Fecho(ordem, ++k);
        const std::int32_t j = s.Seguinte(i);
        if (j < fecho) {
            s[i] = Valor(s[j]);
            s[j] = std::monostate{};
        } else {
            s[i] = 0.0;
        }
        s[fecho] = std::monostate{};
    } else if (op.texto.back() != '(') {
        s[i] = ParaValor(ValorDoNome(op.texto, ambiente));
    } else {
        const std::int32_t fecho = Fecho(ordem, ++k);
        const std::int32_t a = s.Seguinte(i);
        if (a >= fecho)
            Lançar(Código::ArgumentoInválidoNaExpressão, op.texto);
        const double x = ComoNúmero(e, s[a]);
        const std::int32_t b = s.Anterior(fecho);
        if (b <= i)
            Lançar(Código::ArgumentoInválidoNaExpressão, op.texto);
        const double y = ComoNúmero(e, s[b]);
        s[b] = s[a] = s[i] = s[fecho] = std::monostate{};
        s[i] = ParaValor(CalcularFunção(op, x, y, ambiente.contexto));
    }
}

} // namespace

runtime::Resultado<double>
ResolverLiteralmente(std::string_view texto, const TabelaDeVariáveis& variáveis, Contexto contexto)
{
    try {
        Expressão e;
        Tokenizar(texto, e);
        const std::vector<std::int32_t> ordem = OrdemLiteral(e);
        Slots s;
        s.v.emplace_back();
        for (std::size_t i = 0; i < e.símbolos.size(); ++i)
            s.v.push_back(e.símbolos[i].tipo == Tipo::Separador
                              ? Valor{}
                              : Valor{Texto{static_cast<std::int32_t>(i + 1)}});
        if (e.símbolos.empty())
            Lançar(Código::ÍndiceForaDoIntervalo);
        Ambiente ambiente{variáveis, contexto};
        for (std::size_t k = 0; k < ordem.size(); ++k)
            Passo(e, s, ambiente, ordem, k);
        return ComoNúmero(e, s[s.Seguinte(0)]);
    } catch (const runtime::Erro& erro) {
        return ErroDoInterpretador(erro);
    }
}

} // namespace vendrix::interpreter
