// SPDX-License-Identifier: MIT
#include "interpreter/avaliar.h"

#include "interpreter/calculo.h"
#include "interpreter/cls_equation.h"

namespace vendrix::interpreter {

using runtime::Código;

namespace {

// The constants as the program has always written them, not the doubles
// nearest to π and e.
constexpr double Pi = 3.14159265358979;
constexpr double E = 2.718281828;

const Símbolo& SímboloEm(const Expressão& expressão, std::int32_t posição)
{
    return expressão.símbolos[static_cast<std::size_t>(posição - 1)];
}

// The slot at a position, which must lie inside the expression (9).
runtime::Resultado<const Valor*> Slot(const Valores& valores, std::int32_t posição)
{
    const Valor* valor = valores.Ler(posição);
    if (valor == nullptr)
        return Falha(Código::ÍndiceForaDoIntervalo);
    return valor;
}

runtime::Resultado<double> NúmeroEm(const Expressão& expressão, const Valores& valores, std::int32_t posição)
{
    const auto slot = Slot(valores, posição);
    if (!slot.Ok())
        return slot.Falha();
    return ComoNúmero(expressão, *slot.Valor());
}

// The token a slot still holds when its turn comes. Only a slot that was
// never evaluated can be acted on; anything else is a malformed expression.
runtime::Resultado<const Símbolo*>
Operação(const Expressão& expressão, const Valores& valores, std::int32_t i)
{
    const auto slot = Slot(valores, i);
    if (!slot.Ok())
        return slot.Falha();
    const auto* texto = std::get_if<Texto>(slot.Valor());
    if (texto == nullptr)
        return Falha(Código::TipoIncompatível);
    return &SímboloEm(expressão, texto->posição);
}

// The position of the ")" that closes the step at ordem[k], which comes
// right after it in the order.
runtime::Resultado<std::int32_t> Fecho(const std::vector<std::int32_t>& ordem, std::size_t k)
{
    if (k >= ordem.size())
        return Falha(Código::ÍndiceForaDoIntervalo);
    return ordem[k];
}

runtime::Resultado<void> Negar(const Expressão& expressão, Valores& valores, std::int32_t i)
{
    const std::int32_t r = valores.NextValueIndex(i);
    const auto valor = NúmeroEm(expressão, valores, r);
    if (!valor.Ok())
        return valor.Falha();
    valores.Escrever(i, -valor.Valor());
    valores.Esvaziar(r);
    return {};
}

runtime::Resultado<void> Binário(const Expressão& expressão, Valores& valores, std::int32_t i, char operador)
{
    const std::int32_t l = valores.PrevValueIndex(i);
    const std::int32_t r = valores.NextValueIndex(i);
    const auto a = NúmeroEm(expressão, valores, l);
    if (!a.Ok())
        return a.Falha();
    const auto b = NúmeroEm(expressão, valores, r);
    if (!b.Ok())
        return b.Falha();
    const auto resultado = AplicarOperador(operador, a.Valor(), b.Valor());
    if (!resultado.Ok())
        return resultado.Falha();
    valores.Escrever(l, ParaValor(resultado.Valor()));
    valores.Esvaziar(r);
    valores.Esvaziar(i);
    return {};
}

// Only the first value between the parentheses is carried out; "()" is 0.
runtime::Resultado<void> Parênteses(Valores& valores, std::int32_t i, std::int32_t fecho)
{
    const std::int32_t j = valores.NextValueIndex(i);
    if (j < fecho) {
        const auto slot = Slot(valores, j);
        if (!slot.Ok())
            return slot.Falha();
        const Valor dentro = *slot.Valor();
        valores.Escrever(i, dentro);
        valores.Esvaziar(j);
    } else {
        valores.Escrever(i, 0.0);
    }
    valores.Esvaziar(fecho);
    return {};
}

// x is the first value inside, y the last; those between stay where they are.
runtime::Resultado<void> ChamarFunção(const Expressão& expressão,
                                      Valores& valores,
                                      Contexto& contexto,
                                      const Símbolo& função,
                                      std::int32_t i,
                                      std::int32_t fecho)
{
    const std::int32_t a = valores.NextValueIndex(i);
    if (a >= fecho)
        return Falha(Código::ArgumentoInválidoNaExpressão, função.texto);
    const auto x = NúmeroEm(expressão, valores, a);
    if (!x.Ok())
        return x.Falha();
    const std::int32_t b = valores.PrevValueIndex(fecho);
    if (b <= i)
        return Falha(Código::ArgumentoInválidoNaExpressão, função.texto);
    const auto y = NúmeroEm(expressão, valores, b);
    if (!y.Ok())
        return y.Falha();
    valores.Esvaziar(b);
    valores.Esvaziar(a);
    valores.Esvaziar(fecho);
    const auto resultado = CalcularFunção(função, x.Valor(), y.Valor(), contexto);
    if (!resultado.Ok())
        return resultado.Falha();
    valores.Escrever(i, ParaValor(resultado.Valor()));
    return {};
}

runtime::Resultado<void>
Passo(const Expressão& expressão, Ambiente& ambiente, Valores& valores, std::size_t& k)
{
    const auto& ordem = expressão.ordem;
    const std::int32_t i = ordem[k];
    const auto operação = Operação(expressão, valores, i);
    if (!operação.Ok())
        return operação.Falha();
    const Símbolo& op = *operação.Valor();
    switch (op.tipo) {
    case Tipo::Operador:
        return op.operador == '~' ? Negar(expressão, valores, i)
                                  : Binário(expressão, valores, i, op.operador);
    case Tipo::Abre:
    case Tipo::Função: {
        const auto fecho = Fecho(ordem, ++k);
        if (!fecho.Ok())
            return fecho.Falha();
        if (op.tipo == Tipo::Função)
            return ChamarFunção(expressão, valores, ambiente.contexto, op, i, fecho.Valor());
        return Parênteses(valores, i, fecho.Valor());
    }
    default: {
        const auto valor = ValorDoNome(op.texto, ambiente);
        if (!valor.Ok())
            return valor.Falha();
        valores.Escrever(i, ParaValor(valor.Valor()));
        return {};
    }
    }
}

} // namespace

runtime::Resultado<double> ComoNúmero(const Expressão& expressão, const Valor& valor)
{
    if (const auto* texto = std::get_if<Texto>(&valor)) {
        const Símbolo& s = SímboloEm(expressão, texto->posição);
        if (s.tipo != Tipo::Número)
            return Falha(Código::TipoIncompatível);
        if (s.falhaDoNúmero != Código::Nenhum)
            return Falha(s.falhaDoNúmero);
        return s.número;
    }
    if (std::holds_alternative<std::monostate>(valor))
        return Falha(Código::TipoIncompatível);
    return std::visit(
        [](auto v) -> double {
            if constexpr (std::is_arithmetic_v<decltype(v)>)
                return static_cast<double>(v);
            else
                return 0;
        },
        valor);
}

namespace {

template <typename T>
runtime::Resultado<Número> EmNúmero(const runtime::Resultado<T>& r)
{
    if (!r.Ok())
        return r.Falha();
    return Número(r.Valor());
}

} // namespace

runtime::Resultado<Número> AplicarOperador(char operador, double a, double b)
{
    switch (operador) {
    case '*':
        return EmNúmero(Multiplicar(a, b));
    case '/':
        return EmNúmero(Dividir(a, b));
    case '\\':
        return EmNúmero(DivisãoInteira(a, b));
    case '+':
        return EmNúmero(Somar(a, b));
    case '-':
        return EmNúmero(Subtrair(a, b));
    case '^':
        return EmNúmero(Potência(a, b));
    case '%':
        return EmNúmero(Resto(a, b));
    default:
        return Falha(Código::ExpressãoInválida);
    }
}

runtime::Resultado<Número> ValorDoNome(const std::string& nome, Ambiente& ambiente)
{
    // The constants come before the variables: a variable named pi, e or
    // rnd is never read.
    if (nome == "pi")
        return Número(Pi);
    if (nome == "e")
        return Número(E);
    if (nome == "rnd")
        return Número(ambiente.contexto.gerador.Próximo());
    const auto achada = ambiente.variáveis.find(nome);
    if (achada == ambiente.variáveis.end())
        return Falha(Código::VariávelNãoDefinida, nome);
    // A caller can store an infinity or a NaN; no operation could have made
    // one, so it is refused as the overflow it stands for.
    return EmNúmero(Verificado(achada->second));
}

runtime::Resultado<Número> CalcularFunção(const Símbolo& função, double x, double y, Contexto& contexto)
{
    if (função.função < 0)
        return Falha(Código::FunçãoNãoDefinida, função.texto);
    return Funções()[static_cast<std::size_t>(função.função)].calcular(x, y, contexto);
}

runtime::Resultado<double> Avaliar(const Expressão& expressão, Ambiente& ambiente, Valores& valores)
{
    if (expressão.símbolos.empty())
        return Falha(Código::ÍndiceForaDoIntervalo);
    valores.Preencher(expressão);
    for (std::size_t k = 0; k < expressão.ordem.size(); ++k) {
        if (auto passo = Passo(expressão, ambiente, valores, k); !passo.Ok())
            return passo.Falha();
    }
    return NúmeroEm(expressão, valores, valores.NextValueIndex(0));
}

runtime::Erro ErroDoInterpretador(runtime::Erro erro)
{
    const int número = erro.Número();
    const bool conserva = erro.código == Código::ArgumentoInválido || erro.código == Código::Transbordo ||
                          erro.código == Código::DivisãoPorZero || (número >= 1100 && número <= 1104);
    if (!conserva)
        return runtime::Falhar(Código::ExpressãoInválida, std::string(Origem));
    erro.origem = Origem;
    return erro;
}

} // namespace vendrix::interpreter
