// SPDX-License-Identifier: MIT
#include "interpreter/funcoes.h"

#include "interpreter/calculo.h"

#include <array>
#include <cmath>

namespace vendrix::interpreter {

namespace {

using C = Contexto;

// With Graus set, the angle functions read their argument in degrees and
// the inverse ones give degrees, with the same factors as rad( and graus(,
// so that sin(30) in degrees is sin(rad(30)) in radians.
Real Ângulo(double x, const C& c) { return c.graus ? Multiplicar(x, GrausParaRadianos) : Real(x); }

Real EmÂngulo(const Real& radianos, const C& c)
{
    return c.graus ? Multiplicar(radianos, RadianosParaGraus) : radianos;
}

// A routine of the standard library on a value that may already have failed.
Real Aplicar(double (*f)(double), const Real& x)
{
    if (!x.Ok())
        return x;
    return Verificado(f(x.Valor()));
}

Real Atn(const Real& x)
{
    return Aplicar([](double v) { return std::atan(v); }, x);
}

Real Sin(const Real& x)
{
    return Aplicar([](double v) { return std::sin(v); }, x);
}

Real Cos(const Real& x)
{
    return Aplicar([](double v) { return std::cos(v); }, x);
}

Real Tan(const Real& x)
{
    return Aplicar([](double v) { return std::tan(v); }, x);
}

std::int16_t Sgn(double x) { return x > 0 ? std::int16_t{1} : (x < 0 ? std::int16_t{-1} : std::int16_t{0}); }

Real Int(const Real& x)
{
    return Aplicar([](double v) { return std::floor(v); }, x);
}

// 2·Atn(1), computed that way.
Real MeioPi() { return Multiplicar(2, Atn(1)); }

Real Seno(double x, C& c) { return Sin(Ângulo(x, c)); }

Real Cosseno(double x, C& c) { return Cos(Ângulo(x, c)); }

Real Tangente(double x, C& c) { return Tan(Ângulo(x, c)); }

Real ArcoTangente(double x, C& c) { return EmÂngulo(Atn(x), c); }

Real Cotangente(double x, C& c) { return Dividir(1, Tangente(x, c)); }

Real ArcoSeno(double x, C& c)
{
    return EmÂngulo(Atn(Dividir(x, RaizQuadrada(Somar(Multiplicar(-x, x), 1)))), c);
}

Real ArcoCotangente(double x, C& c) { return EmÂngulo(Subtrair(MeioPi(), Atn(x)), c); }

Real SenoH(double x) { return Dividir(Subtrair(Exponencial(x), Exponencial(-x)), 2); }

Real CossenoH(double x) { return Dividir(Somar(Exponencial(x), Exponencial(-x)), 2); }

Real TangenteH(double x)
{
    return Dividir(Subtrair(Exponencial(x), Exponencial(-x)), Somar(Exponencial(-x), Exponencial(x)));
}

Real CotangenteH(double x)
{
    return Dividir(Somar(Exponencial(x), Exponencial(-x)), Subtrair(Exponencial(x), Exponencial(-x)));
}

Real ArcoSenoH(double x) { return Logaritmo(Somar(RaizQuadrada(Somar(Multiplicar(x, x), 1)), x)); }

Real ArcoTangenteH(double x) { return Dividir(Logaritmo(Dividir(Somar(x, 1), Subtrair(1, x))), 2); }

Real ArcoCotangenteH(double x) { return Dividir(Logaritmo(Dividir(Somar(x, 1), Subtrair(x, 1))), 2); }

float Rnd(double x, C& c)
{
    c.gerador.Ressemear();
    if (x > 0)
        return c.gerador.Próximo();
    if (x == 0)
        return c.gerador.Último();
    return c.gerador.Fixo(x);
}

Real Random(double x, double y, C& c)
{
    c.gerador.Ressemear();
    return Somar(Multiplicar(c.gerador.Próximo(), Subtrair(y, x)), x);
}

Real Rand(double x, C& c)
{
    c.gerador.Ressemear();
    return Int(Multiplicar(c.gerador.Próximo(), x));
}

Real ArcoSecante(double x, C& c)
{
    const Real r = Somar(
        Multiplicar(Subtrair(Atn(RaizQuadrada(Subtrair(Multiplicar(x, x), 1))), MeioPi()), Sgn(x)), MeioPi());
    return EmÂngulo(r, c);
}

Real ArcoCossecante(double x, C& c)
{
    return EmÂngulo(Multiplicar(Sgn(x), Atn(Dividir(1, RaizQuadrada(Subtrair(Multiplicar(x, x), 1))))), c);
}

Real ArcoCosseno(double x, C& c)
{
    return EmÂngulo(Somar(Atn(Dividir(-x, RaizQuadrada(Somar(Multiplicar(-x, x), 1)))), MeioPi()), c);
}

Real ArcoSecanteH(double x)
{
    return Logaritmo(Dividir(Somar(RaizQuadrada(Somar(Multiplicar(-x, x), 1)), 1), x));
}

Real ArcoCossecanteH(double x)
{
    return Logaritmo(Dividir(Somar(Multiplicar(Sgn(x), RaizQuadrada(Somar(Multiplicar(x, x), 1))), 1), x));
}

// A row's result as one of the four kinds of number, or its failure.
template <typename T>
runtime::Resultado<Número> ComoResultado(const runtime::Resultado<T>& r)
{
    if (!r.Ok())
        return r.Falha();
    return Número(r.Valor());
}

template <typename T>
runtime::Resultado<Número> ComoResultado(T valor)
{
    return Número(valor);
}

#define APENAS_X(corpo) [](double x, double, C&) { return ComoResultado(corpo); }
#define COM_C(corpo) [](double x, double, C& c) { return ComoResultado(corpo); }

constexpr std::array<Função, NúmeroDeFunções> Tabela{{
    {"abs(", APENAS_X(Verificado(std::fabs(x)))},
    {"arctg(", COM_C(ArcoTangente(x, c))},
    {"atn(", COM_C(ArcoTangente(x, c))},
    {"cos(", COM_C(Cosseno(x, c))},
    {"exp(", APENAS_X(Exponencial(x))},
    {"fix(", APENAS_X(Verificado(std::trunc(x)))},
    {"int(", APENAS_X(Int(x))},
    {"log(", APENAS_X(Logaritmo(x))},
    {"rnd(", COM_C(Rnd(x, c))},
    {"sgn(", APENAS_X(Sgn(x))},
    {"sin(", COM_C(Seno(x, c))},
    {"sen(", COM_C(Seno(x, c))},
    {"sqr(", APENAS_X(RaizQuadrada(x))},
    {"tg(", COM_C(Tangente(x, c))},
    {"tan(", COM_C(Tangente(x, c))},
    {"min(", [](double x, double y, C&) { return ComoResultado(x < y ? x : y); }},
    {"max(", [](double x, double y, C&) { return ComoResultado(x > y ? x : y); }},
    {"random(", [](double x, double y, C& c) { return ComoResultado(Random(x, y, c)); }},
    {"mod(", [](double x, double y, C&) { return ComoResultado(Resto(x, y)); }},
    {"logn(", [](double x, double y, C&) { return ComoResultado(Dividir(Logaritmo(x), Logaritmo(y))); }},
    {"rand(", COM_C(Rand(x, c))},
    {"sec(", COM_C(Dividir(1, Cosseno(x, c)))},
    {"cosec(", COM_C(Dividir(1, Seno(x, c)))},
    {"cotan(", COM_C(Cotangente(x, c))},
    {"cotg(", COM_C(Cotangente(x, c))},
    {"arcsin(", COM_C(ArcoSeno(x, c))},
    {"arcsen(", COM_C(ArcoSeno(x, c))},
    {"arccos(", COM_C(ArcoCosseno(x, c))},
    {"arcsec(", COM_C(ArcoSecante(x, c))},
    {"arccosec(", COM_C(ArcoCossecante(x, c))},
    {"arccotg(", COM_C(ArcoCotangente(x, c))},
    {"arccotan(", COM_C(ArcoCotangente(x, c))},
    {"sinh(", APENAS_X(SenoH(x))},
    {"senh(", APENAS_X(SenoH(x))},
    {"cosh(", APENAS_X(CossenoH(x))},
    {"tgh(", APENAS_X(TangenteH(x))},
    {"tanh(", APENAS_X(TangenteH(x))},
    {"sech(", APENAS_X(Dividir(2, Somar(Exponencial(-x), Exponencial(x))))},
    {"cosech(", APENAS_X(Dividir(2, Subtrair(Exponencial(x), Exponencial(-x))))},
    {"cotgh(", APENAS_X(CotangenteH(x))},
    {"cotanh(", APENAS_X(CotangenteH(x))},
    {"arcsinh(", APENAS_X(ArcoSenoH(x))},
    {"arcsenh(", APENAS_X(ArcoSenoH(x))},
    {"arccosh(", APENAS_X(Logaritmo(Somar(RaizQuadrada(Subtrair(Multiplicar(x, x), 1)), x)))},
    {"arctgh(", APENAS_X(ArcoTangenteH(x))},
    {"arctanh(", APENAS_X(ArcoTangenteH(x))},
    {"arcsech(", APENAS_X(ArcoSecanteH(x))},
    {"arccosech(", APENAS_X(ArcoCossecanteH(x))},
    {"arccotgh(", APENAS_X(ArcoCotangenteH(x))},
    {"arccotanh(", APENAS_X(ArcoCotangenteH(x))},
    {"log10(", APENAS_X(Dividir(Logaritmo(x), Logaritmo(10)))},
    {"log2(", APENAS_X(Dividir(Logaritmo(x), Logaritmo(2)))},
    {"ln(", APENAS_X(Logaritmo(x))},
    {"graus(", APENAS_X(Multiplicar(x, RadianosParaGraus))},
    {"rad(", APENAS_X(Multiplicar(x, GrausParaRadianos))},
    {"mant(", APENAS_X(Subtrair(x, Int(x)))},
}};

#undef APENAS_X
#undef COM_C

} // namespace

std::span<const Função, NúmeroDeFunções> Funções() noexcept { return Tabela; }

int ProcurarFunção(std::string_view token) noexcept
{
    for (std::size_t i = 0; i < Tabela.size(); ++i)
        if (Tabela[i].token == token)
            return static_cast<int>(i);
    return -1;
}

} // namespace vendrix::interpreter
