// SPDX-License-Identifier: MIT
// The C interface of the WebAssembly module. The page writes each input as
// UTF-8 with a closing zero into memory it gets from vendrix_reservar, calls
// a command, and reads the answer, a JSON text closed by a zero, which stays
// valid until the next command. Every answer is described in comandos_web.h.
#include "web/comandos_web.h"

#include <cstdlib>
#include <string>

namespace {

std::string resposta; // the last answer, kept until the next command

const char* Responder(std::string texto)
{
    resposta = std::move(texto);
    return resposta.c_str();
}

} // namespace

extern "C" {

[[clang::export_name("vendrix_reservar")]] void* vendrix_reservar(std::size_t bytes)
{
    return std::malloc(bytes);
}

[[clang::export_name("vendrix_libertar")]] void vendrix_libertar(void* bloco) { std::free(bloco); }

[[clang::export_name("vendrix_simplificar")]] const char* vendrix_simplificar(const char* polinomio)
{
    return Responder(vendrix::web::SimplificarEmJson(polinomio));
}

[[clang::export_name("vendrix_somar")]] const char* vendrix_somar(const char* polinomio1,
                                                                  const char* polinomio2)
{
    return Responder(vendrix::web::SomarEmJson(polinomio1, polinomio2));
}

[[clang::export_name("vendrix_subtrair")]] const char* vendrix_subtrair(const char* polinomio1,
                                                                        const char* polinomio2)
{
    return Responder(vendrix::web::SubtrairEmJson(polinomio1, polinomio2));
}

[[clang::export_name("vendrix_multiplicar")]] const char* vendrix_multiplicar(const char* polinomio1,
                                                                              const char* polinomio2)
{
    return Responder(vendrix::web::MultiplicarEmJson(polinomio1, polinomio2));
}

[[clang::export_name("vendrix_ruffini")]] const char* vendrix_ruffini(const char* dividendo,
                                                                      const char* divisor)
{
    return Responder(vendrix::web::RuffiniEmJson(dividendo, divisor));
}

[[clang::export_name("vendrix_dividir")]] const char* vendrix_dividir(const char* polinomio1,
                                                                      const char* polinomio2)
{
    return Responder(vendrix::web::DividirEmJson(polinomio1, polinomio2));
}

[[clang::export_name("vendrix_factorizar")]] const char* vendrix_factorizar(const char* polinomio1)
{
    return Responder(vendrix::web::FactorizarEmJson(polinomio1));
}

[[clang::export_name("vendrix_valor")]] const char* vendrix_valor(const char* polinomio1, const char* ponto)
{
    return Responder(vendrix::web::ValorEmJson(polinomio1, ponto));
}

[[clang::export_name("vendrix_grafico")]] const char* vendrix_grafico(const char* polinomio1)
{
    return Responder(vendrix::web::GráficoEmJson(polinomio1));
}

[[clang::export_name("vendrix_explicar")]] const char* vendrix_explicar(const char* polinomio1,
                                                                        const char* polinomio2)
{
    return Responder(vendrix::web::ExplicarEmJson(polinomio1, polinomio2));
}

[[clang::export_name("vendrix_falar")]] const char* vendrix_falar(const char* texto, const char* elevado)
{
    return Responder(vendrix::web::FalarEmJson(texto, elevado));
}

} // extern "C"
