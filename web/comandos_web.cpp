// SPDX-License-Identifier: MIT
#include "web/comandos_web.h"

#include "display/exportar.h"
#include "display/fala.h"
#include "engine/comandos.h"
#include "ruffini/divisao.h"
#include "runtime/numeros.h"
#include "web/json.h"

#include <algorithm>
#include <vector>

namespace vendrix::web {

namespace {

struct Caixa
{
    std::string título;
    std::string texto;
    runtime::Ícone ícone;
};

// Keeps the boxes a command shows, in order, for the page to show one at a
// time after the command has run: nothing the core does depends on when the
// user closes a box.
class GravadorDeCaixas final : public runtime::ServiçoDeMensagens
{
public:
    void Mostrar(std::string_view título, std::string_view texto, runtime::Ícone ícone) override
    {
        caixas.push_back({std::string(título), std::string(texto), ícone});
    }

    std::vector<Caixa> caixas;
};

void EscreverCaixas(EscritorJson& json, const std::vector<Caixa>& caixas)
{
    json.AbrirLista("mensagens");
    for (const Caixa& c : caixas) {
        json.AbrirObjecto();
        json.Texto("titulo", c.título);
        json.Texto("texto", c.texto);
        json.Texto("icone", c.ícone == runtime::Ícone::Crítico ? "critico" : "informacao");
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

std::string Comando(const engine::Comando& comando, const GravadorDeCaixas& gravador)
{
    EscritorJson json;
    json.AbrirObjecto();
    EscreverCaixas(json, gravador.caixas);
    EscreverPolinómio(json, "resultado", comando.Resultado);
    json.Texto("titulo", comando.legenda);
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
    GravadorDeCaixas gravador;
    const engine::Simplificação s = engine::SimplificarPolinómio(polinómio, gravador);
    EscritorJson json;
    json.AbrirObjecto();
    EscreverCaixas(json, gravador.caixas);
    EscreverPolinómio(json, "resultado", s.Resultado);
    json.FecharObjecto();
    return json.Resultado();
}

std::string SomarEmJson(std::string_view polinómio1, std::string_view polinómio2)
{
    GravadorDeCaixas gravador;
    const engine::Comando comando = engine::Somar(polinómio1, polinómio2, gravador);
    return Comando(comando, gravador);
}

std::string SubtrairEmJson(std::string_view polinómio1, std::string_view polinómio2)
{
    GravadorDeCaixas gravador;
    const engine::Comando comando = engine::Subtrair(polinómio1, polinómio2, gravador);
    return Comando(comando, gravador);
}

std::string MultiplicarEmJson(std::string_view polinómio1, std::string_view polinómio2)
{
    GravadorDeCaixas gravador;
    const engine::Comando comando = engine::Multiplicar(polinómio1, polinómio2, gravador);
    return Comando(comando, gravador);
}

std::string RuffiniEmJson(std::string_view dividendo, std::string_view divisor)
{
    GravadorDeCaixas gravador;
    const ruffini::Divisão d = ruffini::Dividir(dividendo, divisor, gravador);
    // The window shows the division's own message after the boxes the
    // simplification showed on the way.
    if (d.mensagem)
        gravador.Mostrar(ruffini::TítuloDivisão, *d.mensagem, runtime::Ícone::Informação);
    EscritorJson json;
    json.AbrirObjecto();
    EscreverCaixas(json, gravador.caixas);
    if (d.mensagem && d.foco == ruffini::Foco::Polinómio1)
        json.Texto("foco", "polinomio1");
    else if (d.mensagem && d.foco == ruffini::Foco::Polinómio2)
        json.Texto("foco", "polinomio2");
    else
        json.Nulo("foco");
    EscreverTabela(json, d);
    json.FecharObjecto();
    return json.Resultado();
}

} // namespace vendrix::web
