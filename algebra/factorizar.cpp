// SPDX-License-Identifier: MIT
#include "algebra/factorizar.h"

#include "algebra/escrever.h"
#include "algebra/inteiros.h"
#include "algebra/raizes_racionais.h"
#include "algebra/zassenhaus.h"

#include <algorithm>

namespace vendrix::algebra {

namespace {

Polinómio Mónico(const PolInteiro& f)
{
    const Polinómio p = ParaRacional(f);
    return Racional(1) / CoeficienteDominante(p) * p;
}

// Higher degree last; equal degrees compared from the highest coefficient.
bool AntesDe(const Factor& a, const Factor& b)
{
    const auto& ca = a.polinómio.coeficientes;
    const auto& cb = b.polinómio.coeficientes;
    if (ca.size() != cb.size())
        return ca.size() < cb.size();
    return std::lexicographical_compare(ca.rbegin(), ca.rend(), cb.rbegin(), cb.rend());
}

// The irreducible factors of a polynomial with no rational root.
void FactorizarSemRaízes(const PolInteiro& resto, std::vector<Factor>& factores)
{
    const auto partes =
        ProvadoSemQuadrados(resto) ? std::vector{std::pair{resto, std::size_t{1}}} : SemQuadrados(resto);
    for (const auto& [parte, multiplicidade] : partes) {
        // Without a rational root, degrees two and three are irreducible.
        const std::vector<PolInteiro> irredutíveis =
            Grau(parte) <= 3 ? std::vector<PolInteiro>{parte} : FactorizarSemQuadrados(parte);
        for (const PolInteiro& g : irredutíveis)
            factores.push_back({Mónico(g), multiplicidade});
    }
}

} // namespace

std::string TextoRacional(const Racional& r) { return EscreverRacional(r); }

Factorização Factorizar(const Polinómio& p)
{
    Factorização f{CoeficienteDominante(p), {}, true, true};
    if (ÉZero(p) || Grau(p) == 0)
        return f;
    RaízesRacionais raízes = ProcurarRaízesRacionais(ParteInteira(p));
    std::sort(raízes.raízes.begin(), raízes.raízes.end());
    for (const auto& [r, m] : raízes.raízes)
        f.factores.push_back({DeCoeficientes({-r, Racional(1)}), m});
    f.raízesCompletas = raízes.completas;
    if (Grau(raízes.resto) == 0)
        return f;
    const std::size_t primeiro = f.factores.size();
    if (Grau(p) <= GrauMáximoFactorizado && raízes.completas)
        FactorizarSemRaízes(raízes.resto, f.factores);
    else {
        f.factores.push_back({Mónico(raízes.resto), 1});
        // Without a rational root, a rest of degree two or three cannot split.
        f.completa = raízes.completas && Grau(raízes.resto) <= 3;
    }
    std::sort(f.factores.begin() + static_cast<std::ptrdiff_t>(primeiro), f.factores.end(), AntesDe);
    return f;
}

std::vector<std::pair<Racional, std::size_t>> RaízesRacionaisDe(const Factorização& f)
{
    std::vector<std::pair<Racional, std::size_t>> raízes;
    for (const Factor& factor : f.factores)
        if (Grau(factor.polinómio) == 1)
            raízes.emplace_back(-factor.polinómio.coeficientes[0], factor.multiplicidade);
    return raízes;
}

std::string TextoFactorização(const Factorização& f)
{
    if (f.factores.empty())
        return TextoRacional(f.dominante);
    std::string texto = f.dominante == 1 ? "" : f.dominante == -1 ? "-" : TextoRacional(f.dominante);
    for (const Factor& factor : f.factores) {
        const bool sóX = factor.polinómio == Monómio(1, 1);
        texto += sóX ? "x" : "(" + Escrever(factor.polinómio) + ")";
        if (factor.multiplicidade > 1)
            texto += "^" + std::to_string(factor.multiplicidade);
    }
    return texto;
}

} // namespace vendrix::algebra
