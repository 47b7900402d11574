// SPDX-License-Identifier: MIT
#include "algebra/ler_expressao.h"

#include "algebra/expandir.h"
#include "algebra/ler_marcas.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vendrix::algebra {

namespace {

using runtime::Código;
using namespace leitura;

// A term with a minus before it: the minus goes into its leading number,
// "-2x" being the product of -2 and x, as the writer writes it.
Expressão Negar(Expressão e)
{
    if (e.nó == Nó::Número) {
        e.número = -e.número;
        return e;
    }
    if (e.nó == Nó::Produto && e.filhos.front().nó == Nó::Número && e.filhos.front().número.sign() > 0) {
        e.filhos.front().número = -e.filhos.front().número;
        return e;
    }
    return Simétrico(std::move(e));
}

class Leitor
{
public:
    Leitor(std::string_view texto, OpçõesDeLeitura opções)
        : Leitor(texto, opções, Marcar(texto))
    {}

    runtime::Resultado<Expressão> LerTudo();

private:
    Leitor(std::string_view texto, OpçõesDeLeitura opções, Marcas lidas)
        : texto(texto)
        , opções(opções)
        , marcas(std::move(lidas.marcas))
        , depoisDoFim(lidas.depoisDoFim)
    {}

    char32_t Em(std::size_t k) const { return k < marcas.size() ? marcas[k].c : Fim; }

    char32_t Actual() const { return Em(i); }

    // Where the relation that starts at mark k ends, or k when there is none.
    std::size_t FimDaRelação(std::size_t k) const
    {
        if ((Em(k) == '<' || Em(k) == '>') && Em(k + 1) == '=')
            return k + 2;
        return ÉRelaçãoSimples(Em(k)) ? k + 1 : k;
    }

    // The text from mark de to the one before até, as typed.
    std::string Pedaço(std::size_t de, std::size_t até) const
    {
        até = std::min(até, marcas.size());
        if (de >= até)
            return {};
        return std::string(texto.substr(marcas[de].início, marcas[até - 1].fim - marcas[de].início));
    }

    std::size_t Posição(std::size_t k) const { return k < marcas.size() ? marcas[k].posição : depoisDoFim; }

    // Stopped at mark onde: the piece named is the term being read, up to
    // the sign, relation or bracket that ends it after onde.
    void Recusar(Código código, std::size_t onde)
    {
        std::size_t fim = onde + 1;
        while (fim < marcas.size() && !ÉSinal(marcas[fim].c) && FimDaRelação(fim) == fim &&
               marcas[fim].c != ')')
            ++fim;
        RecusarCom(código, onde, Pedaço(std::min(termo, onde), fim));
    }

    void RecusarCom(Código código, std::size_t onde, std::string pedaço)
    {
        if (!falha)
            falha = runtime::FalharEm(código, Posição(onde), std::move(pedaço));
    }

    std::optional<Racional> Decimal();
    Expressão NúmeroLiteral();
    std::optional<unsigned> Expoente();
    Expressão Soma();
    Expressão Termo();
    Expressão Unário();
    Expressão Potência();
    Expressão Primário();
    Expressão Divisor(std::size_t barra);

