// SPDX-License-Identifier: MIT
// The C interface of the WebAssembly module. The page writes each input as
// UTF-8 with a closing zero into memory it gets from vendrix_reservar, calls
// a command, and reads the answer, a JSON text closed by a zero, which stays
// valid until the next command; vendrix_tamanho gives its length, so that
// the page need not look for the zero. Every answer is described in
// comandos_web.h and porta_web.h.
#include "web/comandos_web.h"
#include "web/porta_web.h"

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

// The last answer's length in bytes, its closing zero left out.
[[clang::export_name("vendrix_tamanho")]] std::size_t vendrix_tamanho() { return resposta.size(); }

// The page's textos.json, once, then its language at the start and at every
// switch: the answers after it are in that language.
[[clang::export_name("vendrix_textos")]] const char* vendrix_textos(const char* textos)
{
    return Responder(vendrix::web::DefinirTextosEmJson(textos));
}

[[clang::export_name("vendrix_lingua")]] const char* vendrix_lingua(const char* lingua)
{
    return Responder(vendrix::web::DefinirLínguaEmJson(lingua));
}

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

// The exercises the core has, the boxes each reads and the boxes' limit.
[[clang::export_name("vendrix_exercicios")]] const char* vendrix_exercicios()
{
    return Responder(vendrix::web::ExercíciosEmJson());
}

// Every exercise, by its name.
[[clang::export_name("vendrix_exercicio")]] const char* vendrix_exercicio(const char* nome,
                                                                          const char* p1,
                                                                          const char* p2,
                                                                          const char* a,
                                                                          const char* condicoes,
                                                                          const char* resposta)
{
    return Responder(vendrix::web::ExercícioPeloNomeEmJson(nome, p1, p2, a, condicoes, resposta));
}

// The last exercise's worked solution in the format the user copies it in.
[[clang::export_name("vendrix_copia")]] const char* vendrix_copia(const char* formato)
{
    return Responder(vendrix::web::CópiaEmJson(formato));
}

// The Ruffini table of these texts in the format the user copies it in.
[[clang::export_name("vendrix_quadro")]] const char*
vendrix_quadro(const char* formato, const char* dividendo, const char* divisor)
{
    return Responder(vendrix::web::QuadroEmJson(formato, dividendo, divisor));
}

// What the page refuses before the core reads it, and the box it was in.
[[clang::export_name("vendrix_recusa")]] const char* vendrix_recusa(const char* motivo, const char* caixa)
{
    return Responder(vendrix::web::RecusaEmJson(motivo, caixa));
}

[[clang::export_name("vendrix_falar")]] const char* vendrix_falar(const char* texto, const char* elevado)
{
    return Responder(vendrix::web::FalarEmJson(texto, elevado));
}

} // extern "C"
