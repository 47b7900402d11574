// SPDX-License-Identifier: MIT
#include "ui/resolucao.h"

#include "resolucao/documento.h"
#include "resolucao/exercicio.h"
#include "resolucao/exportar.h"
#include "resolucao/formula.h"
#include "resolucao/grafico.h"
#include "resolucao/textos.h"
#include "ui/acessibilidade.h"
#include "ui/filas.h"
#include "ui/texto_qt.h"
#include "ui/tradutor_qt.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSvgRenderer>
#include <QTextBrowser>
#include <QTextCursor>
#include <QUrl>
#include <QVBoxLayout>

#include <variant>
#include <vector>

namespace vendrix::ui {

namespace {

// The rules and boxes the document's classes stand for, in the subset of
// CSS that the toolkit's rich text reads: a table draws a rule under a
// row only through the top border of the cells of the next one.
constexpr const char* Estilo = R"(
h3.vx-titulo { font-size: large; margin-bottom: 6px; }
p.vx-frase { margin-top: 4px; margin-bottom: 4px; }
p.vx-formula { margin-left: 24px; margin-top: 4px; margin-bottom: 4px; }
table { border-collapse: collapse; margin-left: 24px; margin-top: 6px; margin-bottom: 6px; }
td { padding-left: 8px; padding-right: 8px; padding-top: 2px; padding-bottom: 2px; text-align: right; }
td.vx-raiz { border-right: 1px solid black; }
tr.vx-somas td { border-top: 1px solid black; }
td.vx-resto { border: 2px solid black; font-weight: bold; }
td.vx-divisor { border-left: 1px solid black; border-bottom: 1px solid black; text-align: left; }
td.vx-quociente { border-left: 1px solid black; text-align: left; }
tr.vx-subtraida td { border-bottom: 1px solid black; }
table.vx-sinais td { text-align: center; border: 1px solid gray; }
td.vx-rotulo { font-weight: bold; }
p.vx-legenda { margin-top: 2px; margin-bottom: 6px; }
)";

// Drawn at twice the size, so the graph stays sharp on dense screens and
// on paper.
constexpr int Nitidez = 2;

// A line the core words for both front ends, in the window's language.
QString Texto(resolucao::Texto texto) { return DeUtf8(TradutorQt()(resolucao::FonteDe(texto))); }

QImage Desenhar(const std::string& svg)
{
    QSvgRenderer desenho(QByteArray::fromStdString(svg));
    const QSize tamanho = desenho.defaultSize();
    QImage imagem(tamanho * Nitidez, QImage::Format_ARGB32_Premultiplied);
    imagem.fill(Qt::white);
    QPainter pintor(&imagem);
    desenho.render(&pintor);
    return imagem;
}

} // namespace

