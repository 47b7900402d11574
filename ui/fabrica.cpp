// SPDX-License-Identifier: MIT
#include "ui/fabrica.h"

#include "ui/acessibilidade.h"
#include "ui/caixa_desenho.h"
#include "ui/caixa_trabalho.h"
#include "ui/fontes.h"
#include "ui/texto_qt.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>

#include <limits>
#include <string>

namespace vendrix::ui {

namespace {

QFont FonteDe(Letra letra)
{
    switch (letra) {
    case Letra::Cómica24:
        return Fonte(Comic, 24, true);
    case Letra::Negrito:
        return Fonte(SansSerif, 8.25, true);
    case Letra::Cómica:
        return Fonte(Comic, 9.75, true);
    case Letra::Serifa:
        return Fonte(Serif, 6, false);
    case Letra::NegritoMaior:
        return Fonte(SansSerif, 9.75, true);
    case Letra::Padrão:
        break;
    }
    return Fonte(SansSerif, 8.25, false);
}

// A caption, tool tip or help paragraph of the design, in the user's
// language; texts the catalogue does not hold (the title, the notation)
// come back as they are.
QString Traduzido(std::string_view fonte)
{
    if (fonte.empty())
        return {};
    return QCoreApplication::translate("Form1", std::string(fonte).c_str());
}

QColor Cor(std::uint32_t rgb) { return QColor::fromRgb(static_cast<QRgb>(rgb)); }

// A text box holds any text at all: the work boxes carry results of any
// length, and a pasted polynomial must not be cut at 32,767 characters.
QLineEdit* CaixaDeTexto(const Controlo& linha)
{
    auto* caixa = new QLineEdit(DeUtf8(linha.texto));
    caixa->setMaxLength(std::numeric_limits<int>::max());
    if (linha.centrado)
        caixa->setAlignment(Qt::AlignCenter);
    return caixa;
}

QWidget* Célula(const Controlo& linha, const QPalette& base)
{
    QLineEdit* célula = CaixaDeTexto(linha);
    célula->setFrame(false);
    QPalette p = base;
    p.setColor(QPalette::Base, base.color(QPalette::Button));
    célula->setPalette(p);
    return célula;
}

QWidget* PainelDeAjuda()
{
    auto* painel = new QTextEdit;
    painel->setAcceptRichText(false);
    QString texto;
    for (const ParágrafoDeAjuda& parágrafo : AjudaDoForm1())
        texto += Traduzido(parágrafo.texto) + QStringLiteral("\r\n") + DeUtf8(parágrafo.depois);
    texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    texto.chop(1); // the last line break ends the last paragraph; no empty one after it
    painel->setPlainText(texto);
    painel->selectAll();
    painel->setAlignment(Qt::AlignHCenter);
    painel->moveCursor(QTextCursor::Start);
    painel->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    painel->setLineWrapMode(QTextEdit::WidgetWidth);
    return painel;
}

QWidget* BotãoQuadrado(const Controlo& linha)
{
    auto* botão = new QPushButton;
    botão->setIcon(QIcon(DeUtf8(linha.imagem)));
    botão->setIconSize(QSize(Pixels(linha.largura) - 6, Pixels(linha.altura) - 6));
    return botão;
}

QWidget* BotãoDeComando(const Controlo& linha)
{
    auto* botão = new QToolButton;
    botão->setText(Traduzido(linha.texto));
    botão->setIcon(QIcon(DeUtf8(linha.imagem)));
    botão->setIconSize(QSize(32, 32));
    botão->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    return botão;
}

QWidget* Novo(const Controlo& linha, const QPalette& base)
{
    switch (linha.tipo) {
    case Tipo::Rótulo:
    case Tipo::RótuloComBorda: {
        auto* rótulo = new QLabel(Traduzido(linha.texto));
        rótulo->setAlignment(linha.centrado ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
        if (linha.tipo == Tipo::RótuloComBorda)
            rótulo->setFrameStyle(QFrame::Box | QFrame::Plain);
        return rótulo;
    }
    case Tipo::Moldura:
        return new QGroupBox(Traduzido(linha.texto));
    case Tipo::CaixaDeTexto:
        return CaixaDeTexto(linha);
    case Tipo::Trabalho:
        return new CaixaDeTrabalho(DeUtf8(linha.texto));
    case Tipo::Célula:
        return Célula(linha, base);
    case Tipo::PainelDeAjuda:
        return PainelDeAjuda();
    case Tipo::BotãoQuadrado:
        return BotãoQuadrado(linha);
    case Tipo::BotãoDeComando:
        return BotãoDeComando(linha);
    case Tipo::Desenho:
        return new CaixaDeDesenho;
    case Tipo::Linha:
        break;
    }
    auto* linhaDesenhada = new QWidget;
    linhaDesenhada->setAutoFillBackground(true);
    return linhaDesenhada;
}

// Which palette role carries a control's text colour and its background.
std::pair<QPalette::ColorRole, QPalette::ColorRole> Papéis(Tipo tipo)
{
    switch (tipo) {
    case Tipo::CaixaDeTexto:
    case Tipo::Trabalho:
    case Tipo::PainelDeAjuda:
    case Tipo::Célula:
        return {QPalette::Text, QPalette::Base};
    case Tipo::BotãoQuadrado:
    case Tipo::BotãoDeComando:
        return {QPalette::ButtonText, QPalette::Button};
    case Tipo::Linha:
        return {QPalette::Window, QPalette::Window};
    default:
        break;
    }
    return {QPalette::WindowText, QPalette::Window};
}

} // namespace

QWidget* CriarControlo(const Controlo& linha, QWidget* contentor)
{
    QWidget* c = Novo(linha, contentor->palette());
    c->setParent(contentor);
    c->setObjectName(DeUtf8(linha.nome));
    c->setFont(FonteDe(linha.letra));
    const auto [papelTexto, papelFundo] = Papéis(linha.tipo);
    QPalette p = c->palette();
    if (linha.corTexto != SemCor)
        p.setColor(papelTexto, Cor(linha.corTexto));
    if (linha.corFundo != SemCor)
        p.setColor(papelFundo, Cor(linha.corFundo));
    c->setPalette(p);
    if (!linha.dica.empty()) {
        const QString dica = Traduzido(linha.dica);
        c->setToolTip(dica);
        DescreverBotão(c, dica);
    }
    // A picture area counts its children from inside its border.
    QPoint origem;
    if (auto* área = qobject_cast<CaixaDeDesenho*>(contentor))
        origem = área->contentsRect().topLeft();
    c->setGeometry(origem.x() + Pixels(linha.esquerda),
                   origem.y() + Pixels(linha.topo),
                   Pixels(linha.largura),
                   Pixels(linha.altura));
    c->setVisible(linha.visível);
    return c;
}

} // namespace vendrix::ui
