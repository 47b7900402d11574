// SPDX-License-Identifier: MIT
// Writes the worked examples in Portuguese and English, in each export,
// into the folder named by the first argument, for the checks of
// exportacoes.cmake (pdflatex, an HTML parser) and for people to read.
#include "algebra/ler.h"
#include "catalogo.h"
#include "resolucao/divisao_longa.h"
#include "resolucao/exportar.h"
#include "resolucao/factorizacao.h"
#include "resolucao/grafico.h"
#include "resolucao/ruffini.h"

#include <fstream>

using namespace vendrix;
using namespace vendrix::resolucao;

namespace {

algebra::Polinómio Ler(const char* texto) { return algebra::LerPolinómio(texto).Valor(); }

void Escrever(const std::string& base, const Documento& d)
{
    std::ofstream(base + ".txt") << EmTexto(d);
    std::ofstream(base + ".html") << EmHtml(d);
    std::ofstream(base + ".tex") << "\\documentclass{article}\n\\usepackage{amsmath}\n\\begin{document}\n"
                                 << EmLaTeX(d) << "\\end{document}\n";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    const std::string pasta = argv[1];
    const std::pair<const char*, Tradutor> idiomas[] = {{"pt", EmPortuguês},
                                                        {"en", teste::EmInglês(VENDRIX_CATALOGO_EN)}};
    for (const auto& [idioma, t] : idiomas) {
        const std::string b = pasta + "/" + idioma + "_";
        Escrever(b + "ruffini", ResolverRuffini(Ler("x^4-3x^3+5x^2-2x-1"), Ler("x-2"), t).Valor());
        Escrever(b + "ruffini_2x", ResolverRuffini(Ler("2x^3+3x^2-1"), Ler("2x-1"), t).Valor());
        Escrever(b + "longa", ResolverDivisãoLonga(Ler("x^4-3x^3+5x^2-2x-1"), Ler("x^2+1"), t).Valor());
        Escrever(b + "factores", ResolverFactorização(Ler("x^3-6x^2+11x-6"), t));
        Escrever(b + "factores_2x", ResolverFactorização(Ler("2x^3+3x^2-1"), t));
        Escrever(b + "valor", ResolverValor(Ler("x^3-6x^2+11x-6"), algebra::Racional(1, 2), t));
        Escrever(b + "grafico", ResolverGráfico(Ler("x^3-6x^2+11x-6"), std::nullopt, t));
        Escrever(b + "grafico_dois", ResolverGráfico(Ler("x^4-3x^3+5x^2-2x-1"), Ler("x-2"), t));
    }
    return 0;
}
