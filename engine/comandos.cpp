// SPDX-License-Identifier: MIT
#include "engine/comandos.h"

#include "engine/preparar.h"
#include "engine/produto.h"
#include "engine/simplificar.h"
#include "engine/termos.h"
#include "runtime/mensagens.h"
#include "runtime/numeros.h"
#include "runtime/textos.h"

#include <cstdint>
#include <optional>
#include <utility>

namespace vendrix::engine {

namespace {

// A polynomial of the sum, difference or product that comes to nothing once
// prepared is 0, so that the join never leaves a sign without a term.
std::string PreparadoOuZero(std::string_view texto)
{
    std::string preparado = PrepararPolinómio(texto);
    return preparado.empty() ? "0" : preparado;
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

runtime::Fonte FonteDaOperação(Operação operação) noexcept
{
    switch (operação) {
    case Operação::Soma:
        return runtime::FonteDaLegenda(runtime::Legenda::Soma);
    case Operação::Subtração:
        return runtime::FonteDaLegenda(runtime::Legenda::Subtração);
    case Operação::Multiplicação:
        return runtime::FonteDaLegenda(runtime::Legenda::Multiplicação);
    }
    return runtime::FonteDaLegenda(runtime::Legenda::Resultado); // a number cast to Operação that names none
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

std::string_view LegendaDaOperação(Operação operação) noexcept { return FonteDaOperação(operação).texto; }

std::string LegendaDaOperação(Operação operação, const runtime::Tradutor& tradutor)
{
    return tradutor(FonteDaOperação(operação));
}

Comando Somar(std::string_view polinómio1, std::string_view polinómio2)
{
    Comando c;
    c.Polinómio1A = SepararTermos(GuardaDoMenos(PreparadoOuZero(polinómio1)));
    c.Polinómio2A = Juntar({" +", SepararTermos(GuardaDoMenos(PreparadoOuZero(polinómio2)))});
    c.Text3 = c.Polinómio1A + c.Polinómio2A;
    Terminar(c, Simplificar(*c.Text3), Operação::Soma);
    return c;
}

Comando Subtrair(std::string_view polinómio1, std::string_view polinómio2)
{
    Comando c;
    c.Polinómio1A = GuardaDoMenos(PreparadoOuZero(polinómio1));
    c.Polinómio2A = GuardaDoMenos(PreparadoOuZero(polinómio2));
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
    c.Polinómio1A = SepararTermos(GuardaDoMenos(PreparadoOuZero(polinómio1)));
    c.Polinómio2A = SepararTermos(GuardaDoMenos(PreparadoOuZero(polinómio2)));
    runtime::Relatado<std::string> r = MultiplicarPolinómios(c.Polinómio1A, c.Polinómio2A);
    r.relatos = ResumirFalhasDosMonómios(std::move(r.relatos));
    Terminar(c, std::move(r), Operação::Multiplicação);
    return c;
}

Simplificação SimplificarPolinómio(std::string_view polinómio)
{
    Simplificação s;
    s.cópia = SepararTermos(GuardaDoMenos(PrepararPolinómio(polinómio)));
    runtime::Relatado<std::string> r = Simplificar(s.cópia);
    s.Resultado = Compactar(r.valor);
    s.relatos = std::move(r.relatos);
    return s;
}

} // namespace vendrix::engine
