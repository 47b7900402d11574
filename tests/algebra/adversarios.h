// SPDX-License-Identifier: MIT
#pragma once

#include "algebra/polinomio.h"

#include <random>
#include <string>
#include <vector>

// Inputs built to defeat the exact algebra's searches rather than to look
// like homework: roots congruent modulo every small prime, leading
// coefficients divisible by every small prime, huge coefficients, high
// degrees with few terms, and the classic hard cases of factoring and root
// isolation. The test counts their work; the benchmark times them.
namespace vendrix::algebra::adversarios {

struct Adversário
{
    std::string nome; // ASCII, a test row's name
    Polinómio polinómio;
    bool completa = true; // whether the normal budget must give whole factors and roots
};

inline Polinómio Linear(const Racional& raiz) { return DeCoeficientes({-raiz, Racional(1)}); }

// The product of the odd primes up to máximo.
inline Inteiro PrimosÍmpares(unsigned máximo)
{
    Inteiro produto = 1;
    for (unsigned n = 3; n <= máximo; n += 2) {
        bool primo = true;
        for (unsigned d = 3; d * d <= n && primo; d += 2)
            primo = n % d != 0;
        if (primo)
            produto *= n;
    }
    return produto;
}

// f(x+√q)·f(x-√q) = A² - q·B², where f(x ± √q) = A ± √q·B.
inline Polinómio Conjugar(const Polinómio& f, int q)
{
    Polinómio a, b;
    const Polinómio x = Monómio(1, 1);
    for (auto c = f.coeficientes.rbegin(); c != f.coeficientes.rend(); ++c) {
        const Polinómio novoA = a * x + Racional(q) * b + Monómio(*c, 0);
        b = b * x + a;
        a = novoA;
    }
    return a * a - Racional(q) * (b * b);
}

// The product of x ± √2 ± √3 ± …, over the first k primes: irreducible of
// degree 2^k, and split into factors of degree at most two modulo every prime.
inline Polinómio SwinnertonDyer(int k)
{
    constexpr int Primos[] = {2, 3, 5, 7, 11};
    Polinómio f = Monómio(1, 1);
    for (int i = 0; i < k; ++i)
        f = Conjugar(f, Primos[i]);
    return f;
}

inline Polinómio Aleatório(std::size_t grau, int algarismos, unsigned semente)
{
    std::mt19937 acaso(semente);
    std::uniform_int_distribution<int> algarismo(0, 9);
    std::vector<Racional> c;
    for (std::size_t i = 0; i <= grau; ++i) {
        std::string texto(1, static_cast<char>('1' + algarismo(acaso) % 9));
        for (int d = 1; d < algarismos; ++d)
            texto += static_cast<char>('0' + algarismo(acaso));
        c.emplace_back(Inteiro(texto) * (algarismo(acaso) < 5 ? -1 : 1));
    }
    return DeCoeficientes(std::move(c));
}

inline std::vector<Adversário> Todos()
{
    std::vector<Adversário> a;
    const Polinómio x = Monómio(1, 1), um = Monómio(1, 0);
    // Roots 1 and 1 + M, M the odd primes up to 59: one root modulo each of
    // them, of multiplicity two.
    for (const unsigned máximo : {59u, 199u}) {
        const Inteiro m = PrimosÍmpares(máximo);
        a.push_back({"colisao_ate_" + std::to_string(máximo), Linear(1) * Linear(Racional(1 + m))});
    }
    // Random roots a and a + t·M, M the odd primes up to 113.
    std::mt19937 acaso(27);
    const Inteiro m113 = PrimosÍmpares(113);
    for (int i = 0; i < 3; ++i) {
        const int r = std::uniform_int_distribution<int>(-50, 50)(acaso),
                  t = std::uniform_int_distribution<int>(1, 9)(acaso);
        a.push_back({"colisao_ao_acaso_" + std::to_string(i),
                     Linear(r) * Linear(Racional(r + t * m113)) * DeCoeficientes({-r, 0, 3})});
    }
    const Inteiro m97 = PrimosÍmpares(97);
    a.push_back({"colisao_quatro_raizes",
                 Linear(1) * Linear(Racional(1 + m97)) * Linear(Racional(1 + 2 * m97)) *
                     Linear(Racional(Inteiro(1 + 3 * m97), 5))});
    // The leading coefficient kills every small prime.
    for (const unsigned máximo : {73u, 400u}) {
        const Inteiro l = PrimosÍmpares(máximo);
        a.push_back({"dominante_dos_primos_ate_" + std::to_string(máximo),
                     DeCoeficientes({1, 0, Racional(l)}) * DeCoeficientes({1, 0, 1})});
    }
    a.push_back({"raizes_de_30_algarismos",
                 Linear(Racional(Inteiro("123456789012345678901234567891"), 7)) *
                     Linear(Racional(Inteiro("-987654321098765432109876543211"), 11)) *
                     Linear(Racional(Inteiro("100000000000000000000000000057"))) *
                     DeCoeficientes({Racional(Inteiro("-314159265358979323846264338327")), 0, 1}) *
                     Linear(Racional(1, 3))});
    // High degree, few terms.
    a.push_back({"x10000_mais_x_mais_1", Monómio(1, 10000) + x + um, false});
    a.push_back({"x10000_menos_1", Monómio(1, 10000) - um, false});
    a.push_back({"x9999_menos_2", Monómio(1, 9999) - Monómio(2, 0), false});
    a.push_back({"x30_menos_1", Monómio(1, 30) - um});
    a.push_back(
        {"x64_mais_x_menos_1_ao_cubo",
         Monómio(1, 64) - (x - um) * (x - um) * (x - um) * Monómio(Racional(Inteiro("1000000000000")), 0),
         false});
    // Recombination: irreducible, yet many factors modulo every prime.
    a.push_back({"swinnerton_dyer_16", SwinnertonDyer(4)});
    a.push_back({"swinnerton_dyer_16_vezes_8_e_quadratica",
                 SwinnertonDyer(4) * SwinnertonDyer(3) * DeCoeficientes({-11, 0, 1})});
    Polinómio quadradas = um;
    for (const int q : {2, 3, 5, 6, 7, 10, 11, 13, 14, 15, 17, 19, 21, 22, 23})
        quadradas = quadradas * DeCoeficientes({-q, 0, 1});
    a.push_back({"quinze_quadraticas", quadradas});
    // Isolation: close roots, many real roots, large coefficients.
    const Polinómio mil = DeCoeficientes({-1, 1000000});
    a.push_back({"mignotte_64", Monómio(1, 64) - Monómio(2, 0) * mil * mil, false});
    Polinómio wilkinson = um;
    for (int k = 1; k <= 64; ++k)
        wilkinson = wilkinson * Linear(k);
    a.push_back({"wilkinson_64_mais_1", wilkinson + um, false});
    a.push_back({"wilkinson_64", wilkinson});
    for (unsigned semente = 1; semente <= 3; ++semente)
        a.push_back(
            {"aleatorio_64_com_30_algarismos_" + std::to_string(semente), Aleatório(64, 30, semente), false});
    a.push_back({"aleatorio_30_com_30_algarismos", Aleatório(30, 30, 4)});
    const Polinómio cúbica = DeCoeficientes({-3, 0, 0, 1});
    a.push_back({"raiz_cubica_dupla_grau_53", cúbica * cúbica * (Monómio(1, 47) + x + um), false});
    return a;
}

} // namespace vendrix::algebra::adversarios
