// SPDX-License-Identifier: MIT
#include "ui/janela_principal.h"

#include "resolucao/exercicio.h"
#include "resolucao/resumo.h"
#include "resolucao/textos.h"
#include "ui/em_fundo.h"
#include "ui/form1.h"
#include "ui/resolucao.h"
#include "ui/texto_qt.h"
#include "ui/tradutor_qt.h"

#include <QAction>
#include <QCoreApplication>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QStringList>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vendrix::ui {

namespace {

QStringList Raízes(const std::vector<resolucao::RaizDoExercício>& raízes)
{
    QStringList lista;
    for (const resolucao::RaizDoExercício& raiz : raízes)
        lista << DeUtf8(resolucao::RaizEmTexto(raiz));
    return lista;
}

// The solution on show, and what it found as properties for whoever
// drives the window from outside: each one empty when it does not apply.
void Mostrar(Resolucao& janela, const RespostaDoExercício& resposta)
{
    const resolucao::Resolução& r = resposta.resolução;
    const std::string& texto = resposta.texto;
    const std::string& latex = resposta.latex;
    janela.Mostrar(r.documento, resolucao::EmDocumento(resolucao::Resumir(r, TradutorQt())), texto, latex);
    janela.setProperty("comando", DeUtf8(r.comando));
    janela.setProperty("quociente", DeUtf8(r.quociente));
    janela.setProperty("resto", DeUtf8(r.resto));
    janela.setProperty("factorizacao", DeUtf8(r.factorização));
    janela.setProperty("factorizacao_real", DeUtf8(r.factorizaçãoReal));
    janela.setProperty("valor", DeUtf8(r.valor));
    janela.setProperty("sinais", DeUtf8(r.sinais));
    janela.setProperty("raizes", Raízes(r.raízes));
    janela.setProperty("desenvolvimento", DeUtf8(r.desenvolvimento));
    janela.setProperty("solucoes", Raízes(r.soluções));
    janela.setProperty("conjunto", DeUtf8(r.conjunto));
    janela.setProperty("quadro", DeUtf8(r.quadro));
    janela.setProperty("texto", DeUtf8(texto));
    janela.setProperty("latex", DeUtf8(latex));
    janela.PedirPonto(r.comando == resolucao::NomeDoExercício(resolucao::Exercício::Valor));
    janela.show();
    janela.raise();
    janela.activateWindow();
}

// An exercise that has not given its answer yet, for the window to show
// while it asks for the point.
RespostaDoExercício Vazia(resolucao::Exercício exercício)
{
    RespostaDoExercício vazia;
    vazia.resolução.comando = resolucao::NomeDoExercício(exercício);
    return vazia;
}

} // namespace

JanelaPrincipal::JanelaPrincipal(QWidget* parent)
    : JanelaPrincipal(
          [](resolucao::Exercício exercício,
             const resolucao::Pergunta& pergunta,
             const runtime::Tradutor& tradutor) {
              return resolucao::ResolverExercício(exercício, pergunta, tradutor);
          },
          parent)
{}

JanelaPrincipal::JanelaPrincipal(Resolvedor resolvedorDado, QWidget* parent)
    : QMainWindow(parent)
    , resolvedor(std::move(resolvedorDado))
    , emFundo(std::make_unique<ExercícioEmFundo>(
          [this](bool demorado) {
              Resolucao* janela = JanelaDeResolução();
              janela->MostrarProgresso(demorado);
              if (demorado)
                  janela->show();
          },
          [this](const RespostaDoExercício& resposta) { Resolvido(resposta); }))
    , form1(new Form1)
{
    setObjectName(QStringLiteral("JanelaPrincipal"));
    setCentralWidget(form1);
    setWindowTitle(form1->windowTitle());
    setWindowIcon(form1->windowIcon());
    // Form1 keeps its designed size; the menu bar and the status bar only
    // add their heights.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    CriarMenuExercício();
    CriarMenuEditar();
    CriarMenuAjuda();
    statusBar()->setObjectName(QStringLiteral("BarraDeEstado"));
    statusBar()->setSizeGripEnabled(false);
    connect(form1, &Form1::tableChanged, this, &JanelaPrincipal::TabelaMudou);
    connect(form1, &Form1::divisorRefused, this, &JanelaPrincipal::DivisorRecusado);
}

JanelaPrincipal::~JanelaPrincipal() = default;

QAction*
JanelaPrincipal::NovaAcção(QMenu* menu, const char* nome, const QString& texto, const QKeySequence& atalho)
{
    QAction* acção = menu->addAction(texto);
    acção->setObjectName(QString::fromUtf8(nome));
    acção->setShortcut(atalho);
    return acção;
}

// An exercise found by its name in the core's table: until the core has
// it, its command stays in the menu, disabled.
void JanelaPrincipal::NovoExercício(QMenu* menu,
                                    const char* nome,
                                    std::string_view exercício,
                                    const QString& texto,
                                    const QKeySequence& atalho)
{
    QAction* acção = NovaAcção(menu, nome, texto, atalho);
    const std::optional<resolucao::Exercício> qual = resolucao::ExercícioDoNome(exercício);
    acção->setEnabled(qual.has_value());
    if (qual)
        connect(acção, &QAction::triggered, this, [this, e = *qual] { Resolver(e); });
}

