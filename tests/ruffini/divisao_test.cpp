// SPDX-License-Identifier: MIT
#include "comum/relatos.h"
#include "ruffini/coeficientes.h"
#include "ruffini/divisao.h"
#include "ruffini/tabela.h"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <tuple>
#include <variant>
#include <vector>

namespace vendrix::ruffini {
namespace {

using enum Entrada;
using enum runtime::Código;
using runtime::Relato;

// Every reseeding gives the same seed, so that a divisor's random numbers
// are the same at every point it is evaluated at, and in every run.
std::uint32_t SementeFixa() { return 20261207; }

Relato Recusa(runtime::Código código)
{
    return {runtime::Título::Vendrix, runtime::Falhar(código), runtime::Ícone::Informação};
}

// The cells of a row as "a|b|c", up to the last one written ("?": a hole).
std::string Células(std::span<const std::optional<std::string>> linha)
{
    while (!linha.empty() && !linha.back())
        linha = linha.first(linha.size() - 1);
    std::string texto;
    for (std::size_t i = 0; i < linha.size(); ++i)
        texto += (i > 0 ? "|" : "") + linha[i].value_or("?");
    return texto;
}

// "Div: top;middle;bottom = quotient r remainder", the middle row without its
// hidden last cell.
std::string Mostrado(const Divisão& d)
{
    if (!d.tabelaVisível || !d.GrauDividendo)
        return "(nada)";
    const auto meio = std::span(d.Seg).first(static_cast<std::size_t>(*d.GrauDividendo));
    return d.Div.value_or("?") + ": " + Células(d.Coef) + ";" + Células(meio) + ";" + Células(d.Ter) + " = " +
           d.Resultado.value_or("?") + " r " + d.resto;
}

struct Caso
{
    std::string_view nome, dividendo, divisor;
    Entrada foco;
    std::variant<runtime::Código, std::string_view> esperado; // the refusal, or else what Mostrado shows
};

constexpr Caso Casos[] = {
    {"padrao",
     "x^4-3x^3+5x^2-2x-1",
     "x-2",
     Nenhuma,
     "2: 1|-3|5|-2|-1;2|-2|6|8;1|-1|3|4|7 = x^3-x^2+3x+4 r 7"},
    {"raiz_fraccionaria", "2x^2+3x+1", "2x+1", Nenhuma, "-1/2: 2|3|1;-1/1|-1/1;2|2/1|0/2 = 2/2x+1/1 r 0/2"},
    {"quociente_dividido_por_a", "x^2+5x+6", "2x+4", Nenhuma, "-2: 1|5|6;-2|-6;1|3|0 = 1/2x+3/2 r 0"},
    {"divisor_negativo", "x^2+5x+6", "-x-2", Nenhuma, "-2: 1|5|6;-2|-6;1|3|0 = -x-3 r 0"},
    {"grau_um", "x+1", "x-2", Nenhuma, "2: 1|1;2;1|3 = 1 r 3"},
    // Typed texts are prepared first: x³-1 was x-1, +x^2-1 a failure of Simplificar.
    {"graus_em_falta_sobrescrito", "x³-1", "x-1", Nenhuma, "1: 1|0|0|-1;1|1|1;1|1|1|0 = x^2+x+1 r 0"},
    {"mais_inicial", "+x^2-1", "x+1", Nenhuma, "-1: 1|0|-1;-1|1;1|-1|0 = x-1 r 0"},
    {"grau_nove",
     "x^9-1",
     "x-1",
     Nenhuma,
     "1: 1|0|0|0|0|0|0|0|0|-1;1|1|1|1|1|1|1|1|1;1|1|1|1|1|1|1|1|1|0 = x^8+x^7+x^6+x^5+x^4+x^3+x^2+x+1 r 0"},
    {"desordenado_e_dez", "1+9x+x^2", "x-1", Nenhuma, "1: 1|9|1;1|10;1|10|11 = x+10 r 11"},
    {"menos_um", "-x^3+x^2-x+2.5", "x-2", Nenhuma, "2: -1|1|-1|2.5;-2|-2|-6;-1|-1|-3|-3.5 = -x^2-x-3 r -3.5"},
    {"raiz_zero_e_dez_x", "10x^2+x+1", "x", Nenhuma, "0: 10|1|1;0|0;10|1|1 = 10x+1 r 1"},
    {"raiz_zero_com_a_negativo", "x+1", "-x", Nenhuma, "0: 1|1;0;1|1 = -1 r 1"},
    {"raiz_reduzida", "4x^2+4x+1", "4x+2", Nenhuma, "-1/2: 4|4|1;-2/1|-1/1;4|2/1|0/2 = 4/4x+1/2 r 0/2"},
    {"a_negativo_fraccao",
     "-4x^2+1",
     "-2x+1",
     Nenhuma,
     "1/2: -4|0|1;-2/1|-1/1;-4|-2/1|0/2 = -4/-2x+1/1 r 0/2"},
    {"sinais_iguais_negativos", "x+1", "-2x-1", Nenhuma, "-1/2: 1|1;-1/2;1|1/2 = -1/2 r 1/2"},
    // a rounds to 0, so whether to divide by it cannot be tested: it is divided.
    {"a_arredonda_a_zero", "x-2", "exp(-log(8))*x-1", Nenhuma, "8: 1|-2;8;1|6 = 8 r 6"},
    // The hidden last product may leave the 32-bit range without harm.
    {"escondido", "x+1", "65536x+1", Nenhuma, "-1/65536: 1|1;-1/65536;1|65535/65536 = 1/65536 r 65535/65536"},
    // The divisor's constant is read back exactly, not as "1.234568E+07".
    {"oito_algarismos", "x+1", "x+12345678", Nenhuma, "-12345678: 1|1;-12345678;1|-12345677 = 1 r -12345677"},
    {"dividendo_sem_x_antes_do_divisor", "5", "x^2", Dividendo, DividendoInválido},
    {"divisor_com_potencia", "x^2+1", "x^2-1", Divisor, DivisorInválido},
    {"divisor_com_barra", "x^2+1", "x/2", Divisor, DivisorInválido},
    {"divisor_com_ponto", "x^2+1", "0.5x+1", Divisor, DivisorInválido},
    {"divisor_com_virgula", "x^2+1", "1,5x", Divisor, DivisorInválido},
    // A comparison was evaluated as one (x+2=0 gave the root -20), x²+1 read as x+1.
    {"divisor_com_igual", "x^2-1", "x+2=0", Divisor, DivisorInválido},
    {"divisor_com_maior", "x^2-1", "x>1", Divisor, DivisorInválido},
    {"divisor_sobrescrito", "x^2-1", "x²+1", Divisor, DivisorInválido},
    {"dividendo_nulo", "x-x", "x-2", Nenhuma, NãoÉPolinómio},
    {"dividendo_constante", "x^2-x^2+3", "x-2", Nenhuma, NãoÉPolinómio},
    {"grau_dez_antes_do_divisor", "x^10+1", "5", Nenhuma, GrauAcimaDeNove},
    // A divisor without a root to divide by.
    {"divisor_constante", "x^2+1", "5", Divisor, DivisorInválido},
    {"divisor_com_x_que_se_anula", "x^2+1", "x-x+3", Divisor, DivisorInválido},
    {"divisor_vazio", "x^2+1", "", Divisor, DivisorInválido},
    {"coeficiente_alem_da_precisao_simples", "x^2+1", "exp(100)*x+1", Divisor, DivisorInválido},
    {"valor_em_zero_alem_da_precisao_simples", "x^2+1", "x+exp(100)", Divisor, DivisorInválido},
    {"raiz_de_dois_ao_quadrado", "x^2+1", "x-sqr(2)", Nenhuma, ValoresGrandes},
    {"raiz_alem_de_32_bits", "x+1", "x-exp(30)", Nenhuma, ValoresGrandes},
    {"raiz_minuscula", "x+1", "x-exp(-40)", Nenhuma, ValoresGrandes},
    // Whole-number tables past 32 bits, exact below 10^15 in every cell.
    {"alem_de_32_bits",
     "43x^9-8",
     "x+12",
     Nenhuma,
     "-12: "
     "43|0|0|0|0|0|0|0|0|-8;-516|6192|-74304|891648|-10699776|128397312|-1540767744|18489212928|-"
     "221870555136;43|-516|6192|-74304|891648|-10699776|128397312|-1540767744|18489212928|-221870555144 = "
     "43x^8-516x^7+6192x^6-74304x^5+891648x^4-10699776x^3+128397312x^2-1540767744x+18489212928 r "
     "-221870555144"},
    {"resto_de_15_algarismos",
     "x^2-1",
     "x+12345678",
     Nenhuma,
     "-12345678: 1|0|-1;-12345678|152415765279684;1|-12345678|152415765279683 = x-12345678 r "
     "152415765279683"},
    {"resto_alem_de_32_bits_por_a",
     "35x^9",
     "-2x+16",
     Nenhuma,
     "8: "
     "35|0|0|0|0|0|0|0|0|0;280|2240|17920|143360|1146880|9175040|73400320|587202560|4697620480;35|280|2240|"
     "17920|143360|1146880|9175040|73400320|587202560|4697620480 = "
     "-35/2x^8-140x^7-1120x^6-8960x^5-71680x^4-573440x^3-4587520x^2-36700160x-293601280 r 4697620480"},
    {"coeficientes_grandes_alem_de_32_bits",
     "-63x^8+26x",
     "x+16",
     Nenhuma,
     "-16: "
     "-63|0|0|0|0|0|0|26|0;1008|-16128|258048|-4128768|66060288|-1056964608|16911433728|-270582940064;-63|"
     "1008|-16128|258048|-4128768|66060288|-1056964608|16911433754|-270582940064 = "
     "-63x^7+1008x^6-16128x^5+258048x^4-4128768x^3+66060288x^2-1056964608x+16911433754 r -270582940064"},
    {"grau_nove_por_x_menos_sete",
     "109x^9+244731x^5",
     "x-7",
     Nenhuma,
     "7: "
     "109|0|0|0|244731|0|0|0|0|0;763|5341|37387|261709|3545080|24815560|173708920|1215962440|8511737080;109|"
     "763|5341|37387|506440|3545080|24815560|173708920|1215962440|8511737080 = "
     "109x^8+763x^7+5341x^6+37387x^5+506440x^4+3545080x^3+24815560x^2+173708920x+1215962440 r 8511737080"},
    {"logo_abaixo_de_10_15",
     "x^3",
     "x-99999",
     Nenhuma,
     "99999: 1|0|0|0;99999|9999800001|999970000299999;1|99999|9999800001|999970000299999 = "
     "x^2+99999x+9999800001 r 999970000299999"},
    // A dividend's coefficient of eight digits or more was divided as Simplificar rounded it to seven.
    {"coeficiente_de_oito_algarismos", "12345678x^2-1", "x-1", Nenhuma, ValoresGrandes},
    {"constante_de_oito_algarismos", "x^2+12345678", "x-1", Nenhuma, ValoresGrandes},
    {"coeficiente_de_sete_algarismos",
     "9999999x^2-1",
     "x-1",
     Nenhuma,
     "1: 9999999|0|-1;9999999|9999999;9999999|9999999|9999998 = 9999999x+9999999 r 9999998"},
    {"produto_de_10_15", "x^3-1", "x-100000", Nenhuma, ValoresGrandes},
    {"alem_de_10_15", "x^9+1", "x-999", Nenhuma, ValoresGrandes},
    {"quociente_por_a_alem_de_32_bits", "43x^9-8", "2x+24", Nenhuma, ValoresGrandes},
    // Whole numbers that single precision cannot hold would give a wrong root.
    {"constante_2_24_mais_1", "x^2+1", "x+16777217", Nenhuma, ValoresGrandes},
    {"constante_grande_com_a_3", "x^2+1", "3x+100000001", Nenhuma, ValoresGrandes},
    {"coeficiente_2_24_mais_1", "x^2+1", "16777217x-1", Nenhuma, ValoresGrandes},
    {"constante_2_24",
     "x^2+1",
     "x+16777216",
     Nenhuma,
     "-16777216: 1|0|1;-16777216|281474976710656;1|-16777216|281474976710657 = x-16777216 r 281474976710657"},
    {"constante_grande_ao_quadrado",
     "x^2+1",
     "x+12345678",
     Nenhuma,
     "-12345678: 1|0|1;-12345678|152415765279684;1|-12345678|152415765279685 = x-12345678 r 152415765279685"},
    {"constante_2_30",
     "x+1",
     "x+1073741824",
     Nenhuma,
     "-1073741824: 1|1;-1073741824;1|-1073741823 = 1 r -1073741823"},
    // The divisor must be the line its values at 0 and 1 describe.
    {"divisor_x_vezes_x", "x^9-1", "x*x", Divisor, DivisorInválido},
    {"divisor_seno", "x^2+1", "sin(x)", Divisor, DivisorInválido},
    {"divisor_modulo", "x^2+1", "abs(x)-1", Divisor, DivisorInválido},
    {"divisor_exponencial", "x^2+1", "exp(x)", Divisor, DivisorInválido},
    {"divisor_produto_de_factores", "x^2+1", "(x-1)*(x+1)", Divisor, DivisorInválido},
    {"divisor_x_menos_x_quadrado", "x^2+1", "x-x*x", Divisor, DivisorInválido},
    {"divisor_aleatorio", "x^2+1", "x*rnd", Divisor, DivisorInválido},
    // rand( reseeds before it draws: with the same seed every time, the same
    // number at every point, so the divisor is a line and the run replays.
    {"divisor_aleatorio_repetido", "x^2+1", "x-rand(10)", Nenhuma, "8: 1|0|1;8|64;1|8|65 = x+8 r 65"},
    {"divisor_que_falha_em_menos_um", "x^2+1", "sqr(x)", Divisor, DivisorInválido},
    // Both faults: the one of the divisor's shape is told. (x*x+16777217 is too
    // near a line for its values to tell.)
    {"divisor_quadrado_e_grande", "x^2+1", "1000*x*x+16777217", Divisor, DivisorInválido},
    {"linear_vezes_tres", "x^2+5x+6", "3*(x-2)", Nenhuma, "2: 1|5|6;2|14;1|7|20 = 1/3x+7/3 r 20"},
    {"linear_tres_depois", "x^2+5x+6", "(x-2)*3", Nenhuma, "2: 1|5|6;2|14;1|7|20 = 1/3x+7/3 r 20"},
    {"linear_menos_parenteses", "x^2+5x+6", "-(2-x)", Nenhuma, "2: 1|5|6;2|14;1|7|20 = x+7 r 20"},
    {"linear_menos_cinco_x",
     "x^2+5x+6",
     "-5x-7",
     Nenhuma,
     "-7/5: 1|5|6;-7/5|-126/25;1|18/5|24/25 = -1/5x-18/25 r 24/25"},
    {"linear_x_menos_pi",
     "x+1",
     "x-pi",
     Nenhuma,
     "8784530/2796203: 1|1;8784530/2796203;1|11580733/2796203 = 8388608/8388609 r 11580733/2796203"},
};

void PrintTo(const Caso& c, std::ostream* saída) { *saída << c.nome; }

using DividirTeste = ::testing::TestWithParam<Caso>;

TEST_P(DividirTeste, MostraATabelaOuRecusaComOFoco)
{
    const Caso& c = GetParam();
    const Divisão d = Dividir(c.dividendo, c.divisor, SementeFixa);
    const Divisão limpa; // as the window cleared it
    EXPECT_EQ(d.foco, c.foco);
    if (const auto* recusa = std::get_if<runtime::Código>(&c.esperado)) {
        EXPECT_EQ(d.relatos, std::vector{Recusa(*recusa)});
        EXPECT_TRUE(!d.tabelaVisível && !d.Div && !d.Resultado && d.resto.empty() && d.Coef == limpa.Coef &&
                    d.Seg == limpa.Seg && d.Ter == limpa.Ter);
    } else {
        EXPECT_EQ(d.relatos, std::vector<Relato>{});
        EXPECT_EQ(Mostrado(d), std::get<std::string_view>(c.esperado));
    }
}

INSTANTIATE_TEST_SUITE_P(Exemplos, DividirTeste, ::testing::ValuesIn(Casos), [](const auto& linha) {
    return std::string(linha.param.nome);
});

// The working copies carry the minus guard, the degree is kept even when
// refused, and the simplification's own report comes before the refusal.
TEST(DividirTeste, CopiasGrauERelatos)
{
    const Divisão d = Dividir("-x^2+1", "-x+2", SementeFixa);
    EXPECT_EQ(std::tie(d.Polinómio1A, d.Polinómio2A, d.Text3, d.GrauDividendo),
              std::tuple("0-x^2+1", "0-x+2", "-x^2 +1 ", 2));
    EXPECT_EQ(Dividir("x^10+1", "x-2", SementeFixa).GrauDividendo, 10);
    EXPECT_EQ(Dividir("5", "x-2", SementeFixa).GrauDividendo, std::nullopt);
    EXPECT_EQ(Dividir("x^2", "x/2", SementeFixa).Polinómio1A, std::nullopt);
    const Divisão preparada = Dividir("x² - 1", "−x + 2", SementeFixa);
    EXPECT_EQ(std::tie(preparada.Polinómio1A, preparada.Polinómio2A), std::tuple("x^2-1", "0-x + 2"));
    const Divisão falha = Dividir("x^2+", "x-2", SementeFixa);
    const Relato simplificar{
        runtime::Título::Erro2, runtime::Falhar(ÍndiceForaDoIntervalo, {}, "+"), runtime::Ícone::Crítico};
    EXPECT_EQ(falha.relatos, (std::vector{simplificar, Recusa(NãoÉPolinómio)}));
    EXPECT_EQ(std::tie(falha.Text3, falha.foco), std::tuple("", Nenhuma));
    ASSERT_NE(falha.Recusa(), nullptr);
    EXPECT_EQ(*falha.Recusa(), Recusa(NãoÉPolinómio));
    EXPECT_EQ(d.Recusa(), nullptr);
}

// Zeros of both kinds left out of the quotient, and the coefficients copied
// as the simplified form writes them, exponents included.
TEST(TabelaTeste, QuocienteSemZerosECoeficientesComoEscritos)
{
    EXPECT_EQ(TextoDoQuociente(std::vector<EntradaDoQuociente>{"1", 0.0, "0/2"}), "x^2");
    const std::string_view termos[] = {"-x^4", "+2.5x^3", "-9999999x^2", "+x", "+1.5E+06", ""};
    ASSERT_EQ(LerGrauDoDividendo(termos).Valor(), 4);
    EXPECT_EQ(LerCoeficientes(termos, 4).Valor(),
              (std::vector<std::string>{"-1", "2.5", "-9999999", "1", "1500000"}));
    const std::string_view arredondados[] = {"-1.234568E+07x", "+1"};
    EXPECT_FALSE(LerCoeficientes(arredondados, 1).Ok());
}

} // namespace
} // namespace vendrix::ruffini
