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
double Ângulo(double x, const C& c) { return c.graus ? Multiplicar(x, GrausParaRadianos) : x; }

double EmÂngulo(double radianos, const C& c)
{
    return c.graus ? Multiplicar(radianos, RadianosParaGraus) : radianos;
}

double Atn(double x) { return Verificado(std::atan(x)); }

double Sin(double x) { return Verificado(std::sin(x)); }

double Cos(double x) { return Verificado(std::cos(x)); }

double Tan(double x) { return Verificado(std::tan(x)); }

std::int16_t Sgn(double x) { return x > 0 ? std::int16_t{1} : (x < 0 ? std::int16_t{-1} : std::int16_t{0}); }

double Int(double x) { return std::floor(x); }

// 2·Atn(1), computed that way.
double MeioPi() { return Multiplicar(2, Atn(1)); }

double Seno(double x, C& c) { return Sin(Ângulo(x, c)); }

double Cosseno(double x, C& c) { return Cos(Ângulo(x, c)); }

double Tangente(double x, C& c) { return Tan(Ângulo(x, c)); }

double ArcoTangente(double x, C& c) { return EmÂngulo(Atn(x), c); }

double Cotangente(double x, C& c) { return Dividir(1, Tangente(x, c)); }

double ArcoSeno(double x, C& c)
{
    return EmÂngulo(Atn(Dividir(x, RaizQuadrada(Somar(Multiplicar(-x, x), 1)))), c);
}

double ArcoCotangente(double x, C& c) { return EmÂngulo(Subtrair(MeioPi(), Atn(x)), c); }

double SenoH(double x) { return Dividir(Subtrair(Exponencial(x), Exponencial(-x)), 2); }

double CossenoH(double x) { return Dividir(Somar(Exponencial(x), Exponencial(-x)), 2); }

double TangenteH(double x)
{
    return Dividir(Subtrair(Exponencial(x), Exponencial(-x)), Somar(Exponencial(-x), Exponencial(x)));
}

double CotangenteH(double x)
{
    return Dividir(Somar(Exponencial(x), Exponencial(-x)), Subtrair(Exponencial(x), Exponencial(-x)));
}

double ArcoSenoH(double x) { return Logaritmo(Somar(RaizQuadrada(Somar(Multiplicar(x, x), 1)), x)); }

double ArcoTangenteH(double x) { return Dividir(Logaritmo(Dividir(Somar(x, 1), Subtrair(1, x))), 2); }

double ArcoCotangenteH(double x) { return Dividir(Logaritmo(Dividir(Somar(x, 1), Subtrair(x, 1))), 2); }

float Rnd(double x, C& c)
{
    c.gerador.Ressemear();
    if (x > 0)
        return c.gerador.Próximo();
    if (x == 0)
        return c.gerador.Último();
    return c.gerador.Fixo(x);
}

double Random(double x, double y, C& c)
{
    c.gerador.Ressemear();
    return Somar(Multiplicar(c.gerador.Próximo(), Subtrair(y, x)), x);
}

double Rand(double x, C& c)
{
    c.gerador.Ressemear();
    return Int(Multiplicar(c.gerador.Próximo(), x));
}

double ArcoSecante(double x, C& c)
{
    const double r = Somar(
        Multiplicar(Subtrair(Atn(RaizQuadrada(Subtrair(Multiplicar(x, x), 1))), MeioPi()), Sgn(x)), MeioPi());
    return EmÂngulo(r, c);
}

double ArcoCossecante(double x, C& c)
{
    return EmÂngulo(Multiplicar(Sgn(x), Atn(Dividir(1, RaizQuadrada(Subtrair(Multiplicar(x, x), 1))))), c);
}

double ArcoCosseno(double x, C& c)
{
    return EmÂngulo(Somar(Atn(Dividir(-x, RaizQuadrada(Somar(Multiplicar(-x, x), 1)))), MeioPi()), c);
}

double ArcoSecanteH(double x)
{
    return Logaritmo(Dividir(Somar(RaizQuadrada(Somar(Multiplicar(-x, x), 1)), 1), x));
}

double ArcoCossecanteH(double x)
{
    return Logaritmo(Dividir(Somar(Multiplicar(Sgn(x), RaizQuadrada(Somar(Multiplicar(x, x), 1))), 1), x));
}

#define APENAS_X(corpo) [](double x, double, C&) -> Número { return corpo; }
#define COM_C(corpo) [](double x, double, C& c) -> Número { return corpo; }

constexpr std::array<Função, NúmeroDeFunções> Tabela{{
    {"abs(", APENAS_X(Verificado(std::fabs(x)))},
    {"arctg(", COM_C(ArcoTangente(x, c))},
    {"atn(", COM_C(ArcoTangente(x, c))},
    {"cos(", COM_C(Cosseno(x, c))},
    {"exp(", APENAS_X(Exponencial(x))},
    {"fix(", APENAS_X(Verificado(std::trunc(x)))},
    {"int(", APENAS_X(Verificado(Int(x)))},
    {"log(", APENAS_X(Logaritmo(x))},
    {"rnd(", COM_C(Rnd(x, c))},
    {"sgn(", APENAS_X(Sgn(x))},
    {"sin(", COM_C(Seno(x, c))},
    {"sen(", COM_C(Seno(x, c))},
    {"sqr(", APENAS_X(RaizQuadrada(x))},
    {"tg(", COM_C(Tangente(x, c))},
    {"tan(", COM_C(Tangente(x, c))},
    {"min(", [](double x, double y, C&) -> Número { return x < y ? x : y; }},
    {"max(", [](double x, double y, C&) -> Número { return x > y ? x : y; }},
    {"random(", [](double x, double y, C& c) -> Número { return Random(x, y, c); }},
    {"mod(", [](double x, double y, C&) -> Número { return Resto(x, y); }},
    {"logn(", [](double x, double y, C&) -> Número { return Dividir(Logaritmo(x), Logaritmo(y)); }},
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