void JanelaPrincipal::CriarMenuExercício()
{
    QMenu* menu = menuBar()->addMenu(QCoreApplication::translate("JanelaPrincipal", "E&xercício"));
    menu->setObjectName(QStringLiteral("MenuExercicio"));
    connect(NovaAcção(menu,
                      "Dividir",
                      QCoreApplication::translate("JanelaPrincipal", "&Dividir Polinómio1 por Polinómio2"),
                      QKeySequence(Qt::CTRL | Qt::Key_D)),
            &QAction::triggered,
            this,
            &JanelaPrincipal::Dividir_Triggered);
    connect(NovaAcção(menu,
                      "Factorizar",
                      QCoreApplication::translate("JanelaPrincipal", "&Factorizar Polinómio1"),
                      QKeySequence(Qt::CTRL | Qt::Key_F)),
            &QAction::triggered,
            this,
            &JanelaPrincipal::Factorizar_Triggered);
    connect(NovaAcção(menu,
                      "ValorNumerico",
                      QCoreApplication::translate("JanelaPrincipal", "&Valor de Polinómio1 em x = …"),
                      {}),
            &QAction::triggered,
            this,
            &JanelaPrincipal::ValorNumerico_Triggered);
    connect(NovaAcção(menu,
                      "Grafico",
                      QCoreApplication::translate("JanelaPrincipal", "&Gráfico de Polinómio1"),
                      QKeySequence(Qt::CTRL | Qt::Key_G)),
            &QAction::triggered,
            this,
            &JanelaPrincipal::Grafico_Triggered);
    NovoExercício(menu,
                  "Desenvolver",
                  "desenvolver",
                  QCoreApplication::translate("JanelaPrincipal", "D&esenvolver Polinómio1"),
                  QKeySequence(Qt::CTRL | Qt::Key_E));
    NovoExercício(
        menu,
        "Resolver",
        "resolver",
        QCoreApplication::translate("JanelaPrincipal", "Re&solver a equação ou inequação de Polinómio1"),
        QKeySequence(Qt::CTRL | Qt::Key_R));
    menu->addSeparator();
    ExplicarRuffini =
        NovaAcção(menu,
                  "ExplicarRuffini",
                  QCoreApplication::translate("JanelaPrincipal", "Explicar a regra de &Ruffini"),
                  {});
    ExplicarRuffini->setEnabled(false); // no table at start
    connect(ExplicarRuffini, &QAction::triggered, this, &JanelaPrincipal::ExplicarRuffini_Triggered);
}

// The copy commands of Form1's results, the very actions of their context
// menus, so they are enabled, disabled and translated in one place. Each
// area has two of them with the same texts, hence one submenu per area.
void JanelaPrincipal::CriarMenuEditar()
{
    QMenu* menu = menuBar()->addMenu(QCoreApplication::translate("JanelaPrincipal", "&Editar"));
    menu->setObjectName(QStringLiteral("MenuEditar"));
    const std::pair<const char*, QString> áreas[] = {
        {"Picture3", QCoreApplication::translate("JanelaPrincipal", "&Polinómio1 simplificado")},
        {"Picture4", QCoreApplication::translate("JanelaPrincipal", "P&olinómio2 simplificado")},
        {"Picture1", QCoreApplication::translate("JanelaPrincipal", "&Resultado")},
        {"Frame6", QCoreApplication::translate("JanelaPrincipal", "&Tabela de Ruffini")},
        {"Picture5", QCoreApplication::translate("JanelaPrincipal", "&Quociente")},
        {"Label16", QCoreApplication::translate("JanelaPrincipal", "R&esto")},
    };
    for (const auto& [nome, título] : áreas) {
        auto* área = form1->findChild<QWidget*>(QString::fromUtf8(nome));
        QMenu* submenu = menu->addMenu(título);
        submenu->setObjectName(QStringLiteral("MenuEditar") + QString::fromUtf8(nome));
        submenu->addActions(área->actions());
    }
}

void JanelaPrincipal::CriarMenuAjuda()
{
    QMenu* menu = menuBar()->addMenu(QCoreApplication::translate("JanelaPrincipal", "&Ajuda"));
    menu->setObjectName(QStringLiteral("MenuAjuda"));
    connect(NovaAcção(menu, "Sobre", QCoreApplication::translate("JanelaPrincipal", "&Sobre o Vendrix"), {}),
            &QAction::triggered,
            this,
            &JanelaPrincipal::Sobre_Triggered);
}

void JanelaPrincipal::Sobre_Triggered()
{
    QMessageBox::about(this,
                       QCoreApplication::translate("JanelaPrincipal", "Sobre o Vendrix"),
                       QCoreApplication::translate(
                           "JanelaPrincipal",
                           "<p><b>Vendrix</b></p><p>Calculadora de polinómios de coeficientes inteiros: "
                           "soma, diferença, produto e divisão pela regra de Ruffini, com as resoluções "
                           "passo a passo.</p><p>Licença MIT.</p>"));
}

