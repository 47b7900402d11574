// SPDX-License-Identifier: MIT
#include "web/porta_web.h"

#include "resolucao/exercicio.h"
#include "resolucao/formula.h"
#include "resolucao/praticar.h"
#include "runtime/relato.h"
#include "web/comandos_web.h"
#include "web/json.h"
#include "web/pratica_web.h"

#include <array>
#include <optional>

namespace vendrix::web {

namespace {

using resolucao::Caixa;

// Every box, in the order of their labels below.
constexpr std::array<Caixa, 5> Caixas{
    Caixa::Polinómio1, Caixa::Polinómio2, Caixa::Ponto, Caixa::Condições, Caixa::Resposta};

// The boxes as their labels name them on the page.
constexpr std::array<runtime::Fonte, 5> RótulosDasCaixas{
    VENDRIX_TEXTO("Pagina", "Polinómio 1"),
    VENDRIX_TEXTO("Pagina", "Polinómio 2"),
    VENDRIX_TEXTO("Pagina", "x ou divisor"),
    VENDRIX_TEXTO("Pagina", "Condições"),
    VENDRIX_TEXTO("Pagina", "A minha resposta"),
};

runtime::Fonte TextoDaRecusa(std::string_view motivo) noexcept
{
    if (motivo == "longo")
        return VENDRIX_TEXTO("Pagina", "O texto de «%1» tem mais de %2 caracteres e não foi lido.");
    if (motivo == "controlo")
        return VENDRIX_TEXTO("Pagina", "O texto de «%1» tem um carácter de controlo e não foi lido.");
    return VENDRIX_TEXTO("Pagina", "A página não tem o comando pedido.");
}

} // namespace

std::string ExercíciosEmJson()
{
    EscritorJson json;
    json.AbrirObjecto();
    json.AbrirLista("exercicios");
    for (const std::string_view nome : resolucao::NomesDosExercícios()) {
        json.AbrirObjecto();
        json.Texto("nome", nome);
        json.AbrirLista("caixas");
        for (const Caixa caixa : resolucao::CaixasDoExercício(*resolucao::ExercícioDoNome(nome)))
            json.Texto(NomeDaCaixa(caixa));
        json.FecharLista();
        json.FecharObjecto();
    }
    json.FecharLista();
    // Each kind's label goes as the catalogue's source, which the page shows
    // in the language the user picks, then and at every later switch.
    json.AbrirLista("tipos");
    for (const std::string_view nome : resolucao::NomesDosTipos()) {
        json.AbrirObjecto();
        json.Texto("nome", nome);
        json.Texto("rotulo", resolucao::RótuloDoTipo(*resolucao::TipoDoNome(nome)).texto);
        json.FecharObjecto();
    }
    json.FecharLista();
    json.Inteiro("nivel_minimo", resolucao::NívelMínimo);
    json.Inteiro("nivel_maximo", resolucao::NívelMáximo);
    json.Inteiro("por_tipo", MáximoPorTipo);
    json.Inteiro("limite", static_cast<long long>(LimiteDeTexto));
    json.FecharObjecto();
    return json.Resultado();
}

std::string ExercícioPeloNomeEmJson(std::string_view nome,
                                    std::string_view polinómio1,
                                    std::string_view polinómio2,
                                    std::string_view ponto,
                                    std::string_view condições,
                                    std::string_view resposta)
{
    std::optional<std::string> pedido;
    if (nome == "praticar")
        pedido = PraticarEmJson(polinómio1, polinómio2, ponto);
    else if (nome == "ficha")
        pedido = FichaEmJson(polinómio1, polinómio2, ponto, condições);
    else if (const auto exercício = resolucao::ExercícioDoNome(nome))
        pedido = ExercícioEmJson(*exercício, {polinómio1, polinómio2, ponto, condições, resposta});
    return pedido ? *std::move(pedido) : RecusaEmJson("comando", "");
}

std::string RecusaEmJson(std::string_view motivo, std::string_view caixa)
{
    const runtime::Tradutor& t = TradutorDaPágina();
    std::string rótulo;
    for (std::size_t i = 0; i < Caixas.size(); ++i)
        if (NomeDaCaixa(Caixas[i]) == caixa)
            rótulo = t(RótulosDasCaixas[i]);
    const resolucao::Frase frase{t(TextoDaRecusa(motivo)), {rótulo, std::to_string(LimiteDeTexto)}};
    EscritorJson json;
    json.AbrirObjecto();
    json.AbrirLista("mensagens");
    json.AbrirObjecto();
    json.Texto("titulo", runtime::TextoDoTítulo(runtime::Título::Vendrix, t));
    json.Texto("texto", resolucao::FraseEmTexto(frase));
    json.Inteiro("codigo", 0);
    json.Texto("icone", "informacao");
    json.FecharObjecto();
    json.FecharLista();
    json.FecharObjecto();
    return json.Resultado();
}

} // namespace vendrix::web
