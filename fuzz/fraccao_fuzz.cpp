// SPDX-License-Identifier: MIT
#include "ruffini/procurar_fraccao.h"
#include "tests/ruffini/caminhada.h"

#include <cstdlib>
#include <cstring>

using namespace vendrix::ruffini;

// The first byte picks the kind of value: a raw double, or a quotient of
// two whole numbers (the values the table passes), small enough for the
// literal walk to finish; the fast search must agree with it when it does.
extern "C" int LLVMFuzzerTestOneInput(const unsigned char* dados, std::size_t tamanho)
{
    if (tamanho < 9)
        return 0;
    double valor = 0;
    if (dados[0] % 2 == 0) {
        std::memcpy(&valor, dados + 1, sizeof valor);
    } else {
        std::int32_t p = 0, q = 0;
        std::memcpy(&p, dados + 1, sizeof p);
        std::memcpy(&q, dados + 5, sizeof q);
        valor = static_cast<double>(p % 20'000) / static_cast<double>(q % 2'000 == 0 ? 1 : q % 2'000);
    }
    const auto fracção = ProcurarFracção(valor);
    if (fracção.Ok() &&
        (fracção.Valor().den < 1 || static_cast<double>(fracção.Valor().num) / fracção.Valor().den != valor))
        std::abort();
    const auto caminhada = testes::Caminhar(valor, 20'000);
    if (caminhada.fim != testes::Fim::Desistiu && (fracção.Ok() != (caminhada.fim == testes::Fim::Achou) ||
                                                   (fracção.Ok() && !(fracção.Valor() == caminhada.fracção))))
        std::abort();
    return 0;
}