    std::string_view texto;
    OpçõesDeLeitura opções;
    std::vector<Marca> marcas;
    std::size_t depoisDoFim; // the position just after the last character
    std::size_t i = 0;       // the next mark to read
    std::size_t termo = 0;   // the mark where the term being read starts
    std::size_t profundidade = 0;
    std::optional<runtime::Erro> falha;
};

// Digits with at most one "." or ",", at least one digit, and perhaps a
// power of ten as the program writes large and small values: "12", "0.25",
// "0,5", ".5", "5.", "1.234568E+07". Nothing is read without a digit.
std::optional<Racional> Leitor::Decimal()
{
    const std::size_t início = i;
    std::string algarismos;
    std::size_t decimais = 0;
    bool ponto = false;
    for (;; ++i) {
        if (ÉAlgarismo(Actual())) {
            algarismos.push_back(static_cast<char>(Actual()));
            decimais += ponto ? 1 : 0;
        } else if ((Actual() == '.' || Actual() == ',') && !ponto) {
            ponto = true;
        } else {
            break;
        }
    }
    if (algarismos.empty()) {
        i = início;
        return std::nullopt;
    }
    Racional valor(DeAlgarismos(algarismos),
                   boost::multiprecision::pow(Inteiro(10), static_cast<unsigned>(decimais)));
    // The power has one or two digits, as the program writes it: "E+07". A
    // lower-case e that names a parameter is the parameter.
    const std::size_t e = i, depois = e + 1 + (ÉSinal(Em(e + 1)) ? 1 : 0);
    const bool letraE =
        Actual() == 'E' || (Actual() == 'e' && opções.parâmetros.find('e') == std::string_view::npos);
    if (!letraE || !ÉAlgarismo(Em(depois)) || ÉAlgarismo(Em(depois + 2)))
        return valor;
    unsigned potência = 0;
    for (i = depois; ÉAlgarismo(Actual()); ++i)
        potência = potência * 10 + (Actual() - '0');
    const Inteiro dez = boost::multiprecision::pow(Inteiro(10), potência);
    if (Em(e + 1) == '-')
        valor /= dez;
    else
        valor *= dez;
    return valor;
}

// A decimal, or a fraction of two: "5/3", "0.5/2", and "4/-2" as the
// program's own quotients may be written. The caller has seen a digit.
Expressão Leitor::NúmeroLiteral()
{
    Racional valor = *Decimal();
    std::size_t k = i + 1;
    bool negativo = false;
    for (; ÉSinal(Em(k)); ++k)
        negativo ^= Em(k) == '-';
    if (Actual() != '/' || !(ÉAlgarismo(Em(k)) || Em(k) == '.' || Em(k) == ','))
        return Número(std::move(valor));
    i = k;
    const std::size_t início = i;
    const std::optional<Racional> denominador = Decimal();
    if (!denominador) {
        Recusar(Código::TermoIlegível, i);
        return {};
    }
    if (denominador->sign() == 0) {
        Recusar(Código::DenominadorZero, início);
        return {};
    }
    valor /= *denominador;
    return Número(negativo ? Racional(-valor) : valor);
}

// After "^": a whole number, itself perhaps raised ("2^3^2" is 2^9); or a
// run of superscript digits. Nothing when there is none.
std::optional<unsigned> Leitor::Expoente()
{
    if (Actual() == '^') {
        ++i;
        const std::size_t início = i;
        const std::optional<Racional> e = Decimal();
        if (!e || denominator(*e) != 1) {
            Recusar(Código::TermoIlegível, e ? início : i);
            return std::nullopt;
        }
        if (*e > ExpoenteMáximo) {
            Recusar(Código::ExpoenteGrande, início);
            return std::nullopt;
        }
        const auto base = numerator(*e).convert_to<unsigned>();
        if (Actual() != '^')
            return base;
        const std::optional<unsigned> acima = Expoente();
        if (!acima)
            return std::nullopt;
        // base^acima, stopping as soon as it passes the limit.
        unsigned valor = 1;
        for (unsigned k = 0; k < *acima && valor <= ExpoenteMáximo; ++k)
            valor *= base;
        if (base > 1 && valor > ExpoenteMáximo) {
            Recusar(Código::ExpoenteGrande, início);
            return std::nullopt;
        }
        return *acima == 0 ? 1U : valor;
    }
    const std::size_t início = i;
    unsigned e = 0;
    for (; Sobrescrito(Actual()) >= 0; ++i) // past the limit the value stops growing; the run is read whole
        e = std::min(e * 10 + static_cast<unsigned>(Sobrescrito(Actual())), ExpoenteMáximo + 1);
    if (e > ExpoenteMáximo) {
        Recusar(Código::ExpoenteGrande, início);
        return std::nullopt;
    }
    return e;
}

// Terms joined by runs of signs.
Expressão Leitor::Soma()
{
    std::vector<Expressão> termos;
    const std::size_t termoDeFora = termo;
    while (!falha) {
        bool negativo = false;
        std::size_t sinal = i;
        for (; ÉSinal(Actual()); ++i) {
            negativo ^= Actual() == '-';
            sinal = i;
        }
        if (sinal == i && !termos.empty())
            break; // no sign: the sum ends here
        if (Actual() == Fim || Actual() == ')' || FimDaRelação(i) != i) {
            if (sinal < i) {
                RecusarCom(Código::SinalSemTermo, sinal, Pedaço(sinal, sinal + 1));
                break;
            }
        }
        termo = i;
        Expressão t = Termo();
        termos.push_back(negativo ? Negar(std::move(t)) : std::move(t));
    }
    termo = termoDeFora;
    return algebra::Soma(std::move(termos));
}

// Factors joined by "*", "/" or nothing, from left to right: "x/2x" is
// half of x times x.
Expressão Leitor::Termo()
{
    Expressão t = Potência();
    while (!falha) {
        const char32_t c = Actual();
        if (c == '*' || c == '/') {
            const std::size_t barra = i++;
            Expressão f = c == '*' ? Unário() : Divisor(barra);
            if (c == '/')
                t = Quociente(std::move(t), std::move(f));
            else if (t.nó == Nó::Produto)
                t.filhos.push_back(std::move(f));
            else
                t = Produto({std::move(t), std::move(f)});
        } else if (ÉLetra(c) || c == '(' || c == RaizQuadrada) {
            Expressão f = Potência();
            if (t.nó == Nó::Produto)
                t.filhos.push_back(std::move(f));
            else
                t = Produto({std::move(t), std::move(f)});
        } else {
            break;
        }
    }
    return t;
}

// What follows "*": a factor, perhaps after a run of signs ("2*-3").
Expressão Leitor::Unário()
{
    bool negativo = false;
    for (; ÉSinal(Actual()); ++i)
        negativo ^= Actual() == '-';
    Expressão f = Potência();
    return negativo ? Negar(std::move(f)) : f;
}

// What follows "/": a number, not zero, with nothing of x in it.
Expressão Leitor::Divisor(std::size_t barra)
{
    const std::size_t início = i;
    Expressão d = Unário();
    if (falha)
        return d;
    if (TemX(d) || TemParâmetros(d)) {
        RecusarCom(Código::NãoÉPolinómio, início, Pedaço(barra, i));
        return d;
    }
    const runtime::Resultado<Racional> valor = ValorConstante(d);
    if (!valor.Ok())
        RecusarCom(valor.Falha().código, início, Pedaço(início, i));
    else if (valor.Valor().sign() == 0)
        RecusarCom(Código::DivisãoPorZero, início, Pedaço(início, i));
    return d;
}

Expressão Leitor::Potência()
{
    Expressão base = Primário();
    if (falha || (Actual() != '^' && Sobrescrito(Actual()) < 0))
        return base;
    const std::optional<unsigned> e = Expoente();
    return e ? algebra::Potência(std::move(base), *e) : Expressão{};
}

Expressão Leitor::Primário()
{
    const char32_t c = Actual();
    if (ÉAlgarismo(c) || c == '.' || c == ',') {
        if (!ÉAlgarismo(Em(i + 1)) && !ÉAlgarismo(c)) {
            Recusar(Código::TermoIlegível, i);
            return {};
        }
        return NúmeroLiteral();
    }
    if (c == 'x' && opções.x) {
        ++i;
        return X();
    }
    if (ÉLetra(c) && c != 'x' && opções.parâmetros.find(static_cast<char>(c)) != std::string_view::npos) {
        ++i;
        return Parâmetro(static_cast<char>(c));
    }
    if (c == '(') {
        const std::size_t abre = i++;
        if (++profundidade > ProfundidadeMáxima) {
            RecusarCom(Código::Transbordo, abre, Pedaço(abre, abre + 1));
            return {};
        }
        Expressão dentro = Soma();
        --profundidade;
        if (falha)
            return dentro;
        if (FimDaRelação(i) != i)
            RecusarCom(Código::RelaçãoNãoPermitida, i, Pedaço(i, FimDaRelação(i)));
        else if (Actual() != ')')
            RecusarCom(Código::ParêntesesIncorrectos, i, Pedaço(abre, i));
        ++i;
        return dentro;
    }
    if (c == RaizQuadrada) {
        const std::size_t sinal = i++;
        Expressão radicando = Primário();
        if (falha)
            return radicando;
        const runtime::Resultado<Racional> valor = ValorConstante(radicando);
        if (TemX(radicando) || TemParâmetros(radicando))
            RecusarCom(Código::NãoÉPolinómio, sinal, Pedaço(sinal, i));
        else if (!valor.Ok())
            RecusarCom(valor.Falha().código, sinal, Pedaço(sinal, i));
        else if (valor.Valor().sign() <= 0)
            RecusarCom(Código::ArgumentoInválido, sinal, Pedaço(sinal, i));
        else
            return Raiz(valor.Valor());
        return {};
    }
    if (c == ')')
        RecusarCom(Código::ParêntesesIncorrectos, i, ")");
    else
        Recusar(Código::TermoIlegível, i);
    return {};
}

runtime::Resultado<Expressão> Leitor::LerTudo()
{
    if (marcas.empty())
        return runtime::FalharEm(Código::TextoVazio, 1, {});
    Expressão e = Soma();
    const std::size_t relação = i, depois = FimDaRelação(i);
    if (!falha && depois != relação) {
        if (!opções.relação) {
            RecusarCom(Código::RelaçãoNãoPermitida, relação, Pedaço(relação, depois));
        } else {
            const std::string sinal = Pedaço(relação, depois);
            const Nó nó = sinal == "="                    ? Nó::Igual
                          : sinal == "<"                  ? Nó::Menor
                          : sinal == ">"                  ? Nó::Maior
                          : sinal == "<=" || sinal == "≤" ? Nó::MenorOuIgual
                                                          : Nó::MaiorOuIgual;
            i = depois;
            if (Actual() == Fim)
                RecusarCom(Código::SinalSemTermo, relação, sinal);
            Expressão direita = Soma();
            e = Relação(nó, std::move(e), std::move(direita));
            if (!falha && FimDaRelação(i) != i)
                RecusarCom(Código::RelaçãoNãoPermitida, i, Pedaço(i, FimDaRelação(i)));
        }
    }
    if (!falha && Actual() != Fim) {
        if (Actual() == ')')
            RecusarCom(Código::ParêntesesIncorrectos, i, ")");
        else
            Recusar(Código::TermoIlegível, i);
    }
    if (falha)
        return *falha;
    return e;
}

} // namespace

runtime::Resultado<Expressão> LerExpressão(std::string_view texto, OpçõesDeLeitura opções)
{
    return Leitor(texto, opções).LerTudo();
}

} // namespace vendrix::algebra
