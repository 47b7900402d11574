// SPDX-License-Identifier: MIT
#include "resolucao/grafico.h"

#include "algebra/analise.h"
#include "algebra/escrever.h"
#include "algebra/expandir.h"
#include "algebra/inteiros.h"
#include "algebra/isolar.h"
#include "algebra/orcamento.h"
#include "algebra/raizes.h"
#include "algebra/raizes_racionais.h"
#include "display/exportar.h"
#include "resolucao/formula.h"
#include "resolucao/grafico_plano.h"
#include "resolucao/quadratica.h"
#include "runtime/numeros.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <utility>

namespace vendrix::resolucao {

namespace {

using algebra::Polinómio;
using namespace grafico;

constexpr std::string_view Cores[] = {"#1f5fbf", "#c0392b"};

// The coefficients by rising degree, once: turning a rational into a
// double costs more than the whole of Horner's scheme.
[[nodiscard]] std::vector<double> Duplos(const Polinómio& p)
{
    std::vector<double> c;
    for (const algebra::Racional& r : p.coeficientes)
        c.push_back(r.convert_to<double>());
    return c;
}

// A decimal as the user's language writes it, its minus a sign of its own:
// "−0,577" on a page.
[[nodiscard]] algebra::Expressão DecimalComSinal(const Tradutor& tradutor, std::string_view decimal)
{
    if (decimal.starts_with('-'))
        return algebra::Simétrico(DecimalEscrito(tradutor, decimal.substr(1)));
    return DecimalEscrito(tradutor, decimal);
}

// A point of the plane, "(0, -5)": the pair in brackets, with no name.
[[nodiscard]] algebra::Expressão Ponto(const algebra::Racional& x, const algebra::Racional& y)
{
    return algebra::Nome("", {algebra::Número(x), algebra::Número(y)});
}

// The roots, which the window must hold, each marked.
void Pontos(const Polinómio& p,
            const algebra::Raízes& raízes,
            std::vector<double>& xs,
            std::vector<Marca>& marcas,
            const Tradutor& tradutor)
{
    if (algebra::Grau(p) == 0)
        return;
    for (const algebra::RaizReal& r : raízes.reais) {
        // A root beyond what a double holds cannot be drawn; the caption
        // still names it.
        if (!std::isfinite(r.valor))
            continue;
        xs.push_back(r.valor);
        // Ten digits crowd the picture; the text of the document has them.
        // The roots keep an irrational exact form only as text.
        const bool curta = !r.exacta.empty() && r.exacta.size() <= 12;
        const Fórmula rótulo =
            r.mínimo == r.máximo ? Fórmula(algebra::Número(r.mínimo))
            : curta              ? Fórmula(r.exacta)
                                 : Fórmula("≈" +
                              Decimal(tradutor, runtime::TextoDeDuplo(std::round(xs.back() * 1000) / 1000)));
        marcas.push_back({xs.back(), 0, rótulo});
    }
}

// The one root of f in (a, b), narrowed in doubles to a third of a pixel:
// the window is at least two units wide, on fewer than 640 pixels. A sign
// is believed only beyond the rounding Horner's scheme may have made, so
// the point never leaves the interval the exact isolation gave.
double Estreitar(const std::vector<double>& f, double a, double b)
{
    const auto sinal = [&f](double x) {
        double valor = 0, majorante = 0;
        for (auto c = f.rbegin(); c != f.rend(); ++c) {
            valor = valor * x + *c;
            majorante = majorante * std::abs(x) + std::abs(*c);
        }
        const double erro =
            4 * static_cast<double>(f.size()) * std::numeric_limits<double>::epsilon() * majorante;
        return valor > erro ? 1 : valor < -erro ? -1 : 0;
    };
    const int sa = sinal(a);
    for (int k = 0; k < 60 && b - a > 1.0 / 1024 && sa != 0; ++k) {
        const double meio = a + (b - a) / 2;
        const int s = sinal(meio);
        if (s == 0)
            return meio;
        (s == sa ? a : b) = meio;
    }
    return a + (b - a) / 2;
}

// Where the curve may turn: about the roots of P'. They only frame the
// picture, so none is narrowed to its digits, and the search gets a tenth of
// an exercise's budget: a derivative built to defeat it leaves its points
// out, or rough, rather than hold the answer up. P' is not factored: its
// rational roots, then the real roots of the square-free parts left, are
// all a frame needs, at a fraction of a factorization's cost.
std::vector<double> PontosDeViragem(const Polinómio& p)
{
    algebra::Orçamento orçamento(algebra::Orçamento::Normal / 10);
    std::vector<double> xs;
    const algebra::RaízesRacionais racionais =
        algebra::ProcurarRaízesRacionais(algebra::ParteInteira(algebra::Derivada(p)), orçamento);
    for (const auto& [raiz, multiplicidade] : racionais.raízes)
        xs.push_back(algebra::ParaDouble(raiz));
    // A part may still hold a rational root when the search stopped short,
    // and isolation needs a part without one.
    if (!racionais.completas)
        return xs;
    for (const auto& [f, multiplicidade] : racionais.partes) {
        if (algebra::Grau(f) > algebra::GrauMáximoIsolado)
            continue;
        std::vector<double> duplos;
        for (const algebra::Inteiro& c : f)
            duplos.push_back(c.convert_to<double>());
        for (const algebra::Intervalo& i :
             algebra::Isolar(f, orçamento).value_or(std::vector<algebra::Intervalo>{})) {
            const double a = algebra::ParaDouble(i.mínimo), b = algebra::ParaDouble(i.máximo);
            xs.push_back(std::isfinite(a) && std::isfinite(b) ? Estreitar(duplos, a, b) : a);
        }
    }
    return xs;
}

// The roots of P come from its analysis, those of the second polynomial
// and of the derivatives from their own.
[[nodiscard]] Plano Planear(const Polinómio& p,
                            const algebra::Raízes& raízes,
                            const std::optional<Polinómio>& segundo,
                            const Tradutor& tradutor)
{
    Plano plano;
    std::vector<double> xs;
    Pontos(p, raízes, xs, plano.marcas, tradutor);
    const std::size_t deP = plano.marcas.size();
    if (segundo)
        Pontos(*segundo, algebra::CalcularRaízes(*segundo), xs, plano.marcas, tradutor);
    for (const Polinómio* q : {&p, segundo ? &*segundo : nullptr})
        if (q != nullptr && algebra::Grau(*q) >= 2)
            for (const double x : PontosDeViragem(*q))
                if (std::isfinite(x))
                    xs.push_back(x);
    // x = 0 joins only when it lies among the points: far from them, the
    // value P(0) would squeeze their shape flat.
    if (xs.empty() || (*std::ranges::min_element(xs) <= 0 && *std::ranges::max_element(xs) >= 0))
        xs.push_back(0);
    Janela& j = plano.janela;
    j.xMínimo = *std::ranges::min_element(xs);
    j.xMáximo = *std::ranges::max_element(xs);
    Alargar(j.xMínimo, j.xMáximo);
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
    const double y0 = p0.convert_to<double>();
    // At the origin, the root's mark is the y-intercept's too; a value
    // beyond the window, which a double cannot hold, is said in words only.
    j.ordenadaMarcada = j.ordenadaMarcada && j.yMínimo <= y0 && y0 <= j.yMáximo;
    if (j.ordenadaMarcada && p0.sign() != 0) {
        plano.marcas.push_back({0, y0, Ponto(0, p0)});
        Rotular(plano.marcas.back(), cs[0], passo, true);
    }
    plano.traçosX = Traços(j.xMínimo, j.xMáximo);
    plano.traçosY = Traços(j.yMínimo, j.yMáximo);
    Arrumar(plano);
    return plano;
}

// Screen coordinates, to a tenth, cut to the picture: y grows downwards in
// SVG, upwards in a LaTeX picture. Nothing but a finite number inside the
// picture is ever written, whatever a far value came to.
void AcrescentarN(std::string& texto, double v, double máximo)
{
    const double dentro = std::isnan(v) ? 0 : std::clamp(v, 0.0, máximo);
    // Whole tenths written by hand: the thousands of points of a curve would
    // otherwise each take a general conversion of a double.
    const auto décimas = static_cast<long long>(std::llround(dentro * 10));
    std::array<char, 24> algarismos{};
    char* fim = std::to_chars(algarismos.data(), algarismos.data() + algarismos.size(), décimas / 10).ptr;
    if (décimas % 10 != 0) {
        *fim++ = '.';
        *fim++ = static_cast<char>('0' + décimas % 10);
    }
    texto.append(algarismos.data(), fim);
}

[[nodiscard]] std::string N(double v, double máximo)
{
    std::string texto;
    AcrescentarN(texto, v, máximo);
    return texto;
}

[[nodiscard]] std::string NX(double v) { return N(v, Largura); }

[[nodiscard]] std::string NY(double v) { return N(v, Altura); }

// A tick's value, with the point, as the axes read it: "0.5", "−2".
[[nodiscard]] Fórmula Marcado(double valor)
{
    const algebra::Expressão absoluto = algebra::Decimal(runtime::TextoDeDuplo(std::abs(valor)));
    return valor < 0 ? algebra::Simétrico(absoluto) : absoluto;
}

[[nodiscard]] std::string Svg(const Plano& plano)
{
    const Janela& j = plano.janela;
    const auto x = [&](double v) { return NX(EcrãX(plano, v)); };
    const auto y = [&](double v) { return NY(Altura - AlturaY(j, v)); };
    const auto [ox, oy] = Origem(j);
    const double eixoX = Altura - AlturaY(j, oy), eixoY = EcrãX(plano, ox);
    const std::string w = NX(Largura), h = NY(Altura);
    std::string s = "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"vx-grafico-svg\" viewBox=\"0 0 " + w +
                    " " + h + "\" width=\"" + w + "\" height=\"" + h +
                    "\" font-family=\"sans-serif\" font-size=\"11\">\n<rect width=\"" + w + "\" height=\"" +
                    h + "\" fill=\"white\"/>\n";
    const auto linha =
        [&](const std::string& x1, const std::string& y1, const std::string& x2, const std::string& y2) {
            s += "<line x1=\"" + x1 + "\" y1=\"" + y1 + "\" x2=\"" + x2 + "\" y2=\"" + y2 +
                 "\" stroke=\"black\"/>\n";
        };
    const auto texto = [&](double px, double py, std::string_view âncora, const std::optional<Fórmula>& t) {
        if (t)
            s += "<text x=\"" + NX(px) + "\" y=\"" + NY(py) + "\" text-anchor=\"" + std::string(âncora) +
                 "\">" + HtmlDe(*t) + "</text>\n";
    };
    linha(x(j.xMínimo), NY(eixoX), x(j.xMáximo), NY(eixoX));
    linha(NX(eixoY), y(j.yMínimo), NX(eixoY), y(j.yMáximo));
    const auto [nx, ny] = NomeDoEixoX(plano);
    const auto [yx, yy] = NomeDoEixoY(plano);
    texto(nx, ny, "start", algebra::X());
    texto(yx, yy, "middle", algebra::Nome("y"));
    for (const Traço& t : plano.traçosX)
        linha(x(t.valor), NY(eixoX - 3), x(t.valor), NY(eixoX + 3));
    for (const Traço& t : plano.traçosY)
        if (t.valor != 0 || ox != 0) // the x-axis itself marks 0 at the origin
            linha(NX(eixoY - 3), y(t.valor), NX(eixoY + 3), y(t.valor));
    for (const std::vector<Traço>* traços : {&plano.traçosX, &plano.traçosY})
        for (const Traço& t : *traços)
            if (t.rotulado)
                texto(t.x, t.y, t.âncora, Marcado(t.valor));
    for (const Curva& curva : plano.curvas) {
        s.append("<polyline fill=\"none\" stroke-width=\"2\" stroke=\"")
            .append(Cores[curva.cor % 2])
            .append("\" points=\"");
        s.reserve(s.size() + 16 * curva.pontos.size());
        for (const auto& [px, py] : curva.pontos) {
            AcrescentarN(s, EcrãX(plano, px), Largura);
            s += ',';
            AcrescentarN(s, Altura - AlturaY(j, py), Altura);
            s += ' ';
        }
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
    const auto x = [&](double v) { return NX(EcrãX(plano, v)); };
    const auto y = [&](double v) { return NY(AlturaY(j, v)); };
    const auto [ox, oy] = Origem(j);
    const double eixoX = AlturaY(j, oy), eixoY = EcrãX(plano, ox);
    // A box of no size at the point, the text at its left (l), right (r) or
    // centre, as the SVG anchors it; the SVG's y is to the baseline, a box
    // here is centred on its point.
    std::string s =
        "\\setlength{\\unitlength}{0.5pt}\n\\begin{picture}(" + NX(Largura) + "," + NY(Altura) + ")\n";
    const auto rótulo = [&](double px, double py, const std::optional<Fórmula>& t, std::string_view âncora) {
        if (!t)
            return;
        const std::string_view lado = âncora == "start" ? "[l]" : âncora == "end" ? "[r]" : "";
        s += "\\put(" + NX(px) + "," + NY(Altura - py + 4) + "){\\makebox(0,0)" + std::string(lado) +
             "{\\scriptsize $" + LaTeXDe(*t) + "$}}\n";
    };
    s += "\\put(" + x(j.xMínimo) + "," + NY(eixoX) + "){\\line(1,0){" + NX(Largura - plano.esquerda - Borda) +
         "}}\n";
    s += "\\put(" + NX(eixoY) + "," + y(j.yMínimo) + "){\\line(0,1){" + NY(Altura - 2 * Borda) + "}}\n";
    const auto [nx, ny] = NomeDoEixoX(plano);
    const auto [yx, yy] = NomeDoEixoY(plano);
    rótulo(nx, ny, algebra::X(), "start");
    rótulo(yx, yy, algebra::Nome("y"), "middle");
    for (const std::vector<Traço>* traços : {&plano.traçosX, &plano.traçosY})
        for (const Traço& t : *traços)
            if (t.rotulado)
                rótulo(t.x, t.y, Marcado(t.valor), t.âncora);
    // LaTeX overflows on a curve shorter than about a unit: such a piece is
    // joined to the next.
    for (const Curva& curva : plano.curvas)
        for (std::size_t i = 1, início = 0; i < curva.pontos.size(); ++i) {
            const auto& [x1, y1] = curva.pontos[início];
            const auto& [x2, y2] = curva.pontos[i];
            if (std::hypot(EcrãX(plano, x2) - EcrãX(plano, x1), AlturaY(j, y2) - AlturaY(j, y1)) < 1)
                continue;
            s += "\\qbezier(" + x(x1) + "," + y(y1) + ")(" + NX((EcrãX(plano, x1) + EcrãX(plano, x2)) / 2) +
                 "," + NY((AlturaY(j, y1) + AlturaY(j, y2)) / 2) + ")(" + x(x2) + "," + y(y2) + ")\n";
            início = i;
        }
    for (const Marca& m : plano.marcas) {
        s += "\\put(" + x(m.x) + "," + y(m.y) + "){\\circle*{5}}\n";
        rótulo(EcrãX(plano, m.x) + m.dx, Altura - AlturaY(j, m.y) + m.dy, m.rótulo, m.âncora);
    }
    return s + "\\end{picture}\n";
}

// "1/2, (1+√5)/2, ≈0,3472963553": the roots as the caption lists them.
void AcrescentarRaízes(std::vector<algebra::Expressão>& lista,
                       const algebra::Raízes& raízes,
                       const Tradutor& tradutor)
{
    for (const algebra::RaizReal& r : raízes.reais)
        lista.push_back(RaizEscrita(tradutor, r));
}

// "P(x) = x^2-1"; with a second polynomial, "P(x) = x^2-1, x+1".
[[nodiscard]] algebra::Expressão Funções(const Polinómio& p, const std::optional<Polinómio>& segundo)
{
    algebra::Expressão pDeX =
        algebra::Relação(algebra::Nó::Igual, algebra::Nome("P", {algebra::X()}), algebra::ComoExpressão(p));
    if (!segundo)
        return pDeX;
    return algebra::Lista({std::move(pDeX), algebra::ComoExpressão(*segundo)});
}

} // namespace

double grafico::Valor(const std::vector<double>& c, double x) noexcept
{
    double v = 0;
    for (auto k = c.rbegin(); k != c.rend(); ++k)
        v = v * x + *k;
    return v;
}

double grafico::EcrãX(const Plano& plano, double x)
{
    const Janela& j = plano.janela;
    return plano.esquerda + (x - j.xMínimo) / (j.xMáximo - j.xMínimo) * (Largura - plano.esquerda - Borda);
}

double grafico::AlturaY(const Janela& j, double y)
{
    return Borda + (y - j.yMínimo) / (j.yMáximo - j.yMínimo) * (Altura - 2 * Borda);
}

std::pair<double, double> grafico::Origem(const Janela& j)
{
    const bool zero = j.xMínimo <= 0 && 0 <= j.xMáximo;
    return {zero ? 0.0 : j.xMínimo, std::clamp(0.0, j.yMínimo, j.yMáximo)};
}

std::string SvgDoGráfico(const Gráfico& gráfico) { return Svg(gráfico.plano); }

std::string PictureDoGráfico(const Gráfico& gráfico) { return Picture(gráfico.plano); }

Janela JanelaDoGráfico(const Polinómio& p, const std::optional<Polinómio>& segundo)
{
    return Planear(p, algebra::CalcularRaízes(p), segundo, EmPortuguês).janela;
}

Gráfico DesenharGráfico(const Polinómio& p,
                        const algebra::Raízes& raízesDeP,
                        const std::optional<Polinómio>& segundo,
                        const Tradutor& tradutor)
{
    Plano plano = Planear(p, raízesDeP, segundo, tradutor);
    const Janela& j = plano.janela;
    const Fórmula funções = Funções(p, segundo);
    std::vector<algebra::Expressão> raízes;
    AcrescentarRaízes(raízes, raízesDeP, tradutor);
    if (segundo)
        AcrescentarRaízes(raízes, algebra::CalcularRaízes(*segundo), tradutor);
    // Three digits past the first of the range's span: "0.5", "-0.577".
    const auto arredondado = [&](double v, double vão) {
        const double passo = std::pow(10.0, std::floor(std::log10(vão)) - 2);
        return DecimalComSinal(tradutor, runtime::TextoDeDuplo(std::round(v / passo) * passo));
    };
    const std::size_t quantas = j.raízesMarcadas.size();
    const Texto texto = !raízesDeP.completas ? Texto::GráficoRaízesPorIsolar
                        : quantas == 0       ? Texto::GráficoSemRaízes
                        : quantas == 1       ? Texto::GráficoComUmaRaiz
                                             : Texto::GráficoComRaízes;
    const double vãoX = j.xMáximo - j.xMínimo, vãoY = j.yMáximo - j.yMínimo;
    const Frase janela{tradutor(FonteDe(texto)),
                       {funções,
                        arredondado(j.xMínimo, vãoX),
                        arredondado(j.xMáximo, vãoX),
                        arredondado(j.yMínimo, vãoY),
                        arredondado(j.yMáximo, vãoY),
                        algebra::Lista(std::move(raízes))}};
    const Frase ordenada{
        tradutor(FonteDe(j.ordenadaMarcada ? Texto::GráficoComOrdenada : Texto::GráficoSemOrdenada)),
        {Ponto(0, algebra::Avaliar(p, 0))}};
    return {std::move(plano), {janela, ordenada}};
}

Documento
ResolverGráfico(const Polinómio& p, const std::optional<Polinómio>& segundo, const Tradutor& tradutor)
{
    Documento doc;
    Intitular(doc, tradutor, Texto::TítuloGráfico, {Funções(p, segundo)});
    doc.blocos.emplace_back(DesenharGráfico(p, algebra::CalcularRaízes(p), segundo, tradutor));
    return doc;
}

} // namespace vendrix::resolucao
