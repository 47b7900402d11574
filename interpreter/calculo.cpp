// SPDX-License-Identifier: MIT
#include "interpreter/calculo.h"

#include "interpreter/valor.h"
#include "runtime/numeros.h"

#include <cmath>

namespace vendrix::interpreter {

using runtime::Código;

void Lançar(Código código, std::string símbolo) { throw runtime::Falhar(código, {}, std::move(símbolo)); }

double Verificado(double resultado)
{
    if (!std::isfinite(resultado))
        Lançar(Código::Transbordo);
    return resultado;
}

double Somar(double a, double b) { return Verificado(a + b); }

double Subtrair(double a, double b) { return Verificado(a - b); }

double Multiplicar(double a, double b) { return Verificado(a * b); }

double Dividir(double a, double b)
{
    if (b == 0)
        Lançar(a == 0 ? Código::Transbordo : Código::DivisãoPorZero);
    return Verificado(a / b);
}

double Potência(double base, double expoente)
{
    if (base < 0 && expoente != std::trunc(expoente))
        Lançar(Código::ArgumentoInválido);
    if (base == 0 && expoente < 0)
        Lançar(Código::DivisãoPorZero);
    return Verificado(std::pow(base, expoente));
}

double RaizQuadrada(double x)
{
    if (x < 0)
        Lançar(Código::ArgumentoInválido);
    return Verificado(std::sqrt(x));
}

double Logaritmo(double x)
{
    if (x <= 0)
        Lançar(Código::ArgumentoInválido);
    return Verificado(std::log(x));
}

double Exponencial(double x) { return Verificado(std::exp(x)); }

std::int32_t Inteiro32(double x)
{
    const auto r = runtime::ParaInteiro32(x);
    if (!r.Ok())
        Lançar(r.Falha().código);
    return r.Valor();
}

std::int32_t DivisãoInteira(double a, double b)
{
    const std::int32_t x = Inteiro32(a);
    const std::int32_t y = Inteiro32(b);
    if (y == 0)
        Lançar(Código::DivisãoPorZero);
    // The one quotient that does not fit: -2147483648 \ -1.
    if (y == -1 && x == INT32_MIN)
        Lançar(Código::Transbordo);
    return x / y;
}

std::int32_t Resto(double a, double b)
{
    const std::int32_t x = Inteiro32(a);
    const std::int32_t y = Inteiro32(b);
    if (y == 0)
        Lançar(Código::DivisãoPorZero);
    // -2147483648 % -1 is 0, but the machine's remainder instruction traps on it.
    if (y == -1)
        return 0;
    return x % y;
}

} // namespace vendrix::interpreter
