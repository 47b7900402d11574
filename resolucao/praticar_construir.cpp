// SPDX-License-Identifier: MIT
#include "resolucao/praticar_construir.h"

#include "algebra/escrever.h"
#include "algebra/expandir.h"
#include "resolucao/formula.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace vendrix::resolucao {

namespace {

using algebra::ComoExpressão;
using algebra::EscreverRacional;
using algebra::Expressão;
using algebra::Nó;
using algebra::Polinómio;
using algebra::Racional;

struct Limites
{
    int grau;        // the highest degree of the question's polynomial
    int coeficiente; // no coefficient of a divided polynomial above it
    int produto;     // nor of a polynomial made from its roots
};

constexpr std::array<Limites, 3> PorNível{{{3, 10, 100}, {4, 20, 200}, {5, 30, 300}}};

const Limites& DoNível(int nível)
{
    return PorNível[static_cast<std::size_t>(std::clamp(nível, NívelMínimo, NívelMáximo) - NívelMínimo)];
}

// A drawing that overshoots a limit is drawn again, this many times at most.
constexpr int Redesenhos = 200;

Polinómio XMenos(const Racional& a) { return algebra::DeCoeficientes({-a, 1}); }

bool Cabe(const Polinómio& p, int limite)
{
    return std::ranges::all_of(p.coeficientes, [limite](const Racional& c) { return abs(c) <= limite; });
}

// Of exactly this degree: the leading coefficient 1 … dominante, the
// others -resto … resto.
Polinómio AoAcaso(std::size_t grau, int dominante, int resto, Sorteio& s)
{
    std::vector<Racional> c(grau + 1);
    for (std::size_t i = 0; i < grau; ++i)
        c[i] = s.Entre(-resto, resto);
    c[grau] = s.Entre(1, dominante);
    return algebra::DeCoeficientes(std::move(c));
}

std::size_t Grau(int mínimo, int máximo, Sorteio& s)
{
    return static_cast<std::size_t>(s.Entre(mínimo, std::max(mínimo, máximo)));
}

// p/q in lowest terms with q = 2 or 3 and |p| <= 3, never an integer.
Racional Fraccionária(Sorteio& s)
{
    const int q = s.Entre(2, 3);
    int p = s.NãoNulo(-3, 3);
    if (p % q == 0)
        p += p > 0 ? -1 : 1;
    return {p, q};
}

std::string Condição(const Tradutor& t, Texto texto, std::vector<Fórmula> argumentos)
{
    return FraseEmTexto(Frase{t(FonteDe(texto)), std::move(argumentos)});
}

void Divisão(Proposta& p, const Polinómio& dividendo, const Polinómio& divisor)
{
    p.polinómio1 = algebra::Escrever(dividendo);
    p.polinómio2 = algebra::Escrever(divisor);
    p.argumentos = {ComoExpressão(dividendo), ComoExpressão(divisor)};
    p.chave = "Q = " + p.quociente + "; R = " + p.resto;
}

} // namespace

Proposta ProporRuffini(int nível, bool porAXMaisB, Sorteio& s)
{
    const Limites& l = DoNível(nível);
    Proposta p;
    p.exercício = Exercício::Explicar;
    p.enunciado = Texto::EnunciadoRuffini;
    Polinómio dividendo, divisor, quociente, resto;
    for (int i = 0; i < Redesenhos && (i == 0 || !Cabe(dividendo, l.coeficiente)); ++i) {
        if (porAXMaisB) {
            const int a = s.Entre(2, nível == 1 ? 2 : 3);
            int b = s.NãoNulo(-5, 5);
            if (std::gcd(a, b) != 1)
                b += b > 0 ? -1 : 1;
            divisor = algebra::DeCoeficientes({b, a});
        } else {
            divisor = XMenos(s.NãoNulo(-4, 4));
        }
        quociente = AoAcaso(Grau(1, l.grau - 1, s), 3, 4, s);
        resto = algebra::DeCoeficientes({s.Entre(-9, 9)});
        dividendo = divisor * quociente + resto;
    }
    p.quociente = algebra::Escrever(quociente);
    p.resto = algebra::Escrever(resto);
    Divisão(p, dividendo, divisor);
    return p;
}

Proposta ProporDivisãoLonga(int nível, Sorteio& s)
{
    const Limites& l = DoNível(nível);
    Proposta p;
    p.exercício = Exercício::Dividir;
    p.enunciado = Texto::EnunciadoDivisão;
    Polinómio dividendo, divisor, quociente, resto;
    for (int i = 0; i < Redesenhos && (i == 0 || !Cabe(dividendo, l.coeficiente)); ++i) {
        divisor = algebra::DeCoeficientes({s.NãoNulo(-5, 5), s.Entre(-4, 4), s.Entre(1, nível < 3 ? 1 : 2)});
        quociente = AoAcaso(Grau(1, l.grau - 2, s), 3, 4, s);
        resto = algebra::DeCoeficientes({s.Entre(-9, 9), s.Entre(-5, 5)});
        dividendo = divisor * quociente + resto;
    }
    p.quociente = algebra::Escrever(quociente);
    p.resto = algebra::Escrever(resto);
    Divisão(p, dividendo, divisor);
    return p;
}

