// SPDX-License-Identifier: MIT
#include "interpreter/tokenizar.h"

#include "interpreter/funcoes.h"
#include "runtime/numeros.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace vendrix::interpreter {

namespace {

using runtime::Código;

// Positions, priorities and the character count are 16-bit numbers: an
// expression at or past these limits is an overflow, as it always was.
constexpr std::size_t LimiteDeCaracteres = 32767;
constexpr std::size_t LimiteDeSímbolos = 32767;

// Each level of parentheses lifts every priority inside it above all the
// operator ranks outside it.
constexpr int Nível = 7;

bool ÉLetra(char c) noexcept { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }

bool ÉAlgarismo(char c) noexcept { return (c >= '0' && c <= '9') || c == '.'; }

class Leitor
{
public:
    explicit Leitor(std::vector<Símbolo>& símbolos_)
        : símbolos(símbolos_)
    {}

    void Ler(char c);
    [[nodiscard]] runtime::Resultado<void> Terminar();

    [[nodiscard]] std::int16_t MaisAlta() const noexcept { return maisAlta; }

private:
    enum class Estado { Nada, Nome, Número };

    Símbolo& Escrever(Tipo tipo, std::int16_t prioridade, std::string_view texto, char operador = 0);

    // The priority of an operator of this rank at the current depth.
    [[nodiscard]] std::int16_t Acima(int rank) { return Mais(base, rank); }

    // base + k, which must stay a 16-bit number (6).
    [[nodiscard]] std::int16_t Mais(std::int16_t de, int k);

    // Keeps the first failure; the reader then reads nothing more.
    void Falhar(Código código);

    void EscreverNúmero();
    void EscreverOperador(char operador, int rank);
    void Descarregar();
    void Abrir();
    void Fechar();

    std::vector<Símbolo>& símbolos;
    std::int16_t base = 0;
    std::int16_t maisAlta = Nível;
    Estado estado = Estado::Nada;
    std::string pendente;
    bool depoisDeValor = false;
    std::optional<runtime::Erro> falha;
    Símbolo descartado; // written to once the reader has failed
};

std::int16_t Leitor::Mais(std::int16_t de, int k)
{
    const int r = de + k;
    if (!std::in_range<std::int16_t>(r)) {
        Falhar(Código::Transbordo);
        return de;
    }
    return static_cast<std::int16_t>(r);
}

void Leitor::Falhar(Código código)
{
    if (!falha)
        falha = Falha(código);
}

Símbolo& Leitor::Escrever(Tipo tipo, std::int16_t prioridade, std::string_view texto, char operador)
{
    if (símbolos.size() + 1 >= LimiteDeSímbolos) {
        Falhar(Código::Transbordo);
        return descartado;
    }
    Símbolo& s = símbolos.emplace_back();
    s.tipo = tipo;
    s.operador = operador;
    s.prioridade = prioridade;
    s.texto.assign(texto);
    return s;
}

void Leitor::EscreverNúmero()
{
    Símbolo& s = Escrever(Tipo::Número, 0, pendente);
    std::string comPonto = pendente;
    std::replace(comPonto.begin(), comPonto.end(), ',', '.');
    // Only digits and "," reach here, so the general conversion accepts
    // exactly the texts with at most one decimal mark.
    const auto valor = runtime::TextoParaNúmero(comPonto);
    if (valor.Ok())
        s.número = valor.Valor();
    else
        s.falhaDoNúmero = valor.Falha().código;
}

void Leitor::Descarregar()
{
    if (estado == Estado::Nome)
        Escrever(Tipo::Nome, Acima(6), pendente);
    else if (estado == Estado::Número)
        EscreverNúmero();
    pendente.clear();
}

void Leitor::EscreverOperador(char operador, int rank)
{
    Descarregar();
    Escrever(Tipo::Operador, Acima(rank), std::string_view(&operador, 1), operador);
    estado = Estado::Nada;
    depoisDeValor = false;
}

void Leitor::Abrir()
{
    if (estado == Estado::Nome) {
        pendente.push_back('(');
        Símbolo& s = Escrever(Tipo::Função, Acima(Nível), pendente);
        s.função = ProcurarFunção(s.texto);
    } else {
        if (estado == Estado::Número) {
            EscreverNúmero();
            Escrever(Tipo::Operador, Acima(3), "*", '*');
        }
        Escrever(Tipo::Abre, Acima(Nível), "(");
    }
    base = Mais(base, Nível);
    maisAlta = std::max(maisAlta, Mais(base, Nível));
    estado = Estado::Nada;
    pendente.clear();
    depoisDeValor = false;
}

void Leitor::Fechar()
{
    Descarregar();
    Escrever(Tipo::Fecha, base, ")");
    base = Mais(base, -Nível);
    estado = Estado::Nada;
    depoisDeValor = true;
}

void Leitor::Ler(char c)
{
    if (falha)
        return;
    if (ÉLetra(c)) {
        if (estado == Estado::Número) {
            EscreverNúmero();
            Escrever(Tipo::Operador, Acima(3), "*", '*');
            pendente.clear();
        }
        estado = Estado::Nome;
        pendente.push_back(c);
        depoisDeValor = true;
        return;
    }
    if (ÉAlgarismo(c)) {
        if (estado == Estado::Nada)
            estado = Estado::Número;
        pendente.push_back(c == '.' ? ',' : c);
        depoisDeValor = true;
        return;
    }
    switch (c) {
    case '(':
        return Abrir();
    case ')':
        return Fechar();
    case '*':
    case '/':
    case '\\':
        return EscreverOperador(c, 3);
    case '+':
        return EscreverOperador('+', 1);
    case '-':
        return depoisDeValor ? EscreverOperador('-', 1) : EscreverOperador('~', 4);
    case '^':
        return EscreverOperador('^', 5);
    case '%':
        return EscreverOperador('%', 2);
    case ',':
        Descarregar();
        Escrever(Tipo::Separador, 0, {});
        estado = Estado::Nada;
        depoisDeValor = false;
        return;
    default:
        return; // blanks, "=", bytes of accented letters...: skipped
    }
}

runtime::Resultado<void> Leitor::Terminar()
{
    if (!falha && !pendente.empty())
        Descarregar();
    if (!falha && base != 0)
        Falhar(Código::ParêntesesIncorrectos);
    if (falha)
        return *falha;
    return {};
}

} // namespace

runtime::Resultado<void> Tokenizar(std::string_view texto, Expressão& saída)
{
    saída.símbolos.clear();
    saída.ordem.clear();
    if (texto.size() >= LimiteDeCaracteres)
        return Falha(Código::Transbordo);
    Leitor leitor(saída.símbolos);
    for (const char c : texto)
        leitor.Ler(c);
    if (auto r = leitor.Terminar(); !r.Ok())
        return r;
    saída.prioridadeMaisAlta = leitor.MaisAlta();
    OrdenarPorPrioridade(saída);
    return {};
}

void OrdenarPorPrioridade(Expressão& expressão)
{
    const auto& símbolos = expressão.símbolos;
    auto& ordem = expressão.ordem;
    ordem.clear();
    for (std::size_t i = 0; i < símbolos.size(); ++i)
        if (símbolos[i].prioridade >= 1)
            ordem.push_back(static_cast<std::int32_t>(i + 1));
    std::stable_sort(ordem.begin(), ordem.end(), [&símbolos](std::int32_t a, std::int32_t b) {
        return símbolos[static_cast<std::size_t>(a - 1)].prioridade >
               símbolos[static_cast<std::size_t>(b - 1)].prioridade;
    });
}

} // namespace vendrix::interpreter
