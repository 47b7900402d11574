// SPDX-License-Identifier: MIT
#include "web/json.h"

#include "runtime/numeros.h"
#include "runtime/utf8.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <charconv>
#include <cmath>

namespace vendrix::web {

namespace {

// The bytes that pass as they are, whatever comes around them: printable
// ASCII but the quote and the backslash.
constexpr std::array<bool, 256> Passa = [] {
    std::array<bool, 256> passa{};
    for (std::size_t b = 0x20; b < 0x80; ++b)
        passa[b] = b != '"' && b != '\\';
    return passa;
}();

[[nodiscard]] bool Simples(std::string_view texto)
{
    return std::ranges::all_of(texto, [](char c) { return Passa[static_cast<unsigned char>(c)]; });
}

// The text between quotes at p; where it ends.
char* EntreAspas(char* p, std::string_view texto)
{
    *p++ = '"';
    p = std::ranges::copy(texto, p).out;
    *p++ = '"';
    return p;
}

} // namespace

// The common texts, with nothing to escape, go in with one reservation, the
// key's comma and colon with the key: in the module every append to a
// string is a call into the C++ library.
char* EscritorJson::Reservar(std::size_t bytes)
{
    const std::size_t antes = saída.size();
    saída.resize(antes + bytes);
    return saída.data() + antes;
}

void EscritorJson::Separar()
{
    if (!primeiro)
        saída += ',';
    primeiro = false;
}

void EscritorJson::Chave(std::string_view chave)
{
    if (chave.empty() || !Simples(chave)) {
        Separar();
        if (!chave.empty()) {
            Aspas(chave);
            saída += ':';
        }
        return;
    }
    const bool vírgula = !primeiro;
    primeiro = false;
    char* p = Reservar(chave.size() + (vírgula ? 4 : 3));
    if (vírgula)
        *p++ = ',';
    *EntreAspas(p, chave) = ':';
}

// UTF-8 passes through as it is, and a byte that starts no character
// becomes U+FFFD, so that a piece of a malformed input quoted in a message
// never makes the whole answer unreadable; quotes, backslashes and control
// characters are escaped, so any text the core gives is a valid string.
void EscritorJson::Aspas(std::string_view texto)
{
    static constexpr std::array<char, 16> Hex{
        '0', '1', '2', '3', '4', '5', '6', '7', '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
    if (Simples(texto)) {
        EntreAspas(Reservar(texto.size() + 2), texto);
        return;
    }
    saída += '"';
    // Runs of characters that pass as they are go in whole.
    std::size_t corrida = 0;
    for (std::size_t i = 0; i < texto.size();) {
        const char c = texto[i];
        const auto b = static_cast<unsigned char>(c);
        if (Passa[b]) {
            ++i;
            continue;
        }
        const runtime::Carácter carácter = runtime::Descodificar(texto, i);
        if (b >= 0x80 && carácter.c != runtime::CarácterInválido) {
            i += carácter.bytes;
            continue;
        }
        saída.append(texto.substr(corrida, i - corrida));
        if (carácter.c == runtime::CarácterInválido) {
            saída += "\ufffd";
        } else if (c == '"' || c == '\\') {
            saída += '\\';
            saída += c;
        } else if (c == '\n') {
            saída += "\\n";
        } else {
            saída += "\\u00";
            saída += Hex[b >> 4U];
            saída += Hex[b & 0xFU];
        }
        i += carácter.bytes;
        corrida = i;
    }
    saída.append(texto.substr(corrida));
    saída += '"';
}

void EscritorJson::Abrir(std::string_view chave, char abertura)
{
    Chave(chave);
    saída += abertura;
    abertos += abertura;
    primeiro = true;
}

void EscritorJson::Fechar([[maybe_unused]] char abertura, char fecho)
{
    assert(!abertos.empty() && abertos.back() == abertura);
    if (!abertos.empty())
        abertos.pop_back();
    saída += fecho;
    primeiro = false;
}

void EscritorJson::AbrirObjecto(std::string_view chave) { Abrir(chave, '{'); }

void EscritorJson::FecharObjecto() { Fechar('{', '}'); }

void EscritorJson::AbrirLista(std::string_view chave) { Abrir(chave, '['); }

void EscritorJson::FecharLista() { Fechar('[', ']'); }

const std::string& EscritorJson::Resultado() const noexcept
{
    assert(abertos.empty());
    return saída;
}

void EscritorJson::Texto(std::string_view chave, std::string_view valor)
{
    Chave(chave);
    Aspas(valor);
}

void EscritorJson::Texto(std::string_view valor)
{
    Separar();
    Aspas(valor);
}

void EscritorJson::Inteiro(std::string_view chave, long long valor)
{
    Chave(chave);
    saída += runtime::TextoDeInteiro(valor);
}

void EscritorJson::Número(std::string_view chave, double valor)
{
    Chave(chave);
    if (!std::isfinite(valor)) {
        saída += "null";
        return;
    }
    // The shortest text that reads back as the same double, which is what
    // JSON.parse then gives the page.
    std::array<char, 32> texto{};
    const auto fim = std::to_chars(texto.data(), texto.data() + texto.size(), valor).ptr;
    saída.append(texto.data(), fim);
}

void EscritorJson::Lógico(std::string_view chave, bool valor)
{
    Chave(chave);
    saída += valor ? "true" : "false";
}

void EscritorJson::Nulo(std::string_view chave)
{
    Chave(chave);
    saída += "null";
}

} // namespace vendrix::web
