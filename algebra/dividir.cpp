// SPDX-License-Identifier: MIT
#include "algebra/dividir.h"

#include <utility>
#include <vector>

namespace vendrix::algebra {

// Pseudo-division over the integers: each step multiplies the remainder by
// the divisor's leading coefficient l instead of dividing by it, so no
// fraction is reduced until the end, where each coefficient becomes one
// fraction. A coefficient below the step's reach is only multiplied by l,
// so it is brought up to date when the reach comes to it.
runtime::Resultado<Divisão> Dividir(const Polinómio& p, const Polinómio& d)
{
    if (ÉZero(d))
        return runtime::Falhar(runtime::Código::DivisorNulo);
    if (ÉZero(p) || Grau(p) < Grau(d))
        return Divisão{{}, p};
    const SobreDenominador pn = SemDenominadores(p), dn = SemDenominadores(d);
    const std::size_t m = Grau(d), passos = Grau(p) - m + 1;
    const Inteiro& l = dn.coeficientes.back();
    std::vector<Inteiro> potências{1}; // l^0, l^1, …
    for (std::size_t k = 0; k < passos; ++k)
        potências.push_back(potências.back() * l);

    std::vector<std::size_t> termos;
    for (std::size_t j = 0; j < m; ++j)
        if (dn.coeficientes[j] != 0)
            termos.push_back(j);
    std::vector<Inteiro> r = pn.coeficientes;
    // The true r[j] is the stored one times l^(escala - emDia[j]).
    std::vector<std::size_t> emDia(r.size(), 0);
    std::vector<std::size_t> potênciaDoQuociente(passos, 0);
    std::vector<Inteiro> q(passos);
    std::size_t escala = 0; // r is l^escala times the remainder over the integers
    for (std::size_t k = passos; k-- > 0;) {
        if (r[k + m] == 0) // then so is its true value: the step has nothing to take away
            continue;
        q[k] = std::move(r[k + m]) * potências[escala - emDia[k + m]];
        r[k + m] = 0;
        potênciaDoQuociente[k] = escala + 1;
        // Only the divisor's terms change r: a sparse divisor such as
        // x^5000 + x/3 + 1/7 costs three operations a step, not 5001.
        for (const std::size_t j : termos) {
            Inteiro& c = r[k + j];
            c *= potências[escala + 1 - emDia[k + j]];
            c -= q[k] * dn.coeficientes[j];
            emDia[k + j] = escala + 1;
        }
        ++escala;
    }

    // P = Pn/a and D = Dn/b; Pn = Dn·Q' + R' gives Q = Q'·b/a and R = R'/a.
    std::vector<Racional> quociente(passos), resto(m);
    for (std::size_t k = 0; k < passos; ++k)
        if (q[k] != 0)
            quociente[k] = Fracção(q[k] * dn.denominador, potências[potênciaDoQuociente[k]] * pn.denominador);
    for (std::size_t j = 0; j < m; ++j)
        if (r[j] != 0)
            resto[j] = Fracção(r[j] * potências[escala - emDia[j]], potências[escala] * pn.denominador);
    return Divisão{DeCoeficientes(std::move(quociente)), DeCoeficientes(std::move(resto))};
}

Verificação Verificar(const Polinómio& p, const Polinómio& d, const Divisão& divisão)
{
    Polinómio expandido = d * divisão.quociente + divisão.resto;
    const bool restoMenor = ÉZero(divisão.resto) || (!ÉZero(d) && Grau(divisão.resto) < Grau(d));
    const bool confere = restoMenor && expandido == p;
    return {std::move(expandido), confere};
}

} // namespace vendrix::algebra
