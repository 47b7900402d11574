// SPDX-License-Identifier: MIT
#include "resolucao/grafico.h"

#include "algebra/escrever.h"
#include "algebra/raizes.h"
#include "resolucao/formula.h"
#include "runtime/numeros.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace vendrix::resolucao {

namespace {

using algebra::Polinómio;

constexpr double Largura = 480, Altura = 320, Borda = 36;
// The advance of one character at the SVG's 11 px, generously.
constexpr double LarguraDoCarácter = 6.5;
constexpr int Amostras = 240;
constexpr std::string_view Cores[] = {"#1f5fbf", "#c0392b"};

// A dot and its label, which stands dx, dy screen units away (y downwards)
// from the dot, on the side the curve leaves free.
struct Marca
{
    double x, y;
    std::string rótulo;
    double dx = 6, dy = -8;
    std::string_view âncora = "start";
};

struct Traço
{
    double valor;
    // Where its label stands, as a mark's; none where a mark's label
    // already says the place or would cover it.
    bool rotulado = true;
    double x = 0, y = 0;
    std::string_view âncora = "middle";
};

// One stretch of a curve inside the window.
struct Curva
{
    std::size_t cor;
    std::vector<std::pair<double, double>> pontos;
};

// What is drawn, in the polynomial's own coordinates.
struct Plano
{
    Janela janela;
    double esquerda = Borda; // wider when the y labels stand outside the axes
    std::vector<Curva> curvas;
    std::vector<Marca> marcas; // roots, then the y-intercept when it is drawn
    std::vector<Traço> traçosX, traçosY;
};

// The coefficients by rising degree, once: turning a rational into a
// double costs more than the whole of Horner's scheme.
[[nodiscard]] std::vector<double> Duplos(const Polinómio& p)
{
    std::vector<double> c;
    for (const algebra::Racional& r : p.coeficientes)
        c.push_back(r.convert_to<double>());
    return c;
}

[[nodiscard]] double Valor(const std::vector<double>& c, double x) noexcept
{
    double v = 0;
    for (auto k = c.rbegin(); k != c.rend(); ++k)
        v = v * x + *k;
    return v;
}

[[nodiscard]] double Meio(const algebra::RaizReal& r)
{
    return ((r.mínimo + r.máximo) / 2).convert_to<double>();
}

// The abscissas the window must hold: roots and turning points; the roots
// are marked.
void Pontos(const Polinómio& p, std::vector<double>& xs, std::vector<Marca>& marcas)
{
    if (algebra::Grau(p) == 0)
        return;
    for (const algebra::RaizReal& r : algebra::CalcularRaízes(p).reais) {
        xs.push_back(Meio(r));
        // Ten digits crowd the picture; the text of the document has them.
        const bool curta = !r.exacta.empty() && r.exacta.size() <= 12;
        marcas.push_back(
            {xs.back(),
             0,
             curta ? r.exacta : "≈" + runtime::TextoDeDuplo(std::round(xs.back() * 1000) / 1000)});
    }
    if (algebra::Grau(p) >= 2)
        for (const algebra::RaizReal& r : algebra::CalcularRaízes(algebra::Derivada(p)).reais)
            xs.push_back(Meio(r));
}

// 1, 2 or 5 times a power of ten, for about six steps over the range.
[[nodiscard]] std::vector<Traço> Traços(double mínimo, double máximo)
{
    const double bruto = (máximo - mínimo) / 6;
    const double potência = std::pow(10.0, std::floor(std::log10(bruto)));
    const double m = bruto / potência;
    const double passo = potência * (m < 1.5 ? 1 : m < 3.5 ? 2 : m < 7.5 ? 5 : 10);
    std::vector<Traço> traços;
    for (double k = std::ceil(mínimo / passo); k * passo <= máximo && traços.size() < 40; ++k)
        traços.push_back({std::abs(k) < 0.5 ? 0.0 : k * passo});
    return traços;
}

void Alargar(double& mínimo, double& máximo, double fracção, double mínimaMargem)
{
    if (máximo - mínimo < 1e-9) {
        mínimo -= 1;
        máximo += 1;
    }
    const double margem = std::max((máximo - mínimo) * fracção, mínimaMargem);
    mínimo -= margem;
    máximo += margem;
}

[[nodiscard]] double EcrãX(const Plano& plano, double x)
{
    const Janela& j = plano.janela;
    return plano.esquerda + (x - j.xMínimo) / (j.xMáximo - j.xMínimo) * (Largura - plano.esquerda - Borda);
}

// Upwards from the bottom edge, as in a LaTeX picture; SVG's y is Altura
// minus this.
[[nodiscard]] double AlturaY(const Janela& j, double y)
{
    return Borda + (y - j.yMínimo) / (j.yMáximo - j.yMínimo) * (Altura - 2 * Borda);
}

// Where the axes cross: at the origin when it is in the window; else the
// y-axis stands at the left edge, as a scale.
[[nodiscard]] std::pair<double, double> Origem(const Janela& j)
{
    const bool zero = j.xMínimo <= 0 && 0 <= j.xMáximo;
    return {zero ? 0.0 : j.xMínimo, std::clamp(0.0, j.yMínimo, j.yMáximo)};
}

// The y range holds the values at the points and 0, with room for the
// marks; the curve beyond may take half that span again on either side,
// and is cut where it leaves, so a far value never flattens the shape.
void EscolherY(Janela& j, const std::vector<std::vector<double>>& cs, const std::vector<double>& xs)
{
    double a = 0, b = 0, curvaMínimo = 0, curvaMáximo = 0;
    for (const std::vector<double>& c : cs) {
        for (const double x : xs) {
            a = std::min(a, Valor(c, x));
            b = std::max(b, Valor(c, x));
        }
        for (int i = 0; i <= Amostras; ++i) {
            const double y = Valor(c, j.xMínimo + (j.xMáximo - j.xMínimo) * i / Amostras);
            if (std::isfinite(y)) {
                curvaMínimo = std::min(curvaMínimo, y);
                curvaMáximo = std::max(curvaMáximo, y);
            }
        }
    }
    if (b - a < 1e-9) {
        a -= 1;
        b += 1;
    }
    const double vão = b - a;
    j.yMínimo = std::min(a - vão / 10, std::max(curvaMínimo, a - vão / 2));
    j.yMáximo = std::max(b + vão / 10, std::min(curvaMáximo, b + vão / 2));
}

// The part of the segment from p to q inside the window, as the fractions
// t0 <= t1 of its length (Liang and Barsky's clipping); none if it misses.
[[nodiscard]] std::optional<std::pair<double, double>>
Dentro(std::pair<double, double> p, std::pair<double, double> q, const Janela& j)
{
    double t0 = 0, t1 = 1;
    // Keeps the t with d·t <= folga.
    const auto limitar = [&](double d, double folga) {
        if (d == 0)
            return folga >= 0;
        (d < 0 ? t0 : t1) = d < 0 ? std::max(t0, folga / d) : std::min(t1, folga / d);
        return t0 <= t1;
    };
    const double dx = q.first - p.first, dy = q.second - p.second;
    if (limitar(-dx, p.first - j.xMínimo) && limitar(dx, j.xMáximo - p.first) &&
        limitar(-dy, p.second - j.yMínimo) && limitar(dy, j.yMáximo - p.second))
        return std::pair{t0, t1};
    return std::nullopt;
}

// The curve of one polynomial, sampled and cut into the stretches inside
// the window, so that neither export needs to clip.
void Cortar(const std::vector<double>& c, std::size_t cor, const Janela& j, std::vector<Curva>& curvas)
{
    std::optional<std::pair<double, double>> anterior;
    bool aberta = false; // the last stretch ends at the previous sample
    for (int i = 0; i <= Amostras; ++i) {
        const double x = j.xMínimo + (j.xMáximo - j.xMínimo) * i / Amostras;
        const std::pair ponto{x, Valor(c, x)};
        const auto parte =
            anterior && std::isfinite(ponto.second) ? Dentro(*anterior, ponto, j) : std::nullopt;
        if (parte) {
            const auto em = [&](double t) {
                return t == 0   ? *anterior
                       : t == 1 ? ponto
                                : std::pair{anterior->first + t * (ponto.first - anterior->first),
                                            anterior->second + t * (ponto.second - anterior->second)};
            };
            if (!aberta || parte->first > 0)
                curvas.push_back({cor, {em(parte->first)}});
            curvas.back().pontos.push_back(em(parte->second));
        }
        aberta = parte && parte->second == 1;
        anterior = std::isfinite(ponto.second) ? std::optional(ponto) : std::nullopt;
    }
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

[[nodiscard]] double Caracteres(std::string_view texto)
{
    return static_cast<double>(std::ranges::count_if(texto, [](char c) { return (c & 0xC0) != 0x80; }));
}

// A label's box on the screen (y downwards) from its baseline point.
struct Caixa
{
    double esquerda, direita, cima, baixo;

    [[nodiscard]] bool Cruza(const Caixa& c) const
    {
        return esquerda < c.direita && c.esquerda < direita && cima < c.baixo && c.cima < baixo;
    }
};

[[nodiscard]] Caixa CaixaDe(double x, double y, std::string_view âncora, std::string_view texto)
{
    const double largura = LarguraDoCarácter * Caracteres(texto);
    const double esquerda = âncora == "start" ? x : âncora == "end" ? x - largura : x - largura / 2;
    return {esquerda, esquerda + largura, y - 9, y + 2};
}

// Places the tick labels beside the axes and leaves out those that a
// mark's label names or covers; widens the left edge for y labels that
// stand outside the axes.
void Arrumar(Plano& plano)
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
    for (const Marca& m : plano.marcas) {
        const double mx = EcrãX(plano, m.x), my = Altura - AlturaY(j, m.y);
        const Caixa ponto{mx - 7, mx + 7, my - 7, my + 7};
        const Caixa rótulo = CaixaDe(mx + m.dx, my + m.dy, m.âncora, m.rótulo);
        for (Traço& t : plano.traçosX) {
            const Caixa caixa = CaixaDe(t.x, t.y, t.âncora, runtime::TextoDeDuplo(t.valor));
            // A root's own label names its place on the axis.
            if (caixa.Cruza(rótulo) || caixa.Cruza(ponto) ||
                (m.y == 0 && std::abs(EcrãX(plano, t.valor) - mx) < 4))
                t.rotulado = false;
        }
        for (Traço& t : plano.traçosY) {
            const Caixa caixa = CaixaDe(t.x, t.y, t.âncora, runtime::TextoDeDuplo(t.valor));
            // The y-intercept's label says its value too.
            if (caixa.Cruza(rótulo) || caixa.Cruza(ponto) || (m.y != 0 && std::abs(t.y - 4 - my) < 9))
                t.rotulado = false;
        }
    }
}

[[nodiscard]] Plano Planear(const Polinómio& p, const std::optional<Polinómio>& segundo)
{
    Plano plano;
    std::vector<double> xs;
    Pontos(p, xs, plano.marcas);
    const std::size_t deP = plano.marcas.size();
    if (segundo)
        Pontos(*segundo, xs, plano.marcas);
    // x = 0 joins only when it lies among the points: far from them, the
    // value P(0) would squeeze their shape flat.
    if (xs.empty() || (*std::ranges::min_element(xs) <= 0 && *std::ranges::max_element(xs) >= 0))
        xs.push_back(0);
    Janela& j = plano.janela;
    j.xMínimo = *std::ranges::min_element(xs);
    j.xMáximo = *std::ranges::max_element(xs);
    Alargar(j.xMínimo, j.xMáximo, 0.15, 0.5);
    j.ordenadaMarcada = j.xMínimo < 0 && 0 < j.xMáximo;
    if (j.ordenadaMarcada)
        xs.push_back(0);
    std::vector<std::vector<double>> cs{Duplos(p)};
    if (segundo)
        cs.push_back(Duplos(*segundo));
    EscolherY(j, cs, xs);
    for (std::size_t i = 0; i < cs.size(); ++i)
        Cortar(cs[i], i, j, plano.curvas);
    const double passo = (j.xMáximo - j.xMínimo) / 40;
    for (std::size_t i = 0; i < plano.marcas.size(); ++i) {
        j.raízesMarcadas.push_back(plano.marcas[i].x);
        Rotular(plano.marcas[i], cs[i < deP ? 0 : 1], passo, false);
    }
    const algebra::Racional p0 = algebra::Avaliar(p, 0);
    // At the origin, the root's mark is the y-intercept's too.
    if (j.ordenadaMarcada && p0 != 0) {
        plano.marcas.push_back({0, p0.convert_to<double>(), "(0, " + algebra::EscreverRacional(p0) + ")"});
        Rotular(plano.marcas.back(), cs[0], passo, true);
    }
    plano.traçosX = Traços(j.xMínimo, j.xMáximo);
    plano.traçosY = Traços(j.yMínimo, j.yMáximo);
    Arrumar(plano);
    return plano;
}

// Screen coordinates, to a tenth: y grows downwards in SVG, upwards in a
// LaTeX picture.
[[nodiscard]] std::string N(double v) { return runtime::TextoDeDuplo(std::round(v * 10) / 10); }

[[nodiscard]] std::string Svg(const Plano& plano)
{
    const Janela& j = plano.janela;
    const auto x = [&](double v) { return N(EcrãX(plano, v)); };
    const auto y = [&](double v) { return N(Altura - AlturaY(j, v)); };
    const auto [ox, oy] = Origem(j);
    const double eixoX = Altura - AlturaY(j, oy), eixoY = EcrãX(plano, ox);
    std::string s =
        "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"vx-grafico-svg\" viewBox=\"0 0 480 320\" "
        "width=\"480\" height=\"320\" font-family=\"sans-serif\" font-size=\"11\">\n"
        "<rect width=\"480\" height=\"320\" fill=\"white\"/>\n";
    const auto linha =
        [&](const std::string& x1, const std::string& y1, const std::string& x2, const std::string& y2) {
            s += "<line x1=\"" + x1 + "\" y1=\"" + y1 + "\" x2=\"" + x2 + "\" y2=\"" + y2 +
                 "\" stroke=\"black\"/>\n";
        };
    const auto texto = [&](double px, double py, std::string_view âncora, std::string_view t) {
        s += "<text x=\"" + N(px) + "\" y=\"" + N(py) + "\" text-anchor=\"" + std::string(âncora) + "\">" +
             TextoEmHtml(t) + "</text>\n";
    };
    linha(x(j.xMínimo), N(eixoX), x(j.xMáximo), N(eixoX));
    linha(N(eixoY), y(j.yMínimo), N(eixoY), y(j.yMáximo));
    for (const Traço& t : plano.traçosX)
        linha(x(t.valor), N(eixoX - 3), x(t.valor), N(eixoX + 3));
    for (const Traço& t : plano.traçosY)
        if (t.valor != 0 || ox != 0) // the x-axis itself marks 0 at the origin
            linha(N(eixoY - 3), y(t.valor), N(eixoY + 3), y(t.valor));
    for (const std::vector<Traço>* traços : {&plano.traçosX, &plano.traçosY})
        for (const Traço& t : *traços)
            if (t.rotulado)
                texto(t.x, t.y, t.âncora, runtime::TextoDeDuplo(t.valor));
    for (const Curva& curva : plano.curvas) {
        s.append("<polyline fill=\"none\" stroke-width=\"2\" stroke=\"")
            .append(Cores[curva.cor % 2])
            .append("\" points=\"");
        for (const auto& [px, py] : curva.pontos)
            s.append(x(px)).append(",").append(y(py)).append(" ");
        s.back() = '"';
        s += "/>\n";
    }
    for (const Marca& m : plano.marcas) {
        s += "<circle cx=\"" + x(m.x) + "\" cy=\"" + y(m.y) + "\" r=\"4\" fill=\"black\"/>\n";
        texto(EcrãX(plano, m.x) + m.dx, Altura - AlturaY(j, m.y) + m.dy, m.âncora, m.rótulo);
    }
    return s + "</svg>\n";
}

[[nodiscard]] std::string Picture(const Plano& plano)
{
    const Janela& j = plano.janela;
    const auto x = [&](double v) { return N(EcrãX(plano, v)); };
    const auto y = [&](double v) { return N(AlturaY(j, v)); };
    const auto [ox, oy] = Origem(j);
    const double eixoX = AlturaY(j, oy), eixoY = EcrãX(plano, ox);
    // A box of no size at the point, the text at its left (l), right (r) or
    // centre, as the SVG anchors it.
    const auto rótulo = [](std::string_view t, std::string_view âncora = "middle") {
        const std::string_view lado = âncora == "start" ? "[l]" : âncora == "end" ? "[r]" : "";
        return "\\makebox(0,0)" + std::string(lado) + "{\\scriptsize $" + FórmulaEmLaTeX(t) + "$}}\n";
    };
    std::string s = "\\setlength{\\unitlength}{0.7pt}\n\\begin{picture}(480,320)\n";
    s += "\\put(" + x(j.xMínimo) + "," + N(eixoX) + "){\\line(1,0){" + N(Largura - plano.esquerda - Borda) +
         "}}\n";
    s += "\\put(" + N(eixoY) + "," + y(j.yMínimo) + "){\\line(0,1){" + N(Altura - 2 * Borda) + "}}\n";
    // The SVG's y is to the baseline; a box here is centred on its point.
    for (const std::vector<Traço>* traços : {&plano.traçosX, &plano.traçosY})
        for (const Traço& t : *traços)
            if (t.rotulado)
                s += "\\put(" + N(t.x) + "," + N(Altura - t.y + 4) + "){" +
                     rótulo(runtime::TextoDeDuplo(t.valor), t.âncora);
    for (const Curva& curva : plano.curvas)
        for (std::size_t i = 1; i < curva.pontos.size(); ++i) {
            const auto& [x1, y1] = curva.pontos[i - 1];
            const auto& [x2, y2] = curva.pontos[i];
            s += "\\qbezier(" + x(x1) + "," + y(y1) + ")(" + N((EcrãX(plano, x1) + EcrãX(plano, x2)) / 2) +
                 "," + N((AlturaY(j, y1) + AlturaY(j, y2)) / 2) + ")(" + x(x2) + "," + y(y2) + ")\n";
        }
    for (const Marca& m : plano.marcas) {
        s += "\\put(" + x(m.x) + "," + y(m.y) + "){\\circle*{5}}\n";
        s += "\\put(" + N(EcrãX(plano, m.x) + m.dx) + "," + N(AlturaY(j, m.y) - m.dy + 4) + "){" +
             rótulo(m.rótulo, m.âncora);
    }
    return s + "\\end{picture}\n";
}

} // namespace

