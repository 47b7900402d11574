// SPDX-License-Identifier: MIT
#include "ruffini/divisao.h"

#include "engine/preparar.h"
#include "engine/simplificar.h"
#include "engine/termos.h"
#include "ruffini/coeficientes.h"
#include "ruffini/raiz.h"
#include "ruffini/tabela.h"
#include "runtime/textos.h"

#include <utility>

namespace vendrix::ruffini {

namespace {

using enum runtime::Código;

constexpr std::int16_t GrauMáximo = 9;

// Ends the run with a message; the table stays as the window cleared it.
Divisão Recusar(Divisão divisão, runtime::Código código, Entrada foco)
{
    divisão.relatos.push_back(
        {runtime::Título::Vendrix, runtime::Falhar(código), runtime::Ícone::Informação});
    divisão.foco = foco;
    return divisão;
}

// "=", "<" and ">" make the interpreter compare, and a comparison such as
// x+2=0 has values at 0 and 1 as a line has.
bool DivisorComCaracterProibido(std::string_view divisor)
{
    return divisor.find_first_of("^/.,=<>") != std::string_view::npos;
}

void MostrarTabela(
    Divisão& divisão, std::int16_t grau, std::span<const std::string> Coef, const Raiz& raiz, Tabela tabela)
{
    divisão.tabelaVisível = true;
    divisão.Div = raiz.Div;
    divisão.raiz = raiz;
    for (std::size_t i = 0; i < Coef.size(); ++i) {
        divisão.Coef[i] = Coef[i];
        divisão.Ter[i] = std::move(tabela.Ter[i]);
        if (i < divisão.Seg.size())
            divisão.Seg[i] = std::move(tabela.Seg[i]);
    }
    divisão.Resultado = TextoDoQuociente(tabela.Quociente);
    divisão.resto = *divisão.Ter[static_cast<std::size_t>(grau)];
}

} // namespace

const runtime::Relato* Divisão::Recusa() const noexcept
{
    if (relatos.empty() || relatos.back().título != runtime::Título::Vendrix)
        return nullptr;
    return &relatos.back();
}

Divisão Dividir(std::string_view dividendo, std::string_view divisor, interpreter::FonteDeSementes sementes)
{
    Divisão divisão;
    const std::string preparado = engine::PrepararPolinómio(dividendo);
    if (!runtime::Contém(preparado, "x"))
        return Recusar(std::move(divisão), DividendoInválido, Entrada::Dividendo);
    // The divisor goes to the interpreter, which has blanks and signs of its
    // own: it only has its characters made plain, so that "x²+1" is refused.
    const std::string normal = engine::NormalizarEscrita(divisor);
    if (DivisorComCaracterProibido(normal))
        return Recusar(std::move(divisão), DivisorInválido, Entrada::Divisor);

    divisão.Polinómio2A = engine::GuardaDoMenos(normal);
    divisão.Polinómio1A = engine::GuardaDoMenos(preparado);
    // Simplificar's own failure report comes before any message of ours.
    runtime::Relatado<std::string> simplificado =
        engine::Simplificar(engine::SepararTermos(*divisão.Polinómio1A));
    divisão.relatos = std::move(simplificado.relatos);
    const std::string Text3 = std::move(simplificado.valor);
    divisão.Text3 = Text3;
    const auto termos = runtime::Dividir(Text3, " ");

    const auto grau = LerGrauDoDividendo(termos);
    if (!grau.Ok())
        return Recusar(std::move(divisão), NãoÉPolinómio, Entrada::Nenhuma);
    divisão.GrauDividendo = grau.Valor();
    if (grau.Valor() > GrauMáximo)
        return Recusar(std::move(divisão), GrauAcimaDeNove, Entrada::Nenhuma);

    const auto Coef = LerCoeficientes(termos, grau.Valor());
    if (!Coef.Ok())
        return Recusar(std::move(divisão), ValoresGrandes, Entrada::Nenhuma);
    // A divisor the interpreter cannot evaluate, one without x, or one that
    // is not of the first degree has no root to divide by. That is said
    // first: a divisor such as 1000*x*x+16777217 is wrong whatever its size.
    const auto valores = AvaliarDivisor(*divisão.Polinómio2A, std::move(sementes));
    if (!valores.Ok())
        return Recusar(std::move(divisão), DivisorInválido, Entrada::Divisor);
    if (!valores.Valor().exactos)
        return Recusar(std::move(divisão), ValoresGrandes, Entrada::Nenhuma);
    // From here on a failure means a number the table cannot hold; showing
    // the rest of the table around it would show stale cells.
    const auto raiz = EscreverRaiz(valores.Valor());
    if (!raiz.Ok())
        return Recusar(std::move(divisão), ValoresGrandes, Entrada::Nenhuma);
    auto tabela = CalcularTabela(Coef.Valor(), raiz.Valor());
    if (!tabela.Ok())
        return Recusar(std::move(divisão), ValoresGrandes, Entrada::Nenhuma);
    MostrarTabela(divisão, grau.Valor(), Coef.Valor(), raiz.Valor(), std::move(tabela).Valor());
    return divisão;
}

} // namespace vendrix::ruffini
