// SPDX-License-Identifier: MIT
#include "web/textos_web.h"

#include <cstdint>

namespace vendrix::web {

namespace {

// Just enough JSON reading for the catalogue: objects and texts, every
// escape of the standard, nothing else.
class Leitor
{
public:
    explicit Leitor(std::string_view json)
        : json(json)
    {}

    std::optional<Dicionários> Ler()
    {
        Dicionários dicionários;
        const bool lido = Objecto([&](std::string língua) {
            Dicionário dicionário;
            const bool ok = Objecto([&](std::string fonte) {
                std::optional<std::string> tradução = Texto();
                if (!tradução)
                    return false;
                dicionário.insert_or_assign(std::move(fonte), *std::move(tradução));
                return true;
            });
            if (ok)
                dicionários.insert_or_assign(std::move(língua), std::move(dicionário));
            return ok;
        });
        Espaços();
        if (!lido || i != json.size())
            return std::nullopt;
        return dicionários;
    }

private:
    void Espaços()
    {
        while (i < json.size() && (json[i] == ' ' || json[i] == '\n' || json[i] == '\r' || json[i] == '\t'))
            ++i;
    }

    bool Ler(char c)
    {
        Espaços();
        if (i >= json.size() || json[i] != c)
            return false;
        ++i;
        return true;
    }

    // Each member's value is read by valor, given the member's name.
    template <typename F>
    bool Objecto(F valor)
    {
        if (!Ler('{'))
            return false;
        if (Ler('}'))
            return true;
        do {
            std::optional<std::string> nome = Texto();
            if (!nome || !Ler(':') || !valor(*std::move(nome)))
                return false;
        } while (Ler(','));
        return Ler('}');
    }

    std::optional<std::uint32_t> Hex4()
    {
        if (json.size() - i < 4)
            return std::nullopt;
        std::uint32_t n = 0;
        for (const char c : json.substr(i, 4)) {
            const int d = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                 : -1;
            if (d < 0)
                return std::nullopt;
            n = n * 16 + static_cast<std::uint32_t>(d);
        }
        i += 4;
        return n;
    }

    // A \u escape, with the second half of a surrogate pair after it.
    std::optional<std::uint32_t> Unicode()
    {
        const std::optional<std::uint32_t> alto = Hex4();
        if (!alto || *alto < 0xD800 || *alto > 0xDFFF)
            return alto;
        if (*alto > 0xDBFF || json.substr(i, 2) != "\\u")
            return std::nullopt;
        i += 2;
        const std::optional<std::uint32_t> baixo = Hex4();
        if (!baixo || *baixo < 0xDC00 || *baixo > 0xDFFF)
            return std::nullopt;
        return 0x10000 + ((*alto - 0xD800) << 10U) + (*baixo - 0xDC00);
    }

    static void Utf8(std::string& saída, std::uint32_t c)
    {
        const auto byte = [](std::uint32_t b) { return static_cast<char>(static_cast<unsigned char>(b)); };
        if (c < 0x80) {
            saída += byte(c);
        } else if (c < 0x800) {
            saída += byte(0xC0 | (c >> 6U));
            saída += byte(0x80 | (c & 0x3FU));
        } else if (c < 0x10000) {
            saída += byte(0xE0 | (c >> 12U));
            saída += byte(0x80 | ((c >> 6U) & 0x3FU));
            saída += byte(0x80 | (c & 0x3FU));
        } else {
            saída += byte(0xF0 | (c >> 18U));
            saída += byte(0x80 | ((c >> 12U) & 0x3FU));
            saída += byte(0x80 | ((c >> 6U) & 0x3FU));
            saída += byte(0x80 | (c & 0x3FU));
        }
    }

    std::optional<std::string> Texto()
    {
        if (!Ler('"'))
            return std::nullopt;
        std::string texto;
        while (i < json.size()) {
            const char c = json[i++];
            if (c == '"')
                return texto;
            if (static_cast<unsigned char>(c) < 0x20)
                return std::nullopt;
            if (c != '\\') {
                texto += c;
                continue;
            }
            if (i >= json.size())
                return std::nullopt;
            const char e = json[i++];
            constexpr std::string_view Escapes = "\"\\/bfnrt", Valores = "\"\\/\b\f\n\r\t";
            if (const auto k = Escapes.find(e); k != std::string_view::npos) {
                texto += Valores[k];
            } else if (e == 'u') {
                const std::optional<std::uint32_t> u = Unicode();
                if (!u)
                    return std::nullopt;
                Utf8(texto, *u);
            } else {
                return std::nullopt;
            }
        }
        return std::nullopt;
    }

    std::string_view json;
    std::size_t i = 0;
};

} // namespace

std::optional<Dicionários> LerTextos(std::string_view json) { return Leitor(json).Ler(); }

} // namespace vendrix::web
