// SPDX-License-Identifier: MIT
#include "ruffini/raiz.h"

#include "interpreter/cls_equation.h"
#include "ruffini/fraccao_exacta.h"
#include "runtime/numeros.h"
#include "runtime/texto_decimal.h"
#include "runtime/textos.h"

#include <cmath>
#include <string>

namespace vendrix::ruffini {

namespace {

using runtime::Código;
using runtime::Falhar;
using runtime::Resultado;

Resultado<float> Avaliar(interpreter::clsEquation& equação, std::string_view expressão, double x)
{
    equação.Equation(expressão);
    equação.Var("x", x);
    if (const auto resolvida = equação.Solve(); !resolvida.Ok())
        return resolvida.Falha();
    const auto valor = equação.Solution();
    if (!valor.Ok())
        return valor.Falha();
    return runtime::ParaSimples(valor.Valor());
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

Resultado<ValoresDoDivisor> AvaliarDivisor(std::string_view divisor)
{
    interpreter::clsEquation equação;
    const auto y0 = Avaliar(equação, divisor, 0.0);
    if (!y0.Ok())
        return y0.Falha();
    // y0 goes back in plain digits, which the interpreter reads exactly: in
    // the exponent form "1.234568E+07" it would take the "e" for its constant.
    const std::string semConstante = std::string(divisor) + "-(" + runtime::TextoDecimal(y0.Valor()) + ")";
    const auto a = Avaliar(equação, semConstante, 1.0);
    if (!a.Ok())
        return a.Falha();
    if (a.Valor() == 0)
        return Falhar(Código::DivisãoPorZero);
    return ValoresDoDivisor{y0.Valor(), a.Valor()};
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
