// SPDX-License-Identifier: MIT
#include "ruffini/fraccao_exacta.h"

#include "runtime/numeros.h"

#include <cmath>
#include <limits>
#include <numeric>

namespace vendrix::ruffini {

std::optional<std::int64_t> Inteiro(double valor)
{
    const auto inteiro = runtime::ParaInteiro32(valor);
    if (!inteiro.Ok() || inteiro.Valor() != valor ||
        inteiro.Valor() == std::numeric_limits<std::int32_t>::min())
        return std::nullopt;
    return inteiro.Valor();
}

std::optional<std::int64_t> InteiroDaTabela(double valor)
{
    // Written as "inside the range" so that NaN is refused too. A whole
    // value below 10^15 converts exactly and well inside 64 bits: the
    // conversion is checked by the test before it.
    if (!(std::fabs(valor) < 1e15) || std::trunc(valor) != valor)
        return std::nullopt;
    return static_cast<std::int64_t>(valor);
}

runtime::Resultado<Fracção> ProcurarFracçãoExacta(double valor, std::optional<QuocienteExacto> exacto)
{
    auto fracção = ProcurarFracção(valor);
    if (!fracção.Ok() || !exacto.has_value())
        return fracção;
    const Fracção f = fracção.Valor();
    // Zero comes back as 0/2 whatever the denominator of the quotient.
    if (exacto->n == 0)
        return f.num == 0 ? fracção : runtime::Falhar(runtime::Código::Transbordo);
    const std::int64_t divisor = std::gcd(exacto->n, exacto->d) * (exacto->d < 0 ? -1 : 1);
    if (f.num != exacto->n / divisor || f.den != exacto->d / divisor)
        return runtime::Falhar(runtime::Código::Transbordo);
    return fracção;
}

} // namespace vendrix::ruffini
