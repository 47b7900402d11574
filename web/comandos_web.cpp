// SPDX-License-Identifier: MIT
#include "web/comandos_web.h"

#include "display/exportar.h"
#include "display/fala.h"
#include "engine/comandos.h"
#include "resolucao/exportar.h"
#include "resolucao/formula.h"
#include "resolucao/resumo.h"
#include "ruffini/divisao.h"
#include "ruffini/vista.h"
#include "web/json.h"
#include "web/porta_web.h"
#include "web/resumo_web.h"
#include "web/textos_web.h"

#include <array>
#include <optional>
#include <span>
#include <utility>

namespace vendrix::web {

namespace {

// The catalogue the page handed over and the language it shows.
struct Catálogo
{
    Dicionários dicionários;
    const Dicionário* escolhido = nullptr; // none for Portuguese, the source
};

Catálogo& CatálogoDaPágina()
{
    static Catálogo catálogo;
    return catálogo;
}

// The worked solution of the last exercise, graph included, kept for the
// copies the page asks for when the user copies; empty after a refusal.
resolucao::Documento& ÚltimoDocumento()
{
    static resolucao::Documento documento;
    return documento;
}

// The last Ruffini division's table, with the texts it divided, kept for
// the copies the page asks for when the user copies.
struct DivisãoMostrada
{
    std::string dividendo;
    std::string divisor;
    ruffini::VistaRuffini vista;
};

DivisãoMostrada& ÚltimaDivisão()
{
    static DivisãoMostrada última;
    return última;
}

// A copy format's name and the exporter that writes it.
template <typename Fonte>
using Formato = std::pair<std::string_view, std::string (*)(const Fonte&)>;

// {"formato", "copia"}: what `obter` gives (null for nothing to copy, an
// empty copy), written by the exporter the format names; another format is
// refused as an unknown command is.
template <typename Fonte, std::size_t N, typename Obter>
std::string CópiaPedida(std::string_view formato, const std::array<Formato<Fonte>, N>& formatos, Obter obter)
{
    for (const auto& [nome, exportar] : formatos) {
        if (nome != formato)
            continue;
        const Fonte* fonte = obter();
        EscritorJson json;
        json.AbrirObjecto();
        json.Texto("formato", formato);
        json.Texto("copia", fonte == nullptr ? std::string() : exportar(*fonte));
        json.FecharObjecto();
        return json.Resultado();
    }
    return RecusaEmJson("comando", "");
}

// The reports a command made, in order, for the page to show one box at a
// time after the command has run: nothing the core does depends on when the
// user closes a box.
void EscreverCaixas(EscritorJson& json, std::span<const runtime::Relato> relatos)
{
    json.AbrirLista("mensagens");
    for (const runtime::Relato& r : relatos) {
        json.AbrirObjecto();
        json.Texto("titulo", runtime::TextoDoTítulo(r.título, TradutorDaPágina()));
        json.Texto("texto", r.erro.Descrição(TradutorDaPágina()));
        json.Inteiro("codigo", r.erro.Número());
        json.Texto("icone", r.ícone == runtime::Ícone::Crítico ? "critico" : "informacao");
        json.FecharObjecto();
    }
    json.FecharLista();
}

// The texts of a drawn polynomial under the given key prefix.
void EscreverPolinómio(EscritorJson& json, std::string_view prefixo, const std::string& polinómio)
{
    const std::string p(prefixo);
    json.Texto(p, polinómio);
    json.Texto(p + "_texto", display::PolinómioEmTexto(polinómio));
    json.Texto(p + "_html", display::PolinómioEmHtml(polinómio));
    json.Texto(p + "_latex", display::PolinómioEmLaTeX(polinómio));
    json.Texto(p + "_fala", display::FalarPolinómio(polinómio));
}

std::string Comando(const engine::Comando& comando)
{
    EscritorJson json;
    json.AbrirObjecto();
    EscreverCaixas(json, comando.relatos);
    EscreverPolinómio(json, "resultado", comando.Resultado);
    // The caption stays on the page across a change of language: it goes as
    // the catalogue's source, which the page shows in each language it takes.
    json.Texto("titulo", engine::LegendaDaOperação(comando.operação));
    json.FecharObjecto();
    return json.Resultado();
}

template <std::size_t N>
void EscreverFila(EscritorJson& json,
                  ruffini::Fila fila,
                  const std::array<std::optional<std::string>, N>& textos)
{
    for (std::size_t i = 0; i < N; ++i)
        if (textos[i])
            json.Texto(ruffini::NomeDaCélula(fila, i), *textos[i]);
}

// The shown cells' names, row by row, each row a list over the columns with
// null where no cell stands: the page lays them out as they come, each
// with its text from "celulas".
void EscreverFilas(EscritorJson& json, const ruffini::VistaRuffini& vista)
{
    json.AbrirLista("filas");
    auto célula = vista.células.begin();
    for (const ruffini::Fila fila : {ruffini::Fila::Coef, ruffini::Fila::Seg, ruffini::Fila::Ter}) {
        if (!vista.mostrada)
            break;
        json.AbrirLista();
        for (std::size_t coluna = 0; coluna < vista.colunas; ++coluna) {
            if (célula == vista.células.end() || célula->fila != fila || célula->coluna != coluna) {
                json.Nulo();
                continue;
            }
            json.Texto(ruffini::NomeDaCélula(célula->fila, célula->índice));
            ++célula;
        }
        json.FecharLista();
    }
    json.FecharLista();
}

void EscreverTabela(EscritorJson& json, const ruffini::Divisão& d, const ruffini::VistaRuffini& vista)
{
    json.Lógico("tabela", vista.mostrada);
    json.AbrirObjecto("celulas");
    EscreverFila(json, ruffini::Fila::Coef, d.Coef);
    EscreverFila(json, ruffini::Fila::Seg, d.Seg);
    EscreverFila(json, ruffini::Fila::Ter, d.Ter);
    json.FecharObjecto();
    json.AbrirLista("visiveis");
    for (const ruffini::CélulaVisível& c : vista.células)
        json.Texto(ruffini::NomeDaCélula(c.fila, c.índice));
    json.FecharLista();
    EscreverFilas(json, vista);
    json.Texto("div", d.Div.value_or(""));
    // The window draws the quotient only with the table.
    EscreverPolinómio(json, "quociente", vista.quadro.quociente);
    json.Texto("resto", vista.quadro.resto);
}

// Each root with its text as the summary shows it.
void EscreverRaízes(EscritorJson& json,
                    const std::vector<resolucao::RaizDoExercício>& raízes,
                    const std::vector<std::string>& mostradas,
                    std::string_view nome)
{
    json.AbrirLista(nome);
    for (std::size_t i = 0; i < raízes.size(); ++i) {
        const resolucao::RaizDoExercício& raiz = raízes[i];
        json.AbrirObjecto();
        json.Texto("texto", i < mostradas.size() ? mostradas[i] : raiz.exacta);
        json.Texto("exacto", raiz.exacta);
        json.Texto("decimal", raiz.decimal);
        json.Número("valor", raiz.valor);
        json.Inteiro("multiplicidade", static_cast<long long>(raiz.multiplicidade));
        json.FecharObjecto();
    }
    json.FecharLista();
}

// The box the core could not read, where reading stopped, and the refusal
// as the one message, whole already in the page's language. An answer that
// cannot be read is no refusal of the question: its box and position come
// without a message, the reader's words being the check's explanation.
void EscreverFalha(EscritorJson& json,
                   const std::optional<resolucao::FalhaDoExercício>& falha,
                   const std::optional<resolucao::Verificação>& verificação)
{
    if (falha)
        json.Texto("foco", NomeDaCaixa(falha->caixa));
    else if (verificação && verificação->posição > 0)
        json.Texto("foco", NomeDaCaixa(resolucao::Caixa::Resposta));
    else
        json.Nulo("foco");
    std::size_t posição = 0;
    if (falha)
        posição = falha->posição;
    else if (verificação)
        posição = verificação->posição;
    json.Inteiro("posicao", static_cast<long long>(posição));
    json.AbrirLista("mensagens");
    if (falha) {
        json.AbrirObjecto();
        json.Texto("titulo", runtime::TextoDoTítulo(runtime::Título::Vendrix));
        json.Texto("texto", falha->mensagem);
        json.Inteiro("codigo", falha->erro.Número());
        json.Texto("icone", "informacao");
        json.FecharObjecto();
    }
    json.FecharLista();
}

std::string DicaDeDivisão(std::string_view divisor)
{
    const std::string modelo = TradutorDaPágina()(resolucao::FonteDe(resolucao::Texto::DicaDivisãoLonga));
    return resolucao::FraseEmTexto({modelo, {std::string(divisor)}});
}

} // namespace

std::string_view NomeDaCaixa(resolucao::Caixa caixa) noexcept
{
    switch (caixa) {
    case resolucao::Caixa::Polinómio1:
        return "polinomio1";
    case resolucao::Caixa::Polinómio2:
        return "polinomio2";
    case resolucao::Caixa::Ponto:
        return "ponto";
    case resolucao::Caixa::Condições:
        return "condicoes";
    case resolucao::Caixa::Resposta:
        return "resposta";
    }
    return "polinomio1";
}

const runtime::Tradutor& TradutorDaPágina()
{
    static const runtime::Tradutor tradutor = [](const runtime::Fonte& fonte) {
        const Dicionário* dicionário = CatálogoDaPágina().escolhido;
        if (dicionário != nullptr)
            if (const auto tradução = dicionário->find(std::string_view(fonte.texto));
                tradução != dicionário->end())
                return tradução->second;
        return runtime::EmPortuguês(fonte);
    };
    return tradutor;
}

std::string DefinirTextosEmJson(std::string_view textos)
{
    Catálogo& catálogo = CatálogoDaPágina();
    std::optional<Dicionários> lidos = LerTextos(textos);
    const bool lido = lidos.has_value();
    // The dictionaries change under the chosen one: Portuguese until the
    // page says its language again.
    catálogo.escolhido = nullptr;
    catálogo.dicionários = lido ? *std::move(lidos) : Dicionários{};
    EscritorJson json;
    json.AbrirObjecto();
    json.Lógico("lidos", lido);
    json.AbrirLista("linguas");
    for (const auto& [língua, dicionário] : catálogo.dicionários)
        json.Texto(língua);
    json.FecharLista();
    json.FecharObjecto();
    return json.Resultado();
}

std::string DefinirLínguaEmJson(std::string_view língua)
{
    Catálogo& catálogo = CatálogoDaPágina();
    const auto escolhida = catálogo.dicionários.find(língua);
    catálogo.escolhido = escolhida == catálogo.dicionários.end() ? nullptr : &escolhida->second;
    EscritorJson json;
    json.AbrirObjecto();
    json.Texto("lingua", catálogo.escolhido != nullptr ? escolhida->first : std::string_view(LínguaDeOrigem));
    json.FecharObjecto();
    return json.Resultado();
}

std::string ExercícioEmJson(resolucao::Exercício exercício, const resolucao::Pergunta& pergunta)
{
    resolucao::Resolução r = resolucao::ResolverExercício(exercício, pergunta, TradutorDaPágina());
    EscritorJson json;
    json.AbrirObjecto();
    json.Texto("comando", r.comando);
    EscreverFalha(json, r.falha, r.verificação);
    json.Texto("resolucao_html", r.documento.blocos.empty() ? "" : resolucao::EmHtmlSemGráficos(r.documento));
    json.Texto("grafico_html", r.svg);
    json.Texto("quociente", r.quociente);
    json.Texto("resto", r.resto);
    json.Texto("factorizacao", r.factorização);
    json.Texto("factorizacao_real", r.factorizaçãoReal);
    json.Texto("valor", r.valor);
    json.Texto("sinais", r.sinais);
    const resolucao::Resumo resumo = resolucao::Resumir(r, TradutorDaPágina());
    EscreverRaízes(json, r.raízes, resumo.raízes, "raizes");
    EscreverResumo(json, resumo);
    json.Texto("desenvolvimento", r.desenvolvimento);
    EscreverRaízes(json, r.soluções, resumo.soluções, "solucoes");
    json.Texto("conjunto", r.conjunto);
    json.Texto("quadro", r.quadro);
    json.AbrirLista("parametros");
    for (const std::string& solução : r.parâmetros)
        json.Texto(solução);
    json.FecharLista();
    const resolucao::Verificação semVerificação;
    const resolucao::Verificação& v = r.verificação ? *r.verificação : semVerificação;
    json.Texto("veredicto", v.veredicto);
    json.Texto("erro", v.erro);
    json.Texto("explicacao", v.explicação);
    json.FecharObjecto();
    ÚltimoDocumento() = std::move(r.documento);
    return json.Resultado();
}

std::string CópiaEmJson(std::string_view formato)
{
    constexpr std::array<Formato<resolucao::Documento>, 3> formatos{{
        {"texto", [](const resolucao::Documento& d) { return resolucao::EmTexto(d); }},
        {"latex", [](const resolucao::Documento& d) { return resolucao::EmLaTeX(d); }},
        {"html", [](const resolucao::Documento& d) { return resolucao::EmHtml(d); }},
    }};
    return CópiaPedida(formato, formatos, [] {
        const resolucao::Documento& documento = ÚltimoDocumento();
        return documento.blocos.empty() ? nullptr : &documento;
    });
}

std::string QuadroEmJson(std::string_view formato, std::string_view dividendo, std::string_view divisor)
{
    constexpr std::array<Formato<display::QuadroRuffini>, 3> formatos{{
        {"texto", display::QuadroEmTexto},
        {"latex", display::QuadroEmLaTeX},
        {"html", display::QuadroEmHtml},
    }};
    return CópiaPedida(formato, formatos, [&] {
        DivisãoMostrada& última = ÚltimaDivisão();
        // A fresh module, or one that divided other texts since: the table
        // is made again from the texts shown.
        if (última.dividendo != dividendo || última.divisor != divisor) {
            const ruffini::Divisão d = ruffini::Dividir(dividendo, divisor, interpreter::SementesDoRelógio());
            última = {std::string(dividendo), std::string(divisor), ruffini::VerDivisão(d)};
        }
        return última.vista.mostrada ? &última.vista.quadro : nullptr;
    });
}

std::string SimplificarEmJson(std::string_view polinómio)
{
    const engine::Simplificação s = engine::SimplificarPolinómio(polinómio);
    EscritorJson json;
    json.AbrirObjecto();
    EscreverCaixas(json, s.relatos);
    EscreverPolinómio(json, "resultado", s.Resultado);
    json.FecharObjecto();
    return json.Resultado();
}

std::string SomarEmJson(std::string_view polinómio1, std::string_view polinómio2)
{
    return Comando(engine::Somar(polinómio1, polinómio2));
}

std::string SubtrairEmJson(std::string_view polinómio1, std::string_view polinómio2)
{
    return Comando(engine::Subtrair(polinómio1, polinómio2));
}

std::string MultiplicarEmJson(std::string_view polinómio1, std::string_view polinómio2)
{
    return Comando(engine::Multiplicar(polinómio1, polinómio2));
}

std::string RuffiniEmJson(std::string_view dividendo, std::string_view divisor)
{
    const ruffini::Divisão d = ruffini::Dividir(dividendo, divisor, interpreter::SementesDoRelógio());
    // The division's refusal, if any, is its last report, after the boxes
    // the simplification made on the way, as the window shows them.
    EscritorJson json;
    json.AbrirObjecto();
    EscreverCaixas(json, d.relatos);
    const bool recusada = d.Recusa() != nullptr;
    if (recusada && d.foco == ruffini::Entrada::Dividendo)
        json.Texto("foco", "polinomio1");
    else if (recusada && d.foco == ruffini::Entrada::Divisor)
        json.Texto("foco", "polinomio2");
    else
        json.Nulo("foco");
    // A divisor the rule refuses is one long division takes: said after the
    // program's own message, with the divisor as typed.
    const bool divisorRecusado = recusada && d.Recusa()->erro.código == runtime::Código::DivisorInválido;
    json.Texto("dica", divisorRecusado ? DicaDeDivisão(divisor) : std::string());
    DivisãoMostrada& última = ÚltimaDivisão();
    última = {std::string(dividendo), std::string(divisor), ruffini::VerDivisão(d)};
    EscreverTabela(json, d, última.vista);
    json.FecharObjecto();
    return json.Resultado();
}

std::string FalarEmJson(std::string_view texto, std::string_view elevado)
{
    EscritorJson json;
    json.AbrirObjecto();
    json.Texto("fala", display::FalarPolinómio(texto, elevado));
    json.FecharObjecto();
    return json.Resultado();
}

} // namespace vendrix::web