Proposta ProporResto(int nível, Sorteio& s)
{
    const Limites& l = DoNível(nível);
    Proposta p;
    p.exercício = Exercício::Valor;
    p.enunciado = Texto::EnunciadoResto;
    const Polinómio polinómio = AoAcaso(Grau(2, l.grau, s), 3, 6, s);
    const Racional a = nível > 1 && s.Moeda() ? Fraccionária(s) : Racional(s.NãoNulo(-3, 3));
    p.polinómio1 = algebra::Escrever(polinómio);
    p.ponto = EscreverRacional(a);
    p.resto = EscreverRacional(algebra::Avaliar(polinómio, a));
    p.argumentos = {ComoExpressão(polinómio), ComoExpressão(XMenos(a))};
    p.chave = p.resto;
    return p;
}

namespace {

// x^2 + bx + c with no rational root, and how many real roots it has.
struct Quadrática
{
    int c, b;
    std::size_t reais;
};

constexpr std::array<Quadrática, 11> Irredutíveis{{
    {-2, 0, 2},
    {-3, 0, 2},
    {-5, 0, 2},
    {-1, -2, 2},
    {-1, -1, 2},
    {-2, 2, 2},
    {1, 0, 0},
    {4, 0, 0},
    {1, 1, 0},
    {2, -2, 0},
    {5, 2, 0},
}};

// A root not used yet: an integer of -5 … 5 or, when fraccionária, p/q.
Racional NovaRaiz(const Proposta& p, bool fraccionária, Sorteio& s)
{
    Racional r;
    for (int i = 0; i < Redesenhos; ++i) {
        r = fraccionária ? Fraccionária(s) : Racional(s.Entre(-5, 5));
        if (std::ranges::none_of(p.raízes, [&r](const auto& raiz) { return raiz.first == r; }))
            break;
    }
    return r;
}

// The polynomial of the given roots, each factor qx - p with integer
// coefficients, times the irreducible quadratic when there is one.
Polinómio Construir(Proposta& p, int nível, Sorteio& s)
{
    p.raízes.clear();
    p.irracionais = 0;
    const std::size_t grau = nível == 1 ? Grau(2, 3, s) : nível == 2 ? Grau(3, 4, s) : Grau(4, 5, s);
    Polinómio produto = algebra::DeCoeficientes({1});
    std::size_t falta = grau;
    if (nível == 3) {
        const Quadrática& q =
            Irredutíveis[static_cast<std::size_t>(s.Entre(0, static_cast<int>(Irredutíveis.size()) - 1))];
        produto = algebra::DeCoeficientes({q.c, q.b, 1});
        p.irracionais = q.reais;
        falta -= 2;
    }
    const bool fracção = nível > 1 && s.Moeda();
    const bool dupla = nível > 1 && (!fracção || s.Moeda());
    for (std::size_t i = 0; falta > 0; ++i) {
        const Racional r = NovaRaiz(p, fracção && i == 0, s);
        const std::size_t m = dupla && i == 0 && falta >= 2 ? 2 : 1;
        const Polinómio factor = algebra::DeCoeficientes({-Racional(numerator(r)), Racional(denominator(r))});
        for (std::size_t k = 0; k < m; ++k)
            produto = produto * factor;
        p.raízes.emplace_back(r, m);
        falta -= m;
    }
    return produto;
}

constexpr std::array<std::pair<std::string_view, Nó>, 4> Sentidos{{
    {"<", Nó::Menor},
    {"<=", Nó::MenorOuIgual},
    {">", Nó::Maior},
    {">=", Nó::MaiorOuIgual},
}};

} // namespace

