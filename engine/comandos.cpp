// SPDX-License-Identifier: MIT
#include "engine/comandos.h"

#include "engine/produto.h"
#include "engine/simplificar.h"
#include "engine/termos.h"
#include "runtime/numeros.h"
#include "runtime/textos.h"

#include <cstdint>
#include <optional>
#include <utility>

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

void Terminar(Comando& comando, runtime::Relatado<std::string> r, Operação operação)
{
    comando.Resultado = Compactar(r.valor);
    comando.operação = operação;
    comando.relatos = std::move(r.relatos);
}

} // namespace

std::vector<runtime::Relato> ResumirFalhasDosMonómios(std::vector<runtime::Relato> relatos)
{
    std::vector<runtime::Relato> mostrados;
    std::size_t mostradas = 0;
    std::size_t retidas = 0;
    std::optional<runtime::Relato> primeiroRetido;
    const auto concluir = [&] {
        if (retidas == 1)
            mostrados.push_back(*std::move(primeiroRetido));
        else if (retidas > 1)
            mostrados.push_back({TítuloMultiplicarMonómios,
                                 runtime::Falhar(runtime::Código::OutrosMonómios,
                                                 {},
                                                 runtime::TextoDeInteiro(static_cast<std::int64_t>(retidas))),
                                 primeiroRetido->ícone});
        if (retidas > 0)
            ++mostradas;
        retidas = 0;
    };
    for (runtime::Relato& relato : relatos) {
        if (relato.título != TítuloMultiplicarMonómios) {
            concluir();
            mostrados.push_back(std::move(relato));
        } else if (mostradas < CaixasDeMonómiosMostradas) {
            ++mostradas;
            mostrados.push_back(std::move(relato));
        } else if (retidas++ == 0)
            primeiroRetido = std::move(relato);
    }
    concluir();
    return mostrados;
}

std::string_view LegendaDaOperação(Operação operação) noexcept
{
    switch (operação) {
    case Operação::Soma:
        return "Resultado (soma)";
    case Operação::Subtração:
        return "Resultado (subtração)";
    case Operação::Multiplicação:
        return "Resultado (multiplicação)";
    }
    return "Resultado"; // a number cast to Operação that names none
}

Comando Somar(std::string_view polinómio1, std::string_view polinómio2)
{
    Comando c;
    c.Polinómio1A = SepararTermos(GuardaDoMenos(polinómio1));
    c.Polinómio2A = Juntar({" +", SepararTermos(GuardaDoSegundo(GuardaDoMenos(SemMaisInicial(polinómio2))))});
    c.Text3 = c.Polinómio1A + c.Polinómio2A;
    Terminar(c, Simplificar(*c.Text3), Operação::Soma);
    return c;
}

Comando Subtrair(std::string_view polinómio1, std::string_view polinómio2)
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
    Terminar(c, Simplificar(*c.Text3), Operação::Subtração);
    return c;
}

Comando Multiplicar(std::string_view polinómio1, std::string_view polinómio2)
{
    Comando c;
    c.Polinómio1A = SepararTermos(GuardaDoMenos(polinómio1));
    c.Polinómio2A = SepararTermos(GuardaDoMenos(polinómio2));
    runtime::Relatado<std::string> r = MultiplicarPolinómios(c.Polinómio1A, c.Polinómio2A);
    r.relatos = ResumirFalhasDosMonómios(std::move(r.relatos));
    Terminar(c, std::move(r), Operação::Multiplicação);
    return c;
}

Simplificação SimplificarPolinómio(std::string_view polinómio)
{
    Simplificação s;
    s.cópia = SepararTermos(GuardaDoMenos(polinómio));
    runtime::Relatado<std::string> r = Simplificar(s.cópia);
    s.Resultado = Compactar(r.valor);
    s.relatos = std::move(r.relatos);
    return s;
}

} // namespace vendrix::engine
