// SPDX-License-Identifier: MIT
// Results that leave the window: every drawn result, the remainder and the
// Ruffini table can be copied as text, as HTML and as LaTeX, from a context
// menu or with Ctrl+C. The areas take the focus only when clicked, so the
// Tab order stays as designed.
#include "display/exportar.h"
#include "ruffini/vista.h"
#include "ui/caixa_desenho.h"
#include "ui/form1.h"
#include "ui/texto_qt.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>

namespace vendrix::ui {

namespace {

// The menu key and Shift+F10 open the context menu of the control that has
// the focus, as the right button does; the toolkit leaves that to us.
class TeclaDeMenu final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objecto, QEvent* evento) override
    {
        if (evento->type() != QEvent::KeyPress)
            return false;
        const auto* tecla = static_cast<QKeyEvent*>(evento);
        const bool menu = (tecla->key() == Qt::Key_Menu && tecla->modifiers() == Qt::NoModifier) ||
                          (tecla->key() == Qt::Key_F10 && tecla->modifiers() == Qt::ShiftModifier);
        auto* controlo = qobject_cast<QWidget*>(objecto);
        if (!menu || controlo == nullptr)
            return false;
        const QPoint sítio = controlo->rect().center();
        QContextMenuEvent pedido(QContextMenuEvent::Keyboard, sítio, controlo->mapToGlobal(sítio));
        QCoreApplication::sendEvent(controlo, &pedido);
        return true;
    }
};

QAction* NovaAcção(QWidget* dono, const QString& nome, const QString& texto, bool copiar)
{
    auto* acção = new QAction(texto, dono);
    acção->setObjectName(nome);
    if (copiar) {
        acção->setShortcut(QKeySequence::Copy);
        acção->setShortcutContext(Qt::WidgetShortcut);
        acção->setShortcutVisibleInContextMenu(true);
    }
    acção->setEnabled(false); // nothing is shown at start
    dono->addAction(acção);
    return acção;
}

void Habilitar(QWidget* dono, bool haTexto)
{
    for (QAction* acção : dono->actions())
        acção->setEnabled(haTexto);
}

// The text goes as plain text; HTML, when given, goes beside it for the
// programs that take rich text.
void ParaÁreaDeTransferência(const std::string& texto, const std::string* html)
{
    auto* dados = new QMimeData;
    dados->setText(DeUtf8(texto));
    if (html != nullptr)
        dados->setHtml(DeUtf8(*html));
    QGuiApplication::clipboard()->setMimeData(dados);
}

} // namespace

void Form1::LigarCópias()
{
    auto* teclaDeMenu = new TeclaDeMenu(this);
    for (QWidget* área : std::initializer_list<QWidget*>{Picture1, Picture3, Picture4, Picture5, Label16}) {
        área->installEventFilter(teclaDeMenu);
        área->setFocusPolicy(Qt::ClickFocus);
        área->setContextMenuPolicy(Qt::ActionsContextMenu);
        connect(
            NovaAcção(área, QStringLiteral("Copiar"), QCoreApplication::translate("Form1", "Copiar"), true),
            &QAction::triggered,
            this,
            [this, área] { CopiarÁrea(área, false); });
        connect(NovaAcção(área,
                          QStringLiteral("CopiarLaTeX"),
                          QCoreApplication::translate("Form1", "Copiar como LaTeX"),
                          false),
                &QAction::triggered,
                this,
                [this, área] { CopiarÁrea(área, true); });
    }
    Frame6->installEventFilter(teclaDeMenu);
    Frame6->setFocusPolicy(Qt::ClickFocus);
    Frame6->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(NovaAcção(Frame6,
                      QStringLiteral("CopiarTabela"),
                      QCoreApplication::translate("Form1", "Copiar tabela"),
                      true),
            &QAction::triggered,
            this,
            [this] { CopiarTabela(false); });
    connect(NovaAcção(Frame6,
                      QStringLiteral("CopiarTabelaLaTeX"),
                      QCoreApplication::translate("Form1", "Copiar tabela como LaTeX"),
                      false),
            &QAction::triggered,
            this,
            [this] { CopiarTabela(true); });

    // What is shown changes only in the buttons' handlers, which run before
    // these connections, and in a drawing.
    for (QAbstractButton* botão : findChildren<QAbstractButton*>())
        connect(botão, &QAbstractButton::clicked, this, &Form1::AtualizarCópias);
    for (CaixaDeDesenho* área : {Picture1, Picture3, Picture4, Picture5})
        connect(área, &CaixaDeDesenho::contentChanged, this, &Form1::AtualizarCópias);
}

void Form1::AtualizarCópias()
{
    for (CaixaDeDesenho* área : {Picture1, Picture3, Picture4, Picture5})
        Habilitar(área, área->ÚltimoTexto() != nullptr);
    Habilitar(Label16, !Label16->text().isEmpty());
    Habilitar(Frame6, !Div->isHidden());
}

void Form1::CopiarÁrea(QWidget* área, bool latex)
{
    std::string texto;
    if (área == Label16) {
        texto = ParaUtf8(Label16->text());
    } else {
        const std::string* último = static_cast<CaixaDeDesenho*>(área)->ÚltimoTexto();
        if (último == nullptr)
            return;
        texto = *último;
    }
    if (latex) {
        ParaÁreaDeTransferência(display::PolinómioEmLaTeX(texto), nullptr);
        return;
    }
    const std::string html = display::PolinómioEmHtml(texto);
    ParaÁreaDeTransferência(display::PolinómioEmTexto(texto), &html);
}

void Form1::CopiarTabela(bool latex)
{
    if (Div->isHidden())
        return;
    const display::QuadroRuffini& quadro = vistaRuffini->quadro;
    if (latex) {
        ParaÁreaDeTransferência(display::QuadroEmLaTeX(quadro), nullptr);
        return;
    }
    const std::string html = display::QuadroEmHtml(quadro);
    ParaÁreaDeTransferência(display::QuadroEmTexto(quadro), &html);
}

} // namespace vendrix::ui
