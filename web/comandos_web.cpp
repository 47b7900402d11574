// SPDX-License-Identifier: MIT
#include "web/comandos_web.h"

#include "display/exportar.h"
#include "display/fala.h"
#include "engine/comandos.h"
#include "ruffini/divisao.h"
#include "runtime/numeros.h"
#include "web/json.h"

#include <algorithm>
#include <optional>
#include <span>

namespace vendrix::web {

namespace {

// The code's text with "%1" where the symbol goes, as the catalogue keeps
// it; a number that is no code reads "Erro %1." and its symbol is its number.
std::string Modelo(const runtime::Erro& erro)
{
    const std::optional<std::string_view> linha = runtime::TextoDoCódigo(erro.código);
    if (!linha)
        return "Erro %1.";
    std::string modelo(*linha);
    constexpr std::string_view marcador = "{símbolo}";
    if (const auto posição = modelo.find(marcador); posição != std::string::npos)
        modelo.replace(posição, marcador.size(), "%1");
    return modelo;
}

// The reports a command made, in order, for the page to show one box at a
// time after the command has run: nothing the core does depends on when the
// user closes a box.
void EscreverCaixas(EscritorJson& json, std::span<const runtime::Relato> relatos)
{
    json.AbrirLista("mensagens");
    for (const runtime::Relato& r : relatos) {
        json.AbrirObjecto();
        json.Texto("titulo", runtime::TextoDoTítulo(r.título));
        json.Texto("texto", r.erro.Descrição());
        // The same text as a template, "%1" standing for "simbolo", so that
        // the page can show it in the user's language.
        json.Inteiro("codigo", r.erro.Número());
        json.Texto("modelo", Modelo(r.erro));
        const bool conhecido = runtime::TextoDoCódigo(r.erro.código).has_value();
        json.Texto("simbolo", conhecido ? r.erro.símbolo : runtime::TextoDeInteiro(r.erro.Número()));
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
    json.Texto("titulo", engine::LegendaDaOperação(comando.operação));
    json.FecharObjecto();
    return json.Resultado();
}

std::string NomeDaCélula(std::string_view fila, std::size_t i)
{
    return std::string(fila) + "(" + runtime::TextoDeInteiro(static_cast<long long>(i)) + ")";
}

// The columns the window shows: 0 to the degree, but Seg(degree), which
// has no product. The division never goes beyond degree 9; the bound keeps
// a wrong degree from reaching past the cells, as in the window.
std::size_t ÚltimaColuna(const ruffini::Divisão& d)
{
    return static_cast<std::size_t>(std::clamp<int>(d.GrauDividendo.value_or(0), 0, ruffini::CélulasSeg - 1));
}

template <std::size_t N>
void EscreverFila(EscritorJson& json,
                  std::string_view fila,
                  const std::array<std::optional<std::string>, N>& textos)
{
    for (std::size_t i = 0; i < N; ++i)
        if (textos[i])
            json.Texto(NomeDaCélula(fila, i), *textos[i]);
}

display::QuadroRuffini Quadro(const ruffini::Divisão& d, std::size_t último)
{
    display::QuadroRuffini quadro;
    quadro.Div = d.Div.value_or("");
    for (std::size_t i = 0; i <= último; ++i) {
        quadro.Coef.push_back(d.Coef[i].value_or(""));
        quadro.Ter.push_back(d.Ter[i].value_or(""));
        if (i < último)
            quadro.Seg.push_back(d.Seg[i].value_or(""));
    }
    quadro.quociente = d.Resultado.value_or("");
    quadro.resto = d.resto;
    return quadro;
}

void EscreverTabela(EscritorJson& json, const ruffini::Divisão& d)
{
    json.Lógico("tabela", d.tabelaVisível);
    json.AbrirObjecto("celulas");
    EscreverFila(json, "Coef", d.Coef);
    EscreverFila(json, "Seg", d.Seg);
    EscreverFila(json, "Ter", d.Ter);
    json.FecharObjecto();
    json.AbrirLista("visiveis");
    const std::size_t último = ÚltimaColuna(d);
    if (d.tabelaVisível) {
        for (std::size_t i = 0; i <= último; ++i)
            json.Texto(NomeDaCélula("Coef", i));
        for (std::size_t i = 0; i < último; ++i)
            json.Texto(NomeDaCélula("Seg", i));
        for (std::size_t i = 0; i <= último; ++i)
            json.Texto(NomeDaCélula("Ter", i));
    }
    json.FecharLista();
    json.Texto("div", d.Div.value_or(""));
    // The window draws the quotient only with the table.
    EscreverPolinómio(json, "quociente", d.tabelaVisível ? d.Resultado.value_or("") : "");
    json.Texto("resto", d.tabelaVisível ? d.resto : "");
    const display::QuadroRuffini quadro = Quadro(d, último);
    json.Texto("quadro_texto", d.tabelaVisível ? display::QuadroEmTexto(quadro) : "");
    json.Texto("quadro_html", d.tabelaVisível ? display::QuadroEmHtml(quadro) : "");
    json.Texto("quadro_latex", d.tabelaVisível ? display::QuadroEmLaTeX(quadro) : "");
}

} // namespace

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
    EscreverTabela(json, d);
    json.FecharObjecto();
    return json.Resultado();
}

} // namespace vendrix::web
