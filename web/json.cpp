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

void EscritorJson::Separar()
{
    if (!primeiro)
        saída += ',';
    primeiro = false;
}

void EscritorJson::Chave(std::string_view chave)
{
    Separar();
    if (!chave.empty()) {
        Aspas(chave);
        saída += ':';
    }
}

// UTF-8 passes through as it is, and a byte that starts no character
// becomes U+FFFD, so that a piece of a malformed input quoted in a message
// never makes the whole answer unreadable; quotes, backslashes and control
// characters are escaped, so any text the core gives is a valid string.
namespace {

// The bytes that pass as they are, whatever comes around them: printable
// ASCII but the quote and the backslash.
constexpr std::array<bool, 256> Passa = [] {
    std::array<bool, 256> passa{};
    for (std::size_t b = 0x20; b < 0x80; ++b)
        passa[b] = b != '"' && b != '\\';
    return passa;
}();

} // namespace

void EscritorJson::Aspas(std::string_view texto)
{
    static constexpr std::array<char, 16> Hex{
        '0', '1', '2', '3', '4', '5', '6', '7', '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
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

// A text with nothing to escape, the key before it when there is one, and
// the comma before both, in one reservation: in the module every append to
// a string is a call into the C++ library.
bool EscritorJson::TextoSimples(std::string_view chave, std::string_view valor)
{
    const auto simples = [](std::string_view t) {
        return std::ranges::all_of(t, [](char c) { return Passa[static_cast<unsigned char>(c)]; });
    };
    if (!simples(chave) || !simples(valor))
        return false;
    const std::size_t vírgula = primeiro ? 0 : 1, daChave = chave.empty() ? 0 : chave.size() + 3;
    primeiro = false;
    const std::size_t antes = saída.size();
    saída.resize(antes + vírgula + daChave + valor.size() + 2);
    char* p = saída.data() + antes;
    if (vírgula == 1)
        *p++ = ',';
    if (daChave > 0) {
        *p++ = '"';
        p = std::ranges::copy(chave, p).out;
        *p++ = '"';
        *p++ = ':';
    }
    *p++ = '"';
    p = std::ranges::copy(valor, p).out;
    *p = '"';
    return true;
}

void EscritorJson::Texto(std::string_view chave, std::string_view valor)
{
    if (TextoSimples(chave, valor))
        return;
    Chave(chave);
    Aspas(valor);
}

void EscritorJson::Texto(std::string_view valor)
{
    if (TextoSimples({}, valor))
        return;
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
