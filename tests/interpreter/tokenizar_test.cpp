// SPDX-License-Identifier: MIT
#include "interpreter/tokenizar.h"

#include <gtest/gtest.h>

#include <string>

namespace vendrix::interpreter {
namespace {

using runtime::Código;

std::string Mostrar(const Expressão& e)
{
    std::string texto;
    for (const Símbolo& s : e.símbolos)
        texto += "[" + (s.tipo == Tipo::Separador ? std::string("Null") : s.texto) + "]";
    return texto;
}

struct Caso
{
    const char* nome;
    const char* entrada;
    const char* símbolos;
};

constexpr Caso Casos[] = {
    {"numero_antes_de_nome", "2x", "[2][*][x]"},
    {"algarismo_depois_de_nome", "x2", "[x2]"},
    {"numero_antes_de_constante", "2pi", "[2][*][pi]"},
    {"numero_antes_de_parenteses", "2(3)", "[2][*][(][3][)]"},
    {"parenteses_seguidos_sem_produto", "(2)(3)", "[(][2][)][(][3][)]"},
    {"numero_depois_de_fecho_sem_produto", "(2)3", "[(][2][)][3]"},
    {"ponto_decimal_vira_virgula", "3.5", "[3,5]"},
    {"ponto_no_inicio", ".5", "[,5]"},
    {"menos_unario_no_inicio", "-x", "[~][x]"},
    {"menos_unario_depois_de_abertura", "(-x)", "[(][~][x][)]"},
    {"menos_unario_depois_de_produto", "2*-x", "[2][*][~][x]"},
    {"menos_binario", "x-1", "[x][-][1]"},
    {"menos_binario_depois_de_fecho", "(x)-1", "[(][x][)][-][1]"},
    {"potencia_de_menos_unario", "2^-1", "[2][^][~][1]"},
    {"separadores", "max(1,2)", "[max(][1][Null][2][)]"},
    {"espaco_antes_de_parenteses", "sin (x)", "[sin(][x][)]"},
    {"espaco_dentro_do_nome", "si n(x)", "[sin(][x][)]"},
    {"barra_invertida_e_resto", "7\\2%3", "[7][\\][2][%][3]"},
    {"caracteres_saltados",
     "1 =\t\x01\xFF"
     "2",
     "[12]"},
    {"vazio", "", ""},
    {"fecho_antes_de_abertura", ")(", "[)][(]"},
    {"tres_numeros_num_so", "1.2.3", "[1,2,3]"},
};

void PrintTo(const Caso& c, std::ostream* saída) { *saída << c.nome; }

class TokenizarTeste : public ::testing::TestWithParam<Caso>
{};

TEST_P(TokenizarTeste, EscreveOsSimbolos)
{
    const Caso& c = GetParam();
    Expressão e;
    Tokenizar(c.entrada, e);
    EXPECT_EQ(Mostrar(e), c.símbolos);
}

std::string NomeDaLinha(const ::testing::TestParamInfo<Caso>& linha) { return linha.param.nome; }

INSTANTIATE_TEST_SUITE_P(Entradas, TokenizarTeste, ::testing::ValuesIn(Casos), NomeDaLinha);

TEST(TokenizarExemplo, PrioridadesEOrdem)
{
    Expressão e;
    Tokenizar("2x^2-sin(x)/2", e);
    std::vector<int> prioridades;
    for (const Símbolo& s : e.símbolos)
        prioridades.push_back(s.prioridade);
    EXPECT_EQ(prioridades, (std::vector<int>{0, 3, 6, 5, 0, 1, 7, 13, 7, 3, 0}));
    EXPECT_EQ(e.prioridadeMaisAlta, 14);
    EXPECT_EQ(e.ordem, (std::vector<std::int32_t>{8, 7, 9, 3, 4, 2, 10, 6}));
}

Código FalhaDe(const std::string& texto)
{
    Expressão e;
    try {
        Tokenizar(texto, e);
    } catch (const runtime::Erro& erro) {
        return erro.código;
    }
    return Código::Nenhum;
}

std::string Aninhado(int níveis) { return std::string(níveis, '(') + "1" + std::string(níveis, ')'); }

TEST(TokenizarLimites, DezasseisBits)
{
    EXPECT_EQ(FalhaDe("(()"), Código::ParêntesesIncorrectos);
    EXPECT_EQ(FalhaDe("())"), Código::ParêntesesIncorrectos);
    EXPECT_EQ(FalhaDe(")1("), Código::Nenhum); // only the final balance counts

    EXPECT_EQ(FalhaDe(std::string(32766, '1')), Código::Nenhum);
    EXPECT_EQ(FalhaDe(std::string(32767, '1')), Código::Transbordo);
    EXPECT_EQ(FalhaDe(std::string(1 << 20, ' ')), Código::Transbordo);

    EXPECT_EQ(FalhaDe(Aninhado(4680)), Código::Nenhum);
    EXPECT_EQ(FalhaDe(Aninhado(4681)), Código::Transbordo);
    EXPECT_EQ(FalhaDe(std::string(4681, '(')), Código::Transbordo); // before the balance
    EXPECT_EQ(FalhaDe(std::string(4681, ')') + std::string(4681, '(')), Código::Nenhum);
    EXPECT_EQ(FalhaDe(std::string(4682, ')') + std::string(4682, '(')), Código::Transbordo);

    // "2x+" is three characters and four tokens: [2][*][x][+].
    std::string implícitos;
    for (int i = 0; i < 8191; ++i)
        implícitos += "2x+";
    EXPECT_EQ(FalhaDe(implícitos + "1"), Código::Nenhum);        // 32,765 tokens
    EXPECT_EQ(FalhaDe(implícitos + "2x+1"), Código::Transbordo); // 32,769
    EXPECT_EQ(FalhaDe(implícitos + "1+1"), Código::Transbordo);  // 32,767
}

} // namespace
} // namespace vendrix::interpreter
