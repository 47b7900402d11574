// SPDX-License-Identifier: MIT
#include "algebra/expressao.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace vendrix::algebra {

namespace {

Expressão Folha(Nó nó)
{
    Expressão e;
    e.nó = nó;
    return e;
}

Expressão ComFilhos(Nó nó, std::vector<Expressão> filhos)
{
    Expressão e = Folha(nó);
    e.filhos = std::move(filhos);
    return e;
}

template <typename Teste>
bool Algum(const Expressão& e, Teste teste) noexcept
{
    return teste(e) || std::ranges::any_of(e.filhos, [&](const Expressão& f) { return Algum(f, teste); });
}

} // namespace

Expressão Número(Racional r)
{
    Expressão e = Folha(Nó::Número);
    e.número = std::move(r);
    return e;
}

Expressão X() { return Folha(Nó::X); }

Expressão Parâmetro(char letra)
{
    Expressão e = Folha(Nó::Parâmetro);
    e.letra = letra;
    return e;
}

Expressão Soma(std::vector<Expressão> termos)
{
    if (termos.empty())
        return Número(0);
    if (termos.size() == 1)
        return std::move(termos.front());
    return ComFilhos(Nó::Soma, std::move(termos));
}

Expressão Produto(std::vector<Expressão> factores)
{
    if (factores.empty())
        return Número(1);
    if (factores.size() == 1)
        return std::move(factores.front());
    return ComFilhos(Nó::Produto, std::move(factores));
}

Expressão Potência(Expressão base, unsigned expoente)
{
    Expressão e = ComFilhos(Nó::Potência, {std::move(base)});
    e.expoente = expoente;
    return e;
}

Expressão Quociente(Expressão numerador, Expressão denominador)
{
    return ComFilhos(Nó::Quociente, {std::move(numerador), std::move(denominador)});
}

Expressão Simétrico(Expressão e) { return ComFilhos(Nó::Simétrico, {std::move(e)}); }

Expressão Raiz(Racional radicando) { return ComFilhos(Nó::Raiz, {Número(std::move(radicando))}); }

Expressão Relação(Nó relação, Expressão esquerda, Expressão direita)
{
    return ComFilhos(relação, {std::move(esquerda), std::move(direita)});
}

Expressão Cadeia(Nó relação, std::vector<Expressão> membros)
{
    return ComFilhos(relação, std::move(membros));
}

Expressão RaizDe(Expressão radicando) { return ComFilhos(Nó::Raiz, {std::move(radicando)}); }

Expressão Nome(std::string nome, std::vector<Expressão> argumentos)
{
    Expressão e = ComFilhos(Nó::Nome, std::move(argumentos));
    e.nome = std::move(nome);
    return e;
}

Expressão MaisOuMenos(Expressão a, Expressão b)
{
    return ComFilhos(Nó::MaisOuMenos, {std::move(a), std::move(b)});
}

Expressão MaisOuMenos(Expressão a) { return ComFilhos(Nó::MaisOuMenos, {std::move(a)}); }

Expressão Lista(std::vector<Expressão> membros) { return ComFilhos(Nó::Lista, std::move(membros)); }

Expressão Decimal(std::string escrito)
{
    Expressão e = Folha(Nó::Decimal);
    e.nome = std::move(escrito);
    return e;
}

Expressão Ou(std::vector<Expressão> membros, std::string palavra)
{
    if (membros.size() == 1)
        return std::move(membros.front());
    Expressão e = ComFilhos(Nó::Ou, std::move(membros));
    e.nome = std::move(palavra);
    return e;
}

Expressão Infinito(bool positivo)
{
    Expressão e = Folha(Nó::Infinito);
    e.número = positivo ? 1 : -1;
    return e;
}

Expressão IntervaloDe(Expressão de, Expressão até, bool fechadoÀEsquerda, bool fechadoÀDireita)
{
    Expressão e = ComFilhos(Nó::Intervalo, {std::move(de), std::move(até)});
    e.expoente = (fechadoÀEsquerda ? 1U : 0U) | (fechadoÀDireita ? 2U : 0U);
    return e;
}

Expressão Chaves(std::vector<Expressão> membros) { return ComFilhos(Nó::Chaves, std::move(membros)); }

Expressão União(std::vector<Expressão> membros)
{
    if (membros.size() == 1)
        return std::move(membros.front());
    return ComFilhos(Nó::União, std::move(membros));
}

Expressão Reais() { return Folha(Nó::Reais); }

Expressão Vazio() { return Folha(Nó::Vazio); }

Expressão SemOs(Expressão conjunto, Expressão excluídos)
{
    return ComFilhos(Nó::SemOs, {std::move(conjunto), std::move(excluídos)});
}

bool ÉRelação(Nó nó) noexcept { return nó >= Nó::Igual; }

bool TemX(const Expressão& e) noexcept
{
    return Algum(e, [](const Expressão& f) { return f.nó == Nó::X; });
}

bool TemParâmetros(const Expressão& e) noexcept
{
    return Algum(e, [](const Expressão& f) { return f.nó == Nó::Parâmetro; });
}

double ValorAproximado(const Expressão& e, double x)
{
    switch (e.nó) {
    case Nó::Número:
        return e.número.convert_to<double>();
    case Nó::X:
        return x;
    case Nó::Soma: {
        double s = 0;
        for (const Expressão& f : e.filhos)
            s += ValorAproximado(f, x);
        return s;
    }
    case Nó::Produto: {
        double p = 1;
        for (const Expressão& f : e.filhos)
            p *= ValorAproximado(f, x);
        return p;
    }
    case Nó::Potência:
        return std::pow(ValorAproximado(e.filhos[0], x), static_cast<double>(e.expoente));
    case Nó::Quociente:
        return ValorAproximado(e.filhos[0], x) / ValorAproximado(e.filhos[1], x);
    case Nó::Simétrico:
        return -ValorAproximado(e.filhos[0], x);
    case Nó::Raiz:
        return std::sqrt(ValorAproximado(e.filhos[0], x));
    default:
        return 0;
    }
}

} // namespace vendrix::algebra
