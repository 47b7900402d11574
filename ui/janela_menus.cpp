// SPDX-License-Identifier: MIT
// The main window's menus: its commands, by name, with their shortcuts.
#include "resolucao/exercicio.h"
#include "ui/form1.h"
#include "ui/janela_principal.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include <optional>
#include <utility>

namespace vendrix::ui {

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
    QAction* parâmetros =
        NovaAcção(menu,
                  "Parametros",
                  QCoreApplication::translate("JanelaPrincipal", "Determinar os &parâmetros de Polinómio1"),
                  {});
    parâmetros->setEnabled(resolucao::ExercícioDoNome("parametros").has_value());
    connect(parâmetros, &QAction::triggered, this, &JanelaPrincipal::Parametros_Triggered);
    menu->addSeparator();
    ExplicarRuffini =
        NovaAcção(menu,
                  "ExplicarRuffini",
                  QCoreApplication::translate("JanelaPrincipal", "Explicar a regra de &Ruffini"),
                  {});
    ExplicarRuffini->setEnabled(false); // no table at start
    connect(ExplicarRuffini, &QAction::triggered, this, &JanelaPrincipal::ExplicarRuffini_Triggered);
    menu->addSeparator();
    connect(NovaAcção(menu,
                      "VerificarResposta",
                      QCoreApplication::translate("JanelaPrincipal", "Verificar a &minha resposta…"),
                      {}),
            &QAction::triggered,
            this,
            &JanelaPrincipal::VerificarResposta_Triggered);
    connect(NovaAcção(menu, "Praticar", QCoreApplication::translate("JanelaPrincipal", "Pra&ticar…"), {}),
            &QAction::triggered,
            this,
            &JanelaPrincipal::Praticar_Triggered);
    connect(
        NovaAcção(menu, "Ficha", QCoreApplication::translate("JanelaPrincipal", "Fic&ha de exercícios…"), {}),
        &QAction::triggered,
        this,
        &JanelaPrincipal::Ficha_Triggered);
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

} // namespace vendrix::ui