Proposta ProporPelasRaízes(Tipo tipo, int nível, Sorteio& s)
{
    const Limites& l = DoNível(nível);
    Proposta p;
    Polinómio polinómio;
    for (int i = 0; i < Redesenhos && (i == 0 || !Cabe(polinómio, l.produto)); ++i)
        polinómio = Construir(p, nível, s);
    const std::string escrito = algebra::Escrever(polinómio);
    if (tipo == Tipo::Factorizar) {
        p.exercício = Exercício::Factorizar;
        p.enunciado = Texto::EnunciadoFatorizar;
        p.polinómio1 = escrito;
        p.argumentos = {ComoExpressão(polinómio)};
    } else if (tipo == Tipo::Equação) {
        p.exercício = Exercício::Resolver;
        p.enunciado = Texto::EnunciadoEquação;
        // From the second level the constant term may stand on the right.
        const Racional termo = polinómio.coeficientes.front();
        const Polinómio esquerdo = polinómio - algebra::DeCoeficientes({termo});
        const bool àDireita = nível > 1 && termo.sign() != 0 && s.Moeda();
        p.polinómio1 =
            àDireita ? algebra::Escrever(esquerdo) + " = " + EscreverRacional(-termo) : escrito + " = 0";
        p.argumentos = {àDireita
                            ? algebra::Relação(Nó::Igual, ComoExpressão(esquerdo), algebra::Número(-termo))
                            : algebra::Relação(Nó::Igual, ComoExpressão(polinómio), algebra::Número(0))};
    } else {
        p.exercício = Exercício::Resolver;
        p.enunciado = Texto::EnunciadoInequação;
        const auto& [digitado, relação] =
            Sentidos[static_cast<std::size_t>(s.Entre(0, static_cast<int>(Sentidos.size()) - 1))];
        p.polinómio1 = escrito + " " + std::string(digitado) + " 0";
        p.argumentos = {algebra::Relação(relação, ComoExpressão(polinómio), algebra::Número(0))};
    }
    return p;
}

namespace {

enum class Forma { Divisível, Resto, RaizDupla, DivisívelEResto, DoisRaizDupla };

Forma FormaDoNível(int nível, Sorteio& s)
{
    constexpr std::array<Forma, 3> Segundo{Forma::Divisível, Forma::Resto, Forma::RaizDupla};
    if (nível == 1)
        return s.Moeda() ? Forma::Divisível : Forma::Resto;
    if (nível == 2)
        return Segundo[static_cast<std::size_t>(s.Entre(0, 2))];
    return s.Moeda() ? Forma::DivisívelEResto : Forma::DoisRaizDupla;
}

Racional Potência(const Racional& a, std::size_t n)
{
    Racional r = 1;
    for (std::size_t i = 0; i < n; ++i)
        r *= a;
    return r;
}

using GrausComLetras = std::vector<std::pair<std::size_t, std::string>>;

// P with the coefficient of each given degree as a letter, for the
// statement: P(x) = x^3+kx^2-4. The leading coefficient is never a letter.
Expressão PDeXComLetras(const Polinómio& p, const GrausComLetras& letras)
{
    std::vector<Expressão> termos;
    for (std::size_t grau = p.coeficientes.size(); grau-- > 0;) {
        const auto letra = std::ranges::find(letras, grau, &std::pair<std::size_t, std::string>::first);
        if (letra != letras.end()) {
            const Expressão parâmetro = algebra::Parâmetro(letra->second.front());
            const Expressão x =
                grau == 1 ? algebra::X() : algebra::Potência(algebra::X(), static_cast<unsigned>(grau));
            termos.push_back(grau == 0 ? parâmetro : algebra::Produto({parâmetro, x}));
        } else if (p.coeficientes[grau].sign() != 0) {
            termos.push_back(ComoExpressão(algebra::Monómio(p.coeficientes[grau], grau)));
        }
    }
    return algebra::Relação(Nó::Igual, algebra::Nome("P", {algebra::X()}), algebra::Soma(std::move(termos)));
}

// The same as the exercise's box reads it: "x^3+kx^2-4".
std::string ComLetras(const Polinómio& p, const GrausComLetras& letras)
{
    std::string texto;
    for (std::size_t grau = p.coeficientes.size(); grau-- > 0;) {
        const auto letra = std::ranges::find(letras, grau, &std::pair<std::size_t, std::string>::first);
        std::string termo;
        if (letra != letras.end())
            termo = letra->second + (grau == 0 ? "" : grau == 1 ? "x" : "x^" + std::to_string(grau));
        else if (p.coeficientes[grau].sign() != 0)
            termo = algebra::Escrever(algebra::Monómio(p.coeficientes[grau], grau));
        if (termo.empty())
            continue;
        if (!texto.empty() && termo.front() != '-')
            texto += '+';
        texto += termo;
    }
    return texto;
}

// A polynomial that meets the form's conditions at c (and c2), with the
// degrees whose coefficients become the parameters: each coefficient is
// then the one solution of a system that has exactly one.
struct Problema
{
    Polinómio p;
    Racional c, c2;
    std::vector<std::size_t> graus; // from the highest
};

bool Aceitável(const Problema& pr, Forma forma, int limite)
{
    const auto nulo = [&pr](std::size_t g) { return pr.p.coeficientes[g].sign() == 0; };
    if (std::ranges::any_of(pr.graus, nulo) || !Cabe(pr.p, limite))
        return false;
    if (forma != Forma::DivisívelEResto)
        return true;
    // The two remainders are linear in the parameters; their determinant.
    const std::size_t j = pr.graus[0], i = pr.graus[1];
    return pr.c2 != pr.c && Potência(pr.c, i) * Potência(pr.c2, j) != Potência(pr.c, j) * Potência(pr.c2, i);
}

Problema DesenharProblema(Forma forma, const Limites& l, Sorteio& s)
{
    const bool dois = forma == Forma::DivisívelEResto || forma == Forma::DoisRaizDupla;
    Problema pr;
    for (int tentativa = 0; tentativa < Redesenhos; ++tentativa) {
        pr.c = s.NãoNulo(-3, 3);
        pr.c2 = s.NãoNulo(-3, 3);
        if (forma == Forma::Resto) {
            pr.p = AoAcaso(Grau(2, l.grau, s), 2, 5, s);
        } else if (forma == Forma::RaizDupla || forma == Forma::DoisRaizDupla) {
            // The cofactor does not vanish at c: c is a double root, not more.
            const Polinómio q = AoAcaso(Grau(1, l.grau - 2, s), 2, 4, s);
            if (algebra::Avaliar(q, pr.c).sign() == 0)
                continue;
            pr.p = XMenos(pr.c) * XMenos(pr.c) * q;
        } else {
            pr.p = XMenos(pr.c) * AoAcaso(Grau(1, l.grau - 1, s), 2, 4, s);
        }
        const int grau = static_cast<int>(algebra::Grau(pr.p));
        const int j = s.Entre(dois ? 1 : 0, grau - 1);
        pr.graus = {static_cast<std::size_t>(j)};
        if (dois)
            pr.graus.push_back(static_cast<std::size_t>(s.Entre(0, j - 1)));
        if (Aceitável(pr, forma, l.coeficiente))
            break;
    }
    return pr;
}

} // namespace

