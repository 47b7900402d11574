// SPDX-License-Identifier: MIT
// The checks of a solution set, of an equation or an inequality, and of
// the values of a polynomial's parameters.
#include "algebra/conjunto.h"
#include "algebra/escrever.h"
#include "algebra/expandir.h"
#include "resolucao/verificar.h"
#include "resolucao/verificar_comum.h"
#include "resolucao/verificar_ler.h"
#include "resolucao/verificar_numeros.h"

#include <optional>
#include <utility>

namespace vendrix::resolucao {

namespace {

using algebra::Expressão;
using algebra::Nó;
using verificar::Errado;
using verificar::Quadrático;

// A number as typed, exactly, with the d of its square root.
std::optional<std::pair<Quadrático, algebra::Inteiro>> Valor(const Expressão& e)
{
    const auto v = verificar::Expandido(e, 0);
    if (!v.Ok())
        return std::nullopt;
    return std::pair{v.Valor().c.empty() ? Quadrático{} : v.Valor().c[0], v.Valor().d};
}

// The cells of the real line a sign table parts: the interval before the
// first root, the root, the next interval, …: 2n + 1 of them.
using Células = std::vector<bool>;

// The cell of the root the number is, if it is one.
std::optional<std::size_t> CélulaDaRaiz(const algebra::Análise& análise, const Expressão& e)
{
    const auto v = Valor(e);
    if (!v)
        return std::nullopt;
    const auto& [q, d] = *v;
    const auto& raízes = análise.sinais.raízes;
    for (std::size_t j = 0; j < raízes.size(); ++j) {
        const algebra::RaizReal& r = raízes[j];
        if (r.mínimo == r.máximo ? verificar::Iguais(q, d, {r.mínimo, 0}, 0)
                                 : verificar::Sinal({q.a - r.mínimo, q.b}, d) > 0 &&
                                       verificar::Sinal({q.a - r.máximo, q.b}, d) < 0 &&
                                       verificar::Avaliar(análise.polinómio, q, d) == Quadrático{})
            return 2 * j + 1;
    }
    return std::nullopt;
}

bool Cumpre(char sinal, Nó relação) noexcept
{
    switch (relação) {
    case Nó::Igual:
        return sinal == '0';
    case Nó::Menor:
        return sinal == '-';
    case Nó::MenorOuIgual:
        return sinal == '-' || sinal == '0';
    case Nó::Maior:
        return sinal == '+';
    case Nó::MaiorOuIgual:
        return sinal == '+' || sinal == '0';
    default:
        return false;
    }
}

Células DaRelação(const std::string& sinais, Nó relação)
{
    Células c;
    for (char s : sinais)
        c.push_back(Cumpre(s, relação));
    return c;
}

// The student's set as cells, or the typed end that is no root of P.
std::variant<Células, std::string> DoAluno(const verificar::ConjuntoLido& lido,
                                           const algebra::Análise& análise)
{
    const std::size_t total = análise.sinais.sinais.size();
    Células c(total, false);
    const auto célula = [&](const verificar::Extremo& e) -> std::optional<std::size_t> {
        if (e.infinito != 0)
            return e.infinito < 0 ? 0 : total - 1;
        return CélulaDaRaiz(análise, e.valor);
    };
    for (const verificar::Intervalo& i : lido.partes) {
        const auto a = célula(i.esquerdo);
        const auto b = célula(i.direito);
        if (!a)
            return i.esquerdo.texto;
        if (!b)
            return i.direito.texto;
        if (i.esquerdo.infinito > 0 || i.direito.infinito < 0)
            continue;
        // An end at infinity is the open cell itself; a root's cell is
        // taken only when the bracket closes on it.
        const std::size_t início = i.esquerdo.infinito != 0 || i.fechadoÀEsquerda ? *a : *a + 1;
        const std::size_t fim = i.direito.infinito != 0 || i.fechadoÀDireita ? *b + 1 : *b;
        for (std::size_t k = início; k < fim; ++k)
            c[k] = true;
    }
    for (const verificar::Extremo& e : lido.excluídos) {
        const auto k = célula(e);
        if (!k)
            return e.texto;
        c[*k] = false;
    }
    return c;
}

// What a student who misread the relation may have solved instead: the
// relation read the other way ("<" as ">"), or with its equality added or
// dropped ("<" as "≤"). "=" has neither.
enum class Troca { Sentido, Igualdade };

Nó Trocar(Nó relação, Troca troca) noexcept
{
    struct Linha
    {
        Nó nó, sentido, igualdade;
    };

    constexpr Linha Linhas[] = {
        {Nó::Menor, Nó::Maior, Nó::MenorOuIgual},
        {Nó::MenorOuIgual, Nó::MaiorOuIgual, Nó::Menor},
        {Nó::Maior, Nó::Menor, Nó::MaiorOuIgual},
        {Nó::MaiorOuIgual, Nó::MenorOuIgual, Nó::Maior},
    };
    for (const Linha& l : Linhas)
        if (l.nó == relação)
            return troca == Troca::Sentido ? l.sentido : l.igualdade;
    return relação;
}

Verificação
Equação(const Células& certas, const Células& aluno, const algebra::Análise& análise, const Tradutor& t)
{
    for (std::size_t k = 0; k < certas.size(); ++k) {
        if (certas[k] == aluno[k])
            continue;
        if (k % 2 == 0)
            return Errado(t, certas[k] ? "raiz-em-falta" : "raiz-a-mais", Texto::ConjuntoDiferente);
        const Fórmula x = verificar::XIgual(análise.sinais.raízes[k / 2]);
        return certas[k] ? Errado(t, "raiz-em-falta", Texto::SoluçãoEmFalta, {x})
                         : Errado(t, "raiz-a-mais", Texto::NãoÉSolução, {x});
    }
    return verificar::Certo(t);
}

Verificação Inequação(const Expressão& relação,
                      const Células& certas,
                      const Células& aluno,
                      const algebra::Análise& análise,
                      const Tradutor& t)
{
    if (certas == aluno)
        return verificar::Certo(t);
    const Nó contrária = Trocar(relação.nó, Troca::Sentido);
    for (const Nó trocada : {contrária, Trocar(contrária, Troca::Igualdade)})
        if (aluno == DaRelação(análise.sinais.sinais, trocada)) {
            const Expressão escrita = algebra::Relação(trocada, relação.filhos[0], relação.filhos[1]);
            return Errado(t, "sinal-trocado", Texto::SinalTrocado, {escrita});
        }
    std::optional<std::size_t> primeira;
    for (std::size_t k = 0; k < certas.size(); ++k)
        if (certas[k] != aluno[k]) {
            if (k % 2 == 0)
                return Errado(t, "conjunto-diferente", Texto::ConjuntoDiferente);
            primeira = primeira.value_or(k);
        }
    const std::size_t k = *primeira;
    const Fórmula raiz = verificar::DaRaiz(análise.sinais.raízes[k / 2]);
    // At a root where P keeps its sign the point stands alone, in the set
    // or out of it.
    if (certas[k - 1] == certas[k + 1])
        return Errado(
            t, "ponto-isolado", certas[k] ? Texto::PontoIsoladoEmFalta : Texto::PontoIsoladoAMais, {raiz});
    return Errado(t, "extremos", certas[k] ? Texto::ExtremoFechado : Texto::ExtremoAberto, {raiz});
}

} // namespace

Verificação VerificarConjunto(const Expressão& relação,
                              const algebra::Análise& análise,
                              std::string_view resposta,
                              const Tradutor& t)
{
    if (!análise.sinais.completa || análise.sinais.sinais.empty())
        return {"", "", verificar::Dizer(t, Texto::RespostaNãoComparável), 0};
    const auto lido = verificar::LerConjunto(resposta);
    if (!lido.Ok())
        return verificar::Ilegível(lido.Falha(), t);
    const Células certas = DaRelação(análise.sinais.sinais, relação.nó);
    const auto aluno = DoAluno(lido.Valor(), análise);
    const bool equação = relação.nó == Nó::Igual;
    if (const auto* texto = std::get_if<std::string>(&aluno))
        return equação ? Errado(t, "raiz-a-mais", Texto::NãoÉSolução, {"x = " + *texto})
                       : Errado(t,
                                "conjunto-diferente",
                                Texto::ExtremoQueNãoÉRaiz,
                                {*texto, algebra::ComoExpressão(análise.polinómio)});
    const Células& células = std::get<Células>(aluno);
    return equação ? Equação(certas, células, análise, t) : Inequação(relação, certas, células, análise, t);
}

namespace {

bool MesmoValor(const Expressão& a, const Expressão& b)
{
    if (algebra::TemParâmetros(a) || algebra::TemParâmetros(b)) {
        const auto diferença = algebra::ExpandirComParâmetros(algebra::Soma({a, algebra::Simétrico(b)}));
        return diferença.Ok() && diferença.Valor().coeficientes.empty();
    }
    const auto va = Valor(a);
    const auto vb = Valor(b);
    return va && vb && verificar::Iguais(va->first, va->second, vb->first, vb->second);
}

bool MesmaSolução(const Atribuição& certa, const verificar::AtribuiçãoLida& lida)
{
    if (certa.size() != lida.valores.size())
        return false;
    for (std::size_t i = 0; i < certa.size(); ++i)
        if (certa[i].letra != lida.valores[i].first || !MesmoValor(certa[i].valor, lida.valores[i].second))
            return false;
    return true;
}

// "k = 2"; several values are listed as text, which no expression holds.
Fórmula Escrita(const Atribuição& a)
{
    if (a.size() == 1)
        return algebra::Relação(Nó::Igual, algebra::Parâmetro(a[0].letra), a[0].valor);
    std::string s;
    for (const ValorDoParâmetro& v : a)
        s += (s.empty() ? "" : ", ") + std::string(1, v.letra) + " = " + algebra::EscreverExpressão(v.valor);
    return s;
}

} // namespace

Verificação
VerificarParâmetros(const std::vector<Atribuição>& certas, std::string_view resposta, const Tradutor& t)
{
    const auto lidas = verificar::LerAtribuições(resposta);
    if (!lidas.Ok())
        return verificar::Ilegível(lidas.Falha(), t);
    std::vector<bool> achadas(certas.size(), false);
    for (const verificar::AtribuiçãoLida& lida : lidas.Valor()) {
        bool achada = false;
        for (std::size_t i = 0; i < certas.size() && !achada; ++i)
            if (MesmaSolução(certas[i], lida))
                achada = achadas[i] = true;
        if (!achada)
            return Errado(t, "solucao-a-mais", Texto::NãoÉSolução, {lida.texto});
    }
    for (std::size_t i = 0; i < certas.size(); ++i)
        if (!achadas[i])
            return Errado(t, "solucao-em-falta", Texto::SoluçãoEmFalta, {Escrita(certas[i])});
    return verificar::Certo(t);
}

} // namespace vendrix::resolucao