Janela JanelaDoGráfico(const Polinómio& p, const std::optional<Polinómio>& segundo)
{
    return Planear(p, segundo).janela;
}

Gráfico DesenharGráfico(const Polinómio& p, const std::optional<Polinómio>& segundo, const Tradutor& tradutor)
{
    const Plano plano = Planear(p, segundo);
    const Janela& j = plano.janela;
    std::string raízes, funções = "P(x) = " + algebra::Escrever(p);
    for (std::size_t i = 0; i < j.raízesMarcadas.size(); ++i)
        raízes.append(raízes.empty() ? "" : ", ").append(plano.marcas[i].rótulo);
    if (segundo)
        funções += ", " + algebra::Escrever(*segundo);
    // Three digits past the first of the range's span: "0.5", "-0.577".
    const auto arredondado = [](double v, double vão) {
        const double passo = std::pow(10.0, std::floor(std::log10(vão)) - 2);
        return runtime::TextoDeDuplo(std::round(v / passo) * passo);
    };
    const double vãoX = j.xMáximo - j.xMínimo, vãoY = j.yMáximo - j.yMínimo;
    const Frase janela{tradutor(FonteDe(raízes.empty() ? Texto::GráficoSemRaízes : Texto::GráficoComRaízes)),
                       {funções,
                        arredondado(j.xMínimo, vãoX),
                        arredondado(j.xMáximo, vãoX),
                        arredondado(j.yMínimo, vãoY),
                        arredondado(j.yMáximo, vãoY),
                        raízes}};
    const Frase ordenada{
        tradutor(FonteDe(j.ordenadaMarcada ? Texto::GráficoComOrdenada : Texto::GráficoSemOrdenada)),
        {"(0, " + algebra::EscreverRacional(algebra::Avaliar(p, 0)) + ")"}};
    const auto igual = [](std::string_view t) { return std::string(t); };
    return {Svg(plano),
            Picture(plano),
            Substituir(janela, igual, igual) + " " + Substituir(ordenada, igual, igual)};
}

Documento
ResolverGráfico(const Polinómio& p, const std::optional<Polinómio>& segundo, const Tradutor& tradutor)
{
    Documento doc;
    std::string funções = "P(x) = " + algebra::Escrever(p);
    if (segundo)
        funções += ", " + algebra::Escrever(*segundo);
    Intitular(doc, tradutor, Texto::TítuloGráfico, {funções});
    doc.blocos.emplace_back(DesenharGráfico(p, segundo, tradutor));
    return doc;
}

} // namespace vendrix::resolucao