Proposta ProporParâmetros(int nível, Sorteio& s, const Tradutor& t)
{
    constexpr std::array<std::string_view, 4> Letras{"k", "m", "p", "t"};
    const Forma forma = FormaDoNível(nível, s);
    const Problema pr = DesenharProblema(forma, DoNível(nível), s);
    const bool dois = pr.graus.size() == 2;
    GrausComLetras letras{
        {pr.graus[0], dois ? "a" : std::string(Letras[static_cast<std::size_t>(s.Entre(0, 3))])}};
    if (dois)
        letras.emplace_back(pr.graus[1], "b");
    Proposta p;
    p.exercício = Exercício::Parâmetros;
    p.polinómio1 = ComLetras(pr.p, letras);
    for (const auto& [grau, letra] : letras) {
        const std::string valor = EscreverRacional(pr.p.coeficientes[grau]);
        p.canónico.append(p.canónico.empty() ? "" : ",").append(letra).append("=").append(valor);
        p.chave.append(p.chave.empty() ? "" : ", ").append(letra).append(" = ").append(valor);
    }
    const Expressão px = PDeXComLetras(pr.p, letras);
    const Expressão divisor = ComoExpressão(XMenos(pr.c));
    const Expressão c = algebra::Número(pr.c);
    const Expressão resto = algebra::Número(algebra::Avaliar(pr.p, pr.c));
    const Expressão divisor2 = ComoExpressão(XMenos(pr.c2));
    const Expressão resto2 = algebra::Número(algebra::Avaliar(pr.p, pr.c2));
    const Expressão letra = algebra::Parâmetro(letras[0].second.front());
    switch (forma) {
    case Forma::Divisível:
        p.enunciado = Texto::EnunciadoDivisível;
        p.argumentos = {letra, px, divisor};
        p.condições = Condição(t, Texto::CondiçãoDivisível, {divisor});
        break;
    case Forma::Resto:
        p.enunciado = Texto::EnunciadoRestoIgual;
        p.argumentos = {letra, px, divisor, resto};
        p.condições = Condição(t, Texto::CondiçãoResto, {divisor, resto});
        break;
    case Forma::RaizDupla:
        p.enunciado = Texto::EnunciadoRaizDupla;
        p.argumentos = {letra, c, px};
        p.condições = Condição(t, Texto::CondiçãoRaizDupla, {c});
        break;
    case Forma::DivisívelEResto:
        p.enunciado = Texto::EnunciadoDivisívelEResto;
        p.argumentos = {algebra::Parâmetro('a'), algebra::Parâmetro('b'), px, divisor, divisor2, resto2};
        p.condições = Condição(t, Texto::CondiçãoDivisível, {divisor}) + "; " +
                      Condição(t, Texto::CondiçãoResto, {divisor2, resto2});
        break;
    case Forma::DoisRaizDupla:
        p.enunciado = Texto::EnunciadoDoisRaizDupla;
        p.argumentos = {algebra::Parâmetro('a'), algebra::Parâmetro('b'), c, px};
        p.condições = Condição(t, Texto::CondiçãoRaizDupla, {c});
        break;
    }
    return p;
}

} // namespace vendrix::resolucao
