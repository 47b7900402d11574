// SPDX-License-Identifier: MIT
// Writes the worked examples in Portuguese and English, in each export,
// into the folder named by the first argument, for the checks of
// exportacoes.cmake (pdflatex, an HTML parser) and for people to read.
#include "algebra/analise.h"
#include "algebra/ler.h"
#include "catalogo.h"
#include "resolucao/divisao_longa.h"
#include "resolucao/exercicio.h"
#include "resolucao/exportar.h"
#include "resolucao/factorizacao.h"
#include "resolucao/grafico.h"
#include "resolucao/praticar.h"
#include "resolucao/ruffini.h"

#include <fstream>
#include <tuple>

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
        Escrever(b + "ruffini", ResolverRuffini(Ler("x^4-3x^3+5x^2-2x-1"), Ler("x-2"), t).Valor().documento);
        Escrever(b + "ruffini_2x", ResolverRuffini(Ler("2x^3+3x^2-1"), Ler("2x-1"), t).Valor().documento);
        Escrever(b + "longa",
                 ResolverDivisãoLonga(Ler("x^4-3x^3+5x^2-2x-1"), Ler("x^2+1"), t).Valor().documento);
        Escrever(b + "factores", ResolverFactorização(algebra::Analisar(Ler("x^3-6x^2+11x-6")), t));
        Escrever(b + "factores_2x", ResolverFactorização(algebra::Analisar(Ler("2x^3+3x^2-1")), t));
        Escrever(b + "valor", ResolverValor(Ler("x^3-6x^2+11x-6"), algebra::Racional(1, 2), t).documento);
        Escrever(b + "grafico", ResolverGráfico(Ler("x^3-6x^2+11x-6"), std::nullopt, t));
        Escrever(b + "grafico_dois", ResolverGráfico(Ler("x^4-3x^3+5x^2-2x-1"), Ler("x-2"), t));
        // The examples of the lessons, as the exercises give them.
        const std::tuple<const char*, Exercício, const char*, const char*, const char*> aulas[] = {
            {"cubo_menos_1", Exercício::Factorizar, "x^3-1", "", ""},
            {"denominador_negativo", Exercício::Factorizar, "-x^3+3x-2", "", ""},
            {"surdos", Exercício::Factorizar, "x^3-2x", "", ""},
            {"quociente_inteiro", Exercício::Factorizar, "2x^3-3x+1", "", ""},
            {"identidade", Exercício::Factorizar, "x^4+x^2+1", "", ""},
            {"bolzano", Exercício::Factorizar, "x^3-3x+1", "", ""},
            {"bolzano_apertado", Exercício::Factorizar, "1000x^3-700x^2+140x-7", "", ""},
            {"biquadrada", Exercício::Factorizar, "x^4-5x^2+4", "", ""},
            {"raiz_de_8", Exercício::Factorizar, "x^2-4x-4", "", ""},
            {"ordem", Exercício::Factorizar, "6x^3+x^2-x", "", ""},
            {"valor", Exercício::Valor, "x^3+2x^2-5x+7", "", "-3"},
            {"divisor_maior", Exercício::Dividir, "x+1", "x^2+1", ""},
            {"explicar_parenteses", Exercício::Explicar, "x^3-1", "2*(x-1)", ""},
        };
        for (const auto& [nome, exercício, p1, p2, a] : aulas)
            Escrever(b + nome, ResolverExercício(exercício, p1, p2, a, t).documento);
        // A worksheet of every kind at the hardest level, and its key: the
        // parts as fragments, then the whole article.
        PedidoDeFicha pedido{{}, NívelMáximo, 2026};
        for (const std::string_view tipo : NomesDosTipos())
            pedido.quantos.emplace_back(*TipoDoNome(tipo), 2);
        const Ficha ficha = FazerFicha(pedido, t);
        Escrever(b + "ficha", ficha.enunciados);
        Escrever(b + "ficha_chave", ficha.soluções);
        std::ofstream(b + "ficha_completa.tex") << FichaEmLaTeX(ficha, t);
    }
    return 0;
}
