// SPDX-License-Identifier: MIT
// The window in each of its languages. ctest runs this program once per
// desktop language (LANGUAGE=en; LANG=C with LANGUAGE=pt; LANG=C alone),
// and each run checks the language it was given.
#include "gravador_mensagens.h"
#include "ui/caixa_desenho.h"
#include "ui/form1.h"
#include "ui/idioma.h"
#include "ui/relatos_traduzidos.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QXmlStreamReader>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace vendrix::ui {
namespace {

using Cadeia = const char*;

std::string_view idiomaInstalado; // set by main before any window exists

bool EmInglês() { return idiomaInstalado == "en"; }

// Every text the user can see or hear of every control, keyed by control
// and property; the copy menus count as their area's.
std::map<std::string, std::string> TextosDe(QWidget& janela)
{
    std::map<std::string, std::string> textos;
    auto guardar = [&](const QObject* c, const char* propriedade, const QString& texto) {
        if (!texto.isEmpty())
            textos[c->objectName().toStdString() + "." + propriedade] = texto.toStdString();
    };
    guardar(&janela, "windowTitle", janela.windowTitle());
    for (const QWidget* c : janela.findChildren<QWidget*>()) {
        if (const auto* r = qobject_cast<const QLabel*>(c))
            guardar(c, "text", r->text());
        if (const auto* m = qobject_cast<const QGroupBox*>(c))
            guardar(c, "title", m->title());
        if (const auto* b = qobject_cast<const QAbstractButton*>(c))
            guardar(c, "text", b->text());
        if (const auto* t = qobject_cast<const QTextEdit*>(c))
            guardar(c, "text", t->toPlainText());
        guardar(c, "toolTip", c->toolTip());
        guardar(c, "accessibleName", c->accessibleName());
        guardar(c, "accessibleDescription", c->accessibleDescription());
        for (const QAction* a : c->actions())
            guardar(a, "menu", a->text());
    }
    return textos;
}

// The source texts of the English catalogue with their translations.
std::map<QString, QString> Catálogo()
{
    std::map<QString, QString> catálogo;
    QFile ficheiro(QStringLiteral(VENDRIX_CATALOGO_EN));
    EXPECT_TRUE(ficheiro.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&ficheiro);
    QString fonte;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source"))
            fonte = xml.readElementText();
        else if (xml.name() == QLatin1String("translation"))
            catálogo[fonte] = xml.readElementText();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return catálogo;
}

// Letters English never writes, and short words only Portuguese has.
bool PareceSerPortuguês(const QString& texto)
{
    for (const QChar c : QStringLiteral("áàâãçéêíóôõúÁÀÂÃÇÉÊÍÓÔÕÚ"))
        if (texto.contains(c))
            return true;
    for (const char* palavra : {" o ", " do ", " pelo ", " com ", " de ", " os ", " elevado ", " não "})
        if ((u' ' + texto + u' ').contains(QString::fromUtf8(palavra)))
            return true;
    return false;
}

class Idioma : public ::testing::Test
{
protected:
    Idioma()
    {
        janela.show();
        // A drawn quotient with raised exponents, the remainder and a sum
        // give the areas their spoken form, the copy menus something to
        // copy and the result frame its caption.
        Clicar("Ruffini");
        Clicar("Somar");
    }

    void Clicar(Cadeia botão)
    {
        QTest::mouseClick(janela.findChild<QAbstractButton*>(QString::fromUtf8(botão)), Qt::LeftButton);
    }

