// SPDX-License-Identifier: MIT
#include "ui/desenho_janela.h"

#include "ruffini/divisao.h"
#include "ui/grelha_ruffini.h"

#include <QtGlobal>

#include <array>

namespace vendrix::ui {

namespace {

using enum Tipo;
using enum Letra;

constexpr std::string_view DicaApagar = QT_TRANSLATE_NOOP("Form1", "Apagar.");
constexpr std::string_view DicaReduzir =
    QT_TRANSLATE_NOOP("Form1", "Reduzir os termos semelhantes e ordenar o polinómio.");

// clang-format off
constexpr Controlo Controlos[] = {
    // name, kind, container, left, top, width, height, text, tool tip, font, text colour, background, visible, centred, picture
    {"LabelTítulo", Rótulo, "", 1800, 420, 6225, 675, "VENDRIX", "", Cómica24, Vermelho, SemCor, true, true, ""},
    {"frame1", Moldura, "", 30, 1410, 10185, 1275, QT_TRANSLATE_NOOP("Form1", "Polinómio 1"), "", Negrito, Azul, SemCor, true, false, ""},
    {"frame2", Moldura, "", 30, 2730, 10185, 1275, QT_TRANSLATE_NOOP("Form1", "Polinómio 2"), "", Negrito, Azul, SemCor, true, false, ""},
    {"frame3", Moldura, "", 30, 4080, 10185, 1515, QT_TRANSLATE_NOOP("Form1", "Resultado"), "", Negrito, Azul, SemCor, true, false, ""},
    {"Frame6", Moldura, "", 60, 5670, 10185, 5235, QT_TRANSLATE_NOOP("Form1", "Regra de Ruffini"), "", Negrito, Azul, SemCor, true, false, ""},
    {"Frame4", Moldura, "", 10440, 120, 4575, 1215, QT_TRANSLATE_NOOP("Form1", "Opções"), "", Negrito, Azul, SemCor, true, false, ""},
    {"Polinómio1A", Trabalho, "", 10770, 7350, 1965, 375, "", "", Padrão, SemCor, SemCor, false, false, ""},
    {"Polinómio2A", Trabalho, "", 12930, 7380, 1935, 375, "", "", Padrão, SemCor, SemCor, false, false, ""},
    {"Resultado", Trabalho, "", 10920, 7950, 3855, 345, "", "", Padrão, SemCor, SemCor, false, false, ""},
    {"Text2", Trabalho, "", 10440, 9060, 1035, 315, "Text2", "", Padrão, SemCor, SemCor, false, false, ""},
    {"Text3", Trabalho, "", 11610, 9030, 1215, 375, "Text3", "", Padrão, SemCor, SemCor, false, false, ""},
    {"Text4", Trabalho, "", 13020, 9060, 1335, 375, "Text4", "", Padrão, SemCor, SemCor, false, false, ""},
    // The help panel lies over the hidden work boxes.
    {"Text1", PainelDeAjuda, "", 10440, 1560, 4575, 9135, "", "", Cómica, Azul, SemCor, true, true, ""},

    {"Polinómio1", CaixaDeTexto, "frame1", 240, 270, 9225, 315, "x^4-3x^3+5x^2-2x-1", "", Padrão, SemCor, SemCor, true, false, ""},
    {"Picture3", Desenho, "frame1", 240, 660, 9195, 495, "", "", Padrão, SemCor, SemCor, true, false, ""},
    {"SimplificarPolinómio1", BotãoQuadrado, "frame1", 9600, 270, 315, 315, "", DicaReduzir, Padrão, SemCor, Azul, true, false, ":/imagens/simplificar.svg"},
    {"ApagarPolinómio1", BotãoQuadrado, "frame1", 9600, 810, 315, 315, "", DicaApagar, Padrão, SemCor, Vermelho, true, false, ":/imagens/apagar.svg"},

    {"Polinómio2", CaixaDeTexto, "frame2", 240, 270, 9225, 315, "x-2", "", Padrão, SemCor, SemCor, true, false, ""},
    {"Picture4", Desenho, "frame2", 240, 660, 9225, 495, "", "", Padrão, SemCor, SemCor, true, false, ""},
    {"SimplificarPolinómio2", BotãoQuadrado, "frame2", 9600, 240, 315, 315, "", DicaReduzir, Padrão, SemCor, Azul, true, false, ":/imagens/simplificar.svg"},
    {"ApagarPolinómio2", BotãoQuadrado, "frame2", 9600, 780, 315, 315, "", DicaApagar, Padrão, SemCor, Vermelho, true, false, ":/imagens/apagar.svg"},

    {"Picture1", Desenho, "frame3", 240, 450, 9225, 705, "", "", Padrão, SemCor, SemCor, true, false, ""},
    {"ApagarResultado", BotãoQuadrado, "frame3", 9600, 960, 315, 315, "", DicaApagar, Padrão, SemCor, Vermelho, true, false, ":/imagens/apagar.svg"},

    {"Somar", BotãoDeComando, "Frame4", 120, 300, 735, 735, QT_TRANSLATE_NOOP("Form1", "Somar"), QT_TRANSLATE_NOOP("Form1", "Somar o Polinómio1 com o Polinómio2."), Serifa, SemCor, SemCor, true, false, ":/imagens/somar.svg"},
    {"Subtrair", BotãoDeComando, "Frame4", 1020, 300, 735, 735, QT_TRANSLATE_NOOP("Form1", "Subtrair"), QT_TRANSLATE_NOOP("Form1", "Subtrair o Polinómio2 do Polinómio1."), Serifa, SemCor, SemCor, true, false, ":/imagens/subtrair.svg"},
    {"Multiplicar", BotãoDeComando, "Frame4", 1920, 300, 735, 735, QT_TRANSLATE_NOOP("Form1", "Multiplicar"), QT_TRANSLATE_NOOP("Form1", "Multiplicar o Polinómio1 pelo  Polinómio2."), Serifa, SemCor, SemCor, true, false, ":/imagens/multiplicar.svg"},
    {"Ruffini", BotãoDeComando, "Frame4", 2820, 300, 735, 735, QT_TRANSLATE_NOOP("Form1", "Ruffini"), QT_TRANSLATE_NOOP("Form1", "Dividir o Polinómio1 pelo  Polinómio2, usando a Regra de Ruffini."), Serifa, SemCor, SemCor, true, false, ":/imagens/ruffini.svg"},
    {"Sair", BotãoDeComando, "Frame4", 3720, 300, 735, 735, QT_TRANSLATE_NOOP("Form1", "Sair"), QT_TRANSLATE_NOOP("Form1", "Sair do programa."), Serifa, SemCor, SemCor, true, false, ":/imagens/sair.svg"},

    // Picture2 first: the clear button overlaps its lower right corner and stays on top.
    {"Picture2", Desenho, "Frame6", 150, 570, 9795, 4515, "", "", Padrão, SemCor, SemCor, true, false, ""},
    {"ApagarRuffini", BotãoQuadrado, "Frame6", 9390, 4500, 315, 315, "", DicaApagar, Padrão, SemCor, Vermelho, true, false, ":/imagens/apagar.svg"},

    {"Div", Célula, "Picture2", EsquerdaDiv, TopoDiv, 615, 285, "", "", Padrão, Azul, SemCor, false, true, ""},
    // A line control: from (1140, 450) to (1140, 2310).
    {"Line1", Linha, "Picture2", 1140, 450, 15, 1860, "", "", Padrão, 0x000000U, SemCor, false, false, ""},
    {"Label14", Rótulo, "Picture2", 180, 3210, 525, 195, "Q(x) =", "", Negrito, Azul, SemCor, true, false, ""},
    {"Picture5", Desenho, "Picture2", 810, 3030, 8565, 525, "", "", Padrão, SemCor, SemCor, true, false, ""},
    {"Label15", Rótulo, "Picture2", 330, 3930, 315, 195, "R =", "", Negrito, Azul, SemCor, true, false, ""},
    {"Label16", RótuloComBorda, "Picture2", 810, 3810, 1065, 435, "", "", NegritoMaior, Azul, SemCor, true, true, ""},
};
// clang-format on

constexpr MatrizDeCélulas Matrizes[] = {
    {"Coef", ruffini::CélulasCoef, TopoCoef},
    {"Seg", ruffini::CélulasSeg, TopoSeg},
    {"Ter", ruffini::CélulasCoef, TopoTer},
};

constexpr std::string_view Tabulação[] = {
    "frame1",
    "Polinómio1",
    "frame2",
    "Polinómio2",
    "frame3",
    "Text3",
    "Frame4",
    "Somar",
    "Subtrair",
    "Multiplicar",
    "LabelTítulo",
    "Picture1",
    "Resultado",
    "Frame6",
    "Ruffini",
    "Picture2",
    "Coef(0)",
    "Coef(1)",
    "Coef(2)",
    "Coef(3)",
    "Coef(4)",
    "Coef(5)",
    "Coef(6)",
    "Coef(7)",
    "Coef(8)",
    "Coef(9)",
    "Coef(10)",
    "Div",
    "Seg(0)",
    "Seg(1)",
    "Seg(2)",
    "Seg(3)",
    "Seg(4)",
    "Seg(5)",
    "Seg(6)",
    "Seg(7)",
    "Seg(8)",
    "Seg(9)",
    "Ter(0)",
    "Ter(1)",
    "Ter(2)",
    "Ter(3)",
    "Ter(4)",
    "Ter(5)",
    "Ter(6)",
    "Ter(7)",
    "Ter(8)",
    "Ter(9)",
    "Ter(10)",
    "Text2",
    "Text4",
    "Picture3",
    "Picture4",
    "SimplificarPolinómio1",
    "SimplificarPolinómio2",
    "ApagarPolinómio1",
    "ApagarPolinómio2",
    "ApagarResultado",
    "Picture5",
    "Label14",
    "Label15",
    "Label16",
    "ApagarRuffini",
    "Polinómio1A",
    "Polinómio2A",
    "Sair",
    "Text1",
};

// Each paragraph ends with its line break; after it comes the line that
// parts it from the next, empty but for the one holding seven blanks.
constexpr ParágrafoDeAjuda Ajuda[] = {
    {QT_TRANSLATE_NOOP(
         "Form1",
         "- Utilize apenas os símbolos dos algarismos e \"+\", \"-\" , \"^\", este último para as "
         "potências."),
     "\r\n"},
    {QT_TRANSLATE_NOOP(
         "Form1",
         "- A variável dos polinómios deve ser x. Não são possíveis os polinómios literais, todos "
         "devem ter coeficientes numéricos e inteiros."),
     "\r\n"},
    {QT_TRANSLATE_NOOP(
         "Form1",
         "- Pode escrever os polinómios com os monómios por reduzir e desordenados. Clicando no "
         "botão azul à direita, eles serão simplificados."),
     "       \r\n"},
    {QT_TRANSLATE_NOOP(
         "Form1",
         "- Apenas pelo espaço ocupado, os polinómios, para a regra de Ruffini, não devem ter grau "
         "maior que dez. Para outras operações não há limitação, mas os resultados poderão ficar "
         "parcialmente fora da janela de desenho."),
     "\r\n"},
    {QT_TRANSLATE_NOOP(
         "Form1",
         "- Se bem que os polinómios devam ter coeficientes inteiros, para divisor na Regra de "
         "Ruffini pode utilizar polinómios que conduzam a quocientes que contenham frações. São "
         "válidos divisores do tipo  3x-2  ou  -5x-7."),
     "\r\n"},
    {QT_TRANSLATE_NOOP(
         "Form1",
         "- Se utilizar coeficientes que conduzam a valores muito elevados, os resultados parciais "
         "poderão não ficar totalmente visíveis. Pode, então, colocar o cursor no retângulo desse "
         "parcial e fazê-lo deslocar de modo a visualizar totalmente os valores."),
     ""},
};

} // namespace

std::span<const Controlo> ControlosDoForm1() noexcept { return Controlos; }

std::span<const MatrizDeCélulas> MatrizesDoForm1() noexcept { return Matrizes; }

std::span<const std::string_view> OrdemDeTabulação() noexcept { return Tabulação; }

std::span<const ParágrafoDeAjuda> AjudaDoForm1() noexcept { return Ajuda; }

} // namespace vendrix::ui
