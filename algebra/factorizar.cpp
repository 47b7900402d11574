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

// The factors of a square-free part with no rational root: irreducible up to
// degree three, split by Zassenhaus up to GrauMáximoFactorizado.
bool FactorizarParte(const PolInteiro& parte,
                     std::size_t multiplicidade,
                     Orçamento& orçamento,
                     std::vector<Factor>& factores)
{
    if (Grau(parte) <= 3) {
        factores.push_back({Mónico(parte), multiplicidade});
        return true;
    }
    if (Grau(parte) > GrauMáximoFactorizado) {
        factores.push_back({Mónico(parte), multiplicidade});
        return false;
    }
    const FactoresInteiros irredutíveis = FactorizarSemQuadrados(parte, orçamento);
    for (const PolInteiro& g : irredutíveis.factores)
        factores.push_back({Mónico(g), multiplicidade});
    return irredutíveis.completa;
}

} // namespace

std::string TextoRacional(const Racional& r) { return EscreverRacional(r); }

Factorização Factorizar(const Polinómio& p, Orçamento& orçamento)
{
    Factorização f{CoeficienteDominante(p), {}, true, true};
    if (ÉZero(p) || Grau(p) == 0)
        return f;
    RaízesRacionais raízes = ProcurarRaízesRacionais(ParteInteira(p), orçamento);
    std::sort(raízes.raízes.begin(), raízes.raízes.end());
    for (const auto& [r, m] : raízes.raízes)
        f.factores.push_back({DeCoeficientes({-r, Racional(1)}), m});
    f.raízesCompletas = raízes.completas;
    f.completa = raízes.completas;
    const std::size_t primeiro = f.factores.size();
    for (const auto& [parte, multiplicidade] : raízes.partes)
        if (!raízes.completas)
            f.factores.push_back({Mónico(parte), multiplicidade});
        else if (!FactorizarParte(parte, multiplicidade, orçamento, f.factores))
            f.completa = false;
    std::sort(f.factores.begin() + static_cast<std::ptrdiff_t>(primeiro), f.factores.end(), AntesDe);
    return f;
}

Factorização Factorizar(const Polinómio& p)
{
    Orçamento orçamento;
    return Factorizar(p, orçamento);
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
