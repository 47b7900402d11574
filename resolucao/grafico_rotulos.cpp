// SPDX-License-Identifier: MIT
// Where the labels of a graph stand, so that none covers another.
#include "resolucao/formula.h"
#include "resolucao/grafico_plano.h"
#include "runtime/numeros.h"
#include "runtime/utf8.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vendrix::resolucao::grafico {

namespace {

[[nodiscard]] double Caracteres(std::string_view texto)
{
    // A raise is drawn, not written: its caret takes no room.
    const auto circunflexos = static_cast<std::size_t>(std::ranges::count(texto, '^'));
    return static_cast<double>(runtime::ContarCaracteres(texto) - circunflexos);
}

// The places a mark's label may take, tried in turn after its own.
struct Lugar
{
    double dx, dy;
    std::string_view âncora;
};

constexpr std::array<Lugar, 6> Lugares{{
    {6, -8, "start"},
    {-6, -8, "end"},
    {0, 16, "middle"},
    {6, 16, "start"},
    {-6, 16, "end"},
    {0, -12, "middle"},
}};

[[nodiscard]] bool Livre(const Caixa& c, const std::vector<Caixa>& ocupadas)
{
    return std::ranges::none_of(ocupadas, [&](const Caixa& o) { return c.Cruza(o); });
}

void PôrTraços(Plano& plano)
{
    const Janela& j = plano.janela;
    double largura = 0;
    for (const Traço& t : plano.traçosY)
        largura = std::max(largura, Caracteres(runtime::TextoDeDuplo(t.valor)));
    const auto [ox, oy] = Origem(j);
    if (ox == j.xMínimo)
        plano.esquerda = std::max(Borda, 10 + LarguraDoCarácter * largura);
    const double eixoX = Altura - AlturaY(j, oy), eixoY = EcrãX(plano, ox);
    // Where the axes cross, one 0 is enough: the x-axis's at the origin,
    // left of the y-axis, which would strike it through; else the y-axis's.
    for (Traço& t : plano.traçosX) {
        const bool cruzamento = std::abs(EcrãX(plano, t.valor) - eixoY) < 1;
        t.rotulado = !cruzamento || ox == 0;
        t.x = cruzamento ? eixoY - 4 : EcrãX(plano, t.valor);
        t.y = eixoX + 15;
        t.âncora = cruzamento ? "end" : "middle";
    }
    for (Traço& t : plano.traçosY) {
        t.rotulado = ox != 0 || t.valor != oy;
        t.x = eixoY - 6;
        t.y = Altura - AlturaY(j, t.valor) + 4;
        t.âncora = "end";
    }
}

} // namespace

Caixa CaixaDe(double x, double y, std::string_view âncora, std::string_view texto)
{
    const double largura = LarguraDoCarácter * Caracteres(texto);
    const double esquerda = âncora == "start" ? x : âncora == "end" ? x - largura : x - largura / 2;
    return {esquerda, esquerda + largura, y - 9, y + 2};
}

std::pair<double, double> NomeDoEixoX(const Plano& plano)
{
    const Janela& j = plano.janela;
    return {EcrãX(plano, j.xMáximo) + 6, Altura - AlturaY(j, Origem(j).second) + 4};
}

std::pair<double, double> NomeDoEixoY(const Plano& plano)
{
    const Janela& j = plano.janela;
    return {EcrãX(plano, Origem(j).first), Altura - AlturaY(j, j.yMáximo) - 8};
}

// A root's label goes above the axis on a side the curve leaves by going
// down, or below it when the curve stays above on both sides; the
// y-intercept's goes right of the y-axis, away from the curve.
void Rotular(Marca& m, const std::vector<double>& c, double passo, bool ordenada)
{
    if (ordenada) {
        m.dy = Valor(c, m.x + passo) > m.y ? 16 : -8;
        return;
    }
    if (Valor(c, m.x + passo) < 0)
        return;
    if (Valor(c, m.x - passo) < 0) {
        m.dx = -6;
        m.âncora = "end";
    } else {
        m.dx = 0;
        m.dy = 16;
        m.âncora = "middle";
    }
}

void Arrumar(Plano& plano)
{
    PôrTraços(plano);
    Janela& j = plano.janela;
    const auto [nx, ny] = NomeDoEixoX(plano);
    const auto [yx, yy] = NomeDoEixoY(plano);
    std::vector<Caixa> ocupadas{CaixaDe(nx, ny, "start", "x"), CaixaDe(yx, yy, "middle", "y")};
    std::vector<Caixa> pontos;
    for (const Marca& m : plano.marcas) {
        const double mx = EcrãX(plano, m.x), my = Altura - AlturaY(j, m.y);
        pontos.push_back({mx - 5, mx + 5, my - 5, my + 5});
    }
    // The roots first, then the y-intercept: a label that finds no free
    // place is dropped, the later and less important one.
    for (Marca& m : plano.marcas) {
        const double mx = EcrãX(plano, m.x), my = Altura - AlturaY(j, m.y);
        std::vector<Lugar> lugares{{m.dx, m.dy, m.âncora}};
        lugares.insert(lugares.end(), Lugares.begin(), Lugares.end());
        const std::string texto = m.rótulo ? TextoDe(*m.rótulo) : std::string();
        const auto livre = std::ranges::find_if(lugares, [&](const Lugar& l) {
            const Caixa c = CaixaDe(mx + l.dx, my + l.dy, l.âncora, texto);
            return Livre(c, ocupadas) && Livre(c, pontos);
        });
        if (livre == lugares.end()) {
            m.rótulo.reset();
            continue;
        }
        m.dx = livre->dx;
        m.dy = livre->dy;
        m.âncora = livre->âncora;
        ocupadas.push_back(CaixaDe(mx + m.dx, my + m.dy, m.âncora, texto));
    }
    for (std::vector<Traço>* traços : {&plano.traçosX, &plano.traçosY})
        for (Traço& t : *traços) {
            const Caixa caixa = CaixaDe(t.x, t.y, t.âncora, runtime::TextoDeDuplo(t.valor));
            // A root's own label names its place on the axis, the
            // y-intercept's its value.
            const bool nomeado = std::ranges::any_of(plano.marcas, [&](const Marca& m) {
                const double mx = EcrãX(plano, m.x), my = Altura - AlturaY(j, m.y);
                return traços == &plano.traçosX ? m.y == 0 && std::abs(EcrãX(plano, t.valor) - mx) < 4
                                                : m.y != 0 && std::abs(t.y - 4 - my) < 9;
            });
            t.rotulado = t.rotulado && !nomeado && Livre(caixa, ocupadas) && Livre(caixa, pontos);
            if (t.rotulado)
                ocupadas.push_back(caixa);
        }
    j.rótulos.clear();
    for (const Caixa& c : ocupadas)
        j.rótulos.push_back({c.esquerda, c.direita, c.cima, c.baixo});
}

} // namespace vendrix::resolucao::grafico
