// SPDX-License-Identifier: MIT
// The page's commands run natively, for the tests of the WebAssembly
// module: each line of the standard input is a command name and its one or
// two inputs, separated by tabs; each line of the output is that command's
// JSON answer, exactly as the module gives it.
#include "runtime/textos.h"
#include "web/comandos_web.h"

#include <iostream>
#include <string>

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
        if (comando == "simplificar")
            std::cout << SimplificarEmJson(a) << '\n';
        else if (comando == "somar")
            std::cout << SomarEmJson(a, b) << '\n';
        else if (comando == "subtrair")
            std::cout << SubtrairEmJson(a, b) << '\n';
        else if (comando == "multiplicar")
            std::cout << MultiplicarEmJson(a, b) << '\n';
        else if (comando == "ruffini")
            std::cout << RuffiniEmJson(a, b) << '\n';
        else if (comando == "dividir")
            std::cout << DividirEmJson(a, b) << '\n';
        else if (comando == "factorizar")
            std::cout << FactorizarEmJson(a) << '\n';
        else if (comando == "valor")
            std::cout << ValorEmJson(a, b) << '\n';
        else if (comando == "grafico")
            std::cout << GráficoEmJson(a) << '\n';
        else if (comando == "explicar")
            std::cout << ExplicarEmJson(a, b) << '\n';
        else if (comando == "falar")
            std::cout << FalarEmJson(a, b) << '\n';
        else
            return 2;
    }
    return 0;
}
