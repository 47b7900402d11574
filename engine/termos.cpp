// SPDX-License-Identifier: MIT
#include "engine/termos.h"

#include "runtime/numeros_rapidos.h"
#include "runtime/textos.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace vendrix::engine {

using runtime::Código;
using runtime::Falhar;
using runtime::Resultado;

runtime::Erro FalhaNoTermo(Código código, std::string_view termo)
{
    // The "+" that joins a term to the one before is not what the student typed as the term.
    if (termo.size() > 1 && termo.front() == '+')
        termo.remove_prefix(1);
    return Falhar(código, {}, std::string(termo));
}

Resultado<float> LerGrau(std::string_view termo)
{
    const std::size_t x = termo.find('x');
    // The empty term has degree 0: its failure belongs to the coefficient,
    // which is read after every degree of the text.
    if (x == std::string_view::npos)
        return 0.0f;
    const std::string_view depois = termo.substr(x + 1);
    if (depois.empty())
        return 1.0f;
    // Only "^" and a whole exponent may follow the x: "3x3", "x2^5" and
    // "x^2x^3" would otherwise be read as something the student did not write.
    if (depois.front() != '^' || depois.find('x') != std::string_view::npos)
        return FalhaNoTermo(Código::TipoIncompatível, termo);
    Resultado<float> grau = runtime::TextoParaSimplesDepressa(depois.substr(1));
    if (!grau.Ok())
        return FalhaNoTermo(grau.Falha().código, termo);
    if (std::trunc(grau.Valor()) != grau.Valor()) // NaN too
        return FalhaNoTermo(Código::TipoIncompatível, termo);
    return grau;
}

Resultado<float> LerCoeficiente(std::string_view termo)
{
    if (termo.empty())
        return Falhar(Código::ÍndiceForaDoIntervalo);
    // A sign alone is a term that is missing, not 1 or -1.
    if (termo == "+" || termo == "-")
        return FalhaNoTermo(Código::ÍndiceForaDoIntervalo, termo);
    const std::string_view zero = termo.substr(0, termo.find('x'));
    if (zero.empty() || zero == "+")
        return 1.0f;
    if (zero == "-")
        return -1.0f;
    Resultado<float> coeficiente = runtime::TextoParaSimplesDepressa(zero);
    if (!coeficiente.Ok())
        return FalhaNoTermo(coeficiente.Falha().código, termo);
    return coeficiente;
}

Resultado<Termo> LerTermo(std::string_view termo)
{
    const Resultado<float> coeficiente = LerCoeficiente(termo);
    if (!coeficiente.Ok())
        return coeficiente.Falha();
    const Resultado<float> grau = LerGrau(termo);
    if (!grau.Ok())
        return grau.Falha();
    return Termo{coeficiente.Valor(), grau.Valor()};
}

std::string GuardaDoMenos(std::string_view texto)
{
    if (!texto.empty() && texto.front() == '-')
        return Juntar({"0", texto});
    return std::string(texto);
}

// The three replacements (blanks out, a blank before every "+", then before
// every "-") in one pass: none of them can make what a later one looks for,
// and a typed megabyte then costs one result instead of three.
std::string SepararTermos(std::string_view texto)
{
    std::string separado;
    separado.reserve(texto.size() + static_cast<std::size_t>(std::ranges::count_if(
                                        texto, [](char c) { return c == '+' || c == '-'; })));
    // The runs between blanks and signs go whole.
    for (;;) {
        const auto fim = std::ranges::find_if(texto, [](char c) { return c == ' ' || c == '+' || c == '-'; });
        separado.append(texto.begin(), fim);
        if (fim == texto.end())
            return separado;
        if (*fim != ' ')
            separado.append(" ").append(1, *fim);
        texto.remove_prefix(static_cast<std::size_t>(fim - texto.begin()) + 1);
    }
}

std::string Compactar(std::string_view texto)
{
    std::string compacto = runtime::Substituir(texto, " ", "");
    if (!compacto.empty() && compacto.front() == '+')
        compacto.erase(0, 1);
    return compacto;
}

std::size_t ContarTermos(std::string_view texto) noexcept
{
    if (texto.empty())
        return 0;
    return static_cast<std::size_t>(std::ranges::count(texto, ' ')) + 1;
}

std::optional<std::string_view> Termos::Próximo() noexcept
{
    if (acabou)
        return std::nullopt;
    const std::size_t branco = resto.find(' ');
    const std::string_view termo = resto.substr(0, branco);
    if (branco == std::string_view::npos)
        acabou = true;
    else
        resto.remove_prefix(branco + 1);
    return termo;
}

runtime::Erro TermosAMais(std::string_view texto)
{
    Termos termos(texto);
    for (std::size_t i = 0; i < LimiteDeTermos; ++i)
        std::ignore = termos.Próximo();
    return FalhaNoTermo(Código::Transbordo, termos.Próximo().value_or(""));
}

std::string Juntar(std::initializer_list<std::string_view> partes)
{
    std::size_t tamanho = 0;
    for (const std::string_view parte : partes)
        tamanho += parte.size();
    std::string junto;
    junto.reserve(tamanho);
    for (const std::string_view parte : partes)
        junto += parte;
    return junto;
}

runtime::Relato RelatoDeFalha(runtime::Título título, runtime::Erro erro)
{
    return runtime::Relato{título, std::move(erro), runtime::Ícone::Crítico};
}

} // namespace vendrix::engine
