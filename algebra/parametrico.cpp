// SPDX-License-Identifier: MIT
#include "algebra/parametrico.h"

#include "algebra/dividir.h"

#include <algorithm>
#include <utility>

namespace vendrix::algebra {

namespace {

void Acrescentar(Pp& a, const MonómioDeParâmetros& m, const Racional& c)
{
    if (c.sign() == 0)
        return;
    auto [onde, novo] = a.try_emplace(m, c);
    if (!novo) {
        Acumular(onde->second, c);
        if (onde->second.sign() == 0)
            a.erase(onde);
    }
}

unsigned Expoente(const MonómioDeParâmetros& m, char letra)
{
    for (const auto& [l, e] : m)
        if (l == letra)
            return e;
    return 0;
}

unsigned GrauDe(const MonómioDeParâmetros& m)
{
    unsigned g = 0;
    for (const auto& par : m)
        g += par.second;
    return g;
}

PolinómioComParâmetros Aparado(std::vector<Pp> coeficientes)
{
    while (!coeficientes.empty() && coeficientes.back().empty())
        coeficientes.pop_back();
    return {std::move(coeficientes)};
}

double AlgarismosDe(const Inteiro& n)
{
    return n == 0 ? 1.0 : static_cast<double>(boost::multiprecision::msb(abs(n)) + 1) * 0.30103 + 1;
}

// Whether the first term written, the highest, has a minus: "-a-1" is
// written as the opposite of "a+1" before a power of x.
bool ComeçaPorMenos(const Pp& a)
{
    const auto maior = std::ranges::max_element(
        a, [](const auto& u, const auto& v) { return GrauDe(u.first) < GrauDe(v.first); });
    return maior != a.end() && maior->second.sign() < 0;
}

} // namespace

Pp ConstanteP(const Racional& c)
{
    Pp a;
    Acrescentar(a, {}, c);
    return a;
}

Pp LetraP(char letra)
{
    Pp a;
    a.emplace(MonómioDeParâmetros{{letra, 1U}}, Racional(1));
    return a;
}

Pp operator+(const Pp& a, const Pp& b)
{
    Pp s = a;
    for (const auto& [m, c] : b)
        Acrescentar(s, m, c);
    return s;
}

Pp operator-(const Pp& a, const Pp& b) { return a + Racional(-1) * b; }

Pp operator*(const Pp& a, const Pp& b)
{
    Pp p;
    for (const auto& [ma, ca] : a)
        for (const auto& [mb, cb] : b)
            Acrescentar(p, VezesMonómio(ma, mb), Multiplicado(ca, cb));
    return p;
}

Pp operator*(const Racional& c, const Pp& a)
{
    Pp p;
    if (c.sign() != 0)
        for (const auto& [m, ca] : a)
            p.emplace(m, c * ca);
    return p;
}

Racional TermoConstante(const Pp& a)
{
    const auto onde = a.find({});
    return onde == a.end() ? Racional(0) : onde->second;
}

bool ÉConstante(const Pp& a) { return a.empty() || (a.size() == 1 && a.begin()->first.empty()); }

unsigned GrauEm(const Pp& a, char letra)
{
    unsigned g = 0;
    for (const auto& termo : a)
        g = std::max(g, Expoente(termo.first, letra));
    return g;
}

unsigned GrauTotal(const Pp& a)
{
    unsigned g = 0;
    for (const auto& termo : a)
        g = std::max(g, GrauDe(termo.first));
    return g;
}

std::vector<char> Letras(const Pp& a)
{
    std::vector<char> letras;
    for (const auto& termo : a)
        for (const auto& par : termo.first)
            if (std::ranges::find(letras, par.first) == letras.end())
                letras.push_back(par.first);
    std::ranges::sort(letras);
    return letras;
}

std::vector<Pp> CoeficientesEm(const Pp& a, char letra)
{
    std::vector<Pp> c(GrauEm(a, letra) + 1);
    for (const auto& [m, coeficiente] : a) {
        MonómioDeParâmetros resto;
        for (const auto& par : m)
            if (par.first != letra)
                resto.push_back(par);
        Acrescentar(c[Expoente(m, letra)], resto, coeficiente);
    }
    return c;
}

Pp SubstituirLetra(const Pp& a, char letra, const Pp& valor)
{
    const std::vector<Pp> c = CoeficientesEm(a, letra);
    Pp s;
    for (std::size_t i = c.size(); i-- > 0;)
        s = s * valor + c[i];
    return s;
}

std::optional<Polinómio> EmUmaLetra(const Pp& a, char letra)
{
    std::vector<Racional> c(GrauEm(a, letra) + 1);
    for (const auto& [m, coeficiente] : a) {
        if (m.size() > 1 || (m.size() == 1 && m[0].first != letra))
            return std::nullopt;
        c[m.empty() ? 0 : m[0].second] = coeficiente;
    }
    return DeCoeficientes(std::move(c));
}

Pp DeUmaLetra(const Polinómio& p, char letra)
{
    Pp a;
    for (std::size_t i = 0; i < p.coeficientes.size(); ++i)
        Acrescentar(a,
                    i == 0 ? MonómioDeParâmetros{} : MonómioDeParâmetros{{letra, static_cast<unsigned>(i)}},
                    p.coeficientes[i]);
    return a;
}

double Algarismos(const Pp& a)
{
    double total = 0;
    for (const auto& termo : a)
        total += AlgarismosDe(numerator(termo.second)) + AlgarismosDe(denominator(termo.second));
    return total;
}

Pp ValorEm(const PolinómioComParâmetros& p, const Racional& c)
{
    Pp v;
    for (std::size_t i = p.coeficientes.size(); i-- > 0;)
        v = c * v + p.coeficientes[i];
    return v;
}

PolinómioComParâmetros DerivadaEmX(const PolinómioComParâmetros& p)
{
    std::vector<Pp> d;
    for (std::size_t i = 1; i < p.coeficientes.size(); ++i)
        d.push_back(Racional(static_cast<long long>(i)) * p.coeficientes[i]);
    return Aparado(std::move(d));
}

PolinómioComParâmetros SubstituirLetra(const PolinómioComParâmetros& p, char letra, const Pp& valor)
{
    std::vector<Pp> c;
    for (const Pp& coeficiente : p.coeficientes)
        c.push_back(SubstituirLetra(coeficiente, letra, valor));
    return Aparado(std::move(c));
}

std::optional<Polinómio> SemLetras(const PolinómioComParâmetros& p)
{
    std::vector<Racional> c;
    for (const Pp& coeficiente : p.coeficientes) {
        if (!ÉConstante(coeficiente))
            return std::nullopt;
        c.push_back(TermoConstante(coeficiente));
    }
    return DeCoeficientes(std::move(c));
}

PolinómioComParâmetros ComLetras(const Polinómio& p)
{
    std::vector<Pp> c;
    for (const Racional& r : p.coeficientes)
        c.push_back(ConstanteP(r));
    return Aparado(std::move(c));
}

DivisãoComParâmetros DividirComParâmetros(const PolinómioComParâmetros& p, const Polinómio& d, bool passos)
{
    DivisãoComParâmetros r;
    const std::size_t n = Grau(d);
    const Racional dominante = CoeficienteDominante(d);
    std::vector<Pp> resto = p.coeficientes;
    std::vector<Pp> quociente(resto.size() > n ? resto.size() - n : 0);
    while (resto.size() > n) {
        const std::size_t grau = resto.size() - 1 - n;
        const Pp termo = Racional(Racional(1) / dominante) * resto.back();
        quociente[grau] = termo;
        for (std::size_t i = 0; i <= n; ++i)
            resto[grau + i] = resto[grau + i] - d.coeficientes[i] * termo;
        resto = Aparado(std::move(resto)).coeficientes;
        if (passos) {
            std::vector<Pp> t(grau + 1);
            t[grau] = termo;
            r.termos.push_back(Aparado(std::move(t)));
            r.restos.push_back({resto});
        }
    }
    r.quociente = Aparado(std::move(quociente));
    r.resto = Aparado(std::move(resto));
    return r;
}

Expressão ExpressãoDe(const Pp& a)
{
    std::vector<std::pair<MonómioDeParâmetros, Racional>> termos(a.begin(), a.end());
    std::ranges::stable_sort(termos,
                             [](const auto& u, const auto& v) { return GrauDe(u.first) > GrauDe(v.first); });
    std::vector<Expressão> soma;
    for (const auto& [m, c] : termos) {
        std::vector<Expressão> factores;
        if (m.empty() || (!Vale(c, 1) && !Vale(c, -1)))
            factores.push_back(Número(m.empty() ? c : Racional(abs(c))));
        for (const auto& [letra, e] : m)
            factores.push_back(e == 1 ? Parâmetro(letra) : Potência(Parâmetro(letra), e));
        Expressão termo = Produto(std::move(factores));
        soma.push_back(!m.empty() && c.sign() < 0 ? Simétrico(std::move(termo)) : std::move(termo));
    }
    return soma.empty() ? Número(0) : Soma(std::move(soma));
}

Expressão ExpressãoDe(const PolinómioComParâmetros& p)
{
    std::vector<Expressão> soma;
    for (std::size_t i = p.coeficientes.size(); i-- > 0;) {
        const Pp& c = p.coeficientes[i];
        if (c.empty())
            continue;
        if (i == 0) {
            soma.push_back(ExpressãoDe(c));
            continue;
        }
        Expressão potência = i == 1 ? X() : Potência(X(), static_cast<unsigned>(i));
        if (ÉConstante(c) && (Vale(TermoConstante(c), 1) || Vale(TermoConstante(c), -1)))
            soma.push_back(Vale(TermoConstante(c), 1) ? std::move(potência) : Simétrico(std::move(potência)));
        else if (c.size() == 1) {
            Expressão coeficiente = ExpressãoDe(c);
            if (coeficiente.nó == Nó::Simétrico)
                soma.push_back(Simétrico(Produto({std::move(coeficiente.filhos[0]), std::move(potência)})));
            else
                soma.push_back(Produto({std::move(coeficiente), std::move(potência)}));
        } else if (ComeçaPorMenos(c))
            soma.push_back(Simétrico(Produto({ExpressãoDe(Racional(-1) * c), std::move(potência)})));
        else
            soma.push_back(Produto({ExpressãoDe(c), std::move(potência)}));
    }
    return soma.empty() ? Número(0) : Soma(std::move(soma));
}

std::optional<Polinómio>
Resultante(const Pp& a, const Pp& b, char eliminada, char outra, Orçamento& orçamento)
{
    const std::vector<Pp> ca = CoeficientesEm(a, eliminada), cb = CoeficientesEm(b, eliminada);
    const std::size_t m = ca.size() - 1, n = cb.size() - 1, tamanho = m + n;
    if (m == 0 || n == 0)
        return std::nullopt;
    std::vector<std::vector<Polinómio>> s(tamanho, std::vector<Polinómio>(tamanho));
    for (std::size_t linha = 0; linha < tamanho; ++linha) {
        const bool deA = linha < n;
        const std::vector<Pp>& c = deA ? ca : cb;
        const std::size_t início = deA ? linha : linha - n;
        for (std::size_t k = 0; k < c.size(); ++k) {
            const auto p = EmUmaLetra(c[c.size() - 1 - k], outra);
            if (!p)
                return std::nullopt;
            s[linha][início + k] = *p;
        }
    }
    // Bareiss: every division is exact, so the entries stay polynomials.
    Polinómio anterior = DeCoeficientes({1});
    bool trocado = false;
    for (std::size_t k = 0; k + 1 < tamanho; ++k) {
        std::size_t pivô = k;
        while (pivô < tamanho && ÉZero(s[pivô][k]))
            ++pivô;
        if (pivô == tamanho)
            return Polinómio{};
        if (pivô != k) {
            std::swap(s[pivô], s[k]);
            trocado = !trocado;
        }
        for (std::size_t i = k + 1; i < tamanho; ++i)
            for (std::size_t j = k + 1; j < tamanho; ++j) {
                const std::size_t g = s[k][k].coeficientes.size() + s[i][j].coeficientes.size();
                if (!orçamento.Gastar(static_cast<std::uint64_t>(g) * g * 8))
                    return std::nullopt;
                const auto q = Dividir(s[k][k] * s[i][j] - s[i][k] * s[k][j], anterior);
                if (!q.Ok())
                    return std::nullopt;
                s[i][j] = q.Valor().quociente;
            }
        anterior = s[k][k];
    }
    const Polinómio& det = s[tamanho - 1][tamanho - 1];
    return trocado ? -det : det;
}

} // namespace vendrix::algebra
