// SPDX-License-Identifier: MIT
#include "menus.h"
#include "resolucao/exportar.h"
#include "resolucao/praticar.h"
#include "ui/ficha.h"
#include "ui/pratica.h"
#include "ui/resolucao.h"
#include "ui/tradutor_qt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <tuple>
#include <utility>

namespace vendrix::ui {
namespace {

// A core that answers what the window must show: a one-line solution, the
// solutions of a parameter problem, a verdict on any answer (the answer
// "?" cannot be read past its second character, the conditions "?" past
// their second), and remembers the question it was asked.
class Falso : public Menus<>
{
protected:
    Falso()
        : Menus([this](resolucao::Exercício e, const resolucao::Pergunta& p, const runtime::Tradutor&) {
            resolucao::Resolução r;
            r.comando = resolucao::NomeDoExercício(e);
            pergunta = std::string(r.comando) + "|" + std::string(p.polinómio1) + "|" +
                       std::string(p.condições) + "|" + std::string(p.resposta);
            if (p.condições.starts_with('?')) {
                r.falha = resolucao::FalhaDoExercício{{}, resolucao::Caixa::Condições, 2, "?"};
                return r;
            }
            r.documento.blocos.emplace_back(resolucao::Destaque{"x^2"});
            if (e == resolucao::Exercício::Parâmetros)
                r.parâmetros = {"a=2,b=3", "a=-1,b=0"};
            if (p.resposta.starts_with('?'))
                r.verificação = resolucao::Verificação{{}, {}, "A leitura parou.", 2};
            else if (!p.resposta.empty())
                r.verificação = resolucao::Verificação{p.resposta == "certa" ? "certo" : "errado",
                                                       p.resposta == "certa" ? "" : "sinal-de-a",
                                                       "Frase.",
                                                       0};
            return r;
        })
    {}

    // Types into a box of the solution window and presses its button.
    void Enviar(Cadeia botão, Cadeia texto)
    {
        if (std::string_view(botão) == "Resolver")
            C<QPlainTextEdit>("Condicoes")->setPlainText(QString::fromUtf8(texto));
        else
            C<QLineEdit>("Resposta")->setText(QString::fromUtf8(texto));
        QTest::mouseClick(C<QAbstractButton>(botão), Qt::LeftButton);
        Esperar();
    }

    bool ResoluçãoVisível() { return C("Documento")->isVisible(); }

