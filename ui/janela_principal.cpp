// SPDX-License-Identifier: MIT
#include "ui/janela_principal.h"

#include "resolucao/exercicio.h"
#include "resolucao/resumo.h"
#include "resolucao/textos.h"
#include "ui/em_fundo.h"
#include "ui/ficha.h"
#include "ui/form1.h"
#include "ui/pratica.h"
#include "ui/resolucao.h"
#include "ui/texto_qt.h"
#include "ui/tradutor_qt.h"

#include <QCoreApplication>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QStatusBar>
#include <QStringList>

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
    const resolucao::Verificação verificação = r.verificação.value_or(resolucao::Verificação{});
    QStringList parâmetros;
    for (const std::string& solução : r.parâmetros)
        parâmetros << DeUtf8(solução);
    janela.Mostrar(r.documento, resolucao::EmDocumento(resolucao::Resumir(r, TradutorQt())));
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
    janela.setProperty("parametros", parâmetros.join(u'|'));
    janela.setProperty("veredicto", DeUtf8(verificação.veredicto));
    janela.setProperty("erro", DeUtf8(verificação.erro));
    janela.setProperty("explicacao", DeUtf8(verificação.explicação));
    janela.PedirPonto(r.comando == resolucao::NomeDoExercício(resolucao::Exercício::Valor));
    janela.PedirCondições(r.comando == resolucao::NomeDoExercício(resolucao::Exercício::Parâmetros));
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

// The conditions are asked for in the solution window; conditions typed
// before are used again at once.
void JanelaPrincipal::Parametros_Triggered()
{
    Resolucao* janela = JanelaDeResolução();
    if (!janela->Condições().trimmed().isEmpty()) {
        ResolverParâmetros();
        return;
    }
    emFundo->Cancelar();
    Mostrar(*janela, Vazia(resolucao::Exercício::Parâmetros));
}

void JanelaPrincipal::ResolverParâmetros() { Resolver(resolucao::Exercício::Parâmetros); }

// The answer is checked against the exercise the window shows; before any,
// the division, which the boxes hold at start.
void JanelaPrincipal::VerificarResposta_Triggered()
{
    Resolucao* janela = JanelaDeResolução();
    if (janela->property("comando").toString().isEmpty()) {
        emFundo->Cancelar();
        Mostrar(*janela, Vazia(resolucao::Exercício::Dividir));
    }
    janela->PedirResposta();
}

// The same question again, with the answer: an empty answer asks nothing,
// which would give the solution away.
void JanelaPrincipal::Verificar()
{
    Resolucao* janela = JanelaDeResolução();
    const QString resposta = janela->Resposta();
    if (resposta.trimmed().isEmpty()) {
        janela->Marcar(QStringLiteral("Resposta"), 0);
        return;
    }
    const resolucao::Exercício exercício =
        resolucao::ExercícioDoNome(ParaUtf8(janela->property("comando").toString()))
            .value_or(resolucao::Exercício::Dividir);
    if (exercício == resolucao::Exercício::Explicar)
        Resolver(exercício, dividendoDaTabela, divisorDaTabela, {}, resposta);
    else
        Resolver(exercício, Texto("Polinómio1"), Texto("Polinómio2"), janela->Ponto(), resposta);
}

void JanelaPrincipal::Praticar_Triggered()
{
    if (prática == nullptr)
        prática = new Pratica(resolvedor, this);
    prática->show();
    prática->raise();
    prática->activateWindow();
}

void JanelaPrincipal::Ficha_Triggered()
{
    if (ficha == nullptr)
        ficha = new Ficha(this);
    ficha->show();
    ficha->raise();
    ficha->activateWindow();
}

void JanelaPrincipal::Resolver(resolucao::Exercício exercício)
{
    Resolver(exercício, Texto("Polinómio1"), Texto("Polinómio2"), {});
}

