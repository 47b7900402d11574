// SPDX-License-Identifier: MIT
#include "caixas.h"
#include "engine/produto_direto.h"

#include <array>
#include <random>

// The product straight into the table against the product by way of the
// joined text: the same result text and the same boxes for every pair, and
// the table taken exactly when the text shows no box.
namespace vendrix::engine {
namespace {

void Comparar(const std::string& primeiro, const std::string& segundo, std::size_t& diretos)
{
    const Texto extenso = MultiplicarPolinómiosPorExtenso(primeiro, segundo);
    EXPECT_EQ(MultiplicarPolinómios(primeiro, segundo), extenso) << "(" << primeiro << ")(" << segundo << ")";
    // The command reads the first polynomial without its final blanks, and
    // not at all when the second is empty.
    const std::size_t fim = primeiro.find_last_not_of(' ');
    const PolinómioLido lido(segundo.empty() || fim == std::string::npos ? "" : primeiro.substr(0, fim + 1));
    const std::optional<std::string> direto = ProdutoDireto(lido, segundo);
    EXPECT_EQ(direto.has_value(), extenso.relatos.empty()) << "(" << primeiro << ")(" << segundo << ")";
    diretos += direto.has_value() ? 1 : 0;
}

// Coefficients: whole, decimal (rounded to four places, or written back
// with seven digits as another single), near the single-precision limit,
// zeros; degrees: x^0, x^1, near the 16-bit limit, beyond it, negative
// (which only a direct caller can hand in); and a few that do not read.
constexpr std::array<std::string_view, 30> Coeficientes = {
    "",       "",          "1",           "2",       "3",        "7",   "10",   "99",
    "1234",   "0",         "0",           "9999999", "16777217", "0.5", "1.5",  "0.1",
    "0.0625", "1234.5678", "3.3333",      "2.5e-3",  "0.00004",  "1e7", "4097", "1.7e19",
    "1e20",   "3.4e38",    "3.402823e38", "1e-30",   "a",        "2*"};
// Large degrees make large tables and slow pairs: they start at
// GrausPequenos and are drawn one time in 100; the rows of ProdutoFixoTeste
// meet the 16-bit limit on purpose.
constexpr std::array<std::string_view, 31> Graus = {
    "",        "",    "",        "x",       "x",         "x^0",     "x^1",   "x^2",
    "x^2",     "x^3", "x^10",    "x^2.0",   "x^5",       "x^7",     "x^-1",  "x^-2",
    "x^4",     "x^6", "x^16383", "x^16384", "x^32767",   "x^32768", "x^1e7", "x^3e38",
    "x^1.5e7", "x3",  "x^2x^3",  "x^2.5",   "x^32767.4", "x^",      "x^a"};
constexpr std::size_t GrausPequenos = 18, GrausIlegíveis = 6;

class Gerador
{
public:
    explicit Gerador(unsigned semente)
        : aleatório(semente)
    {}

    // A separated polynomial of up to four terms, now and then with a
    // blank too many at its start, in its middle or at its end.
    std::string Polinómio()
    {
        std::string texto;
        const std::size_t n = Até(4);
        for (std::size_t i = 0; i < n; ++i) {
            if (i > 0)
                texto += ' ';
            if (i > 0 || Até(3) == 0)
                texto += "+-"[Até(1)];
            // Mostly readable terms: the last two coefficients and the last six degrees fail.
            const bool ilegível = Até(40) == 0;
            texto += Coeficientes[Até(ilegível ? Coeficientes.size() - 1 : Coeficientes.size() - 3)];
            texto += Graus[Até(ilegível       ? Graus.size() - 1
                               : Até(99) == 0 ? Graus.size() - 1 - GrausIlegíveis
                                              : GrausPequenos - 1)];
        }
        if (Até(60) == 0)
            texto.insert(Até(texto.size()), " ");
        return texto;
    }

private:
    std::size_t Até(std::size_t máximo)
    {
        return std::uniform_int_distribution<std::size_t>(0, máximo)(aleatório);
    }

    std::mt19937 aleatório;
};

struct Lote
{
    const char* nome;
    unsigned semente;
};

void PrintTo(const Lote& l, std::ostream* s) { *s << l.nome; }

class ProdutoDiretoTeste : public ::testing::TestWithParam<Lote>
{};

// 25,000 pairs a batch, four batches: 100,000 pairs in all.
TEST_P(ProdutoDiretoTeste, IgualAoProdutoPorExtenso)
{
    Gerador gerador(GetParam().semente);
    std::size_t diretos = 0;
    constexpr std::size_t Pares = 25'000;
    for (std::size_t i = 0; i < Pares && !HasFailure(); ++i) {
        const std::string primeiro = gerador.Polinómio();
        Comparar(primeiro, gerador.Polinómio(), diretos);
    }
    // The generator must reach the table most of the time, or the batch
    // proves little.
    EXPECT_GT(diretos, Pares / 3);
}

constexpr Lote Lotes[] = {{"lote_1", 1}, {"lote_2", 2}, {"lote_3", 3}, {"lote_4", 4}};

INSTANTIATE_TEST_SUITE_P(Pares, ProdutoDiretoTeste, ::testing::ValuesIn(Lotes), NomeDaLinha);

// n copies of termo, one blank between them.
std::string Repetir(std::string_view termo, std::size_t n)
{
    std::string texto(termo);
    for (; n > 1; --n)
        texto.append(" ").append(termo);
    return texto;
}

struct Fixo
{
    const char* nome;
    std::string_view termo1;
    std::size_t n1;
    std::string_view termo2;
    std::size_t n2;
    bool direto; // whether the table is taken, that is, no box is shown
};

void PrintTo(const Fixo& l, std::ostream* s) { *s << l.nome; }

class ProdutoFixoTeste : public ::testing::TestWithParam<Fixo>
{};

// Products of about 32,767 pieces, on either side of the term limit, and
// degrees on either side of the 16-bit limit.
TEST_P(ProdutoFixoTeste, IgualAoProdutoPorExtenso)
{
    const Fixo& l = GetParam();
    std::size_t diretos = 0;
    Comparar(Repetir(l.termo1, l.n1), Repetir(l.termo2, l.n2), diretos);
    EXPECT_EQ(diretos, l.direto ? 1U : 0U);
}

constexpr Fixo Fixos[] = {
    {"pecas_32767_de_um_lado", "1.5x^2", 32767, "-3x", 1, true},
    {"pecas_32761", "-7x^100", 181, "2.5", 181, true},
    {"pecas_32768", "x", 16384, "3", 2, false},
    {"termos_32768", "x", 32768, "1", 1, false},
    {"pecas_32767_pelo_segundo", "0.1x", 1, "x^2", 32767, true},
    {"grau_32767", "2x^16384 -x", 2, "x^16383 +3", 1, true},
    {"grau_32768", "2x^16384 -x", 2, "x^16384 +3", 1, false},
};

INSTANTIATE_TEST_SUITE_P(Limite, ProdutoFixoTeste, ::testing::ValuesIn(Fixos), NomeDaLinha);

} // namespace
} // namespace vendrix::engine
