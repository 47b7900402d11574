// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

// A drawn result as text that can leave the window: the program's own
// notation, HTML with real superscripts for a word processor, and LaTeX for
// a maths sheet; the Ruffini table as tab-separated rows, a LaTeX array and
// an HTML table. Plain standard C++: nothing here throws or knows a toolkit.
namespace vendrix::display {

// The program's notation as drawn; the empty result is the zero polynomial
// and is written "0", so that a paste never comes out blank.
[[nodiscard]] std::string PolinómioEmTexto(std::string_view polinómio);

// What the drawing raises is put in <sup>, by the drawing's own rule: "^"
// raises, "x", "+", "-" and "/" bring the line back, a caret with nothing
// raised after it vanishes. "x^4-3x^3" gives "x<sup>4</sup>-3x<sup>3</sup>".
// "&", "<", ">" and '"' are escaped. The empty result gives "0".
[[nodiscard]] std::string PolinómioEmHtml(std::string_view polinómio);

// The same raises as braced exponents ("x^{4}"), a fraction as \frac with
// its sign outside ("-\frac{3}{2}x^{2}"), a number in exponent form as
// "1.234568\cdot 10^{7}"; TeX's special characters are escaped. No math
// delimiters are added. The empty result gives "0".
[[nodiscard]] std::string PolinómioEmLaTeX(std::string_view polinómio);

// Text for HTML, in an element or an attribute: "&", "<", ">" and '"'
// escaped. The one escape of the program: the worked solutions use it too.
[[nodiscard]] std::string EscaparHtml(std::string_view texto);

// The texts of a shown Ruffini table, exactly as its cells show them.
struct QuadroRuffini
{
    std::string Div;               // the root, left of the middle row
    std::vector<std::string> Coef; // columns 0 .. degree
    std::vector<std::string> Seg;  // columns 0 .. degree - 1, under Coef(1) .. Coef(degree)
    std::vector<std::string> Ter;  // columns 0 .. degree; the last one is the remainder
    std::string quociente;         // the quotient text, as drawn beside "Q(x) ="
    std::string resto;             // the remainder, as shown beside "R ="
};

// Tab-separated rows that a spreadsheet or a text editor takes in the
// table's shape: "", Coef(0) .. Coef(g); Div, "", Seg(0) .. Seg(g-1);
// "", Ter(0) .. Ter(g); then "Q(x) = " and "R = " lines. Every line ends
// with "\n". A cell holding a fraction is written ="1/2", which a
// spreadsheet keeps as the text 1/2 instead of a date.
[[nodiscard]] std::string QuadroEmTexto(const QuadroRuffini& quadro);

// A display-maths array with a rule after the root column, a rule above the
// bottom row and the remainder boxed (\boxed needs amsmath), then the
// quotient and the remainder, each in its own display line.
[[nodiscard]] std::string QuadroEmLaTeX(const QuadroRuffini& quadro);

// An HTML <table> of the same three rows, with the drawn rules as cell
// borders, then the quotient and the remainder as paragraphs.
[[nodiscard]] std::string QuadroEmHtml(const QuadroRuffini& quadro);

} // namespace vendrix::display