void JanelaPrincipal::Resolver(resolucao::Exercício exercício,
                               const QString& polinómio1,
                               const QString& polinómio2,
                               const QString& ponto,
                               const QString& resposta)
{
    valorEmCurso = exercício == resolucao::Exercício::Valor;
    verificaçãoEmCurso = !resposta.isEmpty();
    // Only the exercise with parameters reads the conditions.
    const QString condições = exercício == resolucao::Exercício::Parâmetros && resolução != nullptr
                                  ? resolução->Condições()
                                  : QString();
    // The work gets its own copies: the boxes may change while it runs.
    emFundo->Começar([r = resolvedor,
                      exercício,
                      a = ParaUtf8(polinómio1),
                      b = ParaUtf8(polinómio2),
                      c = ParaUtf8(ponto),
                      d = ParaUtf8(condições),
                      e = ParaUtf8(resposta)] {
        return r(exercício, resolucao::Pergunta{a, b, c, d, e}, TradutorQt());
    });
}

// A cancelled value leaves its point in the box: the answer to the point
// before goes, as it does when a point is refused.
void JanelaPrincipal::Cancelar_Click()
{
    if (emFundo->Cancelar() && valorEmCurso)
        Mostrar(*JanelaDeResolução(), Vazia(resolucao::Exercício::Valor));
}

// A check shows only its verdict: the solution that came with it stays
// hidden until asked for.
void JanelaPrincipal::Resolvido(const RespostaDoExercício& resposta)
{
    const resolucao::Resolução& r = resposta.resolução;
    if (r.falha) {
        Recusado(r);
        return;
    }
    Resolucao& janela = *JanelaDeResolução();
    Mostrar(janela, resposta);
    if (verificaçãoEmCurso)
        janela.MostrarVerificação(r.verificação.value_or(resolucao::Verificação{}));
}

// Over the window the text was typed in, then back in its box where reading
// stopped. A refused point clears the answer to the point before;
// otherwise the last solution stays.
void JanelaPrincipal::Recusado(const resolucao::Resolução& r)
{
    const resolucao::FalhaDoExercício& falha = *r.falha;
    const bool naJanela = falha.caixa == resolucao::Caixa::Ponto ||
                          falha.caixa == resolucao::Caixa::Condições ||
                          falha.caixa == resolucao::Caixa::Resposta;
    if (falha.caixa == resolucao::Caixa::Ponto)
        Mostrar(*JanelaDeResolução(), Vazia(resolucao::Exercício::Valor));
    QMessageBox caixa(QMessageBox::Information,
                      QStringLiteral("Vendrix"),
                      DeUtf8(falha.mensagem),
                      QMessageBox::Ok,
                      naJanela ? static_cast<QWidget*>(JanelaDeResolução()) : this);
    caixa.exec();
    switch (falha.caixa) {
    case resolucao::Caixa::Polinómio1:
    case resolucao::Caixa::Polinómio2: {
        auto* linha = form1->findChild<QLineEdit*>(falha.caixa == resolucao::Caixa::Polinómio1
                                                       ? QStringLiteral("Polinómio1")
                                                       : QStringLiteral("Polinómio2"));
        activateWindow();
        linha->setFocus();
        linha->setCursorPosition(static_cast<int>(ÍndiceDoCarácter(linha->text(), falha.posição)));
        break;
    }
    case resolucao::Caixa::Ponto:
        resolução->Marcar(QStringLiteral("Ponto"), falha.posição);
        break;
    case resolucao::Caixa::Condições:
        resolução->Marcar(QStringLiteral("Condicoes"), falha.posição);
        break;
    case resolucao::Caixa::Resposta:
        resolução->Marcar(QStringLiteral("Resposta"), falha.posição);
        break;
    }
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
        connect(resolução, &Resolucao::solveRequested, this, &JanelaPrincipal::ResolverParâmetros);
        connect(resolução, &Resolucao::checkRequested, this, &JanelaPrincipal::Verificar);
        connect(resolução, &Resolucao::cancelRequested, this, &JanelaPrincipal::Cancelar_Click);
        // Closing the window cancels what it waits for, which would open it again.
        connect(resolução, &Resolucao::closed, this, [this] { emFundo->Cancelar(); });
    }
    return resolução;
}

} // namespace vendrix::ui
