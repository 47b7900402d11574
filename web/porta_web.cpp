// SPDX-License-Identifier: MIT
#include "web/porta_web.h"

#include "resolucao/exercicio.h"
#include "runtime/relato.h"
#include "web/comandos_web.h"
#include "web/json.h"

#include <array>

namespace vendrix::web {

namespace {

using resolucao::Caixa;

// By resolucao::Caixa.
constexpr std::array<std::string_view, 5> NomesDasCaixas{
    "polinomio1", "polinomio2", "ponto", "condicoes", "resposta"};

// The boxes as their labels name them on the page.
constexpr std::array<runtime::Fonte, 5> RótulosDasCaixas{
    VENDRIX_TEXTO("Pagina", "Polinómio 1"),
    VENDRIX_TEXTO("Pagina", "Polinómio 2"),
    VENDRIX_TEXTO("Pagina", "x ="),
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

std::string Literal(std::string_view s) { return std::string(s); }

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
            json.Texto(NomesDasCaixas[static_cast<std::size_t>(caixa)]);
        json.FecharLista();
        json.FecharObjecto();
    }
    json.FecharLista();
    json.Inteiro("limite", static_cast<long long>(LimiteDeTexto));
    json.FecharObjecto();
    return json.Resultado();
}

std::string ExercícioPeloNomeEmJson(std::string_view nome,
                                    std::string_view polinómio1,
                                    std::string_view polinómio2,
                                    std::string_view ponto,
                                    [[maybe_unused]] std::string_view condições,
                                    [[maybe_unused]] std::string_view resposta)
{
    const auto exercício = resolucao::ExercícioDoNome(nome);
    if (!exercício)
        return RecusaEmJson("comando", "");
    return ExercícioEmJson(*exercício, polinómio1, polinómio2, ponto);
}

std::string RecusaEmJson(std::string_view motivo, std::string_view caixa)
{
    const runtime::Tradutor& t = TradutorDaPágina();
    std::string rótulo;
    for (std::size_t i = 0; i < NomesDasCaixas.size(); ++i)
        if (NomesDasCaixas[i] == caixa)
            rótulo = t(RótulosDasCaixas[i]);
    const resolucao::Frase frase{t(TextoDaRecusa(motivo)), {rótulo, std::to_string(LimiteDeTexto)}};
    EscritorJson json;
    json.AbrirObjecto();
    json.AbrirLista("mensagens");
    json.AbrirObjecto();
    json.Texto("titulo", runtime::TextoDoTítulo(runtime::Título::Vendrix, t));
    json.Texto("texto", resolucao::Substituir(frase, Literal, Literal));
    json.Inteiro("codigo", 0);
    json.Texto("icone", "informacao");
    json.FecharObjecto();
    json.FecharLista();
    json.FecharObjecto();
    return json.Resultado();
}

} // namespace vendrix::web
