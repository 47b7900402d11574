// SPDX-License-Identifier: MIT
#include "ruffini/raiz.h"

#include "interpreter/cls_equation.h"
#include "ruffini/fraccao_exacta.h"
#include "runtime/numeros.h"
#include "runtime/texto_decimal.h"
#include "runtime/textos.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace vendrix::ruffini {

namespace {

using runtime::Código;
using runtime::Falhar;
using runtime::Resultado;

Resultado<double> Avaliar(interpreter::clsEquation& equação, std::string_view expressão, double x)
{
    equação.Equation(expressão);
    equação.Var("x", x);
    if (const auto resolvida = equação.Solve(); !resolvida.Ok())
        return resolvida.Falha();
    return equação.Solution();
}

// A whole number that single precision rounds to another one: from 2^24 on,
// not every whole number has a single of its own.
bool InteiroPerdido(double valor, float simples)
{
    return std::nearbyint(valor) == valor && static_cast<double>(simples) != valor;
}

// Whether the divisor, evaluated again at x, is the line y0 + a·x. The
// tolerance is relative, so that the rounding of y0 and a to single
// precision, and that of constants such as pi, pass; a value that cannot
// be computed, or NaN, does not.
bool NaRecta(interpreter::clsEquation& equação, std::string_view divisor, ValoresDoDivisor valores, double x)
{
    const auto valor = Avaliar(equação, divisor, x);
    if (!valor.Ok())
        return false;
    const double y0 = valores.y0;
    const double ax = static_cast<double>(valores.a) * x;
    const double maior = std::max({std::fabs(valor.Valor()), std::fabs(y0), std::fabs(ax)});
    return std::fabs(valor.Valor() - (y0 + ax)) <= 1e-5 * maior;
}

// "-1/2", "2" (not "2/1"), and "0" whatever the sign and the denominator
// of a zero ("-0/2").
std::string TextoDaRaiz(bool positiva, Fracção fracção)
{
    if (fracção.num == 0)
        return std::string(1, '0');
    std::string texto = runtime::TextoDeInteiro(fracção.num);
    if (!positiva)
        texto.insert(texto.begin(), '-');
    if (fracção.den != 1)
        texto.append("/").append(runtime::TextoDeInteiro(fracção.den));
    return texto;
}

} // namespace

Resultado<ValoresDoDivisor> AvaliarDivisor(std::string_view divisor, interpreter::FonteDeSementes sementes)
{
    interpreter::clsEquation equação(std::move(sementes));
    const auto v0 = Avaliar(equação, divisor, 0.0);
    if (!v0.Ok())
        return v0.Falha();
    const auto y0 = runtime::ParaSimples(v0.Valor());
    if (!y0.Ok())
        return y0.Falha();
    // y0 goes back in plain digits, which the interpreter reads exactly: in
    // the exponent form "1.234568E+07" it would take the "e" for its constant.
    const std::string semConstante = std::string(divisor) + "-(" + runtime::TextoDecimal(y0.Valor()) + ")";
    const auto v1 = Avaliar(equação, semConstante, 1.0);
    if (!v1.Ok())
        return v1.Falha();
    const auto a = runtime::ParaSimples(v1.Valor());
    if (!a.Ok())
        return a.Falha();
    if (a.Valor() == 0)
        return Falhar(Código::DivisãoPorZero);
    ValoresDoDivisor valores{y0.Valor(), a.Valor()};
    // Any expression gives some y0 and a; only a line is what they describe.
    if (!NaRecta(equação, divisor, valores, -1.0) || !NaRecta(equação, divisor, valores, 2.0))
        return Falhar(Código::TipoIncompatível);
    valores.exactos = !InteiroPerdido(v0.Valor(), valores.y0) && !InteiroPerdido(v1.Valor(), valores.a);
    return valores;
}

Resultado<Raiz> EscreverRaiz(ValoresDoDivisor valores)
{
    Raiz raiz;
    raiz.y0 = valores.y0;
    raiz.a = valores.a;
    const double magnitude =
        std::fabs(static_cast<double>(valores.y0)) / std::fabs(static_cast<double>(valores.a));
    const auto fracção = ProcurarFracção(magnitude);
    if (!fracção.Ok())
        return fracção.Falha();
    // The root -y0/a is positive when y0 and a differ in sign. Asking the
    // signs, rather than the sign of y0 × a in single precision, keeps the
    // sign right where that product would overflow or come to zero.
    const bool positiva = valores.y0 != 0 && (valores.y0 < 0) != (valores.a < 0);
    raiz.Div = TextoDaRaiz(positiva, fracção.Valor());
    if (const auto partes = runtime::Dividir(raiz.Div, "/"); partes.size() == 2) {
        const auto rnum = runtime::TextoParaSimples(partes[0]);
        const auto rden = runtime::TextoParaSimples(partes[1]);
        if (!rnum.Ok() || !rden.Ok())
            return Falhar(Código::Transbordo);
        raiz.rnum = rnum.Valor();
        raiz.rden = rden.Valor();
    }
    return raiz;
}

} // namespace vendrix::ruffini
