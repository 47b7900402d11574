// SPDX-License-Identifier: MIT
#include "algebra/ler.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vendrix::algebra {

namespace {

using runtime::Código;

// A byte that starts no valid UTF-8 character, and the end of the text:
// neither is a code point, so neither can be typed.
constexpr char32_t Inválido = 0x110000;
constexpr char32_t Fim = 0x110001;

// One character of the text with its place, blanks already left out. The
// typographic signs are folded into their ASCII forms here, so that the
// reading below knows one minus sign and one product sign.
struct Marca
{
    char32_t c;
    std::size_t posição;     // 1-based, in characters
    std::size_t início, fim; // its bytes in the text
};

struct Descodificado
{
    char32_t c;
    std::size_t bytes;
};

// The character that starts at byte i. Overlong forms, surrogates and
// broken sequences are one invalid byte each: an overlong "-" is no minus.
Descodificado Descodificar(std::string_view t, std::size_t i)
{
    const auto b = static_cast<unsigned char>(t[i]);
    if (b < 0x80)
        return {b, 1};
    const std::size_t n = b >= 0xF5 ? 0 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC2 ? 2 : 0;
    if (n == 0 || n > t.size() - i)
        return {Inválido, 1};
    char32_t c = b & (0x7FU >> n);
    for (std::size_t k = 1; k < n; ++k) {
        const auto seguinte = static_cast<unsigned char>(t[i + k]);
        if ((seguinte & 0xC0U) != 0x80U)
            return {Inválido, 1};
        c = (c << 6U) | (seguinte & 0x3FU);
    }
    constexpr char32_t Mínimo[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < Mínimo[n] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return {Inválido, 1};
    return {c, n};
}

bool ÉBranco(char32_t c) { return c == ' ' || c == '\t' || c == 0xA0 || c == 0x2009 || c == 0x202F; }

char32_t Dobrar(char32_t c)
{
    switch (c) {
    case 0x2212: // minus sign
    case 0x2013: // en dash
        return '-';
    case 0xB7: // middle dot
    case 0xD7: // multiplication sign
        return '*';
    case 'X':
        return 'x';
    default:
        return c;
    }
}

// The digit a superscript stands for, or -1.
int Sobrescrito(char32_t c)
{
    switch (c) {
    case 0x2070:
        return 0;
    case 0xB9:
        return 1;
    case 0xB2:
        return 2;
    case 0xB3:
        return 3;
    default:
        return c >= 0x2074 && c <= 0x2079 ? static_cast<int>(c - 0x2070) : -1;
    }
}

bool ÉSinal(char32_t c) { return c == '+' || c == '-'; }

bool ÉAlgarismo(char32_t c) { return c >= '0' && c <= '9'; }

// Digits as one integer, nine at a time.
Inteiro DeAlgarismos(std::string_view algarismos)
{
    Inteiro valor = 0;
    for (std::size_t i = 0; i < algarismos.size(); i += 9) {
        const std::string_view bloco = algarismos.substr(i, 9);
        std::uint32_t parte = 0, escala = 1;
        for (const char a : bloco) {
            parte = parte * 10 + static_cast<std::uint32_t>(a - '0');
            escala *= 10;
        }
        valor = valor * escala + parte;
    }
    return valor;
}

struct Termo
{
    Racional coeficiente;
    unsigned expoente;
};

class Leitor
{
public:
    explicit Leitor(std::string_view texto)
        : texto(texto)
    {
        std::size_t posição = 1;
        for (std::size_t i = 0; i < texto.size(); ++posição) {
            const Descodificado d = Descodificar(texto, i);
            if (!ÉBranco(d.c))
                marcas.push_back({Dobrar(d.c), posição, i, i + d.bytes});
            i += d.bytes;
        }
        depoisDoFim = posição;
    }

    Lido<algebra::Polinómio> LerTudo();
    Lido<Racional> LerNúmero();

private:
    char32_t Actual() const { return i < marcas.size() ? marcas[i].c : Fim; }

    // The text from mark de to the one before até, as typed.
    std::string Pedaço(std::size_t de, std::size_t até) const
    {
        até = std::min(até, marcas.size());
        if (de >= até)
            return {};
        return std::string(texto.substr(marcas[de].início, marcas[até - 1].fim - marcas[de].início));
    }

    // Stopped at mark onde, in the term that starts at mark termo: the piece
    // named is that term up to the sign after onde.
    FalhaDeLeitura Recusar(Código código, std::size_t onde, std::size_t termo) const
    {
        std::size_t fim = onde + 1;
        while (fim < marcas.size() && !ÉSinal(marcas[fim].c))
            ++fim;
        return {runtime::Falhar(código, {}, Pedaço(termo, fim)),
                onde < marcas.size() ? marcas[onde].posição : depoisDoFim};
    }

    std::optional<Racional> Decimal();
    std::variant<Racional, FalhaDeLeitura> Coeficiente(std::size_t termo);
    std::variant<unsigned, FalhaDeLeitura> Expoente(std::size_t termo);
    std::variant<Termo, FalhaDeLeitura> LerTermo();

    std::string_view texto;
    std::vector<Marca> marcas;
    std::size_t depoisDoFim = 1; // the position just after the last character
    std::size_t i = 0;           // the next mark to read
};

// Digits with at most one ".", at least one digit, and perhaps a power of
// ten as the program writes large and small values: "12", "0.25", ".5",
// "5.", "1.234568E+07". Nothing is read when there is no digit.
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
        } else if (Actual() == '.' && !ponto) {
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
    // The power has one or two digits, as the program writes it: "E+07".
    const std::size_t e = i, depois = e + 1 + (e + 1 < marcas.size() && ÉSinal(marcas[e + 1].c) ? 1 : 0);
    const auto algarismoEm = [this](std::size_t k) { return k < marcas.size() && ÉAlgarismo(marcas[k].c); };
    if ((Actual() != 'E' && Actual() != 'e') || !algarismoEm(depois) || algarismoEm(depois + 2))
        return valor;
    const bool sinal = depois == e + 2;
    unsigned potência = 0;
    for (i = depois; ÉAlgarismo(Actual()); ++i)
        potência = potência * 10 + (Actual() - '0');
    const Inteiro dez = boost::multiprecision::pow(Inteiro(10), potência);
    if (sinal && marcas[e + 1].c == '-')
        valor /= dez;
    else
        valor *= dez;
    return valor;
}

// A decimal, or a fraction of two: "5/3", "0.5/2", and "4/-2" as the
// program's own quotients may be written. There is one: the caller has
// seen a digit or a ".".
std::variant<Racional, FalhaDeLeitura> Leitor::Coeficiente(std::size_t termo)
{
    const std::optional<Racional> numerador = Decimal();
    if (!numerador)
        return Recusar(Código::TermoIlegível, i, termo);
    if (Actual() != '/')
        return *numerador;
    ++i;
    bool negativo = false;
    for (; ÉSinal(Actual()); ++i)
        negativo ^= Actual() == '-';
    const std::size_t início = i;
    const std::optional<Racional> denominador = Decimal();
    if (!denominador)
        return Recusar(Código::TermoIlegível, i, termo);
    if (*denominador == 0)
        return Recusar(Código::DenominadorZero, início, termo);
    const Racional valor = *numerador / *denominador;
    return negativo ? Racional(-valor) : valor;
}

// After x: "^" and a whole number ("x^2.0" is x^2), or superscript digits,
// or nothing for x^1.
std::variant<unsigned, FalhaDeLeitura> Leitor::Expoente(std::size_t termo)
{
    const std::size_t início = i;
    if (Actual() == '^') {
        ++i;
        const std::optional<Racional> e = Decimal();
        if (!e || denominator(*e) != 1)
            return Recusar(Código::TermoIlegível, e ? início + 1 : i, termo);
        if (*e > ExpoenteMáximo)
            return Recusar(Código::ExpoenteGrande, início + 1, termo);
        return numerator(*e).convert_to<unsigned>();
    }
    unsigned e = 1;
    bool sobrescrito = false;
    for (; Sobrescrito(Actual()) >= 0; ++i) {
        // Past the limit the value stops growing; the run is still read whole.
        e = sobrescrito ? std::min(e * 10 + static_cast<unsigned>(Sobrescrito(Actual())), ExpoenteMáximo + 1)
                        : static_cast<unsigned>(Sobrescrito(Actual()));
        sobrescrito = true;
    }
    if (e > ExpoenteMáximo)
        return Recusar(Código::ExpoenteGrande, início, termo);
    return e;
}

// [coefficient] [* x | x] [exponent], ending at a sign or at the end.
std::variant<Termo, FalhaDeLeitura> Leitor::LerTermo()
{
    const std::size_t termo = i;
    Termo t{1, 0};
    const bool temCoeficiente = ÉAlgarismo(Actual()) || Actual() == '.';
    if (temCoeficiente) {
        auto c = Coeficiente(termo);
        if (auto* falha = std::get_if<FalhaDeLeitura>(&c))
            return std::move(*falha);
        t.coeficiente = std::get<Racional>(std::move(c));
    }
    if (Actual() == '*' && temCoeficiente) {
        ++i;
        if (Actual() != 'x')
            return Recusar(Código::TermoIlegível, i, termo);
    }
    if (Actual() == 'x') {
        ++i;
        auto e = Expoente(termo);
        if (auto* falha = std::get_if<FalhaDeLeitura>(&e))
            return std::move(*falha);
        t.expoente = std::get<unsigned>(e);
    } else if (!temCoeficiente) {
        return Recusar(Código::TermoIlegível, i, termo);
    }
    if (Actual() != Fim && !ÉSinal(Actual()))
        return Recusar(Código::TermoIlegível, i, termo);
    return t;
}

Lido<Polinómio> Leitor::LerTudo()
{
    if (marcas.empty())
        return FalhaDeLeitura{runtime::Falhar(Código::TextoVazio), 1};
    std::vector<Racional> coeficientes;
    while (Actual() != Fim) {
        bool negativo = false;
        std::size_t sinal = i;
        for (; ÉSinal(Actual()); ++i) {
            negativo ^= Actual() == '-';
            sinal = i;
        }
        if (Actual() == Fim)
            return Recusar(Código::SinalSemTermo, sinal, sinal);
        auto t = LerTermo();
        if (auto* falha = std::get_if<FalhaDeLeitura>(&t))
            return std::move(*falha);
        const Termo& termo = std::get<Termo>(t);
        if (coeficientes.size() <= termo.expoente)
            coeficientes.resize(termo.expoente + 1);
        coeficientes[termo.expoente] += negativo ? -termo.coeficiente : termo.coeficiente;
    }
    return DeCoeficientes(std::move(coeficientes));
}

Lido<Racional> Leitor::LerNúmero()
{
    if (marcas.empty())
        return FalhaDeLeitura{runtime::Falhar(Código::TextoVazio), 1};
    bool negativo = false;
    for (; ÉSinal(Actual()); ++i)
        negativo ^= Actual() == '-';
    // The piece named is the whole text: a number has no terms.
    const auto recusar = [this](Código código, std::size_t posição) {
        return FalhaDeLeitura{runtime::Falhar(código, {}, Pedaço(0, marcas.size())), posição};
    };
    const auto aqui = [this] { return i < marcas.size() ? marcas[i].posição : depoisDoFim; };
    if (!ÉAlgarismo(Actual()) && Actual() != '.')
        return recusar(Código::NúmeroIlegível, aqui());
    auto c = Coeficiente(0);
    if (auto* falha = std::get_if<FalhaDeLeitura>(&c))
        return recusar(falha->erro.código == Código::DenominadorZero ? Código::DenominadorZero
                                                                     : Código::NúmeroIlegível,
                       falha->posição);
    if (Actual() != Fim)
        return recusar(Código::NúmeroIlegível, aqui());
    const Racional& valor = std::get<Racional>(c);
    return negativo ? Racional(-valor) : valor;
}

} // namespace

Lido<Polinómio> LerPolinómio(std::string_view texto) { return Leitor(texto).LerTudo(); }

Lido<Racional> LerRacional(std::string_view texto) { return Leitor(texto).LerNúmero(); }

} // namespace vendrix::algebra
