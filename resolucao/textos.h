// SPDX-License-Identifier: MIT
#pragma once

#include "resolucao/textos_lista.h"
#include "resolucao/textos_tutor.h"

#include <array>
#include <cstddef>

// Every sentence a worked solution says, once, in Portuguese: the source
// text of the translation catalogues, marked by VENDRIX_TEXTO (see
// runtime/traducao.h), so the table must not build its texts from pieces.
namespace vendrix::resolucao {

inline constexpr auto TextosDasResoluções = std::to_array<LinhaDeTexto>({
    {Texto::TítuloRuffini, VENDRIX_TEXTO("Resolucao", "Divisão de %1 por %2 pela regra de Ruffini")},
    {Texto::CoeficientesDoDividendo,
     VENDRIX_TEXTO("Resolucao",
                   "Escrevem-se os coeficientes do dividendo por ordem decrescente do grau, "
                   "com 0 em cada grau que falta: %1.")},
    {Texto::RaizDoDivisor,
     VENDRIX_TEXTO("Resolucao",
                   "O divisor %1 anula-se em %2: é a raiz, que se escreve à esquerda da tabela.")},
    {Texto::BaixarPrimeiro, VENDRIX_TEXTO("Resolucao", "Baixa-se o primeiro coeficiente, %1.")},
    {Texto::MultiplicarESomar,
     VENDRIX_TEXTO("Resolucao",
                   "Multiplica-se %1 pela raiz %2, o que dá %3, escrito na coluna seguinte; "
                   "somando %4 com %3, obtém-se %5.")},
    {Texto::MultiplicarESomarÚltima,
     VENDRIX_TEXTO("Resolucao",
                   "Multiplica-se %1 pela raiz %2, o que dá %3, escrito na última coluna; "
                   "somando %4 com %3, obtém-se %5, o resto.")},
    {Texto::QuocienteEResto,
     VENDRIX_TEXTO("Resolucao",
                   "Os números da última linha, sem o último, são os coeficientes do quociente, "
                   "de grau %1; o último é o resto.")},
    {Texto::DividirPeloCoeficiente,
     VENDRIX_TEXTO("Resolucao",
                   "O coeficiente de x no divisor é %1, e não 1: como %2, a tabela dividiu "
                   "por %3, e os números da última linha, sem o resto, têm ainda de ser divididos "
                   "por %1. Dividindo %4 por %1, obtém-se %5; o resto não muda.")},
    {Texto::Verificação,
     VENDRIX_TEXTO("Resolucao", "Verificação: o divisor vezes o quociente, mais o resto, dá o dividendo.")},
    {Texto::TeoremaDoResto,
     VENDRIX_TEXTO("Resolucao",
                   "Pelo teorema do resto, o resto da divisão por %1 é o valor do dividendo em %2:")},
    {Texto::TítuloValor, VENDRIX_TEXTO("Resolucao", "Valor de %1 em %2 pelo esquema de Horner")},
    {Texto::CoeficientesDoPolinómio,
     VENDRIX_TEXTO("Resolucao",
                   "Escrevem-se os coeficientes do polinómio por ordem decrescente do grau, "
                   "com 0 em cada grau que falta, e %1 à esquerda: %2.")},
    {Texto::ValorPorHorner,
     VENDRIX_TEXTO("Resolucao",
                   "O último número é o resto da divisão por %1, que pelo teorema do resto é o "
                   "valor do polinómio em %2:")},
    {Texto::TítuloDivisãoLonga, VENDRIX_TEXTO("Resolucao", "Divisão de %1 por %2")},
    {Texto::DisposiçãoLonga,
     VENDRIX_TEXTO("Resolucao",
                   "Escreve-se o dividendo à esquerda, por ordem decrescente do grau, e o divisor à "
                   "direita; o quociente escreve-se debaixo do divisor.")},
    {Texto::PassoLongo,
     VENDRIX_TEXTO("Resolucao",
                   "Divide-se %1 por %2, o que dá %3, um termo do quociente. Multiplica-se %3 pelo "
                   "divisor e escreve-se o simétrico do produto, %4, debaixo do dividendo; somando, "
                   "fica %5.")},
    {Texto::DivisãoExacta, VENDRIX_TEXTO("Resolucao", "O resto é 0: a divisão é exacta.")},
    {Texto::RestoDeGrauMenor,
     VENDRIX_TEXTO("Resolucao", "Como %1 tem grau menor do que o divisor, é o resto.")},
    {Texto::TítuloFactorização, VENDRIX_TEXTO("Resolucao", "Decomposição de %1 em factores")},
    {Texto::Constante, VENDRIX_TEXTO("Resolucao", "Uma constante é a sua própria decomposição.")},
    {Texto::FactorX,
     VENDRIX_TEXTO("Resolucao", "Todos os termos têm o factor %1, que se põe em evidência: %2.")},
    {Texto::CoeficientesInteiros,
     VENDRIX_TEXTO("Resolucao",
                   "Multiplicando por %1, os coeficientes ficam inteiros e as raízes não mudam: %2.")},
    {Texto::Candidatos,
     VENDRIX_TEXTO("Resolucao",
                   "Pelo teorema das raízes racionais, uma raiz racional é um divisor de %1 sobre um divisor "
                   "de %2. Os candidatos são %3.")},
    {Texto::CandidatosDemais,
     VENDRIX_TEXTO(
         "Resolucao",
         "Os coeficientes têm divisores de mais para os listar; testam-se só os candidatos que são raízes.")},
    {Texto::TestarCandidatos,
     VENDRIX_TEXTO("Resolucao", "Testam-se os candidatos pelo teorema do resto, até um dar 0: %1 é raiz.")},
    {Texto::NovoQuociente,
     VENDRIX_TEXTO("Resolucao", "Pela regra de Ruffini, o quociente é %1, que se decompõe a seguir.")},
    {Texto::SemRaízesRacionais,
     VENDRIX_TEXTO("Resolucao", "Nenhum candidato anula %1: não tem raízes racionais.")},
    {Texto::FórmulaResolvente,
     VENDRIX_TEXTO("Resolucao", "Resta um factor do segundo grau; resolve-se %1 pela fórmula resolvente.")},
    {Texto::DiscriminanteNegativo,
     VENDRIX_TEXTO("Resolucao", "Como Δ < 0, %1 não tem raízes reais e não se decompõe mais.")},
    {Texto::DiscriminanteNulo, VENDRIX_TEXTO("Resolucao", "Como Δ = 0, há uma raiz dupla:")},
    {Texto::DiscriminantePositivo, VENDRIX_TEXTO("Resolucao", "Como Δ > 0, há duas raízes reais:")},
    {Texto::FormaFactorizada, VENDRIX_TEXTO("Resolucao", "A decomposição em factores é:")},
    {Texto::RaizSimples, VENDRIX_TEXTO("Resolucao", "%1 é raiz simples.")},
    {Texto::RaizMúltipla, VENDRIX_TEXTO("Resolucao", "%1 é raiz de multiplicidade %2.")},
    {Texto::QuadroDeSinais, VENDRIX_TEXTO("Resolucao", "O quadro de sinais de %1:")},
    {Texto::TítuloGráfico, VENDRIX_TEXTO("Resolucao", "Gráfico de %1")},
    {Texto::GráficoComRaízes,
     VENDRIX_TEXTO("Resolucao",
                   "Gráfico de %1 para x entre %2 e %3 e y entre %4 e %5, com as raízes %6 marcadas.")},
    {Texto::GráficoSemRaízes,
     VENDRIX_TEXTO("Resolucao", "Gráfico de %1 para x entre %2 e %3 e y entre %4 e %5, sem raízes reais.")},
    {Texto::GráficoComOrdenada, VENDRIX_TEXTO("Resolucao", "A ordenada na origem, %1, está marcada.")},
    {Texto::GráficoSemOrdenada,
     VENDRIX_TEXTO("Resolucao", "O eixo dos y fica fora da janela; a ordenada na origem é %1.")},
    {Texto::LeituraPolinómio1,
     VENDRIX_TEXTO("Resolucao", "No Polinómio 1, a leitura parou no carácter %1. %2")},
    {Texto::LeituraPolinómio2,
     VENDRIX_TEXTO("Resolucao", "No Polinómio 2, a leitura parou no carácter %1. %2")},
    {Texto::LeituraPonto, VENDRIX_TEXTO("Resolucao", "No valor de x, a leitura parou no carácter %1. %2")},
    {Texto::DivisãoSemPassos,
     VENDRIX_TEXTO("Resolucao",
                   "Com o dividendo de grau %1, a divisão é longa de mais para a mostrar passo a passo: "
                   "dão-se o quociente, o resto e a verificação.")},
    {Texto::ValorSemPassos,
     VENDRIX_TEXTO(
         "Resolucao",
         "Com o polinómio de grau %1, o esquema de Horner é longo de mais para o mostrar: dá-se o valor.")},
    {Texto::FactorizaçãoSemPassos,
     VENDRIX_TEXTO("Resolucao",
                   "Com grau %1, as tentativas são longas de mais para as mostrar: dão-se a decomposição, as "
                   "raízes e o quadro de sinais.")},
    // Beside Ruffini's refusal of a divisor that is not of the first degree,
    // which is the program's own message and stays as it is.
    {Texto::DicaDivisãoLonga, VENDRIX_TEXTO("Resolucao", "Para dividir por %1 use Dividir (divisão longa).")},
    {Texto::ResultadoGrandeDemais,
     VENDRIX_TEXTO("Resolucao",
                   "O resultado teria cerca de %1 algarismos: ninguém o conseguiria ler. Escreva números "
                   "mais pequenos ou um polinómio de grau menor.")},
    {Texto::AlgarismosMil, VENDRIX_TEXTO("Resolucao", "%1 mil")},
    {Texto::AlgarismosMilhão, VENDRIX_TEXTO("Resolucao", "%1 milhão de")},
    {Texto::AlgarismosMilhões, VENDRIX_TEXTO("Resolucao", "%1 milhões de")},
    {Texto::AlgarismosMilMilhões, VENDRIX_TEXTO("Resolucao", "%1 mil milhões de")},
    {Texto::VírgulaDecimal, VENDRIX_TEXTO("Resolucao", ",")},
    {Texto::Ou, VENDRIX_TEXTO("Resolucao", "∨")},
    {Texto::Soluções, VENDRIX_TEXTO("Resolucao", "Logo, P(x) = 0 ⇔ %1; C.S. = {%2}.")},
    {Texto::ImpossívelEmR,
     VENDRIX_TEXTO("Resolucao", "Δ < 0: a equação %1 é impossível em ℝ, e %2 não se decompõe em ℝ.")},
    {Texto::EmC, VENDRIX_TEXTO("Resolucao", "Em ℂ: %1.")},
    {Texto::FórmulaResolventeSó, VENDRIX_TEXTO("Resolucao", "Resolve-se %1 pela fórmula resolvente.")},
    {Texto::FórmulaComNúmeros, VENDRIX_TEXTO("Resolucao", "Com a = %1, b = %2 e c = %3:")},
    {Texto::RaizDupla, VENDRIX_TEXTO("Resolucao", "%1 é raiz dupla.")},
    {Texto::RaizTripla, VENDRIX_TEXTO("Resolucao", "%1 é raiz tripla.")},
    {Texto::ExpoentePar,
     VENDRIX_TEXTO("Resolucao", "Um fator de expoente par, %1, não muda de sinal: nunca é negativo.")},
    {Texto::CandidatosInteirosPrimeiro,
     VENDRIX_TEXTO("Resolucao",
                   "Pelo teorema das raízes racionais, uma raiz racional é um divisor de %1 sobre um divisor "
                   "de %2. Testam-se primeiro os inteiros, %3, e depois as frações, %4.")},
    {Texto::NovoQuocienteNumerado, VENDRIX_TEXTO("Resolucao", "Pela regra de Ruffini, o quociente é %1.")},
    {Texto::SemRaízesRacionaisBolzano,
     VENDRIX_TEXTO("Resolucao",
                   "Nenhum candidato anula %1: não tem raízes racionais. As raízes reais localizam-se pelo "
                   "teorema de Bolzano:")},
    {Texto::Bolzano,
     VENDRIX_TEXTO("Resolucao", "%1 e %2: pelo teorema de Bolzano, há uma raiz em ]%3, %4[, %5.")},
    {Texto::FatorizaçãoEmR,
     VENDRIX_TEXTO(
         "Resolucao",
         "Em ℝ, cada fator do segundo grau com Δ > 0 decompõe-se pelas suas raízes. A decomposição em ℝ é:")},
    {Texto::FatorizaçãoIncompleta,
     VENDRIX_TEXTO("Resolucao",
                   "Não se provou que o último fator não se decompõe: pode ainda decompor-se. Os fatores "
                   "encontrados são:")},
    {Texto::Biquadrada, VENDRIX_TEXTO("Resolucao", "É uma equação biquadrada: com y = x^2, fica %1.")},
    {Texto::BiquadradaRaízes,
     VENDRIX_TEXTO("Resolucao", "Voltando a x, x^2 = y em cada raiz y; a decomposição em x segue-se.")},
    {Texto::Identidade,
     VENDRIX_TEXTO("Resolucao", "Somando e subtraindo, %1 é uma diferença de quadrados: %2.")},
    {Texto::ValorSubstituição, VENDRIX_TEXTO("Resolucao", "Substitui-se x por %1 no polinómio:")},
    {Texto::ValorRuffini,
     VENDRIX_TEXTO("Resolucao",
                   "Segundo método: pelo teorema do resto, P(%1) é o resto da divisão por %2, que a regra de "
                   "Ruffini dá:")},
    {Texto::ValorConclusão, VENDRIX_TEXTO("Resolucao", "Pelos dois métodos, %1.")},
    {Texto::GráficoComUmaRaiz,
     VENDRIX_TEXTO("Resolucao",
                   "Gráfico de %1 para x entre %2 e %3 e y entre %4 e %5, com a raiz %6 marcada.")},
    {Texto::TítuloValorNumérico, VENDRIX_TEXTO("Resolucao", "Valor de %1 em %2")},
    {Texto::DiferençaDeQuadrados,
     VENDRIX_TEXTO("Resolucao", "É um caso notável, a diferença de quadrados: %1.")},
    {Texto::QuadradoPerfeito, VENDRIX_TEXTO("Resolucao", "É um caso notável, o quadrado perfeito: %1.")},
    {Texto::DiferençaDeCubos, VENDRIX_TEXTO("Resolucao", "É um caso notável, a diferença de cubos: %1.")},
    {Texto::SomaDeCubos, VENDRIX_TEXTO("Resolucao", "É um caso notável, a soma de cubos: %1.")},
    {Texto::TítuloDesenvolvimento, VENDRIX_TEXTO("Resolucao", "Desenvolvimento de %1")},
    {Texto::PropriedadeDistributiva,
     VENDRIX_TEXTO("Resolucao",
                   "Pela propriedade distributiva, multiplica-se cada termo de %1 por cada termo de %2:")},
    {Texto::QuadradoDaSoma, VENDRIX_TEXTO("Resolucao", "%1 é o quadrado de uma soma, %2:")},
    {Texto::QuadradoDaDiferença, VENDRIX_TEXTO("Resolucao", "%1 é o quadrado de uma diferença, %2:")},
    {Texto::ProdutoSomaPorDiferença,
     VENDRIX_TEXTO("Resolucao",
                   "%1 é o produto de uma soma por uma diferença, %2, uma diferença de quadrados:")},
    {Texto::PotênciaComoProduto, VENDRIX_TEXTO("Resolucao", "Escreve-se a potência %1 como um produto:")},
    {Texto::TermosSemelhantes, VENDRIX_TEXTO("Resolucao", "Reduzem-se os termos semelhantes:")},
    {Texto::FormaCanónica, VENDRIX_TEXTO("Resolucao", "Na forma canónica, o polinómio é:")},
    {Texto::TítuloResolver, VENDRIX_TEXTO("Resolucao", "Resolução de %1")},
    {Texto::TudoNumMembro, VENDRIX_TEXTO("Resolucao", "Passa-se tudo para o primeiro membro:")},
    {Texto::DesenvolverEReduzir, VENDRIX_TEXTO("Resolucao", "Desenvolvendo e reduzindo:")},
    {Texto::DecomporEmFatores, VENDRIX_TEXTO("Resolucao", "Decompondo em fatores:")},
    {Texto::LeiDoAnulamento,
     VENDRIX_TEXTO("Resolucao",
                   "Pela lei do anulamento do produto, um produto é nulo se e só se um dos fatores é nulo:")},
    {Texto::Disjunção, VENDRIX_TEXTO("Resolucao", " ∨ ")},
    {Texto::SemRaízesReais, VENDRIX_TEXTO("Resolucao", "Nenhum fator se anula para x real.")},
    {Texto::EquaçãoIdentidade,
     VENDRIX_TEXTO("Resolucao",
                   "A igualdade é verdadeira para todo o x: a equação é possível e indeterminada.")},
    {Texto::EquaçãoImpossível,
     VENDRIX_TEXTO("Resolucao", "A igualdade não é verdadeira para nenhum x: a equação é impossível.")},
    {Texto::CondiçãoUniversal,
     VENDRIX_TEXTO("Resolucao", "A desigualdade é verdadeira para todo o x: é uma condição universal.")},
    {Texto::CondiçãoImpossível,
     VENDRIX_TEXTO("Resolucao", "A desigualdade não é verdadeira para nenhum x: é uma condição impossível.")},
    {Texto::QuadroDeSinaisDosFatores,
     VENDRIX_TEXTO(
         "Resolucao",
         "O quadro de sinais, com uma linha por fator; um fator de expoente par nunca muda de sinal:")},
    {Texto::ConjuntoSolução, VENDRIX_TEXTO("Resolucao", "C.S. = %1")},
    {Texto::ExtremosAproximados,
     VENDRIX_TEXTO("Resolucao",
                   "Acima do grau %1 a decomposição pode não ser completa: os extremos sem forma exata são "
                   "dados com 10 algarismos significativos, isolados exatamente.")},
    {Texto::RaízesPorIsolar,
     VENDRIX_TEXTO("Resolucao",
                   "Há raízes reais que não se conseguem isolar neste grau: não se dá o conjunto-solução.")},
    {Texto::GráficoRaízesPorIsolar,
     VENDRIX_TEXTO("Resolucao",
                   "Gráfico de %1 para x entre %2 e %3 e y entre %4 e %5; nem todas as raízes reais se "
                   "conseguiram isolar.")},
});

template <std::size_t N, std::size_t M>
constexpr std::array<LinhaDeTexto, N + M> Juntar(const std::array<LinhaDeTexto, N>& a,
                                                 const std::array<LinhaDeTexto, M>& b)
{
    std::array<LinhaDeTexto, N + M> todas{};
    for (std::size_t i = 0; i < N; ++i)
        todas[i] = a[i];
    for (std::size_t i = 0; i < M; ++i)
        todas[N + i] = b[i];
    return todas;
}

// Every sentence, by its number.
inline constexpr std::array<LinhaDeTexto, std::size_t(Texto::Contagem)> Textos =
    Juntar(TextosDasResoluções, TextosDoTutor);

// The row of each text is the text's own number, which the lookup relies on.
static_assert([] {
    for (std::size_t i = 0; i < Textos.size(); ++i)
        if (static_cast<std::size_t>(Textos[i].texto) != i || Textos[i].fonte.texto == nullptr)
            return false;
    return true;
}());

[[nodiscard]] constexpr const Fonte& FonteDe(Texto texto) noexcept
{
    return Textos[static_cast<std::size_t>(texto)].fonte;
}

} // namespace vendrix::resolucao
