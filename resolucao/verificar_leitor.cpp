// SPDX-License-Identifier: MIT
#include "resolucao/verificar_leitor.h"

#include "runtime/utf8.h"

#include <algorithm>
#include <array>

namespace vendrix::resolucao::verificar {

using runtime::Código;

namespace {

// The character at byte i of the answer, counted from 1.
std::size_t Carácter(std::string_view resposta, std::size_t i)
{
    return runtime::ContarCaracteres(resposta.substr(0, i)) + 1;
}

} // namespace

bool Branco(char c) noexcept { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

bool Letra(char c) noexcept { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

char Minúscula(char c) noexcept { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

Peça Aparar(Peça p)
{
    while (!p.texto.empty() && Branco(p.texto.front())) {
        p.texto.remove_prefix(1);
        ++p.início;
    }
    while (!p.texto.empty() && Branco(p.texto.back()))
        p.texto.remove_suffix(1);
    return p;
}

void Recusar(Leitor& l, Código código, const Peça& p)
{
    if (!l.erro)
        l.erro = runtime::FalharEm(código, Carácter(l.resposta, p.início), std::string(p.texto));
}

algebra::Expressão Ler(Leitor& l, Peça p, algebra::OpçõesDeLeitura opções)
{
    p = Aparar(p);
    if (l.erro)
        return {};
    auto lida = algebra::LerExpressão(p.texto, opções);
    if (!lida.Ok()) {
        runtime::Erro erro = lida.Falha();
        erro.posição = Carácter(l.resposta, p.início) + (erro.posição > 0 ? erro.posição - 1 : 0);
        l.erro = std::move(erro);
        return {};
    }
    return std::move(lida).Valor();
}

algebra::Expressão LerValor(Leitor& l, Peça p)
{
    return Ler(l, p, {.parâmetros = {}, .relação = false, .x = false});
}

bool ÉPalavra(std::string_view t, std::size_t i, std::string_view w) noexcept
{
    if (i + w.size() > t.size() || (i > 0 && Letra(t[i - 1])))
        return false;
    for (std::size_t k = 0; k < w.size(); ++k)
        if (Minúscula(t[i + k]) != w[k])
            return false;
    return !Letra(w.back()) || i + w.size() == t.size() || !Letra(t[i + w.size()]);
}

std::vector<Peça> Separar(Peça p, std::span<const std::string_view> separadores)
{
    std::vector<Peça> peças;
    std::size_t começo = 0;
    for (std::size_t i = 0; i < p.texto.size();) {
        std::size_t comprimento = 0;
        for (std::string_view s : separadores)
            if (Letra(s.front()) ? ÉPalavra(p.texto, i, s) : p.texto.substr(i).starts_with(s)) {
                comprimento = s.size();
                break;
            }
        if (comprimento == 0) {
            ++i;
            continue;
        }
        peças.push_back(Aparar({p.texto.substr(começo, i - começo), p.início + começo}));
        i += comprimento;
        começo = i;
    }
    peças.push_back(Aparar({p.texto.substr(começo), p.início + começo}));
    return peças;
}

std::vector<Peça> Lista(Peça p)
{
    constexpr std::array<std::string_view, 1> pontoEVírgula{";"};
    constexpr std::array<std::string_view, 1> vírgula{","};
    if (p.texto.find(';') != std::string_view::npos)
        return Separar(p, pontoEVírgula);
    return Separar(p, vírgula);
}

} // namespace vendrix::resolucao::verificar
