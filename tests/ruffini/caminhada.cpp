// SPDX-License-Identifier: MIT
#include "caminhada.h"

#include "runtime/numeros.h"

#include <cmath>

namespace vendrix::ruffini::testes {

namespace {

// num and den are whole numbers kept as doubles, exact up to 2^53, so that a
// step is only a few operations even in an unoptimised build.
constexpr double Máximo = 2147483647.0;

Fracção ComoFracção(double num, double den)
{
    return {runtime::ParaInteiro32(num).Valor(), runtime::ParaInteiro32(den).Valor()};
}

} // namespace

Caminhada Caminhar(double valor, std::int64_t máximoDePassos)
{
    const double magnitude = std::fabs(valor);
    double num = 1.0;
    double den = 1.0;
    double q = 1.0;
    std::int64_t passos = 0;
    while (q != magnitude) {
        if (++passos > máximoDePassos)
            return {Fim::Desistiu, ComoFracção(num, den), passos};
        if (q < magnitude) {
            if (num + 1.0 > Máximo)
                return {Fim::Transbordo, ComoFracção(num, den), passos};
            num += 1.0;
        } else {
            if (den + 1.0 > Máximo)
                return {Fim::Transbordo, ComoFracção(num, den), passos};
            den += 1.0;
            const double próximo = std::nearbyint(den * magnitude); // half to even, as the walk rounds
            // Written as "inside the range" so that NaN fails too.
            if (!(próximo >= -Máximo - 1.0 && próximo <= Máximo))
                return {Fim::Transbordo, ComoFracção(num, den), passos};
            num = próximo;
        }
        q = num / den;
    }
    if (valor < 0)
        num = -num;
    return {Fim::Achou, ComoFracção(num, den), passos};
}

} // namespace vendrix::ruffini::testes
