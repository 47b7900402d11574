// SPDX-License-Identifier: MIT
// The plain-text form of a worked solution.
#include "algebra/escrever.h"
#include "resolucao/exportar.h"
#include "resolucao/formula.h"
#include "runtime/utf8.h"

#include <algorithm>

namespace vendrix::resolucao {

namespace {

constexpr std::string_view Margem = "    ";

// Characters, not bytes: a column holding "−∞" must not come out wider.
[[nodiscard]] std::size_t Largura(std::string_view texto) noexcept
{
    return runtime::ContarCaracteres(texto);
}

[[nodiscard]] std::string ÀDireita(std::string_view texto, std::size_t largura)
{
    const std::size_t l = Largura(texto);
    return std::string(largura > l ? largura - l : 0, ' ').append(texto);
}

using Grelha = std::vector<std::vector<std::string>>;

// The width of each column of rows that may be of different lengths.
[[nodiscard]] std::vector<std::size_t> Larguras(const Grelha& linhas)
{
    std::vector<std::size_t> larguras;
    for (const auto& linha : linhas) {
        larguras.resize(std::max(larguras.size(), linha.size()));
        for (std::size_t i = 0; i < linha.size(); ++i)
            larguras[i] = std::max(larguras[i], Largura(linha[i]));
    }
    return larguras;
}

[[nodiscard]] std::string Célula(const std::vector<std::string>& linha, std::size_t i)
{
    return i < linha.size() ? linha[i] : std::string();
}

// Root | coefficients | last column, with a rule above the sums.
void Ruffini(std::string& saída, const TabelaRuffini& t)
{
    const auto linha = [](std::vector<std::string> início, const std::vector<algebra::Racional>& números) {
        for (const algebra::Racional& r : números)
            início.push_back(algebra::EscreverRacional(r));
        return início;
    };
    const std::vector<std::string> cima = linha({""}, t.coeficientes), baixo = linha({""}, t.somas);
    const std::vector<std::string> produtos = linha({algebra::EscreverRacional(t.raiz), ""}, t.produtos);
    const Grelha linhas{cima, produtos, baixo};
    const std::vector<std::size_t> l = Larguras(linhas);
    const std::size_t último = l.size() - 1;
    const auto escrever = [&](const std::vector<std::string>& linha) {
        saída.append(Margem).append(ÀDireita(Célula(linha, 0), l[0])).append(" |");
        for (std::size_t i = 1; i < último; ++i)
            saída.append(" ").append(ÀDireita(Célula(linha, i), l[i]));
        if (último > 0)
            saída.append(" | ").append(ÀDireita(Célula(linha, último), l[último]));
        saída.append("\n");
    };
    escrever(cima);
    escrever(produtos);
    std::size_t meio = 1;
    for (std::size_t i = 1; i < último; ++i)
        meio += l[i] + 1;
    saída.append(Margem).append(l[0] + 1, '-').append("+").append(meio, '-');
    if (último > 0)
        saída.append("+").append(l[último] + 1, '-');
    saída.append("\n");
    escrever(baixo);
}

void Longa(std::string& saída, const DivisãoLonga& d)
{
    const Grelha linhas = d.Escritas(TextoDe);
    const std::string divisor = TextoDe(d.divisor), quociente = TextoDe(d.quociente);
    const std::vector<std::size_t> l = Larguras(linhas);
    std::size_t total = 0;
    for (const std::size_t w : l)
        total += w + 2;
    for (std::size_t r = 0; r < linhas.size(); ++r) {
        const auto& linha = linhas[r];
        std::string texto(Margem);
        std::size_t primeira = linha.size();
        for (std::size_t i = 0; i < l.size(); ++i) {
            const std::string célula = Célula(linha, i);
            if (!célula.empty())
                primeira = std::min(primeira, i);
            texto.append("  ").append(ÀDireita(célula, l[i]));
        }
        if (r == 0)
            texto.append(" | ").append(divisor);
        if (r == 1)
            texto.append(" | ").append(quociente);
        while (!texto.empty() && texto.back() == ' ')
            texto.pop_back();
        saída.append(texto).append("\n");
        if (r == 0)
            saída.append(Margem)
                .append(total, ' ')
                .append(" +")
                .append(Largura(quociente) + 1, '-')
                .append("\n");
        if (r < d.subtraídas.size() && d.subtraídas[r]) {
            std::size_t início = 0;
            for (std::size_t i = 0; i < primeira && i < l.size(); ++i)
                início += l[i] + 2;
            saída.append(Margem).append(início, ' ').append(total - início, '-').append("\n");
        }
    }
}

void Sinais(std::string& saída, const TabelaDeSinais& s)
{
    const Grelha linhas = Escritas(LinhasDoQuadro(s), TextoDe);
    const std::vector<std::size_t> l = Larguras(linhas);
    for (const auto& linha : linhas) {
        std::string texto(Margem);
        for (std::size_t i = 0; i < l.size(); ++i)
            texto.append(i == 0 ? "" : "  ").append(ÀDireita(Célula(linha, i), l[i]));
        while (!texto.empty() && texto.back() == ' ')
            texto.pop_back();
        saída.append(texto).append("\n");
    }
}

[[nodiscard]] std::string Igual(std::string_view texto) { return std::string(texto); }

} // namespace

std::string EmTexto(const Documento& documento)
{
    std::string saída;
    const Sobrecarga bloco{
        [&](const Título& t) { saída.append(Substituir(t.frase, Igual, TextoDe)).append("\n"); },
        [&](const Frase& f) { saída.append(Substituir(f, Igual, TextoDe)).append("\n"); },
        [&](const Destaque& m) { saída.append(Margem).append(TextoDe(m.fórmula)).append("\n"); },
        [&](const TabelaRuffini& r) { Ruffini(saída, r); },
        [&](const DivisãoLonga& d) { Longa(saída, d); },
        [&](const TabelaDeSinais& s) { Sinais(saída, s); },
        [&](const Gráfico& g) {
            for (std::size_t i = 0; i < g.descrição.size(); ++i)
                saída.append(i == 0 ? "" : " ").append(Substituir(g.descrição[i], Igual, TextoDe));
            saída.append("\n");
        },
    };
    for (const Bloco& b : documento.blocos) {
        if (!saída.empty())
            saída += "\n";
        std::visit(bloco, b);
    }
    return saída;
}

} // namespace vendrix::resolucao
