// SPDX-License-Identifier: MIT
// The page's commands run natively, for the tests of the WebAssembly
// module: each line of the standard input is a command name and its one to
// three inputs, separated by tabs; each line of the output is that command's
// JSON answer, exactly as the module gives it. The command "textos" takes
// the path of a textos.json, which it reads as the page hands it over, and
// "lingua" the language of the answers after it.
#include "runtime/textos.h"
#include "web/comandos_web.h"

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
        const std::string_view a = partes.size() > 1 ? partes[1] : std::string_view();
        const std::string_view b = partes.size() > 2 ? partes[2] : std::string_view();
        const std::string_view c = partes.size() > 3 ? partes[3] : std::string_view();
        if (comando == "textos")
            std::cout << DefinirTextosEmJson(LerFicheiro(a)) << '\n';
        else if (comando == "lingua")
            std::cout << DefinirLínguaEmJson(a) << '\n';
        else if (comando == "simplificar")
            std::cout << SimplificarEmJson(a) << '\n';
        else if (comando == "somar")
            std::cout << SomarEmJson(a, b) << '\n';
        else if (comando == "subtrair")
            std::cout << SubtrairEmJson(a, b) << '\n';
        else if (comando == "multiplicar")
            std::cout << MultiplicarEmJson(a, b) << '\n';
        else if (comando == "ruffini")
            std::cout << RuffiniEmJson(a, b) << '\n';
        else if (const auto exercício = vendrix::resolucao::ExercícioDoNome(comando))
            std::cout << ExercícioEmJson(*exercício, a, b, c) << '\n';
        else if (comando == "falar")
            std::cout << FalarEmJson(a, b) << '\n';
        else
            return 2;
    }
    return 0;
}
