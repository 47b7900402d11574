// SPDX-License-Identifier: MIT
#include "algebra/dividir.h"
#include "algebra/escrever.h"
#include "algebra/ler.h"

#include <cstdlib>
#include <string_view>

using namespace vendrix;

namespace {

// Splits at the first newline.
std::string_view Linha(std::string_view& resto)
{
    const std::size_t quebra = std::min(resto.find('\n'), resto.size());
    const std::string_view linha = resto.substr(0, quebra);
    resto.remove_prefix(std::min(quebra + 1, resto.size()));
    return linha;
}

// What was written reads back as the same polynomial.
void VoltaAoMesmo(const algebra::Polinómio& p)
{
    const algebra::Lido<algebra::Polinómio> relido = algebra::LerPolinómio(algebra::Escrever(p));
    if (!relido.Ok() || relido.Valor() != p)
        std::abort();
}

} // namespace

// Three lines: the dividend, the divisor and a value of x. Whatever reads is
// divided, checked, evaluated and written back.
extern "C" int LLVMFuzzerTestOneInput(const unsigned char* dados, std::size_t tamanho)
{
    std::string_view texto(reinterpret_cast<const char*>(dados), tamanho);
    const algebra::Lido<algebra::Polinómio> p = algebra::LerPolinómio(Linha(texto));
    const algebra::Lido<algebra::Polinómio> d = algebra::LerPolinómio(Linha(texto));
    const algebra::Lido<algebra::Racional> a = algebra::LerRacional(Linha(texto));
    for (const auto* lido : {&p, &d})
        if (!lido->Ok() && lido->Falha().posição == 0)
            std::abort();
    if (!p.Ok())
        return 0;
    VoltaAoMesmo(p.Valor());
    if (a.Ok())
        static_cast<void>(algebra::Avaliar(p.Valor(), a.Valor()));
    // An exact quotient of a high power by a long divisor can run to
    // megabytes; such sizes are the benchmark's, not the fuzzer's.
    if (!d.Ok() || algebra::Grau(p.Valor()) > 200)
        return 0;
    const runtime::Resultado<algebra::Divisão> r = algebra::Dividir(p.Valor(), d.Valor());
    if (r.Ok() != !algebra::ÉZero(d.Valor()))
        std::abort();
    if (r.Ok()) {
        if (!algebra::Verificar(p.Valor(), d.Valor(), r.Valor()).confere)
            std::abort();
        VoltaAoMesmo(r.Valor().quociente);
        VoltaAoMesmo(r.Valor().resto);
    }
    return 0;
}
