// SPDX-License-Identifier: MIT
#include "algebra/analise.h"
#include "algebra/dividir.h"
#include "algebra/escrever.h"
#include "algebra/ler.h"
#include "algebra/tamanho.h"

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
    const runtime::Resultado<algebra::Polinómio> relido = algebra::LerPolinómio(algebra::Escrever(p));
    if (!relido.Ok() || relido.Valor() != p)
        std::abort();
}

// Whether every coefficient's numerator and denominator has at most 1024 bits.
bool Curto(const algebra::Polinómio& p)
{
    for (const algebra::Racional& c : p.coeficientes)
        if (msb(abs(numerator(c)) + 1) > 1024 || msb(denominator(c)) > 1024)
            return false;
    return true;
}

// Factors, roots and signs under a small budget: the factors multiply back
// to P, each sign is P's sign there, and the work stays within the budget
// (the last digits of roots already isolated may pass it a little).
void Analisado(const algebra::Polinómio& p)
{
    constexpr std::uint64_t Limite = 20'000'000;
    algebra::Orçamento orçamento(Limite);
    const algebra::Análise a = algebra::Analisar(p, orçamento);
    if (orçamento.Gasto() > 2 * Limite)
        std::abort();
    algebra::Polinómio produto = algebra::Monómio(a.factorização.dominante, 0);
    for (const algebra::Factor& f : a.factorização.factores)
        for (std::size_t k = 0; k < f.multiplicidade; ++k)
            produto = produto * f.polinómio;
    if (produto != p || (a.sinais.completa && a.sinais.sinais.size() != 2 * a.raízes.reais.size() + 1))
        std::abort();
    if (!a.sinais.completa || a.raízes.reais.empty())
        return;
    const auto sinal = [&](const algebra::Racional& x) { return "-0+"[algebra::Avaliar(p, x).sign() + 1]; };
    for (std::size_t i = 0; i < a.raízes.reais.size(); ++i) {
        const algebra::RaizReal& r = a.raízes.reais[i];
        const algebra::Racional antes =
            i == 0 ? algebra::Racional(r.mínimo - 1)
                   : algebra::Racional((a.raízes.reais[i - 1].máximo + r.mínimo) / 2);
        if (a.sinais.sinais[2 * i] != sinal(antes) || (r.mínimo == r.máximo && sinal(r.mínimo) != '0'))
            std::abort();
    }
    if (a.sinais.sinais.back() != sinal(a.raízes.reais.back().máximo + 1))
        std::abort();
}

} // namespace

// Three lines: the dividend, the divisor and a value of x. Whatever reads is
// analysed, divided, checked, evaluated and written back.
extern "C" int LLVMFuzzerTestOneInput(const unsigned char* dados, std::size_t tamanho)
{
    // A long run of decimals costs Boost's gcd a step per bit; reading is
    // what is tried here, not its speed on kilobytes of digits.
    if (tamanho > 1024)
        return 0;
    std::string_view texto(reinterpret_cast<const char*>(dados), tamanho);
    const runtime::Resultado<algebra::Polinómio> p = algebra::LerPolinómio(Linha(texto));
    const runtime::Resultado<algebra::Polinómio> d = algebra::LerPolinómio(Linha(texto));
    const runtime::Resultado<algebra::Racional> a = algebra::LerRacional(Linha(texto));
    for (const auto* lido : {&p, &d})
        if (!lido->Ok() && lido->Falha().posição == 0)
            std::abort();
    if (!p.Ok())
        return 0;
    VoltaAoMesmo(p.Valor());
    // Exact answers grow with the degree times the digits: "x^10000" ÷
    // "3x-1", or P(1E25) for that x^10000, run to megabytes of digits, and
    // "1E4000" is a short text. Such sizes are the benchmark's, not the
    // fuzzer's.
    if (tamanho > 512 || algebra::Grau(p.Valor()) > 64 || !Curto(p.Valor()) || (d.Ok() && !Curto(d.Valor())))
        return 0;
    Analisado(p.Valor());
    if (a.Ok() && msb(abs(numerator(a.Valor())) + 1) <= 1024 && msb(denominator(a.Valor())) <= 1024)
        static_cast<void>(algebra::Avaliar(p.Valor(), a.Valor()));
    // The same for a quotient: x^48 ÷ 2x-10^200 runs to ten thousand digits,
    // whose reduction and reading back are slow, not wrong.
    if (!d.Ok() || algebra::TamanhoDaDivisão(p.Valor(), d.Valor()).resposta > 2000)
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
