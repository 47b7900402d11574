// SPDX-License-Identifier: MIT
#include "display/exportar.h"

#include <gtest/gtest.h>

#include <concepts>

namespace vendrix::display {
namespace {

// A row prints as its name; the constraint makes this win over GoogleTest's own template.
void PrintTo(const std::semiregular auto& c, std::ostream* saída) { *saída << c.nome; }

constexpr auto Nome = [](const auto& linha) { return std::string(linha.param.nome); };

struct Polinomio
{
    const char* nome;
    std::string_view texto, texto_copiado, html, latex;
};

constexpr Polinomio Polinómios[] = {
    {"vazio_e_zero", "", "0", "0", "0"},
    {"inicial",
     "x^4-3x^3+5x^2-2x-1",
     "x^4-3x^3+5x^2-2x-1",
     "x<sup>4</sup>-3x<sup>3</sup>+5x<sup>2</sup>-2x-1",
     "x^{4}-3x^{3}+5x^{2}-2x-1"},
    {"fraccoes", "1/2x+3/2", "1/2x+3/2", "1/2x+3/2", "\\frac{1}{2}x+\\frac{3}{2}"},
    {"fraccao_negativa", "-3/2x^2", "-3/2x^2", "-3/2x<sup>2</sup>", "-\\frac{3}{2}x^{2}"},
    {"fraccoes_por_reduzir", "2/2x+1/1", "2/2x+1/1", "2/2x+1/1", "\\frac{2}{2}x+\\frac{1}{1}"},
    {"resto_zero_em_fraccao", "0/2", "0/2", "0/2", "\\frac{0}{2}"},
    {"expoente_de_dois_digitos", "x^12+x", "x^12+x", "x<sup>12</sup>+x", "x^{12}+x"},
    {"forma_exponencial",
     "1.234568E+07x^2",
     "1.234568E+07x^2",
     "1.234568E+07x<sup>2</sup>",
     "1.234568\\cdot 10^{7}x^{2}"},
    {"expoente_negativo_pequeno", "-1E-05", "-1E-05", "-1E-05", "-1\\cdot 10^{-5}"},
    {"fraccao_em_forma_exponencial", "1E+20/3x", "1E+20/3x", "1E+20/3x", "\\frac{1\\cdot 10^{20}}{3}x"},
    {"decimal", "1.5x^3-0.25", "1.5x^3-0.25", "1.5x<sup>3</sup>-0.25", "1.5x^{3}-0.25"},
    {"e_sem_expoente_e_letra", "2Ex", "2Ex", "2Ex", "2Ex"},
    {"circunflexos_somam", "x^2^3+1", "x^2^3+1", "x<sup>2<sup>3</sup></sup>+1", "x^{2^{3}}+1"},
    {"circunflexo_sem_elevado", "x^-1", "x^-1", "x-1", "x-1"},
    {"x_maiusculo_fica_elevado", "x^2X3", "x^2X3", "x<sup>2X3</sup>", "x^{2X3}"},
    {"barra_sem_denominador", "3/x", "3/x", "3/x", "3/x"},
    {"barra_elevada", "x^3/2", "x^3/2", "x<sup>3</sup>/2", "x^{3}/2"},
    {"especiais_escapados",
     "a<b&\"c\"_{%}#$\\~",
     "a<b&\"c\"_{%}#$\\~",
     "a&lt;b&amp;&quot;c&quot;_{%}#$\\~",
     "a<b\\&\"c\"\\_\\{\\%\\}\\#\\$\\backslash \\sim "},
    {"utf8_intacto", "\xC3\xB3^2", "\xC3\xB3^2", "\xC3\xB3<sup>2</sup>", "\xC3\xB3^{2}"},
    // An invalid byte is one character: it takes neither the caret nor the sign after it.
    {"utf8_invalido_byte_a_byte",
     "\xE2^2-\xC0\xAD\xC3_",
     "\xE2^2-\xC0\xAD\xC3_",
     "\xE2<sup>2</sup>-\xC0\xAD\xC3_",
     "\xE2^{2}-\xC0\xAD\xC3\\_"},
};

using PolinomioTeste = ::testing::TestWithParam<Polinomio>;

TEST_P(PolinomioTeste, EmTextoHtmlELaTeX)
{
    const Polinomio& p = GetParam();
    EXPECT_EQ(PolinómioEmTexto(p.texto), p.texto_copiado);
    EXPECT_EQ(PolinómioEmHtml(p.texto), p.html);
    EXPECT_EQ(PolinómioEmLaTeX(p.texto), p.latex);
}

INSTANTIATE_TEST_SUITE_P(Textos, PolinomioTeste, ::testing::ValuesIn(Polinómios), Nome);

struct Quadro
{
    const char* nome;
    QuadroRuffini quadro;
    std::string_view texto, latex, html;
};

// The tables of x^4-3x^3+5x^2-2x-1 by x-2, of 2x^2+3x+1 by 2x+1 (fraction
// path, cells as the fraction search leaves them), and of x+1 by x-2.
const Quadro Quadros[] = {
    {"inteiro",
     {"2",
      {"1", "-3", "5", "-2", "-1"},
      {"2", "-2", "6", "8"},
      {"1", "-1", "3", "4", "7"},
      "x^3-x^2+3x+4",
      "7"},
     "\t1\t-3\t5\t-2\t-1\n2\t\t2\t-2\t6\t8\n\t1\t-1\t3\t4\t7\nQ(x) = x^3-x^2+3x+4\nR = 7\n",
     "\\[\n\\begin{array}{c|ccccc}\n & 1 & -3 & 5 & -2 & -1 \\\\\n2 &  & 2 & -2 & 6 & 8 \\\\\n\\hline\n"
     " & 1 & -1 & 3 & 4 & \\boxed{7}\n\\end{array}\n\\]\n\\[Q(x) = x^{3}-x^{2}+3x+4\\]\n\\[R = 7\\]\n",
     ""},
    {"fraccoes",
     {"-1/2", {"2", "3", "1"}, {"-1/1", "-1/1"}, {"2", "2/1", "0/2"}, "2/2x+1/1", "0/2"},
     "\t2\t3\t1\n=\"-1/2\"\t\t=\"-1/1\"\t=\"-1/1\"\n\t2\t=\"2/1\"\t=\"0/2\"\nQ(x) = 2/2x+1/1\nR = 0/2\n",
     "\\[\n\\begin{array}{c|ccc}\n & 2 & 3 & 1 \\\\\n-\\frac{1}{2} &  & -\\frac{1}{1} & -\\frac{1}{1} \\\\\n"
     "\\hline\n & 2 & \\frac{2}{1} & \\boxed{\\frac{0}{2}}\n\\end{array}\n\\]\n"
     "\\[Q(x) = \\frac{2}{2}x+\\frac{1}{1}\\]\n\\[R = \\frac{0}{2}\\]\n",
     ""},
    {"grau_um_quociente_vazio",
     {"2", {"1", "1"}, {"2"}, {"1", "3"}, "", "3"},
     "\t1\t1\n2\t\t2\n\t1\t3\nQ(x) = 0\nR = 3\n",
     "\\[\n\\begin{array}{c|cc}\n & 1 & 1 \\\\\n2 &  & 2 \\\\\n\\hline\n & 1 & "
     "\\boxed{3}\n\\end{array}\n\\]\n"
     "\\[Q(x) = 0\\]\n\\[R = 3\\]\n",
     "<table style=\"border-collapse:collapse\">\n"
     "<tr><td style=\"padding:2px 8px;text-align:center;border-right:1px solid black\"></td>"
     "<td style=\"padding:2px 8px;text-align:center\">1</td>"
     "<td style=\"padding:2px 8px;text-align:center\">1</td></tr>\n"
     "<tr><td style=\"padding:2px 8px;text-align:center;border-right:1px solid black\">2</td>"
     "<td style=\"padding:2px 8px;text-align:center\"></td>"
     "<td style=\"padding:2px 8px;text-align:center\">2</td></tr>\n"
     "<tr><td style=\"padding:2px 8px;text-align:center;border-right:1px solid black;border-top:1px solid "
     "black\"></td>"
     "<td style=\"padding:2px 8px;text-align:center;border-top:1px solid black\">1</td>"
     "<td style=\"padding:2px 8px;text-align:center;border:1px solid black\">3</td></tr>\n"
     "</table>\n<p>Q(x) = 0</p>\n<p>R = 3</p>\n"},
};

using QuadroTeste = ::testing::TestWithParam<Quadro>;

TEST_P(QuadroTeste, EmTextoLaTeXEHtml)
{
    const Quadro& q = GetParam();
    EXPECT_EQ(QuadroEmTexto(q.quadro), q.texto);
    EXPECT_EQ(QuadroEmLaTeX(q.quadro), q.latex);
    if (!q.html.empty()) {
        EXPECT_EQ(QuadroEmHtml(q.quadro), q.html);
    }
}

INSTANTIATE_TEST_SUITE_P(Tabelas, QuadroTeste, ::testing::ValuesIn(Quadros), Nome);

// The HTML table keeps the shape of the drawn one: three rows, one cell
// more than the columns, the superscripts of the quotient and the cells
// escaped.
TEST(QuadroEmHtml, TresLinhasComAsCelulasEscapadas)
{
    const std::string html = QuadroEmHtml({"<", {"1", "&"}, {"2"}, {"1", "3"}, "x^2", "3"});
    EXPECT_EQ(html.find("<table"), 0U);
    std::size_t linhas = 0, células = 0;
    for (std::size_t p = html.find("<tr>"); p != std::string::npos; p = html.find("<tr>", p + 1))
        ++linhas;
    for (std::size_t p = html.find("<td"); p != std::string::npos; p = html.find("<td", p + 1))
        ++células;
    EXPECT_EQ(linhas, 3U);
    EXPECT_EQ(células, 9U);
    EXPECT_NE(html.find(">&lt;</td>"), std::string::npos);
    EXPECT_NE(html.find(">&amp;</td>"), std::string::npos);
    EXPECT_NE(html.find("<p>Q(x) = x<sup>2</sup></p>"), std::string::npos);
}

} // namespace
} // namespace vendrix::display
