// SPDX-License-Identifier: MIT
#include "interpreter/calculo.h"

#include "interpreter/valor.h"
#include "runtime/numeros.h"

#include <climits>
#include <cmath>

namespace vendrix::interpreter {

using runtime::Código;

runtime::Erro Falha(Código código, std::string símbolo)
{
    return runtime::Falhar(código, {}, std::move(símbolo));
}

Real Verificado(double resultado)
{
    if (!std::isfinite(resultado))
        return Falha(Código::Transbordo);
    return resultado;
}

namespace {

// The first failure among the arguments, left to right, or nullptr.
const runtime::Erro* Primeira(const Real& a, const Real& b = 0.0)
{
    if (!a.Ok())
        return &a.Falha();
    if (!b.Ok())
        return &b.Falha();
    return nullptr;
}

} // namespace

Real Somar(const Real& a, const Real& b)
{
    if (const auto* f = Primeira(a, b))
        return *f;
    return Verificado(a.Valor() + b.Valor());
}

Real Subtrair(const Real& a, const Real& b)
{
    if (const auto* f = Primeira(a, b))
        return *f;
    return Verificado(a.Valor() - b.Valor());
}

Real Multiplicar(const Real& a, const Real& b)
{
    if (const auto* f = Primeira(a, b))
        return *f;
    return Verificado(a.Valor() * b.Valor());
}

Real Dividir(const Real& a, const Real& b)
{
    if (const auto* f = Primeira(a, b))
        return *f;
    if (b.Valor() == 0)
        return Falha(a.Valor() == 0 ? Código::Transbordo : Código::DivisãoPorZero);
    return Verificado(a.Valor() / b.Valor());
}

Real Potência(const Real& base, const Real& expoente)
{
    if (const auto* f = Primeira(base, expoente))
        return *f;
    const double b = base.Valor();
    const double e = expoente.Valor();
    if (b < 0 && e != std::trunc(e))
        return Falha(Código::ArgumentoInválido);
    if (b == 0 && e < 0)
        return Falha(Código::DivisãoPorZero);
    return Verificado(std::pow(b, e));
}

Real RaizQuadrada(const Real& x)
{
    if (const auto* f = Primeira(x))
        return *f;
    if (x.Valor() < 0)
        return Falha(Código::ArgumentoInválido);
    return Verificado(std::sqrt(x.Valor()));
}

Real Logaritmo(const Real& x)
{
    if (const auto* f = Primeira(x))
        return *f;
    if (x.Valor() <= 0)
        return Falha(Código::ArgumentoInválido);
    return Verificado(std::log(x.Valor()));
}

Real Exponencial(const Real& x)
{
    if (const auto* f = Primeira(x))
        return *f;
    return Verificado(std::exp(x.Valor()));
}

runtime::Resultado<std::int32_t> Inteiro32(double x)
{
    const auto r = runtime::ParaInteiro32(x);
    if (!r.Ok())
        return Falha(r.Falha().código);
    return r.Valor();
}

runtime::Resultado<std::int32_t> DivisãoInteira(double a, double b)
{
    auto x = Inteiro32(a);
    if (!x.Ok())
        return x;
    auto y = Inteiro32(b);
    if (!y.Ok())
        return y;
    if (y.Valor() == 0)
        return Falha(Código::DivisãoPorZero);
    // The one quotient that does not fit: -2147483648 \ -1.
    if (y.Valor() == -1 && x.Valor() == INT32_MIN)
        return Falha(Código::Transbordo);
    return x.Valor() / y.Valor();
}

runtime::Resultado<std::int32_t> Resto(double a, double b)
{
    auto x = Inteiro32(a);
    if (!x.Ok())
        return x;
    auto y = Inteiro32(b);
    if (!y.Ok())
        return y;
    if (y.Valor() == 0)
        return Falha(Código::DivisãoPorZero);
    // -2147483648 % -1 is 0, but the machine's remainder instruction traps on it.
    if (y.Valor() == -1)
        return 0;
    return x.Valor() % y.Valor();
}

} // namespace vendrix::interpreter
