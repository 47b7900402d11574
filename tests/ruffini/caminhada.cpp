// SPDX-License-Identifier: MIT
#include "caminhada.h"

#include "runtime/numeros.h"

#include <cmath>

namespace vendrix::ruffini::testes {

Caminhada Caminhar(double valor, std::int64_t máximoDePassos)
{
    // Whole numbers kept as doubles (exact to 2^53): a few operations a step.
    const double magnitude = std::fabs(valor);
    double num = 1.0;
    double den = 1.0;
    std::int64_t passos = 0;
    Fim fim = Fim::Achou;
    while (fim == Fim::Achou && num / den != magnitude) {
        if (++passos > máximoDePassos)
            fim = Fim::Desistiu;
        else if (num / den < magnitude)
            num += 1.0;
        else
            num = std::nearbyint(++den * magnitude); // half to even, as the walk rounds
        // Written as "inside the range" so that NaN leaves it too.
        if (!(num <= 2147483647.0 && den <= 2147483647.0))
            fim = Fim::Transbordo;
    }
    const double sinal = fim == Fim::Achou && valor < 0 ? -1.0 : 1.0;
    return {fim,
            {runtime::ParaInteiro32(sinal * num).ValorOu(0), runtime::ParaInteiro32(den).ValorOu(0)},
            passos};
}

} // namespace vendrix::ruffini::testes
