// SPDX-License-Identifier: MIT
// The window in each of its languages. ctest runs this program once per
// desktop language (LANGUAGE=en; LANG=C with LANGUAGE=pt; LANG=C alone),
// and each run checks the language it was given.
#include "gravador_mensagens.h"
#include "resolucao/exercicio.h"
#include "runtime/mensagens.h"
#include "ui/caixa_desenho.h"
#include "ui/form1.h"
#include "ui/idioma.h"
#include "ui/janela_principal.h"
#include "ui/tradutor_qt.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QXmlStreamReader>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <algorithm>
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
        if (const auto* d = qobject_cast<const CaixaDeDesenho*>(c))
            guardar(c, "fala", d->Fala()); // what a screen reader says of a drawn area
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

// A few texts in each language, the Portuguese exactly as it always was; the
// catalogue holds the rest, and the catalogue check keeps it complete.
struct Texto
{
    Cadeia chave, pt, en;
};

// clang-format off
constexpr Texto Textos[] = {
    {"Form1.windowTitle", "VENDRIX", "VENDRIX"},
    {"frame3.title", "Resultado (soma)", "Result (sum)"},
    {"Multiplicar.accessibleDescription", "Multiplicar o Polinómio1 pelo  Polinómio2.", "Multiply Polynomial 1 by Polynomial 2."},
    {"CopiarTabelaLaTeX.menu", "Copiar tabela como LaTeX", "Copy table as LaTeX"},
    {"Label16.text", "7", "7"},
    {"Picture5.fala", "x elevado a 3 - x elevado a 2 + 3x + 4", "x to the power of 3 - x to the power of 2 + 3x + 4"},
};

// clang-format on