Resolucao::Resolucao(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , mostrado(std::make_shared<const resolucao::Documento>())
{
    setObjectName(QStringLiteral("Resolucao"));
    setWindowTitle(QCoreApplication::translate("JanelaResolucao", "Resolução"));
    resize(640, 640);

    linhaDoPonto = new QWidget;
    auto* fila = new QHBoxLayout(linhaDoPonto);
    fila->setContentsMargins(0, 0, 0, 0);
    auto* rótulo = new QLabel(QCoreApplication::translate("JanelaResolucao", "&Valor de x:"));
    ponto = new QLineEdit;
    ponto->setObjectName(QStringLiteral("Ponto"));
    ponto->setPlaceholderText(
        QCoreApplication::translate("JanelaResolucao", "por exemplo 1/2, -3 ou o divisor x+3"));
    rótulo->setBuddy(ponto);
    fila->addWidget(rótulo);
    fila->addWidget(ponto, 1);
    CalcularValor = Botão(fila, "CalcularValor", QCoreApplication::translate("JanelaResolucao", "&Calcular"));
    linhaDoPonto->hide();

    linhaDasCondições = new QWidget;
    auto* filaDasCondições = new QHBoxLayout(linhaDasCondições);
    filaDasCondições->setContentsMargins(0, 0, 0, 0);
    auto* rótuloDasCondições = new QLabel(QCoreApplication::translate("JanelaResolucao", "C&ondições:"));
    condições = new QPlainTextEdit;
    condições->setObjectName(QStringLiteral("Condicoes"));
    condições->setTabChangesFocus(true);
    condições->setPlaceholderText(QCoreApplication::translate(
        "JanelaResolucao", "uma por linha: divisível por x-2; P(1) = 5; 2 é raiz dupla"));
    condições->setFixedHeight(condições->fontMetrics().lineSpacing() * 4);
    rótuloDasCondições->setBuddy(condições);
    filaDasCondições->addWidget(rótuloDasCondições, 0, Qt::AlignTop);
    filaDasCondições->addWidget(condições, 1);
    connect(Botão(filaDasCondições, "Resolver", QCoreApplication::translate("JanelaResolucao", "&Resolver")),
            &QPushButton::clicked,
            this,
            &Resolucao::solveRequested);
    linhaDasCondições->hide();

    const LinhaDeResposta linhaDaResposta =
        CriarLinhaDeResposta(QCoreApplication::translate("JanelaResolucao", "A minha r&esposta:"),
                             QCoreApplication::translate("JanelaResolucao", "Veri&ficar"),
                             this,
                             [this] { Q_EMIT checkRequested(); });
    QHBoxLayout* filaDaResposta = linhaDaResposta.fila;
    resposta = linhaDaResposta.resposta;
    VerResolucao = Botão(
        filaDaResposta, "VerResolucao", QCoreApplication::translate("JanelaResolucao", "Ver a re&solução"));
    VerResolucao->setEnabled(false);
    connect(VerResolucao, &QPushButton::clicked, this, [this] { OcultarResolução(false); });
    Veredicto = new QLabel;
    Veredicto->setObjectName(QStringLiteral("Veredicto"));
    Veredicto->setWordWrap(true);
    Veredicto->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Veredicto->hide();

    // What the exercises read, which is more than the help of the main
    // window says of its own buttons.
    auto* comoEscrever = new QLabel(Texto(resolucao::Texto::ComoEscrever));
    comoEscrever->setObjectName(QStringLiteral("ComoEscrever"));
    comoEscrever->setWordWrap(true);
    comoEscrever->setTextInteractionFlags(Qt::TextSelectableByMouse);

    Progresso = new QWidget;
    Progresso->setObjectName(QStringLiteral("Progresso"));
    auto* filaDoProgresso = new QHBoxLayout(Progresso);
    filaDoProgresso->setContentsMargins(0, 0, 0, 0);
    filaDoProgresso->addWidget(new QLabel(Texto(resolucao::Texto::ACalcular)));
    auto* ocupado = new QProgressBar;
    ocupado->setRange(0, 0); // no measure of the work: only that it goes on
    ocupado->setTextVisible(false);
    filaDoProgresso->addWidget(ocupado, 1);
    connect(Botão(filaDoProgresso, "Cancelar", QCoreApplication::translate("JanelaResolucao", "Cancelar")),
            &QPushButton::clicked,
            this,
            &Resolucao::cancelRequested);
    Progresso->hide();

    Resumo = new QLabel;
    Resumo->setObjectName(QStringLiteral("Resumo"));
    Resumo->setTextFormat(Qt::RichText);
    Resumo->setWordWrap(true);
    Resumo->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A sign table of many roots is wider than any screen: it scrolls
    // instead of widening the window.
    áreaDoResumo = new QScrollArea;
    áreaDoResumo->setObjectName(QStringLiteral("AreaDoResumo"));
    áreaDoResumo->setFrameShape(QFrame::NoFrame);
    áreaDoResumo->setWidgetResizable(true);
    áreaDoResumo->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    áreaDoResumo->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    áreaDoResumo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    áreaDoResumo->setWidget(Resumo);
    áreaDoResumo->hide();

    documento = new QTextBrowser;
    documento->setObjectName(QStringLiteral("Documento"));
    documento->setAccessibleName(QCoreApplication::translate("JanelaResolucao", "Resolução"));
    documento->setOpenLinks(false);
    documento->document()->setDefaultStyleSheet(QString::fromUtf8(Estilo));

    auto* botões = new QHBoxLayout;
    connect(Botão(botões, "Copiar", QCoreApplication::translate("JanelaResolucao", "Copiar")),
            &QPushButton::clicked,
            this,
            &Resolucao::Copiar_Click);
    connect(Botão(botões, "CopiarLaTeX", QCoreApplication::translate("JanelaResolucao", "Copiar como LaTeX")),
            &QPushButton::clicked,
            this,
            &Resolucao::CopiarLaTeX_Click);
    botões->addStretch();
    connect(Botão(botões, "Imprimir", QCoreApplication::translate("JanelaResolucao", "Imprimir…")),
            &QPushButton::clicked,
            this,
            &Resolucao::Imprimir_Click);
    connect(Botão(botões, "ExportarPdf", QCoreApplication::translate("JanelaResolucao", "Exportar PDF…")),
            &QPushButton::clicked,
            this,
            &Resolucao::ExportarPdf_Click);

    auto* coluna = new QVBoxLayout(this);
    coluna->addWidget(linhaDoPonto);
    coluna->addWidget(linhaDasCondições);
    coluna->addWidget(comoEscrever);
    coluna->addWidget(Progresso);
    coluna->addLayout(filaDaResposta);
    coluna->addWidget(Veredicto);
    coluna->addWidget(áreaDoResumo);
    coluna->addWidget(documento, 1);
    coluna->addLayout(botões);

    // Escape closes the window, as it closes a dialog.
    auto* fechar = new QAction(this);
    fechar->setShortcut(QKeySequence::Cancel);
    addAction(fechar);
    connect(fechar, &QAction::triggered, this, &QWidget::close);

    const auto pedir = [this] { Q_EMIT pointEntered(ponto->text()); };
    connect(ponto, &QLineEdit::returnPressed, this, pedir);
    connect(CalcularValor, &QPushButton::clicked, this, pedir);
}

void Resolucao::Mostrar(const resolucao::Documento& documentoNovo, const resolucao::Documento& resumo)
{
    mostrado = std::make_shared<const resolucao::Documento>(documentoNovo);
    // The rich text cannot hold an inline SVG image: each graph goes in as
    // a picture drawn by the SVG module, in the same place, its caption
    // with raised exponents. The pictures are added once the text is in,
    // which drops the previous ones.
    std::string vista;
    std::vector<QImage> imagens;
    for (const resolucao::Bloco& bloco : documentoNovo.blocos) {
        const auto* gráfico = std::get_if<resolucao::Gráfico>(&bloco);
        if (gráfico == nullptr) {
            vista += resolucao::EmHtml(resolucao::Documento{{bloco}});
            continue;
        }
        imagens.push_back(Desenhar(resolucao::SvgDoGráfico(*gráfico)));
        const QString img = QStringLiteral("<p><img src=\"vx-grafico:%1\" width=\"%2\" height=\"%3\"></p>")
                                .arg(imagens.size() - 1)
                                .arg(imagens.back().width() / Nitidez)
                                .arg(imagens.back().height() / Nitidez);
        vista += ParaUtf8(img) + "<p class=\"vx-legenda\">" + resolucao::LegendaEmHtml(*gráfico) + "</p>\n";
    }
    documento->setHtml(DeUtf8(vista));
    for (std::size_t i = 0; i < imagens.size(); ++i)
        documento->document()->addResource(
            QTextDocument::ImageResource, QUrl(QStringLiteral("vx-grafico:%1").arg(i)), imagens[i]);
    // The label's rich text has no style sheet of its own: the rules come
    // with the text.
    Resumo->setText(resumo.blocos.empty()
                        ? QString()
                        : QStringLiteral("<style>") + QString::fromUtf8(Estilo) + QStringLiteral("</style>") +
                              DeUtf8(resolucao::EmHtml(resumo)));
    temResumo = !resumo.blocos.empty();
    // A new solution comes with no verdict; it shows unless a check hides it.
    Veredicto->clear();
    Veredicto->hide();
    OcultarResolução(false);
}

void Resolucao::OcultarResolução(bool ocultar)
{
    áreaDoResumo->setVisible(temResumo && !ocultar);
    documento->setVisible(!ocultar);
    VerResolucao->setEnabled(ocultar);
}

void Resolucao::PedirCondições(bool pedir)
{
    linhaDasCondições->setVisible(pedir);
    if (pedir)
        condições->setFocus();
}

QString Resolucao::Condições() const { return condições->toPlainText(); }

void Resolucao::PedirResposta()
{
    OcultarResolução(true);
    show();
    raise();
    activateWindow();
    resposta->setFocus();
    resposta->selectAll();
}

QString Resolucao::Resposta() const { return resposta->text(); }

void Resolucao::MostrarVerificação(const resolucao::Verificação& verificação)
{
    OcultarResolução(true);
    Veredicto->setText(DeUtf8(verificação.explicação));
    Veredicto->setVisible(!verificação.explicação.empty());
    Veredicto->setAccessibleDescription(Veredicto->text());
    AnunciarDescrição(Veredicto);
    if (verificação.veredicto.empty()) // not read: back to where reading stopped
        Marcar(QStringLiteral("Resposta"), verificação.posição);
}

void Resolucao::Marcar(const QString& caixa, std::size_t posição)
{
    activateWindow();
    if (caixa == QLatin1String("Condicoes")) {
        condições->setFocus();
        QTextCursor cursor = condições->textCursor();
        cursor.setPosition(static_cast<int>(ÍndiceDoCarácter(condições->toPlainText(), posição)));
        condições->setTextCursor(cursor);
        return;
    }
    QLineEdit* linha = caixa == QLatin1String("Ponto") ? ponto : resposta;
    linha->setFocus();
    linha->setCursorPosition(static_cast<int>(ÍndiceDoCarácter(linha->text(), posição)));
}

void Resolucao::MostrarProgresso(bool mostrar) { Progresso->setVisible(mostrar); }

void Resolucao::closeEvent(QCloseEvent* evento)
{
    Q_EMIT closed();
    QWidget::closeEvent(evento);
}

void Resolucao::PedirPonto(bool pedir)
{
    linhaDoPonto->setVisible(pedir);
    if (pedir) {
        ponto->setFocus();
        ponto->selectAll();
    }
}

QString Resolucao::Ponto() const { return ponto->text(); }

void Resolucao::Imprimir(QPrinter& impressora) const { documento->document()->print(&impressora); }

QString Resolucao::Exportar(Formato formato) const
{
    if (mostrado->blocos.empty())
        return {};
    switch (formato) {
    case Formato::Texto:
        return DeUtf8(resolucao::EmTexto(*mostrado));
    case Formato::Html:
        return DeUtf8(resolucao::EmHtml(*mostrado));
    case Formato::LaTeX:
        return DeUtf8(resolucao::EmLaTeX(*mostrado));
    }
    return {};
}

void Resolucao::Copiar_Click() const
{
    auto* dados = new QMimeData;
    dados->setText(Exportar(Formato::Texto));
    dados->setHtml(Exportar(Formato::Html));
    QGuiApplication::clipboard()->setMimeData(dados);
}

void Resolucao::CopiarLaTeX_Click() const { QGuiApplication::clipboard()->setText(Exportar(Formato::LaTeX)); }

void Resolucao::Imprimir_Click()
{
    QPrinter impressora;
    QPrintDialog pergunta(&impressora, this);
    if (pergunta.exec() == QDialog::Accepted)
        Imprimir(impressora);
}

void Resolucao::ExportarPdf_Click()
{
    const QString caminho = QFileDialog::getSaveFileName(
        this,
        QCoreApplication::translate("JanelaResolucao", "Exportar PDF"),
        QCoreApplication::translate("JanelaResolucao", "resolucao.pdf"),
        QCoreApplication::translate("JanelaResolucao", "Documentos PDF (*.pdf)"));
    if (caminho.isEmpty())
        return;
    QPrinter impressora(QPrinter::HighResolution);
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setOutputFileName(caminho);
    Imprimir(impressora);
}

QString EstiloDosDocumentos() { return QString::fromUtf8(Estilo); }

qsizetype ÍndiceDoCarácter(const QString& texto, std::size_t posição)
{
    if (posição == 0)
        return texto.size();
    qsizetype índice = 0;
    for (std::size_t carácter = 1; carácter < posição && índice < texto.size(); ++carácter)
        índice += texto.at(índice).isHighSurrogate() && índice + 1 < texto.size() ? 2 : 1;
    return índice;
}

} // namespace vendrix::ui
