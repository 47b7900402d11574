// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>

// The texts a user might put in the input boxes, drawn at random from a
// seed: polynomials of every shape the program reads, near misses, huge
// numbers, expressions for the divisor's interpreter, and plain bytes.
namespace vendrix::monkey {

enum class Espécie {
    Dividendo, // well formed, degree 1 to 10, terms in any order
    Divisor,   // first degree, a constant, or a bare x
    QuaseBem,  // one slip away from a polynomial
    Enorme,    // coefficients and exponents past every integer range
    Expressão, // the divisor as an interpreter expression
    Bytes,     // any bytes, up to 100 KB
    Comprido,  // a well-formed polynomial thousands of terms long
};

struct Entrada
{
    std::string texto; // UTF-8, or any bytes for Espécie::Bytes
    Espécie espécie;
};

// The same seed gives the same texts under any compiler: every draw is a
// statement of its own, never two in one expression, whose order of
// evaluation the language leaves open.
class Gerador
{
public:
    explicit Gerador(std::uint64_t semente)
        : sorte(semente)
    {}

    [[nodiscard]] Entrada Próxima();

    // A whole number in [0, n), n > 0.
    [[nodiscard]] std::size_t Índice(std::size_t n);

    // True with probability p.
    [[nodiscard]] bool Moeda(double p);

private:
    [[nodiscard]] long long Entre(long long mínimo, long long máximo);
    [[nodiscard]] std::string Termo(long long coeficiente, int expoente);
    [[nodiscard]] std::string Dividendo();
    [[nodiscard]] std::string Divisor();
    [[nodiscard]] std::string QuaseBem();
    [[nodiscard]] std::string Enorme();
    [[nodiscard]] std::string Expressão();
    [[nodiscard]] std::string Bytes();
    [[nodiscard]] std::string Comprido();

    std::mt19937_64 sorte;
};

[[nodiscard]] const char* NomeDaEspécie(Espécie e) noexcept;

} // namespace vendrix::monkey
