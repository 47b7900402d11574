// SPDX-License-Identifier: MIT
#include "ruffini/tabela.h"

#include "ruffini/fraccao_exacta.h"
#include "runtime/numeros.h"
#include "runtime/textos.h"

#include <cassert>
#include <cmath>
#include <utility>

namespace vendrix::ruffini {

namespace {

using runtime::Código;
using runtime::Falhar;
using runtime::Resultado;

// The fractional path has room for 32-bit values only; a larger one would
// also have lost its last digits in double precision on the way.
Resultado<double> DentroDoIntervalo(double valor)
{
    if (!runtime::ParaInteiro32(valor).Ok())
        return Falhar(Código::Transbordo);
    return valor;
}

// A cell of the integer path shows its value in at most 15 significant
// digits, the most a double always gives back as written. Whole values
// below 10^15 are shown exactly, however long (the user moves along the
// cell to read them); from 10^15 on, the text would be rounded, and the next
// column would be worked out from the rounded text.
Resultado<double> CabeNaCélula(double valor)
{
    if (!(std::fabs(valor) < 1e15))
        return Falhar(Código::Transbordo);
    return valor;
}

std::string ComoTexto(Fracção f)
{
    return runtime::TextoDeInteiro(f.num) + "/" + runtime::TextoDeInteiro(f.den);
}

Tabela TabelaVazia(std::size_t grau)
{
    Tabela tabela;
    tabela.Ter.resize(grau + 1);
    tabela.Seg.resize(grau + 1);
    tabela.Quociente.reserve(grau);
    return tabela;
}

// The root is an integer: plain numbers, read from the cells by the
// leading-number rule, in double precision.
Resultado<Tabela> CaminhoInteiro(std::span<const std::string> Coef, const Raiz& raiz)
{
    const std::size_t grau = Coef.size() - 1;
    Tabela tabela = TabelaVazia(grau);
    const auto raizValor = runtime::NúmeroInicial(raiz.Div);
    if (!raizValor.Ok())
        return raizValor.Falha();
    tabela.Ter[0] = Coef[0];
    if (const auto c0 = runtime::NúmeroInicial(Coef[0]); !c0.Ok() || !CabeNaCélula(c0.Valor()).Ok())
        return Falhar(Código::Transbordo);
    for (std::size_t i = 1; i <= grau; ++i) {
        const auto anterior = runtime::NúmeroInicial(tabela.Ter[i - 1]);
        if (!anterior.Ok())
            return anterior.Falha();
        const auto produto = CabeNaCélula(anterior.Valor() * raizValor.Valor());
        if (!produto.Ok())
            return produto.Falha();
        const std::string& seg = *(tabela.Seg[i - 1] = runtime::TextoDeDuplo(produto.Valor()));
        const auto coeficiente = runtime::NúmeroInicial(Coef[i]);
        const auto lidoDoSeg = runtime::NúmeroInicial(seg);
        if (!coeficiente.Ok() || !lidoDoSeg.Ok())
            return Falhar(Código::Transbordo);
        const auto soma = CabeNaCélula(coeficiente.Valor() + lidoDoSeg.Valor());
        if (!soma.Ok())
            return soma.Falha();
        tabela.Ter[i] = runtime::TextoDeDuplo(soma.Valor());
    }
    for (std::size_t i = 0; i < grau; ++i) {
        if (raiz.a > 0) {
            tabela.Quociente.emplace_back(tabela.Ter[i]);
            continue;
        }
        const auto valor = runtime::NúmeroInicial(tabela.Ter[i]);
        if (!valor.Ok())
            return valor.Falha();
        tabela.Quociente.emplace_back(-valor.Valor());
    }
    return tabela;
}

// Quociente(0) is the leading coefficient over a, written out unreduced.
std::string PrimeiroQuociente(std::string_view Coef0, double c0, float a)
{
    if (c0 * static_cast<double>(a) > 0)
        return std::string(Coef0) + "/" + runtime::TextoDeSimples(a);
    std::string texto = "-";
    return texto.append(runtime::TextoDeDuplo(std::fabs(c0)))
        .append("/")
        .append(runtime::TextoDeSimples(std::fabs(a)));
}

// The exact quotient n/d when both are whole numbers.
std::optional<QuocienteExacto> Exacto(std::optional<std::int64_t> n, std::optional<std::int64_t> d)
{
    if (!n || !d || *d == 0)
        return std::nullopt;
    return QuocienteExacto{*n, *d};
}

std::optional<std::int64_t> Vezes(std::optional<std::int64_t> a, std::optional<std::int64_t> b)
{
    if (!a || !b)
        return std::nullopt;
    return *a * *b;
}

// The root is a fraction rnum/rden: every product and sum is found again as
// a fraction. Seg(degree) is worked out but never shown, so it may fail.
Resultado<Tabela> CaminhoFraccionário(std::span<const std::string> Coef, const Raiz& raiz)
{
    const std::size_t grau = Coef.size() - 1;
    Tabela tabela = TabelaVazia(grau);
    const auto a = static_cast<double>(raiz.a);
    const auto rnum = static_cast<double>(raiz.rnum);
    const auto rden = static_cast<double>(raiz.rden);
    const auto aInteiro = Inteiro(a);
    const auto rnumInteiro = Inteiro(rnum);
    const auto rdenInteiro = Inteiro(rden);
    tabela.Ter[0] = Coef[0];
    const auto c0 = runtime::TextoParaNúmero(Coef[0]);
    if (!c0.Ok())
        return c0.Falha();
    if (!DentroDoIntervalo(c0.Valor()).Ok())
        return Falhar(Código::Transbordo);
    tabela.Quociente.emplace_back(PrimeiroQuociente(Coef[0], c0.Valor(), raiz.a));
    auto seg = ProcurarFracçãoExacta(c0.Valor() * rnum / rden,
                                     Exacto(Vezes(Inteiro(c0.Valor()), rnumInteiro), rdenInteiro));
    if (!seg.Ok())
        return seg.Falha();
    tabela.Seg[0] = ComoTexto(seg.Valor());
    for (std::size_t i = 1; i <= grau; ++i) {
        const Fracção anterior = seg.Valor();
        const auto coeficiente = runtime::TextoParaNúmero(Coef[i]);
        if (!coeficiente.Ok())
            return coeficiente.Falha();
        std::optional<std::int64_t> somaExacta = Inteiro(coeficiente.Valor());
        if (somaExacta)
            somaExacta = *somaExacta * anterior.den + anterior.num;
        const auto ter =
            ProcurarFracçãoExacta((coeficiente.Valor() * anterior.den + anterior.num) / anterior.den,
                                  Exacto(somaExacta, anterior.den));
        if (!ter.Ok())
            return ter.Falha();
        const Fracção T = ter.Valor();
        const auto nT = static_cast<double>(T.num);
        const auto dT = static_cast<double>(T.den);
        tabela.Ter[i] = ComoTexto(T);
        // The remainder column's quotient would be nothing but a number never shown.
        if (i < grau) {
            const auto quociente =
                ProcurarFracçãoExacta(nT / (a * dT), Exacto(T.num, Vezes(aInteiro, T.den)));
            if (!quociente.Ok())
                return quociente.Falha();
            tabela.Quociente.emplace_back(ComoTexto(quociente.Valor()));
        }
        seg = ProcurarFracçãoExacta(rnum * nT / (rden * dT),
                                    Exacto(Vezes(rnumInteiro, T.num), Vezes(rdenInteiro, T.den)));
        if (!seg.Ok())
            return i == grau ? Resultado<Tabela>(std::move(tabela)) : seg.Falha();
        tabela.Seg[i] = ComoTexto(seg.Valor());
    }
    return tabela;
}

// Whether the quotient must still be divided by a: y0 and a, made whole,
// divide evenly and a is not 1. A test that cannot be made (a rounds to 0,
// or y0 or a is beyond the 32-bit range) lets the division by a through, as
// the program has always done.
bool DividirPorA(const Raiz& raiz)
{
    const auto y0 = runtime::ParaInteiro32(raiz.y0);
    const auto a = runtime::ParaInteiro32(raiz.a);
    if (!y0.Ok() || !a.Ok() || a.Valor() == 0)
        return true;
    return std::int64_t{y0.Valor()} % std::int64_t{a.Valor()} == 0 && raiz.a != 1.0f;
}

Resultado<void> DividirQuocientePorA(Tabela& tabela, float a)
{
    for (std::size_t i = 0; i < tabela.Quociente.size(); ++i) {
        const auto ter = runtime::TextoParaNúmero(tabela.Ter[i]);
        if (!ter.Ok())
            return ter.Falha();
        const auto fracção =
            ProcurarFracçãoExacta(ter.Valor() / static_cast<double>(a),
                                  Exacto(InteiroDaTabela(ter.Valor()), Inteiro(static_cast<double>(a))));
        if (!fracção.Ok())
            return fracção.Falha();
        const Fracção f = fracção.Valor();
        if (f.num == 0)
            tabela.Quociente[i] = 0.0;
        else if (f.den == 1)
            tabela.Quociente[i] = static_cast<double>(f.num);
        else
            tabela.Quociente[i] = ComoTexto(f);
    }
    return {};
}

bool ÉZero(const EntradaDoQuociente& entrada)
{
    if (const double* número = std::get_if<double>(&entrada))
        return *número == 0;
    // A text counts by its leading number, so "0/2" is zero and "2/2" is not.
    return runtime::NúmeroInicial(std::get<std::string>(entrada)).ValorOu(1.0) == 0;
}

std::string ComoTexto(const EntradaDoQuociente& entrada)
{
    if (const double* número = std::get_if<double>(&entrada))
        return runtime::TextoDeDuplo(*número);
    return std::get<std::string>(entrada);
}

} // namespace

Resultado<Tabela> CalcularTabela(std::span<const std::string> Coef, const Raiz& raiz)
{
    assert(!Coef.empty());
    auto tabela =
        runtime::Contém(raiz.Div, "/") ? CaminhoFraccionário(Coef, raiz) : CaminhoInteiro(Coef, raiz);
    if (!tabela.Ok() || !DividirPorA(raiz))
        return tabela;
    Tabela dividida = std::move(tabela).Valor();
    if (const auto r = DividirQuocientePorA(dividida, raiz.a); !r.Ok())
        return r.Falha();
    return dividida;
}

std::string TextoDoQuociente(std::span<const EntradaDoQuociente> quociente)
{
    const std::size_t grau = quociente.size();
    std::string texto;
    for (std::size_t i = 1; i <= grau; ++i) {
        if (ÉZero(quociente[i - 1]))
            continue;
        texto += ComoTexto(quociente[i - 1]) + "x^" +
                 runtime::TextoDeInteiro(static_cast<std::int64_t>(grau - i)) + "+";
    }
    // Exponents stop at 8, so "x^1" is always the first power.
    texto = runtime::Substituir(texto, "x^1", "x");
    texto = runtime::Substituir(texto, "x^0", "");
    texto = runtime::Substituir(texto, "+-", "-");
    texto = runtime::Substituir(texto, "+1x", "+x");
    texto = runtime::Substituir(texto, "-1x", "-x");
    if (!texto.empty() && texto.back() == '+')
        texto.pop_back();
    if (!texto.empty() && texto.back() == '-')
        texto.pop_back();
    if (texto.starts_with("1x"))
        texto.erase(0, 1);
    return texto;
}

} // namespace vendrix::ruffini
