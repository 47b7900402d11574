// SPDX-License-Identifier: MIT
#include "web/pratica_web.h"

#include "resolucao/exportar.h"
#include "resolucao/praticar.h"
#include "runtime/textos.h"
#include "web/comandos_web.h"
#include "web/json.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <vector>

namespace vendrix::web {

namespace {

// A whole decimal number, every character of the text; nothing for a sign,
// a blank, or a value past T.
template <typename T>
std::optional<T> Número(std::string_view texto) noexcept
{
    if (texto.empty() || texto.front() == '-')
        return std::nullopt;
    T valor{};
    const char* fim = texto.data() + texto.size();
    const auto [onde, erro] = std::from_chars(texto.data(), fim, valor);
    if (erro != std::errc() || onde != fim)
        return std::nullopt;
    return valor;
}

struct Pedido
{
    int nível;
    std::uint64_t semente;
};

std::optional<Pedido> LerPedido(std::string_view nível, std::string_view semente) noexcept
{
    const auto n = Número<int>(nível);
    const auto s = Número<std::uint64_t>(semente);
    if (!n || !s || *n < resolucao::NívelMínimo || *n > resolucao::NívelMáximo)
        return std::nullopt;
    return Pedido{*n, *s};
}

} // namespace

std::optional<std::string>
PraticarEmJson(std::string_view tipo, std::string_view nível, std::string_view semente)
{
    const auto t = resolucao::TipoDoNome(tipo);
    const auto pedido = LerPedido(nível, semente);
    if (!t || !pedido)
        return std::nullopt;
    const resolucao::ExercícioGerado g =
        resolucao::GerarExercício(*t, pedido->nível, pedido->semente, TradutorDaPágina());
    EscritorJson json;
    json.AbrirObjecto();
    json.Texto("comando", "praticar");
    json.AbrirLista("mensagens");
    json.FecharLista();
    json.Texto("tipo", resolucao::NomeDoTipo(g.tipo));
    json.Inteiro("nivel", g.nível);
    json.Texto("semente", std::to_string(g.semente));
    json.Texto("exercicio", resolucao::NomeDoExercício(g.exercício));
    json.Texto("polinomio1", g.polinómio1);
    json.Texto("polinomio2", g.polinómio2);
    json.Texto("ponto", g.ponto);
    json.Texto("condicoes", g.condições);
    json.Texto("enunciado_html", g.enunciado.blocos.empty() ? "" : resolucao::EmHtml(g.enunciado));
    json.FecharObjecto();
    return json.Resultado();
}

std::optional<std::string> FichaEmJson(std::string_view quantos,
                                       std::string_view nível,
                                       std::string_view semente,
                                       std::string_view formato)
{
    const auto pedido = LerPedido(nível, semente);
    if (!pedido || (formato != "latex" && formato != "html"))
        return std::nullopt;
    resolucao::PedidoDeFicha ficha{{}, pedido->nível, pedido->semente};
    std::vector<resolucao::Tipo> pedidos; // each kind once, even with none of it
    for (const std::string_view parte : runtime::Dividir(quantos, ";")) {
        if (parte.empty())
            continue;
        const auto igual = parte.find('=');
        if (igual == std::string_view::npos)
            return std::nullopt;
        const auto tipo = resolucao::TipoDoNome(parte.substr(0, igual));
        const auto n = Número<int>(parte.substr(igual + 1));
        if (!tipo || !n || *n > MáximoPorTipo || std::ranges::find(pedidos, *tipo) != pedidos.end())
            return std::nullopt;
        pedidos.push_back(*tipo);
        if (*n > 0)
            ficha.quantos.emplace_back(*tipo, *n);
    }
    const resolucao::Ficha feita = resolucao::FazerFicha(ficha, TradutorDaPágina());
    EscritorJson json;
    json.AbrirObjecto();
    json.Texto("comando", "ficha");
    json.AbrirLista("mensagens");
    json.FecharLista();
    json.Texto("semente", std::to_string(pedido->semente));
    json.Texto(formato,
               formato == "latex" ? resolucao::FichaEmLaTeX(feita, TradutorDaPágina())
                                  : resolucao::FichaEmHtml(feita, TradutorDaPágina()));
    json.FecharObjecto();
    return json.Resultado();
}

} // namespace vendrix::web
