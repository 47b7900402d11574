// SPDX-License-Identifier: MIT
#include "ruffini/procurar_fraccao.h"

#include "runtime/numeros.h"

#include <cmath>
#include <limits>

namespace vendrix::ruffini {

namespace {

using runtime::Código;
using runtime::Falhar;
using runtime::Resultado;

constexpr std::int64_t Limite = std::numeric_limits<std::int32_t>::max();

// Where p/q stands against the set of reals that round to the value. The
// division is correctly rounded, so comparing its result with the value is
// an exact test of p/q against that set: below it (-1), inside it (0) or
// above it (+1). p and q stay below 2^32 and so are exact as doubles.
int Comparar(std::int64_t p, std::int64_t q, double valor) noexcept
{
    const double quociente = static_cast<double>(p) / static_cast<double>(q);
    if (quociente < valor)
        return -1;
    return quociente > valor ? 1 : 0;
}

// The largest k in [1, máximo] for which vale(k) holds, knowing that vale(1)
// holds and that once vale fails it keeps failing. The estimate is usually
// right, so the search mostly costs two tests; a bad one only costs a few
// doublings and halvings more.
template <typename Teste>
std::int64_t MaiorPasso(Teste vale, double estimativa, std::int64_t máximo)
{
    std::int64_t k = 1;
    if (estimativa >= static_cast<double>(máximo))
        k = máximo;
    else if (estimativa >= 1.0)
        k = runtime::ParaInteiro32(std::floor(estimativa)).ValorOu(1);
    std::int64_t bom = 1;          // vale(bom) holds
    std::int64_t mau = máximo + 1; // vale(mau) fails, or mau is past the end
    if (vale(k)) {
        bom = k;
        for (std::int64_t passo = 1; bom < máximo; passo *= 2) {
            const std::int64_t seguinte = std::min(bom + passo, máximo);
            if (!vale(seguinte)) {
                mau = seguinte;
                break;
            }
            bom = seguinte;
        }
    } else {
        mau = k;
        for (std::int64_t passo = 1; mau - passo > bom; passo *= 2) {
            if (vale(mau - passo)) {
                bom = mau - passo;
                break;
            }
            mau -= passo;
        }
    }
    while (mau - bom > 1) {
        const std::int64_t meio = bom + (mau - bom) / 2;
        (vale(meio) ? bom : mau) = meio;
    }
    return bom;
}

// Descends the Stern–Brocot tree towards the value, a run of equal turns at
// a time (one term of the continued fraction per run). The first fraction
// met that rounds to the value has the smallest denominator of all such
// fractions, and it is the one the walk over the denominators stops at. The
// bounds only grow on the way down, so once one of them would leave the
// 32-bit range so would the answer.
Resultado<Fracção> ProcurarMagnitude(double valor)
{
    std::int64_t a = 0, b = 1; // a/b lies below the value
    std::int64_t c = 1, d = 0; // c/d lies above it
    for (;;) {
        const std::int64_t p = a + c;
        const std::int64_t q = b + d;
        if (p > Limite || q > Limite)
            return Falhar(Código::Transbordo);
        const int lado = Comparar(p, q, valor);
        if (lado == 0)
            return Fracção{static_cast<std::int32_t>(p), static_cast<std::int32_t>(q)};
        const auto db = static_cast<double>(b);
        const auto dd = static_cast<double>(d);
        if (lado < 0) {
            const std::int64_t máximo = std::min((Limite - a) / c, d == 0 ? Limite : (Limite - b) / d);
            const double estimativa =
                (valor * db - static_cast<double>(a)) / (static_cast<double>(c) - valor * dd);
            const std::int64_t k =
                MaiorPasso([&](std::int64_t n) { return Comparar(a + n * c, b + n * d, valor) < 0; },
                           estimativa,
                           máximo);
            a += k * c;
            b += k * d;
        } else {
            const std::int64_t máximo = std::min(a == 0 ? Limite : (Limite - c) / a, (Limite - d) / b);
            const double estimativa =
                (static_cast<double>(c) - valor * dd) / (valor * db - static_cast<double>(a));
            const std::int64_t k =
                MaiorPasso([&](std::int64_t n) { return Comparar(c + n * a, d + n * b, valor) > 0; },
                           estimativa,
                           máximo);
            c += k * a;
            d += k * b;
        }
    }
}

} // namespace

Resultado<Fracção> ProcurarFracção(double valor)
{
    if (!std::isfinite(valor))
        return Falhar(Código::Transbordo);
    // The walk starts at 1/1, which is above 0, and so first meets 0 at den = 2.
    if (valor == 0.0)
        return Fracção{0, 2};
    Resultado<Fracção> fracção = ProcurarMagnitude(std::fabs(valor));
    if (!fracção.Ok() || valor > 0.0)
        return fracção;
    const Fracção magnitude = fracção.Valor();
    return Fracção{-magnitude.num, magnitude.den};
}

} // namespace vendrix::ruffini
