// SPDX-License-Identifier: MIT
#include "resolucao/grafico.h"

#include "algebra/escrever.h"
#include "algebra/raizes.h"
#include "resolucao/formula.h"
#include "runtime/numeros.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace vendrix::resolucao {

namespace {

using algebra::Polinómio;

constexpr double Largura = 480, Altura = 320, Borda = 36;
constexpr int Amostras = 240;
constexpr std::string_view Cores[] = {"#1f5fbf", "#c0392b"};

struct Marca
{
    double x, y;
    std::string rótulo;
};

// What is drawn, in the polynomial's own coordinates.
struct Plano
{
    Janela janela;
    std::vector<std::vector<std::pair<double, double>>> curvas;
    std::vector<Marca> marcas; // roots, then the y-intercept
    std::vector<double> traçosX, traçosY;
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
[[nodiscard]] std::vector<double> Traços(double mínimo, double máximo)
{
    const double bruto = (máximo - mínimo) / 6;
    const double potência = std::pow(10.0, std::floor(std::log10(bruto)));
    const double m = bruto / potência;
    const double passo = potência * (m < 1.5 ? 1 : m < 3.5 ? 2 : m < 7.5 ? 5 : 10);
    std::vector<double> traços;
    for (double k = std::ceil(mínimo / passo); k * passo <= máximo && traços.size() < 40; ++k)
        traços.push_back(std::abs(k) < 0.5 ? 0.0 : k * passo);
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

[[nodiscard]] Plano Planear(const Polinómio& p, const std::optional<Polinómio>& segundo)
{
    Plano plano;
    std::vector<double> xs{0.0};
    Pontos(p, xs, plano.marcas);
    if (segundo)
        Pontos(*segundo, xs, plano.marcas);
    Janela& j = plano.janela;
    j.xMínimo = *std::ranges::min_element(xs);
    j.xMáximo = *std::ranges::max_element(xs);
    Alargar(j.xMínimo, j.xMáximo, 0.15, 0.5);
    j.yMínimo = j.yMáximo = 0;
    for (const Polinómio* q : {&p, segundo ? &*segundo : nullptr}) {
        if (q == nullptr)
            continue;
        auto& curva = plano.curvas.emplace_back();
        const std::vector<double> c = Duplos(*q);
        for (int i = 0; i <= Amostras; ++i) {
            const double x = j.xMínimo + (j.xMáximo - j.xMínimo) * i / Amostras;
            const double y = Valor(c, x);
            if (!std::isfinite(y))
                continue;
            curva.emplace_back(x, y);
            j.yMínimo = std::min(j.yMínimo, y);
            j.yMáximo = std::max(j.yMáximo, y);
        }
    }
    Alargar(j.yMínimo, j.yMáximo, 0.05, 0);
    for (const Marca& m : plano.marcas)
        j.raízesMarcadas.push_back(m.x);
    plano.marcas.push_back({0,
                            algebra::Avaliar(p, 0).convert_to<double>(),
                            "(0, " + algebra::EscreverRacional(algebra::Avaliar(p, 0)) + ")"});
    plano.traçosX = Traços(j.xMínimo, j.xMáximo);
    plano.traçosY = Traços(j.yMínimo, j.yMáximo);
    return plano;
}

// Screen coordinates, to a tenth: y grows downwards in SVG, upwards in a
// LaTeX picture.
[[nodiscard]] std::string N(double v) { return runtime::TextoDeDuplo(std::round(v * 10) / 10); }

[[nodiscard]] double EcrãX(const Janela& j, double x)
{
    return Borda + (x - j.xMínimo) / (j.xMáximo - j.xMínimo) * (Largura - 2 * Borda);
}

[[nodiscard]] double AlturaY(const Janela& j, double y)
{
    return Borda + (y - j.yMínimo) / (j.yMáximo - j.yMínimo) * (Altura - 2 * Borda);
}

// Where the axes cross: at 0 when it is in the window, else at its edge.
[[nodiscard]] std::pair<double, double> Origem(const Janela& j)
{
    return {std::clamp(0.0, j.xMínimo, j.xMáximo), std::clamp(0.0, j.yMínimo, j.yMáximo)};
}

[[nodiscard]] std::string Svg(const Plano& plano)
{
    const Janela& j = plano.janela;
    const auto x = [&](double v) { return N(EcrãX(j, v)); };
    const auto y = [&](double v) { return N(Altura - AlturaY(j, v)); };
    const auto [ox, oy] = Origem(j);
    std::string s =
        "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"vx-grafico-svg\" viewBox=\"0 0 480 320\" "
        "width=\"480\" height=\"320\" font-family=\"sans-serif\" font-size=\"11\">\n"
        "<rect width=\"480\" height=\"320\" fill=\"white\"/>\n";
    const auto linha =
        [&](const std::string& x1, const std::string& y1, const std::string& x2, const std::string& y2) {
            s += "<line x1=\"" + x1 + "\" y1=\"" + y1 + "\" x2=\"" + x2 + "\" y2=\"" + y2 +
                 "\" stroke=\"black\"/>\n";
        };
    const auto texto =
        [&](const std::string& px, const std::string& py, std::string_view âncora, std::string_view t) {
            s += "<text x=\"" + px + "\" y=\"" + py + "\" text-anchor=\"" + std::string(âncora) + "\">" +
                 TextoEmHtml(t) + "</text>\n";
        };
    linha(x(j.xMínimo), y(oy), x(j.xMáximo), y(oy));
    linha(x(ox), y(j.yMínimo), x(ox), y(j.yMáximo));
    for (const double t : plano.traçosX) {
        linha(x(t), N(Altura - AlturaY(j, oy) - 3), x(t), N(Altura - AlturaY(j, oy) + 3));
        // 0 stands left of the y-axis, which would strike it through.
        const bool origem = t == 0 && ox == 0;
        texto(origem ? N(EcrãX(j, t) - 4) : x(t),
              N(Altura - AlturaY(j, oy) + 15),
              origem ? "end" : "middle",
              runtime::TextoDeDuplo(t));
    }
    for (const double t : plano.traçosY) {
        if (t == 0)
            continue; // the x-axis already says 0 where the axes cross
        linha(N(EcrãX(j, ox) - 3), y(t), N(EcrãX(j, ox) + 3), y(t));
        texto(N(EcrãX(j, ox) - 6), N(Altura - AlturaY(j, t) + 4), "end", runtime::TextoDeDuplo(t));
    }
    for (std::size_t c = 0; c < plano.curvas.size(); ++c) {
        s.append("<polyline fill=\"none\" stroke-width=\"2\" stroke=\"")
            .append(Cores[c % 2])
            .append("\" points=\"");
        for (const auto& [px, py] : plano.curvas[c])
            s.append(x(px)).append(",").append(y(py)).append(" ");
        s.back() = '"';
        s += "/>\n";
    }
    for (const Marca& m : plano.marcas) {
        s += "<circle cx=\"" + x(m.x) + "\" cy=\"" + y(m.y) + "\" r=\"4\" fill=\"black\"/>\n";
        texto(N(EcrãX(j, m.x) + 6), N(Altura - AlturaY(j, m.y) - 8), "start", m.rótulo);
    }
    return s + "</svg>\n";
}

[[nodiscard]] std::string Picture(const Plano& plano)
{
    const Janela& j = plano.janela;
    const auto x = [&](double v) { return N(EcrãX(j, v)); };
    const auto y = [&](double v) { return N(AlturaY(j, v)); };
    const auto [ox, oy] = Origem(j);
    const auto rótulo = [](std::string_view t) {
        return "\\makebox(0,0){\\scriptsize $" + FórmulaEmLaTeX(t) + "$}}\n";
    };
    std::string s = "\\setlength{\\unitlength}{0.7pt}\n\\begin{picture}(480,320)\n";
    s += "\\put(" + x(j.xMínimo) + "," + y(oy) + "){\\line(1,0){" + N(Largura - 2 * Borda) + "}}\n";
    s += "\\put(" + x(ox) + "," + y(j.yMínimo) + "){\\line(0,1){" + N(Altura - 2 * Borda) + "}}\n";
    for (const double t : plano.traçosX)
        s += "\\put(" + x(t) + "," + N(AlturaY(j, oy) - 12) + "){" + rótulo(runtime::TextoDeDuplo(t));
    for (const double t : plano.traçosY)
        if (t != 0)
            s += "\\put(" + N(EcrãX(j, ox) - 14) + "," + y(t) + "){" + rótulo(runtime::TextoDeDuplo(t));
    for (const auto& curva : plano.curvas)
        for (std::size_t i = 1; i < curva.size(); ++i) {
            const auto& [x1, y1] = curva[i - 1];
            const auto& [x2, y2] = curva[i];
            s += "\\qbezier(" + x(x1) + "," + y(y1) + ")(" + N((EcrãX(j, x1) + EcrãX(j, x2)) / 2) + "," +
                 N((AlturaY(j, y1) + AlturaY(j, y2)) / 2) + ")(" + x(x2) + "," + y(y2) + ")\n";
        }
    for (const Marca& m : plano.marcas) {
        s += "\\put(" + x(m.x) + "," + y(m.y) + "){\\circle*{5}}\n";
        s += "\\put(" + N(EcrãX(j, m.x) + 8) + "," + N(AlturaY(j, m.y) + 10) + "){" + rótulo(m.rótulo);
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
    std::string raízes, funções = "P(x) = " + algebra::Escrever(p);
    for (std::size_t i = 0; i + 1 < plano.marcas.size(); ++i)
        raízes.append(raízes.empty() ? "" : ", ").append(plano.marcas[i].rótulo);
    if (segundo)
        funções += ", " + algebra::Escrever(*segundo);
    const auto arredondado = [](double v) { return runtime::TextoDeDuplo(std::round(v * 100) / 100); };
    const Frase descrição{
        tradutor(FonteDe(raízes.empty() ? Texto::GráficoSemRaízes : Texto::GráficoComRaízes)),
        {funções,
         arredondado(plano.janela.xMínimo),
         arredondado(plano.janela.xMáximo),
         raízes,
         plano.marcas.back().rótulo}};
    const auto igual = [](std::string_view t) { return std::string(t); };
    return {Svg(plano), Picture(plano), Substituir(descrição, igual, igual)};
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
