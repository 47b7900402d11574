// SPDX-License-Identifier: MIT
// The graph's window: its ticks, its y range, and the curves cut to it.
#include "resolucao/grafico_plano.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace vendrix::resolucao::grafico {

namespace {

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

} // namespace

std::vector<Traço> Traços(double mínimo, double máximo)
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

void Alargar(double& mínimo, double& máximo)
{
    const double margem = std::max((máximo - mínimo) / 2, 1.0);
    mínimo -= margem;
    máximo += margem;
}

void EscolherY(Janela& j, const std::vector<std::vector<double>>& cs, const std::vector<double>& xs)
{
    double a = 0, b = 0, curvaMínimo = 0, curvaMáximo = 0;
    for (const std::vector<double>& c : cs) {
        for (const double x : xs)
            if (const double y = Valor(c, x); std::isfinite(y)) {
                a = std::min(a, y);
                b = std::max(b, y);
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
    // Far beyond what a double holds the values are cut to it, so that
    // every coordinate written stays a finite number.
    constexpr double Limite = 1e300;
    a = std::max(a, -Limite);
    b = std::min(b, Limite);
    const double vão = b - a;
    j.yMínimo = std::min(a - vão / 10, std::max(curvaMínimo, a - vão * 0.75));
    j.yMáximo = std::max(b + vão / 10, std::min(curvaMáximo, b + vão * 0.75));
}

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

} // namespace vendrix::resolucao::grafico
