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

// The token a slot still holds when its turn comes. Only a slot that was
// never evaluated can be acted on; anything else is a malformed expression.
const Símbolo& Operação(const Expressão& expressão, const Valores& valores, std::int32_t i)
{
    const auto* texto = std::get_if<Texto>(&valores.Ler(i));
    if (texto == nullptr)
        Lançar(Código::TipoIncompatível);
    return SímboloEm(expressão, texto->posição);
}

// The position of the ")" that closes the step at ordem[k], which comes
// right after it in the order.
std::int32_t Fecho(const std::vector<std::int32_t>& ordem, std::size_t k)
{
    if (k >= ordem.size())
        Lançar(Código::ÍndiceForaDoIntervalo);
    return ordem[k];
}

void Negar(const Expressão& expressão, Valores& valores, std::int32_t i)
{
    const std::int32_t r = valores.NextValueIndex(i);
    const double valor = ComoNúmero(expressão, valores.Ler(r));
    valores.Escrever(i, -valor);
    valores.Esvaziar(r);
}

void Binário(const Expressão& expressão, Valores& valores, std::int32_t i, char operador)
{
    const std::int32_t l = valores.PrevValueIndex(i);
    const std::int32_t r = valores.NextValueIndex(i);
    const double a = ComoNúmero(expressão, valores.Ler(l));
    const double b = ComoNúmero(expressão, valores.Ler(r));
    valores.Escrever(l, ParaValor(AplicarOperador(operador, a, b)));
    valores.Esvaziar(r);
    valores.Esvaziar(i);
}

// Only the first value between the parentheses is carried out; "()" is 0.
void Parênteses(Valores& valores, std::int32_t i, std::int32_t fecho)
{
    const std::int32_t j = valores.NextValueIndex(i);
    if (j < fecho) {
        const Valor dentro = valores.Ler(j);
        valores.Escrever(i, dentro);
        valores.Esvaziar(j);
    } else {
        valores.Escrever(i, 0.0);
    }
    valores.Esvaziar(fecho);
}

// x is the first value inside, y the last; those between stay where they are.
void ChamarFunção(const Expressão& expressão,
                  Valores& valores,
                  Contexto& contexto,
                  const Símbolo& função,
                  std::int32_t i,
                  std::int32_t fecho)
{
    const std::int32_t a = valores.NextValueIndex(i);
    if (a >= fecho)
        Lançar(Código::ArgumentoInválidoNaExpressão, função.texto);
    const double x = ComoNúmero(expressão, valores.Ler(a));
    const std::int32_t b = valores.PrevValueIndex(fecho);
    if (b <= i)
        Lançar(Código::ArgumentoInválidoNaExpressão, função.texto);
    const double y = ComoNúmero(expressão, valores.Ler(b));
    valores.Esvaziar(b);
    valores.Esvaziar(a);
    valores.Esvaziar(fecho);
    valores.Escrever(i, ParaValor(CalcularFunção(função, x, y, contexto)));
}

} // namespace

double ComoNúmero(const Expressão& expressão, const Valor& valor)
{
    if (const auto* texto = std::get_if<Texto>(&valor)) {
        const Símbolo& s = SímboloEm(expressão, texto->posição);
        if (s.tipo != Tipo::Número)
            Lançar(Código::TipoIncompatível);
        if (s.falhaDoNúmero != Código::Nenhum)
            Lançar(s.falhaDoNúmero);
        return s.número;
    }
    if (std::holds_alternative<std::monostate>(valor))
        Lançar(Código::TipoIncompatível);
    return std::visit(
        [](auto v) -> double {
            if constexpr (std::is_arithmetic_v<decltype(v)>)
                return static_cast<double>(v);
            else
                return 0;
        },
        valor);
}

Número AplicarOperador(char operador, double a, double b)
{
    switch (operador) {
    case '*':
        return Multiplicar(a, b);
    case '/':
        return Dividir(a, b);
    case '\\':
        return DivisãoInteira(a, b);
    case '+':
        return Somar(a, b);
    case '-':
        return Subtrair(a, b);
    case '^':
        return Potência(a, b);
    case '%':
        return Resto(a, b);
    default:
        Lançar(Código::ExpressãoInválida);
    }
}

Número ValorDoNome(const std::string& nome, Ambiente& ambiente)
{
    // The constants come before the variables: a variable named pi, e or
    // rnd is never read.
    if (nome == "pi")
        return Pi;
    if (nome == "e")
        return E;
    if (nome == "rnd")
        return ambiente.contexto.gerador.Próximo();
    const auto achada = ambiente.variáveis.find(nome);
    if (achada == ambiente.variáveis.end())
        Lançar(Código::VariávelNãoDefinida, nome);
    // A caller can store an infinity or a NaN; no operation could have made
    // one, so it is refused as the overflow it stands for.
    return Verificado(achada->second);
}

Número CalcularFunção(const Símbolo& função, double x, double y, Contexto& contexto)
{
    if (função.função < 0)
        Lançar(Código::FunçãoNãoDefinida, função.texto);
    return Funções()[static_cast<std::size_t>(função.função)].calcular(x, y, contexto);
}

double Avaliar(const Expressão& expressão, Ambiente& ambiente, Valores& valores)
{
    if (expressão.símbolos.empty())
        Lançar(Código::ÍndiceForaDoIntervalo);
    valores.Preencher(expressão);
    const auto& ordem = expressão.ordem;
    for (std::size_t k = 0; k < ordem.size(); ++k) {
        const std::int32_t i = ordem[k];
        const Símbolo& op = Operação(expressão, valores, i);
        switch (op.tipo) {
        case Tipo::Operador:
            if (op.operador == '~')
                Negar(expressão, valores, i);
            else
                Binário(expressão, valores, i, op.operador);
            break;
        case Tipo::Abre:
            Parênteses(valores, i, Fecho(ordem, ++k));
            break;
        case Tipo::Função:
            ChamarFunção(expressão, valores, ambiente.contexto, op, i, Fecho(ordem, ++k));
            break;
        default:
            valores.Escrever(i, ParaValor(ValorDoNome(op.texto, ambiente)));
            break;
        }
    }
    return ComoNúmero(expressão, valores.Ler(valores.NextValueIndex(0)));
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