void JanelaPrincipal::TabelaMudou(bool mostrada)
{
    statusBar()->clearMessage();
    ExplicarRuffini->setEnabled(mostrada);
    if (mostrada) {
        dividendoDaTabela = Texto("Polinómio1");
        divisorDaTabela = Texto("Polinómio2");
    }
}

QString JanelaPrincipal::Texto(const char* caixa) const
{
    return form1->findChild<QLineEdit*>(QString::fromUtf8(caixa))->text();
}

void JanelaPrincipal::Dividir_Triggered() { Resolver(resolucao::Exercício::Dividir); }

void JanelaPrincipal::Factorizar_Triggered() { Resolver(resolucao::Exercício::Factorizar); }

void JanelaPrincipal::Grafico_Triggered() { Resolver(resolucao::Exercício::Gráfico); }

// The table on show explains itself: the boxes may have been edited since.
void JanelaPrincipal::ExplicarRuffini_Triggered()
{
    Resolver(resolucao::Exercício::Explicar, dividendoDaTabela, divisorDaTabela, {});
}

// The point is asked for in the solution window; a point typed before is
// used again at once.
void JanelaPrincipal::ValorNumerico_Triggered()
{
    Resolucao* janela = JanelaDeResolução();
    const QString ponto = janela->Ponto();
    if (!ponto.isEmpty()) {
        CalcularValor(ponto);
        return;
    }
    emFundo->Cancelar(); // no earlier answer comes in under the question
    Mostrar(*janela, Vazia(resolucao::Exercício::Valor));
}

void JanelaPrincipal::CalcularValor(const QString& ponto)
{
    Resolver(resolucao::Exercício::Valor, Texto("Polinómio1"), Texto("Polinómio2"), ponto);
}

void JanelaPrincipal::Resolver(resolucao::Exercício exercício)
{
    Resolver(exercício, Texto("Polinómio1"), Texto("Polinómio2"), {});
}

void JanelaPrincipal::Resolver(resolucao::Exercício exercício,
                               const QString& polinómio1,
                               const QString& polinómio2,
                               const QString& ponto)
{
    valorEmCurso = exercício == resolucao::Exercício::Valor;
    // The work gets its own copies: the boxes may change while it runs.
    emFundo->Começar(
        [r = resolvedor, exercício, a = ParaUtf8(polinómio1), b = ParaUtf8(polinómio2), c = ParaUtf8(ponto)] {
            return r(exercício, resolucao::Pergunta{a, b, c, {}, {}}, TradutorQt());
        });
}

// A cancelled value leaves its point in the box: the answer to the point
// before goes, as it does when a point is refused.
void JanelaPrincipal::Cancelar_Click()
{
    if (emFundo->Cancelar() && valorEmCurso)
        Mostrar(*JanelaDeResolução(), Vazia(resolucao::Exercício::Valor));
}

void JanelaPrincipal::Resolvido(const RespostaDoExercício& resposta)
{
    const resolucao::Resolução& r = resposta.resolução;
    if (r.falha) {
        // Over the window the text was typed in. A refused point clears
        // the answer to the point before; otherwise the last solution stays.
        const bool noPonto = r.falha->caixa == resolucao::Caixa::Ponto;
        if (noPonto)
            Mostrar(*JanelaDeResolução(), Vazia(resolucao::Exercício::Valor));
        QMessageBox caixa(QMessageBox::Information,
                          QStringLiteral("Vendrix"),
                          DeUtf8(r.falha->mensagem),
                          QMessageBox::Ok,
                          noPonto ? static_cast<QWidget*>(resolução) : this);
        caixa.exec();
        return;
    }
    Mostrar(*JanelaDeResolução(), resposta);
}

// After Ruffini's own message, the way to divide by what it refused, when
// the long division takes it: dividing 0 by it asks the exercise itself
// and costs only the reading of the divisor.
void JanelaPrincipal::DivisorRecusado(const QString& divisor)
{
    const runtime::Tradutor tradutor = TradutorQt();
    const std::string texto = ParaUtf8(divisor);
    if (resolvedor(resolucao::Exercício::Dividir, resolucao::Pergunta{"0", texto, {}, {}, {}}, tradutor)
            .falha)
        return;
    const std::string dica = runtime::Preencher(
        tradutor(resolucao::FonteDe(resolucao::Texto::DicaDivisãoLonga)), {ParaUtf8(divisor)});
    statusBar()->showMessage(DeUtf8(dica));
}

Resolucao* JanelaPrincipal::JanelaDeResolução()
{
    if (resolução == nullptr) {
        resolução = new Resolucao(this);
        connect(resolução, &Resolucao::pointEntered, this, &JanelaPrincipal::CalcularValor);
        connect(resolução, &Resolucao::cancelRequested, this, &JanelaPrincipal::Cancelar_Click);
        // Closing the window cancels what it waits for, which would open it again.
        connect(resolução, &Resolucao::closed, this, [this] { emFundo->Cancelar(); });
    }
    return resolução;
}

} // namespace vendrix::ui