TEST_F(Idioma, CadaControloMostraOTextoDoIdioma)
{
    const auto textos = TextosDe(janela);
    for (const Texto& t : Textos) {
        SCOPED_TRACE(t.chave);
        ASSERT_TRUE(textos.contains(t.chave));
        EXPECT_EQ(textos.at(t.chave), EmInglês() ? t.en : t.pt);
    }
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
            // A lone sign, such as the decimal comma, is no text of either language.
            if (fonte == tradução || fonte.size() < 2)
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

// The windows the exercises open speak the main window's language too.
TEST(JanelasDosExercicios, NenhumTextoEmPortuguesEmIngles)
{
    JanelaPrincipal principal([](resolucao::Exercício, const resolucao::Pergunta&, const runtime::Tradutor&) {
        return resolucao::Resolução{};
    });
    for (const char* menu : {"ValorNumerico", "Parametros", "Praticar", "Ficha"})
        principal.findChild<QAction*>(QString::fromUtf8(menu))->trigger();
    std::size_t vistos = 0;
    for (const char* nome : {"Resolucao", "Pratica", "Ficha"}) {
        auto* janela = principal.findChild<QWidget*>(QString::fromUtf8(nome));
        ASSERT_NE(janela, nullptr) << nome;
        for (const auto& [chave, texto] : TextosDe(*janela)) {
            ++vistos;
            if (EmInglês()) {
                EXPECT_FALSE(PareceSerPortuguês(QString::fromStdString(texto))) << chave << ": " << texto;
            }
        }
    }
    EXPECT_GE(vistos, 20U);
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

// The help keeps its six paragraphs and the blanks of its one odd separating
// line; each paragraph is whole, as the catalogue has it in that language.
TEST_F(Idioma, AjudaTemSeisParagrafosNoIdioma)
{
    const auto catálogo = Catálogo();
    const QStringList linhas =
        janela.findChild<QTextEdit*>(QStringLiteral("Text1"))->toPlainText().split(u'\n');
    ASSERT_EQ(linhas.size(), 11);
    EXPECT_EQ(linhas[5], QStringLiteral("       "));
    for (int i = 0; i < linhas.size(); i += 2) {
        SCOPED_TRACE(linhas[i].toStdString());
        const auto fonte = std::find_if(catálogo.begin(), catálogo.end(), [&](const auto& par) {
            return (EmInglês() ? par.second : par.first) == linhas[i];
        });
        EXPECT_NE(fonte, catálogo.end());
    }
}

// The codes whose text quotes a name, a token or a count, and one the core
// has no text for; the walk below gives every other code its check.
struct Mensagem
{
    Cadeia nome;
    runtime::Código código;
    Cadeia símbolo, en;
};

void PrintTo(const Mensagem& m, std::ostream* os) { *os << m.nome; }

// clang-format off
const Mensagem Mensagens[] = {
    {"funcao", runtime::Código::FunçãoNãoDefinida, "foo(", "Undefined function: foo()"},
    {"variavel", runtime::Código::VariávelNãoDefinida, "y", "Undefined variable: y"},
    {"argumento_na_expressao", runtime::Código::ArgumentoInválidoNaExpressão, "sin(", "Invalid argument in the expression: sin()"},
    {"outros", runtime::Código::OutrosMonómios, "12", "12 more monomials could not be multiplied."},
    {"simbolo_com_marca", runtime::Código::VariávelNãoDefinida, "%1%2", "Undefined variable: %1%2"},
    {"sem_texto", static_cast<runtime::Código>(77), "", "Error 77."},
};
// clang-format on

using Relatos = ::testing::TestWithParam<Mensagem>;

TEST_P(Relatos, CadaCodigoNoIdiomaEEmPortuguesComoONucleo)
{
    const runtime::Erro erro = runtime::Falhar(GetParam().código, "Interpretador", GetParam().símbolo);
    // In Portuguese, exactly the core's own text.
    EXPECT_EQ(erro.Descrição(TradutorQt()), EmInglês() ? GetParam().en : erro.Descrição());
}

INSTANTIATE_TEST_SUITE_P(Codigos,
                         Relatos,
                         ::testing::ValuesIn(Mensagens),
                         ::testing::PrintToStringParamName());

// Every text the core hands the window: in Portuguese exactly the core's own,
// in English a translation. A code the core gains without one shows up here.
TEST(Relatos, TodoTextoDoNucleoTemTraducao)
{
    struct Par
    {
        std::string mostrado, doNúcleo;
        bool comum; // the same in both languages
    };

    const runtime::Tradutor tradutor = TradutorQt();
    std::vector<Par> pares;
    for (int n = 0; n < 4000; ++n) {
        const auto código = static_cast<runtime::Código>(n);
        if (runtime::TextoDoCódigo(código)) {
            const runtime::Erro erro = runtime::Falhar(código, "", "x");
            pares.push_back({erro.Descrição(tradutor), erro.Descrição(), código == runtime::Código::Nenhum});
        }
    }
    using runtime::Título;
    for (const Título t : {Título::Erro1, Título::Erro2, Título::Erro3, Título::Vendrix})
        pares.push_back({runtime::TextoDoTítulo(t, tradutor),
                         std::string(runtime::TextoDoTítulo(t)),
                         t == Título::Vendrix});
    using runtime::Legenda;
    for (const Legenda l : {Legenda::Resultado, Legenda::Soma, Legenda::Subtração, Legenda::Multiplicação})
        pares.push_back({tradutor(runtime::FonteDaLegenda(l)), runtime::FonteDaLegenda(l).texto, false});
    ASSERT_GE(pares.size(), 20U);
    for (const Par& p : pares) {
        SCOPED_TRACE(p.doNúcleo);
        if (!EmInglês()) {
            EXPECT_EQ(p.mostrado, p.doNúcleo);
        } else {
            EXPECT_FALSE(PareceSerPortuguês(QString::fromStdString(p.mostrado)));
            EXPECT_NE(p.mostrado == p.doNúcleo, !p.comum);
        }
    }
}

// A box titled by the program and one titled by the error: the window shows
// each in its language, as the checks above have those texts.
TEST_F(Idioma, CaixasNoIdioma)
{
    struct Caixa
    {
        Cadeia polinómio1, polinómio2, botão;
        runtime::Título título;
        runtime::Código código;
    };

    for (const Caixa c :
         {Caixa{"5", "x-2", "Ruffini", runtime::Título::Vendrix, runtime::Código::DividendoInválido},
          Caixa{"x^2+1",
                "x+",
                "Multiplicar",
                runtime::Título::Erro3,
                runtime::Código::ÍndiceForaDoIntervalo}}) {
        SCOPED_TRACE(c.polinómio2);
        gravador.caixas.clear();
        janela.findChild<QLineEdit*>(QStringLiteral("Polinómio1"))->setText(QString::fromUtf8(c.polinómio1));
        janela.findChild<QLineEdit*>(QStringLiteral("Polinómio2"))->setText(QString::fromUtf8(c.polinómio2));
        Clicar(c.botão);
        ASSERT_EQ(gravador.caixas.size(), 1U);
        EXPECT_EQ(gravador.caixas.front().título, runtime::TextoDoTítulo(c.título, TradutorQt()));
        EXPECT_EQ(gravador.caixas.front().texto, runtime::Falhar(c.código, "", "").Descrição(TradutorQt()));
    }
}

// The standard dialogs speak the window's language too, through Qt's own
// catalogue where it is installed (Debian's qt6-translations-l10n).
TEST(DialogosPadrao, BotoesNoIdiomaDaJanela)
{
    const QString pasta = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFile::exists(pasta + QStringLiteral("/qtbase_pt.qm")) &&
        !QFile::exists(pasta + QStringLiteral("/qtbase_pt_BR.qm")))
        GTEST_SKIP() << "no Portuguese catalogue of Qt's in " << pasta.toStdString();
    const QDialogButtonBox botões(QDialogButtonBox::Cancel);
    EXPECT_EQ(botões.button(QDialogButtonBox::Cancel)->text().remove(u'&').toStdString(),
              idiomaInstalado == "en" ? "Cancel" : "Cancelar");
}

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
