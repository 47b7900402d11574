// SPDX-License-Identifier: MIT
#include "ruffini/coeficientes.h"

#include "runtime/numeros.h"
#include "runtime/textos.h"

#include <cmath>
#include <cstddef>

namespace vendrix::ruffini {

namespace {

using runtime::Código;
using runtime::Falhar;
using runtime::Resultado;

Resultado<std::int16_t> LerExpoente(std::string_view texto)
{
    const auto número = runtime::TextoParaNúmero(texto);
    if (!número.Ok())
        return número.Falha();
    return runtime::ParaInteiro16(número.Valor());
}

// A term without a written coefficient ("+x", "-x^3") stands for 1 or -1.
std::string CoeficienteEscrito(std::string_view texto)
{
    std::string coeficiente(texto);
    if (coeficiente == "+" || coeficiente == "-")
        coeficiente += "1";
    return runtime::Substituir(coeficiente, "+", "");
}

// Where one term goes in the row, and what it writes there.
struct Célula
{
    std::size_t índice;
    std::string texto;
};

// Simplificar writes a coefficient of 10^7 or more with seven significant
// digits: a table computed from it would look exact and be wrong.
constexpr double MaiorCoeficiente = 1e7;

Resultado<Célula> Exacta(Célula célula)
{
    const auto valor = runtime::TextoParaNúmero(célula.texto);
    if (!valor.Ok())
        return valor.Falha();
    if (!(std::fabs(valor.Valor()) < MaiorCoeficiente))
        return Falhar(Código::Transbordo);
    return célula;
}

Resultado<Célula> LerTermo(std::string_view termo, std::int16_t grau)
{
    const std::size_t circunflexo = runtime::Posição(termo, "^");
    if (circunflexo == 0 && !runtime::Contém(termo, "x")) {
        const auto constante = runtime::TextoParaSimples(termo);
        if (!constante.Ok())
            return constante.Falha();
        return Exacta({static_cast<std::size_t>(grau), runtime::TextoDeSimples(constante.Valor())});
    }
    if (circunflexo == 0)
        return Exacta(
            {static_cast<std::size_t>(grau) - 1, CoeficienteEscrito(runtime::Substituir(termo, "x", ""))});
    const auto expoente = LerExpoente(termo.substr(circunflexo));
    if (!expoente.Ok())
        return expoente.Falha();
    // The coefficient is what stands before the "x^".
    if (circunflexo < 2 || expoente.Valor() < 0 || expoente.Valor() > grau)
        return Falhar(Código::ÍndiceForaDoIntervalo);
    return Exacta({static_cast<std::size_t>(grau - expoente.Valor()),
                   CoeficienteEscrito(termo.substr(0, circunflexo - 2))});
}

} // namespace

Resultado<std::int16_t> LerGrauDoDividendo(std::span<const std::string_view> termos)
{
    if (termos.empty())
        return Falhar(Código::ÍndiceForaDoIntervalo);
    const std::string_view primeiro = termos.front();
    if (const auto partes = runtime::Dividir(primeiro, "^"); partes.size() >= 2) {
        auto grau = LerExpoente(partes[1]);
        if (grau.Ok() && grau.Valor() < 1)
            return Falhar(Código::ÍndiceForaDoIntervalo);
        return grau;
    }
    if (!runtime::Contém(primeiro, "x"))
        return Falhar(Código::TipoIncompatível);
    return std::int16_t{1};
}

Resultado<std::vector<std::string>> LerCoeficientes(std::span<const std::string_view> termos,
                                                    std::int16_t grau)
{
    if (grau < 1)
        return Falhar(Código::ÍndiceForaDoIntervalo);
    std::vector<std::string> Coef(static_cast<std::size_t>(grau) + 1, "0");
    for (const std::string_view termo : termos) {
        if (termo.empty())
            continue;
        auto célula = LerTermo(termo, grau);
        if (!célula.Ok())
            return célula.Falha();
        const std::size_t índice = célula.Valor().índice;
        Coef[índice] = std::move(célula).Valor().texto;
    }
    return Coef;
}

} // namespace vendrix::ruffini
