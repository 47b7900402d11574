// SPDX-License-Identifier: MIT
#include "engine/termos.h"

#include "runtime/numeros_rapidos.h"
#include "runtime/textos.h"

#include <algorithm>

namespace vendrix::engine {

using runtime::Código;
using runtime::Falhar;
using runtime::Resultado;

namespace {

// Only pieces 0 and 1 of a term cut at every "x" are ever read, so the cut
// stops at the second "x": a term of a megabyte of x's costs no list.
struct Pedaços
{
    std::string_view zero;
    std::optional<std::string_view> um; // absent when the term has no x
};

std::optional<Pedaços> Cortar(std::string_view termo) noexcept
{
    if (termo.empty())
        return std::nullopt; // the empty term has no pieces at all
    const std::size_t x = termo.find('x');
    if (x == std::string_view::npos)
        return Pedaços{termo, std::nullopt};
    const std::string_view depois = termo.substr(x + 1);
    return Pedaços{termo.substr(0, x), depois.substr(0, depois.find('x'))};
}

} // namespace

Resultado<float> LerGrau(std::string_view termo)
{
    const std::optional<Pedaços> pedaços = Cortar(termo);
    // The empty term has degree 0: its failure belongs to the coefficient,
    // which is read after every degree of the text.
    if (!pedaços || !pedaços->um)
        return 0.0f;
    const std::size_t circunflexo = pedaços->um->find('^');
    if (circunflexo == std::string_view::npos)
        return 1.0f;
    return runtime::TextoParaSimplesDepressa(pedaços->um->substr(circunflexo + 1));
}

Resultado<float> LerCoeficiente(std::string_view termo)
{
    const std::optional<Pedaços> pedaços = Cortar(termo);
    if (!pedaços)
        return Falhar(Código::ÍndiceForaDoIntervalo);
    if (pedaços->zero.empty() || pedaços->zero == "+")
        return 1.0f;
    if (pedaços->zero == "-")
        return -1.0f;
    return runtime::TextoParaSimplesDepressa(pedaços->zero);
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
    for (const char c : texto) {
        if (c == ' ')
            continue;
        if (c == '+' || c == '-')
            separado += ' ';
        separado += c;
    }
    return separado;
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
