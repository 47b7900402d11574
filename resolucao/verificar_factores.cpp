// SPDX-License-Identifier: MIT
// The check of a factorization: the product must be P, and no factor may
// split further in the field the student works in, ℚ, or ℝ as soon as a
// square root appears in the answer.
#include "algebra/dividir.h"
#include "algebra/escrever.h"
#include "algebra/expandir.h"
#include "algebra/ler_expressao.h"
#include "resolucao/verificar.h"
#include "resolucao/verificar_comum.h"
#include "resolucao/verificar_numeros.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <utility>

namespace vendrix::resolucao {

namespace {

using algebra::Expressão;
using algebra::Nó;
using algebra::Polinómio;
using algebra::Racional;
using verificar::Errado;
using verificar::PolinómioQ;
using verificar::Quadrático;

// A power counts once past any degree a question has.
constexpr std::uint64_t ExpoenteLimite = std::uint64_t{1} << 32;

struct Factor
{
    Expressão escrito; // as typed, for the sentences
    PolinómioQ mónico;
    std::uint64_t expoente = 1;
    Quadrático dominante; // taken out of mónico
};

// The typed product as factors with their exponents; what has no x goes
// into constantes.
void Achatar(const Expressão& e,
             std::uint64_t expoente,
             std::vector<Factor>& factores,
             std::vector<Expressão>& constantes)
{
    if (!algebra::TemX(e)) {
        constantes.push_back(expoente == 1 ? e
                                           : algebra::Potência(e,
                                                               static_cast<unsigned>(std::min<std::uint64_t>(
                                                                   expoente, algebra::ExpoenteMáximo + 1))));
        return;
    }
    switch (e.nó) {
    case Nó::Produto:
        for (const Expressão& f : e.filhos)
            Achatar(f, expoente, factores, constantes);
        return;
    case Nó::Potência:
        return Achatar(e.filhos[0], std::min(expoente * e.expoente, ExpoenteLimite), factores, constantes);
    case Nó::Simétrico:
        constantes.push_back(algebra::Número(expoente % 2 == 0 ? 1 : -1));
        return Achatar(e.filhos[0], expoente, factores, constantes);
    case Nó::Quociente:
        Achatar(algebra::Quociente(algebra::Número(1), e.filhos[1]), expoente, factores, constantes);
        return Achatar(e.filhos[0], expoente, factores, constantes);
    default:
        factores.push_back({e, {}, expoente, {}});
    }
}

bool TemRaiz(const Expressão& e) noexcept
{
    return e.nó == Nó::Raiz || std::any_of(e.filhos.begin(), e.filhos.end(), TemRaiz);
}

std::string Raízes(const algebra::Raízes& raízes)
{
    std::string s;
    for (const algebra::RaizReal& r : raízes.reais)
        s += (s.empty() ? "" : ", ") + (r.exacta.empty() ? "≈" + r.decimal : r.exacta);
    return s;
}

// Why a factor of the right product still splits, if it does.
std::optional<Verificação> Decompõe(const Factor& f, bool emR, const Tradutor& t)
{
    const algebra::Expressão& nome = f.escrito;
    const std::size_t grau = verificar::Grau(f.mónico);
    if (grau <= 1)
        return std::nullopt;
    const auto real = [&]() -> std::optional<Verificação> {
        if (grau > 2)
            return Errado(t, "incompleta", Texto::IncompletaEmR, {nome, std::to_string(grau)});
        const auto& c = f.mónico.c;
        const Quadrático b2{c[1].a * c[1].a + c[1].b * c[1].b * f.mónico.d, 2 * c[1].a * c[1].b};
        const Quadrático discriminante{b2.a - 4 * c[0].a, b2.b - 4 * c[0].b};
        if (verificar::Sinal(discriminante, f.mónico.d) < 0)
            return std::nullopt;
        return Errado(t, "incompleta", Texto::IncompletaEmR, {nome, std::to_string(grau)});
    };
    if (!f.mónico.ÉRacional())
        return real();
    const Polinómio p = verificar::ParaRacional(f.mónico);
    const algebra::Factorização factores = algebra::Factorizar(p);
    const bool parte = factores.factores.size() > 1 ||
                       (factores.factores.size() == 1 && factores.factores[0].multiplicidade > 1);
    const std::string raízes = Raízes(algebra::CalcularRaízes(factores));
    if (parte && !raízes.empty())
        return Errado(t, "incompleta", Texto::IncompletaComRaízes, {nome, raízes});
    if (parte)
        return Errado(t, "incompleta", Texto::IncompletaEmQ, {nome, verificar::ComoProduto(factores)});
    if (!emR || (grau == 2 && raízes.empty()))
        return std::nullopt;
    if (!raízes.empty())
        return Errado(t, "incompleta", Texto::IncompletaComRaízes, {nome, raízes});
    return real();
}

// How many times the factor divides P; nullopt when that cannot be told.
std::optional<std::uint64_t> Multiplicidade(const Polinómio& p, const PolinómioQ& f)
{
    if (verificar::Grau(f) == 0)
        return std::nullopt;
    if (f.ÉRacional()) {
        const Polinómio d = verificar::ParaRacional(f);
        Polinómio resto = p;
        std::uint64_t m = 0;
        for (auto q = algebra::Dividir(resto, d);
             q.Ok() && algebra::ÉZero(q.Valor().resto) && !algebra::ÉZero(resto);
             q = algebra::Dividir(resto, d)) {
            resto = q.Valor().quociente;
            ++m;
        }
        return m;
    }
    if (verificar::Grau(f) != 1)
        return std::nullopt;
    const Quadrático v = verificar::RaizDoLinear(f);
    std::uint64_t m = 0;
    for (Polinómio d = p; !algebra::ÉZero(d) && verificar::Avaliar(d, v, f.d) == Quadrático{};
         d = algebra::Derivada(d))
        ++m;
    return m;
}

// The product of the factors, grouped by the square root each has, or
// nullopt when it is not a polynomial with rational coefficients.
std::optional<Polinómio> Produto(const std::vector<Factor>& factores, std::vector<PolinómioQ> grupos)
{
    for (const Factor& f : factores)
        for (std::uint64_t k = 0; k < f.expoente && verificar::Grau(f.mónico) > 0; ++k) {
            auto grupo = std::find_if(grupos.begin(), grupos.end(), [&](const PolinómioQ& g) {
                return verificar::Multiplicar(g, PolinómioQ{{{1, 0}}, f.mónico.d}).Ok();
            });
            if (grupo == grupos.end())
                grupo = grupos.insert(grupos.end(), PolinómioQ{{{1, 0}}, 0});
            auto produto = verificar::Multiplicar(*grupo, f.mónico);
            if (!produto.Ok())
                return std::nullopt;
            *grupo = std::move(produto).Valor();
        }
    Polinómio p = algebra::Monómio(1, 0);
    for (const PolinómioQ& g : grupos) {
        if (!g.ÉRacional())
            return std::nullopt;
        p = p * verificar::ParaRacional(g);
    }
    return p;
}

} // namespace

Verificação
VerificarFactorização(const algebra::Análise& análise, std::string_view resposta, const Tradutor& t)
{
    const Polinómio& p = análise.polinómio;
    const auto lida = algebra::LerExpressão(resposta, {.parâmetros = {}, .relação = false, .x = true});
    if (!lida.Ok())
        return verificar::Ilegível(lida.Falha(), t);
    std::vector<Factor> factores;
    std::vector<Expressão> constantes;
    Achatar(lida.Valor(), 1, factores, constantes);
    const std::size_t grauP = algebra::ÉZero(p) ? 0 : algebra::Grau(p);
    std::uint64_t grau = 0;
    PolinómioQ constante{{{1, 0}}, 0};
    for (Factor& f : factores) {
        auto base = verificar::Expandido(f.escrito, 2 * grauP + 8);
        if (!base.Ok())
            return base.Falha().código == runtime::Código::ArgumentoInválido
                       ? Verificação{"", "", verificar::Dizer(t, Texto::RespostaNãoComparável), 0}
                       : Errado(t, "produto-diferente", Texto::RespostaImpossível);
        f.mónico = std::move(base).Valor();
        if (verificar::ÉZero(f.mónico))
            return Errado(t,
                          "produto-diferente",
                          Texto::ProdutoDiferente,
                          {algebra::Número(0), algebra::ComoExpressão(p)});
        f.dominante = verificar::Mónico(f.mónico);
        grau = std::min(grau + verificar::Grau(f.mónico) * f.expoente, ExpoenteLimite);
    }
    // The leading coefficients matter only when the degree is right, and
    // then no exponent but a constant's passes P's degree.
    if (grau == grauP)
        for (const Factor& f : factores) {
            const Expressão raiz =
                algebra::Produto({algebra::Número(f.dominante.b), algebra::Raiz(Racional(f.mónico.d))});
            const Expressão dominante = f.dominante.b.sign() == 0
                                            ? algebra::Número(f.dominante.a)
                                            : algebra::Soma({algebra::Número(f.dominante.a), raiz});
            constantes.push_back(algebra::Potência(
                dominante,
                static_cast<unsigned>(std::min<std::uint64_t>(f.expoente, algebra::ExpoenteMáximo + 1))));
        }
    std::vector<PolinómioQ> grupos;
    for (const Expressão& c : constantes) {
        auto valor = verificar::Expandido(c, 0);
        if (!valor.Ok())
            return Errado(t, "produto-diferente", Texto::RespostaImpossível);
        grupos.push_back(std::move(valor).Valor());
    }
    // Equal factors written apart count together.
    for (std::size_t i = 0; i < factores.size(); ++i)
        for (std::size_t j = factores.size(); j-- > i + 1;)
            if (verificar::Multiplicar(factores[i].mónico, PolinómioQ{{{1, 0}}, factores[j].mónico.d}).Ok() &&
                factores[i].mónico.c.size() == factores[j].mónico.c.size() &&
                std::equal(factores[i].mónico.c.begin(),
                           factores[i].mónico.c.end(),
                           factores[j].mónico.c.begin(),
                           [&](const Quadrático& a, const Quadrático& b) {
                               return verificar::Iguais(a, factores[i].mónico.d, b, factores[j].mónico.d);
                           })) {
                factores[i].expoente = std::min(factores[i].expoente + factores[j].expoente, ExpoenteLimite);
                factores.erase(factores.begin() + static_cast<std::ptrdiff_t>(j));
            }
    const std::optional<Polinómio> produto = grau == grauP ? Produto(factores, grupos) : std::nullopt;
    if (produto && *produto == p) {
        const bool emR = TemRaiz(lida.Valor());
        for (const Factor& f : factores)
            if (auto v = Decompõe(f, emR, t))
                return *v;
        return verificar::Certo(t);
    }
    const algebra::Expressão escritoP = algebra::ComoExpressão(p);
    if (produto && !algebra::ÉZero(*produto) && !algebra::ÉZero(p)) {
        const Racional k = algebra::CoeficienteDominante(p) / algebra::CoeficienteDominante(*produto);
        if (k * *produto == p)
            return Errado(t,
                          "constante-em-falta",
                          Texto::ConstanteEmFalta,
                          {algebra::ComoExpressão(*produto), escritoP, algebra::Número(k)});
    }
    for (const Factor& f : factores)
        if (verificar::Grau(f.mónico) == 1) {
            const Quadrático v = verificar::RaizDoLinear(f.mónico);
            if (verificar::Avaliar(p, v, f.mónico.d) != Quadrático{} &&
                verificar::Avaliar(p, {-v.a, -v.b}, f.mónico.d) == Quadrático{})
                return Errado(t, "sinal-de-raiz", Texto::SinalDeRaiz, {f.escrito, escritoP});
        }
    for (const Factor& f : factores) {
        const auto m = Multiplicidade(p, f.mónico);
        if (m && *m > 0 && *m != f.expoente)
            return Errado(t,
                          "multiplicidade",
                          Texto::Multiplicidade,
                          {f.escrito, std::to_string(f.expoente), escritoP, std::to_string(*m)});
    }
    if (grau != grauP)
        return Errado(t,
                      "produto-diferente",
                      Texto::ProdutoGrau,
                      {std::to_string(grau), escritoP, std::to_string(grauP)});
    if (!produto)
        return Errado(t, "produto-diferente", Texto::ProdutoIrracional, {escritoP});
    return Errado(
        t, "produto-diferente", Texto::ProdutoDiferente, {algebra::ComoExpressão(*produto), escritoP});
}

} // namespace vendrix::resolucao
