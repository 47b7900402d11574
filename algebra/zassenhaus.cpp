// SPDX-License-Identifier: MIT
#include "algebra/zassenhaus.h"

#include "algebra/modular.h"

#include <algorithm>
#include <optional>

namespace vendrix::algebra {

namespace {

using modular::PolModular;
using modular::Residuo;

// Of the primes that keep f square-free, the one with fewest factors leaves
// least to recombine; a few are compared.
constexpr int BonsPrimosTentados = 5;

struct Modular
{
    Residuo p = 0;
    std::vector<PolModular> factores;
};

// p keeps f's degree and leaves it square-free.
std::optional<Modular> FactoresModulares(const PolInteiro& f, Orçamento& orçamento)
{
    std::optional<Modular> melhor;
    int bons = 0;
    // A prime is bad only if it divides the leading coefficient or the
    // discriminant, whose bits Hadamard's bound gives: a square-free f meets
    // a good prime before that many bad ones.
    std::uint64_t ruins = modular::LimiteDePrimosRuins(f);
    for (std::optional<Residuo> p = 2; (p = modular::PróximoPrimo(*p));) {
        if (!orçamento.Gastar(f.size() * f.size() * Palavras(f)))
            return melhor;
        if (!modular::BomPrimo(f, *p)) {
            if (ruins-- == 0)
                return melhor;
            continue;
        }
        auto factores = modular::Factores(modular::Mónico(modular::Reduzir(f, *p), *p), *p, orçamento);
        if (!factores)
            return melhor;
        if (!melhor || factores->size() < melhor->factores.size())
            melhor = Modular{*p, std::move(*factores)};
        if (++bons == BonsPrimosTentados || melhor->factores.size() == 1)
            break;
    }
    return melhor;
}

PolInteiro ParaInteiro(const PolModular& a) { return PolInteiro(a.begin(), a.end()); }

// Hensel's lemma, one digit at a time: from F = g·h mod p, with g monic and
// g, h coprime, to F = G·H mod p^passos.
std::optional<std::pair<PolInteiro, PolInteiro>> Levantar(const PolInteiro& F,
                                                          const PolModular& g,
                                                          const PolModular& h,
                                                          Residuo p,
                                                          std::size_t passos,
                                                          Orçamento& orçamento)
{
    const auto [s, t] = modular::Bezout(g, h, p);
    PolInteiro G = ParaInteiro(g), H = ParaInteiro(h);
    Inteiro potência = p;
    for (std::size_t k = 1; k < passos; ++k, potência *= p) {
        if (!orçamento.Gastar(F.size() * F.size() * (Palavras(F) + msb(potência) / 64 + 1)))
            return std::nullopt;
        PolInteiro erro = F;
        erro.resize(std::max(erro.size(), G.size() + H.size() - 1));
        const PolInteiro gh = Multiplicar(G, H);
        for (std::size_t i = 0; i < gh.size(); ++i)
            erro[i] -= gh[i];
        for (Inteiro& c : erro)
            c /= potência;
        Normalizar(erro);
        const PolModular e = modular::Reduzir(erro, p);
        const auto [q, r] = modular::Dividir(modular::Multiplicar(t, e, p), g, p);
        // c = s·e + q·h, written as a difference of residues.
        const PolModular c = modular::Subtrair(
            modular::Multiplicar(s, e, p), modular::Multiplicar(q, modular::Subtrair({}, h, p), p), p);
        G.resize(std::max(G.size(), r.size()));
        for (std::size_t i = 0; i < r.size(); ++i)
            G[i] += potência * r[i];
        H.resize(std::max(H.size(), c.size()));
        for (std::size_t i = 0; i < c.size(); ++i)
            H[i] += potência * c[i];
        Normalizar(H);
    }
    return std::pair{std::move(G), std::move(H)};
}

// Every modular factor lifted to monic factors modulo p^passos.
std::optional<std::vector<PolInteiro>> LevantarTodos(
    const PolInteiro& f, const Modular& m, std::size_t passos, const Inteiro& módulo, Orçamento& orçamento)
{
    std::vector<PolInteiro> levantados;
    const Residuo dominante = modular::Reduzir(f.back(), m.p);
    PolInteiro alvo = f;
    for (std::size_t i = 0; i + 1 < m.factores.size(); ++i) {
        PolModular resto{dominante};
        for (std::size_t j = i + 1; j < m.factores.size(); ++j)
            resto = modular::Multiplicar(resto, m.factores[j], m.p);
        auto gh = Levantar(alvo, m.factores[i], resto, m.p, passos, orçamento);
        if (!gh)
            return std::nullopt;
        levantados.push_back(std::move(gh->first));
        alvo = std::move(gh->second);
    }
    // What is left is the last factor times f's leading coefficient.
    const Inteiro inverso = InversoMódulo(f.back(), módulo);
    for (Inteiro& c : alvo)
        c = Resíduo(c * inverso, módulo);
    levantados.push_back(std::move(alvo));
    return levantados;
}

// The residue in (-m/2, m/2].
Inteiro Simétrico(const Inteiro& n, const Inteiro& módulo)
{
    const Inteiro r = Resíduo(n, módulo);
    return 2 * r > módulo ? r - módulo : r;
}

PolInteiro Simétrico(PolInteiro a, const Inteiro& módulo)
{
    for (Inteiro& c : a)
        c = Simétrico(c, módulo);
    Normalizar(a);
    return a;
}

// dominante times the product of the chosen factors, in symmetric residues.
PolInteiro Produto(const std::vector<PolInteiro>& factores,
                   const std::vector<std::size_t>& escolha,
                   const Inteiro& dominante,
                   const Inteiro& módulo)
{
    PolInteiro produto{dominante};
    for (const std::size_t i : escolha)
        produto = Simétrico(Multiplicar(produto, factores[i]), módulo);
    return produto;
}

// Next subset of {0..n-1} of the same size, in lexicographic order.
bool PróximaEscolha(std::vector<std::size_t>& escolha, std::size_t n)
{
    for (std::size_t i = escolha.size(); i-- > 0;)
        if (escolha[i] < n - escolha.size() + i) {
            ++escolha[i];
            for (std::size_t j = i + 1; j < escolha.size(); ++j)
                escolha[j] = escolha[j - 1] + 1;
            return true;
        }
    return false;
}

void Retirar(std::vector<PolInteiro>& factores, const std::vector<std::size_t>& escolha)
{
    for (std::size_t i = escolha.size(); i-- > 0;)
        factores.erase(factores.begin() + static_cast<std::ptrdiff_t>(escolha[i]));
}

// Trying subsets of the lifted factors by growing size, each true factor is
// found when its own subset comes up; a cheap test on the constant term turns
// most wrong subsets away before any division.
FactoresInteiros
Recombinar(PolInteiro f, std::vector<PolInteiro> factores, const Inteiro& módulo, Orçamento& orçamento)
{
    FactoresInteiros r;
    std::vector<PolInteiro>& encontrados = r.factores;
    const std::uint64_t palavras = msb(módulo) / 64 + 1;
    for (std::size_t tamanho = 1; 2 * tamanho <= factores.size();) {
        std::vector<std::size_t> escolha(tamanho);
        for (std::size_t i = 0; i < tamanho; ++i)
            escolha[i] = i;
        bool achou = false;
        do {
            if (!orçamento.Gastar(tamanho * palavras * palavras)) {
                encontrados.push_back(Primitiva(std::move(f)));
                r.completa = false;
                return r;
            }
            Inteiro constante = f.back();
            for (const std::size_t i : escolha)
                constante = Simétrico(constante * factores[i][0], módulo);
            if (f[0] != 0 && (constante == 0 || (f.back() * f[0]) % constante != 0))
                continue;
            if (!orçamento.Gastar(f.size() * f.size() * palavras))
                continue; // the next turn of the loop stops the search
            const PolInteiro g = Primitiva(Produto(factores, escolha, f.back(), módulo));
            if (auto q = DividirExacto(f, g)) {
                encontrados.push_back(g);
                f = std::move(*q);
                Retirar(factores, escolha);
                achou = true;
                break;
            }
        } while (PróximaEscolha(escolha, factores.size()));
        if (!achou)
            ++tamanho;
    }
    encontrados.push_back(Primitiva(std::move(f)));
    return r;
}

} // namespace

FactoresInteiros FactorizarSemQuadrados(const PolInteiro& f, Orçamento& orçamento)
{
    const std::optional<Modular> m = FactoresModulares(f, orçamento);
    if (!m || m->factores.size() == 1)
        return {{f}, m.has_value()};
    // Landau and Mignotte: a factor g of f of degree d has Mahler measure at
    // most |lc(g)/lc(f)|·‖f‖₂, so lc(f)/lc(g)·g, the product of its monic
    // lifted factors times lc(f), has coefficients at most C(d,j)·‖f‖₂ <=
    // 2^n·sqrt(n+1)·height. Residues modulo anything above twice that give it
    // back; the bound below is larger still.
    const std::size_t n = Grau(f);
    const Inteiro limite = 2 * abs(f.back()) * (Inteiro(1) << n) * (n + 1) * Altura(f);
    Inteiro módulo = m->p;
    std::size_t passos = 1;
    for (; módulo <= limite; ++passos)
        módulo *= m->p;
    auto levantados = LevantarTodos(f, *m, passos, módulo, orçamento);
    if (!levantados)
        return {{f}, false};
    return Recombinar(f, std::move(*levantados), módulo, orçamento);
}

} // namespace vendrix::algebra