    std::string pergunta; // "exercise|P1|conditions|answer" last asked
};

// The conditions are asked for, passed on with Polinómio1, and the
// solutions listed; a refusal in them puts the cursor where reading stopped.
TEST_F(Falso, ParametrosPedeCondicoesEListaAsSolucoes)
{
    Escrever("x^3+ax^2+bx-6", "");
    Correr("Parametros", "");
    EXPECT_EQ(pergunta, "");
    auto* condições = C<QPlainTextEdit>("Condicoes");
    ASSERT_TRUE(condições->isVisible());
    EXPECT_EQ(C("Resolucao")->focusWidget(), condições);
    Enviar("Resolver", "divisível por x-1; P(-1) = -8");
    EXPECT_EQ(pergunta, "parametros|x^3+ax^2+bx-6|divisível por x-1; P(-1) = -8|");
    EXPECT_EQ(Propriedade("comando") + " " + Propriedade("parametros"), "parametros a=2,b=3|a=-1,b=0");
    Correr("Parametros", ""); // the conditions typed before are used again at once
    EXPECT_EQ(Propriedade("parametros"), "a=2,b=3|a=-1,b=0");
    Enviar("Resolver", "?x");
    EXPECT_EQ(caixas.size(), 1);
    EXPECT_EQ(C("Resolucao")->focusWidget(), condições);
    EXPECT_EQ(condições->textCursor().position(), 1);
    Correr("Dividir", "");
    EXPECT_EQ(pergunta, "dividir|x^3+ax^2+bx-6||"); // only the parameters read the conditions
    EXPECT_FALSE(condições->isVisible());
}

// A check shows its sentence alone: the solution stays hidden until asked
// for, and an answer that cannot be read gets the cursor back.
TEST_F(Falso, VerificarMostraSoOVeredictoAteVerResolucao)
{
    Correr("Factorizar", "");
    ASSERT_TRUE(ResoluçãoVisível());
    Correr("VerificarResposta", "");
    EXPECT_FALSE(ResoluçãoVisível());
    EXPECT_EQ(C("Resolucao")->focusWidget(), C("Resposta"));
    Enviar("Verificar", "  ");
    EXPECT_EQ(pergunta, "factorizar|x^4-3x^3+5x^2-2x-1||"); // nothing checked

    struct Verificação
    {
        Cadeia resposta, propriedades;
        int cursor;
    };

    for (const auto& [resposta, propriedades, cursor] : {
             Verificação{"certa", "certo||Frase.", -1},
             Verificação{"(x-1)", "errado|sinal-de-a|Frase.", -1},
             Verificação{"?x", "||A leitura parou.", 1},
         }) {
        Enviar("Verificar", resposta);
        EXPECT_EQ(pergunta, "factorizar|x^4-3x^3+5x^2-2x-1||" + std::string(resposta));
        EXPECT_EQ(Propriedade("veredicto") + "|" + Propriedade("erro") + "|" + Propriedade("explicacao"),
                  propriedades);
        EXPECT_EQ(C<QLabel>("Veredicto")->text().toStdString(), Propriedade("explicacao"));
        EXPECT_FALSE(ResoluçãoVisível()) << resposta;
        if (cursor >= 0) {
            EXPECT_EQ(C("Resolucao")->focusWidget(), C("Resposta"));
            EXPECT_EQ(C<QLineEdit>("Resposta")->cursorPosition(), cursor);
        }
    }
    QTest::mouseClick(C<QAbstractButton>("VerResolucao"), Qt::LeftButton);
    EXPECT_TRUE(ResoluçãoVisível());
    Correr("Dividir", ""); // a new exercise comes with no verdict
    EXPECT_EQ(Propriedade("veredicto") + Propriedade("explicacao"), "");
    EXPECT_FALSE(C("Veredicto")->isVisible());
    EXPECT_TRUE(caixas.isEmpty());
}

template <typename T = QWidget>
T* C(QWidget& janela, const char* nome)
{
    T* c = janela.findChild<T*>(QString::fromUtf8(nome));
    EXPECT_NE(c, nullptr) << nome;
    return c;
}

void Clicar(QWidget& janela, const char* botão)
{
    QTest::mouseClick(C<QAbstractButton>(janela, botão), Qt::LeftButton);
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::sendPostedEvents();
}

// A core that finds "certa" right and any other answer wrong, and
// remembers the boxes it was asked about.
class Praticar : public ::testing::Test
{
protected:
    Praticar()
        : janela([this](resolucao::Exercício, const resolucao::Pergunta& p, const runtime::Tradutor&) {
            perguntado =
                std::string(p.polinómio1) + "|" + std::string(p.polinómio2) + "|" + std::string(p.resposta);
            resolucao::Resolução r;
            r.documento.blocos.emplace_back(resolucao::Destaque{"x^2"});
            if (!p.resposta.empty())
                r.verificação =
                    resolucao::Verificação{p.resposta == "certa" ? "certo" : "errado", {}, "Frase.", 0};
            return r;
        })
    {
        janela.show();
    }

    std::string P(const char* nome) { return janela.property(nome).toString().toStdString(); }

