// SPDX-License-Identifier: MIT
#include "engine/comandos.h"

#include "engine/produto.h"
#include "engine/simplificar.h"
#include "engine/termos.h"
#include "runtime/numeros.h"
#include "runtime/textos.h"

#include <cstdint>

namespace vendrix::engine {

namespace {

// The second polynomial of a sum or a difference is joined after the first
// with a sign of the command's own. A "+" the user typed in front of it
// ("+x", "+-x", "+ -x") only says that what follows is added as written;
// joined as it stands it would leave a sign alone between two others, and a
// lone sign reads as 1. So the blanks in front, one "+" and the blanks after
// it go, and the rest is read as typed.
std::string_view SemMaisInicial(std::string_view texto) noexcept
{
    const auto semBrancos = [](std::string_view t) {
        const std::size_t primeiro = t.find_first_not_of(' ');
        return primeiro == std::string_view::npos ? std::string_view{} : t.substr(primeiro);
    };
    texto = semBrancos(texto);
    return texto.starts_with('+') ? semBrancos(texto.substr(1)) : texto;
}

// After the "+" in front is gone, an empty second polynomial, or a second
// "+" ("++x"), would still leave a lone sign at the join; a "0" in front
// keeps every sign next to a term. A leading "-" has had the leading-minus
// guard already.
std::string GuardaDoSegundo(std::string_view texto)
{
    if (texto.empty() || texto.front() == '+')
        return Juntar({"0", texto});
    return std::string(texto);
}

// Failures of single monomials shown one by one before the rest are held back.
constexpr std::size_t CaixasDeMonómiosMostradas = 9;

// A product whose first polynomial cannot be read fails once for every
// monomial of the second, and every failure is a modal box the user must
// close: a pasted polynomial of thousands of terms would hold the user for
// thousands of clicks. The first nine failures are shown as they come; the
// ones after them are held until the product ends, or until a box of
// another title must be shown, so that boxes keep their order: a single
// held failure is then shown as it was, and more are counted in one box.
class CaixasDoProduto final : public runtime::ServiçoDeMensagens
{
public:
    explicit CaixasDoProduto(runtime::ServiçoDeMensagens& destino)
        : destino(destino)
    {}

    void Mostrar(std::string_view título, std::string_view texto, runtime::Ícone ícone) override
    {
        if (título != TítuloMultiplicarMonómios) {
            Concluir();
            destino.Mostrar(título, texto, ícone);
        } else if (mostradas < CaixasDeMonómiosMostradas) {
            ++mostradas;
            destino.Mostrar(título, texto, ícone);
        } else if (retidas++ == 0) {
            textoRetido = std::string(texto);
            íconeRetido = ícone;
        }
    }

    // Shows what is held back, once the product has ended.
    void Concluir()
    {
        if (retidas == 1)
            destino.Mostrar(TítuloMultiplicarMonómios, textoRetido, íconeRetido);
        else if (retidas > 1)
            destino.Mostrar(TítuloMultiplicarMonómios,
                            Juntar({"Outros ",
                                    runtime::TextoDeInteiro(static_cast<std::int64_t>(retidas)),
                                    " monómios não puderam ser multiplicados."}),
                            íconeRetido);
        if (retidas > 0)
            ++mostradas;
        retidas = 0;
    }

private:
    runtime::ServiçoDeMensagens& destino;
    std::size_t mostradas = 0;
    std::size_t retidas = 0;
    std::string textoRetido;
    runtime::Ícone íconeRetido = runtime::Ícone::Crítico;
};

// Every sign flipped at once, with no stand-in character that typed text
// could also contain.
std::string TrocarSinais(std::string_view texto)
{
    std::string trocado(texto);
    for (char& c : trocado)
        if (c == '+')
            c = '-';
        else if (c == '-')
            c = '+';
    return trocado;
}

void Terminar(Comando& comando, std::string_view r, std::string_view legenda)
{
    comando.Resultado = Compactar(r);
    comando.legenda = legenda;
}

} // namespace

Comando
Somar(std::string_view polinómio1, std::string_view polinómio2, runtime::ServiçoDeMensagens& mensagens)
{
    Comando c;
    c.Polinómio1A = SepararTermos(GuardaDoMenos(polinómio1));
    c.Polinómio2A = Juntar({" +", SepararTermos(GuardaDoSegundo(GuardaDoMenos(SemMaisInicial(polinómio2))))});
    c.Text3 = c.Polinómio1A + c.Polinómio2A;
    Terminar(c, Simplificar(*c.Text3, mensagens), "Resultado (soma)");
    return c;
}

Comando
Subtrair(std::string_view polinómio1, std::string_view polinómio2, runtime::ServiçoDeMensagens& mensagens)
{
    Comando c;
    c.Polinómio1A = GuardaDoMenos(polinómio1);
    c.Polinómio2A = GuardaDoSegundo(GuardaDoMenos(SemMaisInicial(polinómio2)));
    c.Text2 = Juntar({"+", c.Polinómio2A});
    std::string juntado = Juntar({c.Polinómio1A, "+", TrocarSinais(*c.Text2)});
    juntado = runtime::Substituir(juntado, "-+", "-");
    juntado = runtime::Substituir(juntado, "+-", "-");
    juntado = runtime::Substituir(juntado, "-+-", "+");
    c.Text3 = SepararTermos(juntado);
    Terminar(c, Simplificar(*c.Text3, mensagens), "Resultado (subtração)");
    return c;
}

Comando
Multiplicar(std::string_view polinómio1, std::string_view polinómio2, runtime::ServiçoDeMensagens& mensagens)
{
    Comando c;
    c.Polinómio1A = SepararTermos(GuardaDoMenos(polinómio1));
    c.Polinómio2A = SepararTermos(GuardaDoMenos(polinómio2));
    CaixasDoProduto caixas(mensagens);
    const std::string r = MultiplicarPolinómios(c.Polinómio1A, c.Polinómio2A, caixas);
    caixas.Concluir();
    Terminar(c, r, "Resultado (multiplicação)");
    return c;
}

Simplificação SimplificarPolinómio(std::string_view polinómio, runtime::ServiçoDeMensagens& mensagens)
{
    Simplificação s;
    s.cópia = SepararTermos(GuardaDoMenos(polinómio));
    s.Resultado = Compactar(Simplificar(s.cópia, mensagens));
    return s;
}

} // namespace vendrix::engine