    testes::GravadorDeMensagens gravador;
    Form1 janela{gravador};
};

// What the window shows in each language; Portuguese exactly as it always was.
struct Texto
{
    Cadeia chave, pt, en;
};

constexpr Texto Textos[] = {
    {"Form1.windowTitle", "VENDRIX", "VENDRIX"},
    {"LabelTítulo.text", "VENDRIX", "VENDRIX"},
    {"frame1.title", "Polinómio 1", "Polynomial 1"},
    {"frame2.title", "Polinómio 2", "Polynomial 2"},
    {"frame3.title", "Resultado (soma)", "Result (sum)"},
    {"Frame6.title", "Regra de Ruffini", "Ruffini's rule"},
    {"Frame4.title", "Opções", "Options"},
    {"Somar.text", "Somar", "Add"},
    {"Subtrair.text", "Subtrair", "Subtract"},
    {"Multiplicar.text", "Multiplicar", "Multiply"},
    {"Ruffini.text", "Ruffini", "Ruffini"},
    {"Sair.text", "Sair", "Exit"},
    {"Somar.toolTip", "Somar o Polinómio1 com o Polinómio2.", "Add Polynomial 1 and Polynomial 2."},
    {"Subtrair.toolTip", "Subtrair o Polinómio2 do Polinómio1.", "Subtract Polynomial 2 from Polynomial 1."},
    {"Multiplicar.accessibleDescription",
     "Multiplicar o Polinómio1 pelo  Polinómio2.",
     "Multiply Polynomial 1 by Polynomial 2."},
    {"Ruffini.toolTip",
     "Dividir o Polinómio1 pelo  Polinómio2, usando a Regra de Ruffini.",
     "Divide Polynomial 1 by Polynomial 2, using Ruffini's rule."},
    {"Sair.toolTip", "Sair do programa.", "Exit the program."},
    {"ApagarRuffini.toolTip", "Apagar.", "Clear."},
    {"ApagarPolinómio1.accessibleName", "Apagar", "Clear"},
    {"SimplificarPolinómio1.toolTip",
     "Reduzir os termos semelhantes e ordenar o polinómio.",
     "Combine like terms and put the polynomial in order."},
    {"SimplificarPolinómio2.accessibleName",
     "Reduzir os termos semelhantes e ordenar o polinómio",
     "Combine like terms and put the polynomial in order"},
    {"Copiar.menu", "Copiar", "Copy"},
    {"CopiarLaTeX.menu", "Copiar como LaTeX", "Copy as LaTeX"},
    {"CopiarTabela.menu", "Copiar tabela", "Copy table"},
    {"CopiarTabelaLaTeX.menu", "Copiar tabela como LaTeX", "Copy table as LaTeX"},
    {"Label14.text", "Q(x) =", "Q(x) ="},
    {"Label15.text", "R =", "R ="},
    {"Label16.text", "7", "7"},
};

TEST_F(Idioma, CadaControloMostraOTextoDoIdioma)
{
    const auto textos = TextosDe(janela);
    for (const Texto& t : Textos) {
        SCOPED_TRACE(t.chave);
        ASSERT_TRUE(textos.contains(t.chave));
        EXPECT_EQ(textos.at(t.chave), EmInglês() ? t.en : t.pt);
    }
}

TEST_F(Idioma, AreasDesenhadasLeemOExpoenteNoIdioma)
{
    const QString fala = janela.findChild<CaixaDeDesenho*>(QStringLiteral("Picture5"))->Fala();
    EXPECT_EQ(fala.toStdString(),
              EmInglês() ? "x to the power of 3 - x to the power of 2 + 3x + 4"
                         : "x elevado a 3 - x elevado a 2 + 3x + 4");
}

// In English no text of any control is a Portuguese one; in Portuguese no
// text is a translation (the few words both share aside).
TEST_F(Idioma, NenhumTextoFicaNoOutroIdioma)
{
    const auto catálogo = Catálogo();
    ASSERT_GE(catálogo.size(), 20U);
    for (const auto& [chave, texto] : TextosDe(janela)) {
        SCOPED_TRACE(chave + ": " + texto);
        const QString t = QString::fromStdString(texto);
        for (const auto& [fonte, tradução] : catálogo) {
            if (fonte == tradução)
                continue;
            if (EmInglês()) {
                EXPECT_FALSE(t.contains(fonte)); // no Portuguese text, nor a part of one
            } else {
                EXPECT_NE(t, tradução); // "Resultado" holds "Result": whole texts only
            }
        }
        if (EmInglês()) {
            EXPECT_FALSE(PareceSerPortuguês(t));
        }
    }
}

// The layout is fixed: every caption fits its control in either language.
TEST_F(Idioma, LegendasCabemNosControlos)
{
    for (const QWidget* c : janela.findChildren<QWidget*>()) {
        QString texto;
        int largura = c->width();
        if (const auto* m = qobject_cast<const QGroupBox*>(c))
            texto = m->title();
        else if (const auto* b = qobject_cast<const QAbstractButton*>(c))
            texto = b->text(), largura -= 4; // the button's own margins
        else if (const auto* r = qobject_cast<const QLabel*>(c))
            texto = r->text();
        SCOPED_TRACE(c->objectName().toStdString() + ": " + texto.toStdString());
        EXPECT_LE(c->fontMetrics().horizontalAdvance(texto), largura);
    }
}

constexpr Cadeia AjudaEmPortuguês =
    "- Utilize apenas os símbolos dos algarismos e \"+\", \"-\" , \"^\", este último para as potências.\n\n"
    "- A variável dos polinómios deve ser x. Não são possíveis os polinómios literais, todos devem ter "
    "coeficientes numéricos e inteiros.\n\n"
    "- Pode escrever os polinómios com os monómios por reduzir e desordenados. Clicando no botão azul à "
    "direita, eles serão simplificados.\n       \n"
    "- Apenas pelo espaço ocupado, os polinómios, para a regra de Ruffini, não devem ter grau maior que dez. "
    "Para outras operações não há limitação, mas os resultados poderão ficar parcialmente fora da janela de "
    "desenho.\n\n"
    "- Se bem que os polinómios devam ter coeficientes inteiros, para divisor na Regra de Ruffini pode "
    "utilizar polinómios que conduzam a quocientes que contenham frações. São válidos divisores do tipo  "
    "3x-2  ou  -5x-7.\n\n"
    "- Se utilizar coeficientes que conduzam a valores muito elevados, os resultados parciais poderão não "
    "ficar totalmente visíveis. Pode, então, colocar o cursor no retângulo desse parcial e fazê-lo deslocar "
    "de modo a visualizar totalmente os valores.";

TEST_F(Idioma, AjudaTemSeisParagrafosNoIdioma)
{
    const QString ajuda = janela.findChild<QTextEdit*>(QStringLiteral("Text1"))->toPlainText();
    if (!EmInglês()) {
        EXPECT_EQ(ajuda.toStdString(), AjudaEmPortuguês);
        return;
    }
    const QStringList parágrafos = ajuda.split(u'\n');
    ASSERT_EQ(parágrafos.size(), 11);
    EXPECT_EQ(parágrafos[5], QStringLiteral("       ")); // the design's one separating line with blanks
    EXPECT_TRUE(parágrafos[0].startsWith(QStringLiteral("- Use only")));
}

// Every code the core can report, with the name or token it quotes.
struct Mensagem
{
    Cadeia nome;
    runtime::Código código;
    Cadeia símbolo, pt, en;
};

void PrintTo(const Mensagem& m, std::ostream* os) { *os << m.nome; }

const Mensagem Mensagens[] = {
    {"argumento", runtime::Código::ArgumentoInválido, "", "Argumento inválido.", "Invalid argument."},
    {"transbordo",
     runtime::Código::Transbordo,
     "",
     "Excesso de capacidade: o número é demasiado grande.",
     "Overflow: the number is too large."},
    {"indice",
     runtime::Código::ÍndiceForaDoIntervalo,
     "",
     "Índice fora do intervalo: falta um termo.",
     "Index out of range: a term is missing."},
    {"divisao_por_zero", runtime::Código::DivisãoPorZero, "", "Divisão por zero.", "Division by zero."},
    {"tipo",
     runtime::Código::TipoIncompatível,
     "",
     "Tipo incompatível: o texto não é um número.",
     "Type mismatch: the text is not a number."},
    {"parenteses",
     runtime::Código::ParêntesesIncorrectos,
     "",
     "Número de parênteses incorrecto.",
     "Wrong number of parentheses."},
    {"funcao",
     runtime::Código::FunçãoNãoDefinida,
     "foo(",
     "Função não definida: foo()",
     "Undefined function: foo()"},
    {"variavel",
     runtime::Código::VariávelNãoDefinida,
     "y",
     "Variável não definida: y",
     "Undefined variable: y"},
    {"expressao", runtime::Código::ExpressãoInválida, "", "Expressão inválida", "Invalid expression"},
    {"argumento_na_expressao",
     runtime::Código::ArgumentoInválidoNaExpressão,
     "sin(",
     "Argumento inválido na expressão: sin()",
     "Invalid argument in the expression: sin()"},
    {"dividendo",
     runtime::Código::DividendoInválido,
     "",
     "O dividendo não é um polinómio válido.",
     "The dividend is not a valid polynomial."},
    {"divisor",
     runtime::Código::DivisorInválido,
     "",
     "O divisor não é um polinómio válido.",
     "The divisor is not a valid polynomial."},
    {"nao_polinomio",
     runtime::Código::NãoÉPolinómio,
     "",
     "A expressão não é um polinómio.",
     "The expression is not a polynomial."},
    {"grau",
     runtime::Código::GrauAcimaDeNove,
     "",
     "O dividendo não pode ter grau superior a nove.",
     "The dividend cannot have a degree above nine."},
    {"valores",
     runtime::Código::ValoresGrandes,
     "",
     "Os valores desta divisão são demasiado grandes para a tabela.",
     "The values of this division are too large for the table."},
    {"outros",
     runtime::Código::OutrosMonómios,
     "12",
     "Outros 12 monómios não puderam ser multiplicados.",
     "12 more monomials could not be multiplied."},
    {"simbolo_com_marca",
     runtime::Código::VariávelNãoDefinida,
     "%1%2",
     "Variável não definida: %1%2",
     "Undefined variable: %1%2"},
    {"sem_texto", static_cast<runtime::Código>(77), "", "Erro 77.", "Error 77."},
};

using Relatos = ::testing::TestWithParam<Mensagem>;

TEST_P(Relatos, CadaCodigoNoIdiomaEEmPortuguesComoONucleo)
{
    const runtime::Erro erro = runtime::Falhar(GetParam().código, "Interpretador", GetParam().símbolo);
    EXPECT_EQ(DescriçãoTraduzida(erro).toStdString(), EmInglês() ? GetParam().en : GetParam().pt);
    if (!EmInglês()) {
        EXPECT_EQ(DescriçãoTraduzida(erro).toStdString(), erro.Descrição()); // exactly the core's own text
    }
}

INSTANTIATE_TEST_SUITE_P(Codigos,
                         Relatos,
                         ::testing::ValuesIn(Mensagens),
                         ::testing::PrintToStringParamName());

// A code the core gains without a translation shows up here.
TEST(Relatos, TodoCodigoDoNucleoTemTraducao)
{
    for (int n = 0; n < 4000; ++n) {
        const auto código = static_cast<runtime::Código>(n);
        if (!runtime::TextoDoCódigo(código))
            continue;
        SCOPED_TRACE(n);
        const runtime::Erro erro = runtime::Falhar(código, "", "x");
        const QString texto = DescriçãoTraduzida(erro);
        if (EmInglês()) {
            EXPECT_FALSE(PareceSerPortuguês(texto));
            EXPECT_TRUE(código == runtime::Código::Nenhum || texto.toStdString() != erro.Descrição());
        } else {
            EXPECT_EQ(texto.toStdString(), erro.Descrição());
        }
    }
}

TEST(Relatos, TitulosELegendas)
{
    using runtime::Título;
    const std::pair<Título, Cadeia> títulos[] = {{Título::Erro1, "Error1 in the expression."},
                                                 {Título::Erro2, "Error2 in the expression."},
                                                 {Título::Erro3, "Error3 in the expression."},
                                                 {Título::Vendrix, "Vendrix"}};
    for (const auto& [t, en] : títulos)
        EXPECT_EQ(TítuloTraduzido(t).toStdString(),
                  EmInglês() ? std::string(en) : std::string(runtime::TextoDoTítulo(t)));
    using engine::Operação;
    const std::pair<Operação, Cadeia> legendas[] = {{Operação::Soma, "Result (sum)"},
                                                    {Operação::Subtração, "Result (difference)"},
                                                    {Operação::Multiplicação, "Result (product)"}};
    for (const auto& [o, en] : legendas)
        EXPECT_EQ(LegendaTraduzida(o).toStdString(),
                  EmInglês() ? std::string(en) : std::string(engine::LegendaDaOperação(o)));
}

// The boxes a user meets, as the window shows them in each language.
struct Caixa
{
    Cadeia nome, polinómio1, polinómio2, botão, títuloPt, textoPt, títuloEn, textoEn;
};

void PrintTo(const Caixa& c, std::ostream* os) { *os << c.nome; }

constexpr Caixa Caixas[] = {
    {"dividendo_sem_x",
     "5",
     "x-2",
     "Ruffini",
     "Vendrix",
     "O dividendo não é um polinómio válido.",
     "Vendrix",
     "The dividend is not a valid polynomial."},
    {"divisor_com_potencia",
     "x^2",
     "x^2-1",
     "Ruffini",
     "Vendrix",
     "O divisor não é um polinómio válido.",
     "Vendrix",
     "The divisor is not a valid polynomial."},
    {"grau_dez",
     "x^10+1",
     "x-2",
     "Ruffini",
     "Vendrix",
     "O dividendo não pode ter grau superior a nove.",
     "Vendrix",
     "The dividend cannot have a degree above nine."},
    {"dividendo_constante",
     "x-x+3",
     "x-2",
     "Ruffini",
     "Vendrix",
     "A expressão não é um polinómio.",
     "Vendrix",
     "The expression is not a polynomial."},
    {"monomio_vazio",
     "x^2+1",
     "+x",
     "Multiplicar",
     "Erro3 na expressão.",
     "Índice fora do intervalo: falta um termo.",
     "Error3 in the expression.",
     "Index out of range: a term is missing."},
};

class IdiomaCaixas
    : public Idioma
    , public ::testing::WithParamInterface<Caixa>
{};

TEST_P(IdiomaCaixas, CaixaNoIdioma)
{
    const Caixa& c = GetParam();
    gravador.caixas.clear();
    janela.findChild<QLineEdit*>(QStringLiteral("Polinómio1"))->setText(QString::fromUtf8(c.polinómio1));
    janela.findChild<QLineEdit*>(QStringLiteral("Polinómio2"))->setText(QString::fromUtf8(c.polinómio2));
    Clicar(c.botão);
    ASSERT_FALSE(gravador.caixas.empty());
    EXPECT_EQ(gravador.caixas.front().título, EmInglês() ? c.títuloEn : c.títuloPt);
    EXPECT_EQ(gravador.caixas.front().texto, EmInglês() ? c.textoEn : c.textoPt);
}

INSTANTIATE_TEST_SUITE_P(Caixas,
                         IdiomaCaixas,
                         ::testing::ValuesIn(Caixas),
                         ::testing::PrintToStringParamName());

// The choice itself: the first of the user's languages the window has.
struct Escolha
{
    Cadeia nome;
    std::vector<std::string> preferidos;
    Cadeia escolhido;
};

void PrintTo(const Escolha& e, std::ostream* os) { *os << e.nome; }

const Escolha Escolhas[] = {
    {"nenhuma", {}, "pt"},
    {"c_e_posix", {"C", "POSIX"}, "pt"},
    {"ingles_com_regiao", {"en-GB", "en-Latn-GB"}, "en"},
    {"ingles_posix", {"EN_us.UTF-8"}, "en"},
    {"portugues_antes", {"de", "pt-BR", "en"}, "pt"},
    {"ingles_antes", {"de-DE", "en", "pt"}, "en"},
    {"so_desconhecidas", {"de", "fr-FR"}, "pt"},
    {"prefixo_nao_e_idioma", {"eng", "enx-US", "p"}, "pt"},
    {"vazia", {"", "en"}, "en"},
};

using Escolher = ::testing::TestWithParam<Escolha>;

TEST_P(Escolher, PrimeiroIdiomaQueAJanelaTem)
{
    EXPECT_EQ(EscolherIdioma(GetParam().preferidos), GetParam().escolhido);
}

INSTANTIATE_TEST_SUITE_P(Idiomas,
                         Escolher,
                         ::testing::ValuesIn(Escolhas),
                         ::testing::PrintToStringParamName());

} // namespace
} // namespace vendrix::ui

// ctest names the desktop's language as the last argument: "en" (LANGUAGE=en),
// "pt" (LANG=C, LANGUAGE=pt) or "C" (LANG=C alone), and the run fails
// unless the window took the language the desktop asked for. Test discovery
// runs this outside ctest: no screen is needed unless one is chosen.
int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const std::string_view pedido = argc > 1 ? argv[argc - 1] : "";
    unsetenv("LC_ALL");
    unsetenv("LC_MESSAGES");
    setenv("LANG", pedido == "en" ? "C.UTF-8" : "C", 1);
    setenv("LANGUAGE", pedido == "C" ? "" : pedido == "en" ? "en" : "pt", 1);
    QApplication aplicação(argc, argv);
    vendrix::ui::idiomaInstalado = vendrix::ui::InstalarIdioma();
    ::testing::InitGoogleTest(&argc, argv);
    const std::string_view esperado = pedido == "en" ? "en" : "pt";
    if (!pedido.empty() && vendrix::ui::idiomaInstalado != esperado) {
        std::fprintf(stderr,
                     "asked for %s, the window took %s\n",
                     argv[argc - 1],
                     std::string(vendrix::ui::idiomaInstalado).c_str());
        return 1;
    }
    return RUN_ALL_TESTS();
}