    Pratica janela;
    std::string perguntado;
};

// Each step and what follows it: the verdict, the count of the first tries,
// and whether the solution shows.
TEST_F(Praticar, VerificarContaASoPrimeiraEOutroTiraOutraSemente)
{
    EXPECT_EQ(static_cast<std::size_t>(C<QComboBox>(janela, "Tipo")->count()),
              resolucao::NomesDosTipos().size());
    EXPECT_EQ(C<QComboBox>(janela, "Nivel")->count(), resolucao::NívelMáximo - resolucao::NívelMínimo + 1);
    C<QComboBox>(janela, "Nivel")->setCurrentIndex(1);

    struct Passo
    {
        const char* resposta; // typed before the button; nullptr: the button alone
        const char* botão;
        const char* veredicto;
        const char* contagem;
        bool resolução;
    };

    std::string semente = P("semente");
    for (const auto& [resposta, botão, veredicto, contagem, resolução] : {
             Passo{"errada", "Verificar", "errado", "Certas à primeira: 0 de 1", false},
             Passo{"certa", "Verificar", "certo", "Certas à primeira: 0 de 1", false},
             Passo{nullptr, "Outro", "", "Certas à primeira: 0 de 1", false},
             Passo{"certa", "Verificar", "certo", "Certas à primeira: 1 de 2", false},
             Passo{nullptr, "VerResolucao", "certo", "Certas à primeira: 1 de 2", true},
             Passo{nullptr, "Outro", "", "Certas à primeira: 1 de 2", false},
             Passo{nullptr, "VerResolucao", "", "Certas à primeira: 1 de 3", true},
             Passo{"", "Verificar", "", "Certas à primeira: 1 de 3", true},
         }) {
        if (resposta != nullptr)
            C<QLineEdit>(janela, "Resposta")->setText(QString::fromUtf8(resposta));
        Clicar(janela, botão);
        EXPECT_EQ(P("veredicto"), veredicto) << botão;
        EXPECT_EQ(C<QLabel>(janela, "Contagem")->text().toStdString(), contagem) << botão;
        EXPECT_EQ(C(janela, "Documento")->isVisible(), resolução) << botão;
        EXPECT_EQ(P("semente") != semente, std::string_view(botão) == "Outro");
        semente = P("semente");
    }
    // The boxes asked about are the exercise the seed makes.
    const resolucao::ExercícioGerado g = resolucao::GerarExercício(
        resolucao::TipoDoNome(C<QComboBox>(janela, "Tipo")->currentData().toString().toStdString()).value(),
        2,
        std::stoull(semente),
        TradutorQt());
    EXPECT_EQ(perguntado, g.polinómio1 + "|" + g.polinómio2 + "|");
    EXPECT_EQ(P("enunciado"), resolucao::EmTexto(g.enunciado));
}

// Each export asks where, and writes the worksheet of the dialog's counts,
// level and seed; no dialog is left open.
TEST(Ficha, ExportaOQueADialogoPede)
{
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    Ficha ficha;
    ficha.show();
    C<QSpinBox>(ficha, "Quantos_ruffini")->setValue(0);
    EXPECT_FALSE(C<QAbstractButton>(ficha, "ExportarHtml")->isEnabled()); // no exercise
    C<QSpinBox>(ficha, "Quantos_ruffini_ax_b")->setValue(3);
    C<QComboBox>(ficha, "Nivel")->setCurrentIndex(2);
    C<QLineEdit>(ficha, "Semente")->setText(QStringLiteral("18446744073709551616")); // past 64 bits
    EXPECT_FALSE(C<QAbstractButton>(ficha, "ExportarHtml")->isEnabled());
    C<QLineEdit>(ficha, "Semente")->setText(QStringLiteral("18446744073709551615"));
    const resolucao::Ficha esperada = resolucao::FazerFicha(
        {{{resolucao::Tipo::DividirPorAXMaisB, 3}}, 3, 18446744073709551615U}, TradutorQt());
    QString caminho;
    QTimer vigia;
    QObject::connect(&vigia, &QTimer::timeout, &ficha, [&] {
        if (auto* pergunta = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            pergunta->selectFile(caminho);
            static_cast<QDialog*>(pergunta)->accept(); // as Save does
        }
    });
    vigia.start(10);
    for (const auto& [botão, nome, início] :
         {std::tuple{"ExportarHtml", "ficha.html", resolucao::FichaEmHtml(esperada, TradutorQt())},
          std::tuple{"ExportarLatex", "ficha.tex", resolucao::FichaEmLaTeX(esperada, TradutorQt())},
          std::tuple{"ExportarPdf", "ficha.pdf", std::string("%PDF")}}) {
        caminho = pasta.filePath(QString::fromUtf8(nome));
        Clicar(ficha, botão);
        QFile ficheiro(caminho);
        ASSERT_TRUE(ficheiro.open(QIODevice::ReadOnly)) << nome;
        EXPECT_TRUE(ficheiro.readAll().startsWith(QByteArray::fromStdString(início))) << nome;
    }
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// The core counts characters from 1; a QString counts UTF-16 units, two for
// a character past the first plane.
TEST(IndiceDoCaracter, ContaCaracteresNaoUnidades)
{
    const QString texto = QStringLiteral("x²+\U0001D465-1");
    for (const auto& [posição, índice] : {std::pair<std::size_t, qsizetype>{1, 0},
                                          {3, 2},
                                          {4, 3},
                                          {5, 5},
                                          {7, 7},
                                          {8, 7},
                                          {0, 7},
                                          {std::size_t(-1), 7}})
        EXPECT_EQ(ÍndiceDoCarácter(texto, posição), índice) << posição;
}

} // namespace
} // namespace vendrix::ui
