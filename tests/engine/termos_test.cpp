// SPDX-License-Identifier: MIT
#include "engine/termos.h"

#include <gtest/gtest.h>

#include <ostream>

namespace vendrix::engine {
namespace {

using runtime::Código;

struct CasoTermo
{
    const char* nome;
    std::string_view termo;
    Código falha; // Nenhum when the term reads
    float coeficiente;
    float grau;
};

constexpr CasoTermo CasosTermo[] = {
    {"x", "x", Código::Nenhum, 1, 1},
    {"mais_x", "+x", Código::Nenhum, 1, 1},
    {"menos_x", "-x", Código::Nenhum, -1, 1},
    {"x_a_zero", "x^0", Código::Nenhum, 1, 0},
    {"menos_tres_x_quadrado", "-3x^2", Código::Nenhum, -3, 2},
    {"mais_cinco", "+5", Código::Nenhum, 5, 0},
    {"mais_sozinho", "+", Código::Nenhum, 1, 0},
    {"menos_sozinho", "-", Código::Nenhum, -1, 0},
    {"algarismo_depois_de_x_ignorado", "3x3", Código::Nenhum, 3, 1},
    {"so_conta_depois_do_circunflexo", "x2^5", Código::Nenhum, 1, 5},
    {"segundo_x_ignorado", "x^2x^3", Código::Nenhum, 1, 2},
    {"grau_nao_inteiro_lido_como_esta", "x^2.5", Código::Nenhum, 1, 2.5f},
    {"coeficiente_decimal", "-0.25x", Código::Nenhum, -0.25f, 1},
    {"asterisco", "2*x", Código::TipoIncompatível, 0, 0},
    {"x_maiusculo", "3X", Código::TipoIncompatível, 0, 0},
    {"expoente_vazio", "x^", Código::TipoIncompatível, 0, 0},
    {"expoente_letra", "x^a", Código::TipoIncompatível, 0, 0},
    {"termo_vazio", "", Código::ÍndiceForaDoIntervalo, 0, 0},
    {"coeficiente_fora_da_precisao_simples", "1e39x", Código::Transbordo, 0, 0},
    {"expoente_fora_da_precisao_simples", "x^1e39", Código::Transbordo, 0, 0},
    {"coeficiente_lido_antes_do_grau", "1e39x^a", Código::Transbordo, 0, 0},
};

void PrintTo(const CasoTermo& c, std::ostream* saída) { *saída << c.nome; }

class LerTermoTeste : public ::testing::TestWithParam<CasoTermo>
{};

TEST_P(LerTermoTeste, LêCoeficienteEGrauOuFalha)
{
    const CasoTermo& c = GetParam();
    const auto lido = LerTermo(c.termo);
    ASSERT_EQ(lido.Ok(), c.falha == Código::Nenhum);
    if (lido.Ok())
        EXPECT_EQ(lido.Valor(), (Termo{c.coeficiente, c.grau}));
    else
        EXPECT_EQ(lido.Falha().código, c.falha);
}

std::string NomeTermo(const ::testing::TestParamInfo<CasoTermo>& linha) { return linha.param.nome; }

INSTANTIATE_TEST_SUITE_P(Notação, LerTermoTeste, ::testing::ValuesIn(CasosTermo), NomeTermo);

TEST(LerGrau, OTermoVazioTemGrauZeroPorqueAFalhaÉDoCoeficiente)
{
    EXPECT_EQ(LerGrau("").Valor(), 0.0f);
    EXPECT_EQ(LerGrau("1e39x^a").Falha().código, Código::TipoIncompatível);
}

struct CasoTexto
{
    const char* nome;
    std::string_view entrada;
    std::string_view guardado;
    std::string_view separado;
    std::string_view compacto;
};

constexpr CasoTexto CasosTexto[] = {
    {"vazio", "", "", "", ""},
    {"por_omissao",
     "x^4-3x^3+5x^2-2x-1",
     "x^4-3x^3+5x^2-2x-1",
     "x^4 -3x^3 +5x^2 -2x -1",
     "x^4-3x^3+5x^2-2x-1"},
    {"brancos_nada_significam", "x - 2", "x - 2", "x -2", "x-2"},
    {"menos_inicial", "-x+2", "0-x+2", " -x +2", "-x+2"},
    {"mais_inicial", "+x", "+x", " +x", "x"},
    {"sinais_juntos", "x+-2", "x+-2", "x + -2", "x+-2"},
    {"branco_antes_do_menos", " -x", " -x", " -x", "-x"},
    {"forma_simplificada", "+x^4 -3x^3 -1 ", "+x^4 -3x^3 -1 ", " +x^4 -3x^3 -1", "x^4-3x^3-1"},
    {"so_um_mais_cai", "++x", "++x", " + +x", "+x"},
};

void PrintTo(const CasoTexto& c, std::ostream* saída) { *saída << c.nome; }

class TransformaçõesTeste : public ::testing::TestWithParam<CasoTexto>
{};

TEST_P(TransformaçõesTeste, GuardaSeparaECompacta)
{
    const CasoTexto& c = GetParam();
    EXPECT_EQ(GuardaDoMenos(c.entrada), c.guardado);
    EXPECT_EQ(SepararTermos(c.entrada), c.separado);
    EXPECT_EQ(Compactar(c.entrada), c.compacto);
}

std::string NomeTexto(const ::testing::TestParamInfo<CasoTexto>& linha) { return linha.param.nome; }

INSTANTIATE_TEST_SUITE_P(Notação, TransformaçõesTeste, ::testing::ValuesIn(CasosTexto), NomeTexto);

TEST(Termos, CortaEmCadaBrancoGuardandoOsVazios)
{
    const auto todos = [](std::string_view texto) {
        std::vector<std::string_view> termos;
        Termos cursor(texto);
        while (const auto termo = cursor.Próximo())
            termos.push_back(*termo);
        EXPECT_EQ(termos.size(), ContarTermos(texto));
        return termos;
    };
    EXPECT_EQ(todos(""), std::vector<std::string_view>{});
    EXPECT_EQ(todos("x"), std::vector<std::string_view>{"x"});
    EXPECT_EQ(todos(" x  -1 "), (std::vector<std::string_view>{"", "x", "", "-1", ""}));
}

} // namespace
} // namespace vendrix::engine
