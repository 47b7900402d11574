// SPDX-License-Identifier: MIT
// The page's commands run natively, for the tests of the WebAssembly
// module: each line of the standard input is a command name and its inputs,
// separated by tabs; each line of the output is that command's JSON answer,
// exactly as the module gives it. An exercise takes its name and then
// p1, p2, a, the conditions and the answer, the trailing ones optional, as
// the module's one door for exercises does, "praticar" and "ficha" too
// (pratica_web.h); "copia" takes the format of the last exercise's copy
// (CópiaEmJson), "quadro" the format and the texts of a Ruffini table's
// (QuadroEmJson). The command "textos" takes the
// path of a textos.json, which it reads as the page hands it over, and
// "lingua" the language of the answers after it.
#include "runtime/textos.h"
#include "web/comandos_web.h"
#include "web/porta_web.h"

#include <array>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

namespace {

std::string LerFicheiro(std::string_view caminho)
{
    std::ifstream ficheiro{std::string(caminho), std::ios::binary};
    return {std::istreambuf_iterator<char>(ficheiro), std::istreambuf_iterator<char>()};
}

} // namespace

int main()
{
    using namespace vendrix::web;
    std::string linha;
    while (std::getline(std::cin, linha)) {
        const auto partes = vendrix::runtime::Dividir(linha, "\t");
        if (partes.empty())
            continue;
        const std::string_view comando = partes[0];
        std::array<std::string_view, 5> e{};
        for (std::size_t i = 0; i < e.size() && i + 1 < partes.size(); ++i)
            e[i] = partes[i + 1];
        if (comando == "textos")
            std::cout << DefinirTextosEmJson(LerFicheiro(e[0])) << '\n';
        else if (comando == "lingua")
            std::cout << DefinirLínguaEmJson(e[0]) << '\n';
        else if (comando == "simplificar")
            std::cout << SimplificarEmJson(e[0]) << '\n';
        else if (comando == "somar")
            std::cout << SomarEmJson(e[0], e[1]) << '\n';
        else if (comando == "subtrair")
            std::cout << SubtrairEmJson(e[0], e[1]) << '\n';
        else if (comando == "multiplicar")
            std::cout << MultiplicarEmJson(e[0], e[1]) << '\n';
        else if (comando == "ruffini")
            std::cout << RuffiniEmJson(e[0], e[1]) << '\n';
        else if (comando == "falar")
            std::cout << FalarEmJson(e[0], e[1]) << '\n';
        else if (comando == "exercicios")
            std::cout << ExercíciosEmJson() << '\n';
        else if (comando == "copia")
            std::cout << CópiaEmJson(e[0]) << '\n';
        else if (comando == "quadro")
            std::cout << QuadroEmJson(e[0], e[1], e[2]) << '\n';
        else if (comando == "recusa")
            std::cout << RecusaEmJson(e[0], e[1]) << '\n';
        else
            std::cout << ExercícioPeloNomeEmJson(comando, e[0], e[1], e[2], e[3], e[4]) << '\n';
    }
    return 0;
}
