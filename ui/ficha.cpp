// SPDX-License-Identifier: MIT
#include "ui/ficha.h"

#include "resolucao/praticar.h"
#include "ui/filas.h"
#include "ui/pratica.h"
#include "ui/texto_qt.h"
#include "ui/tradutor_qt.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpressionValidator>
#include <QSaveFile>
#include <QSpinBox>
#include <QTextDocument>
#include <QVBoxLayout>

#include <array>
#include <optional>
#include <string_view>

namespace vendrix::ui {

namespace {

// Enough for a test of any length; each exercise comes with its worked
// solution in the key.
constexpr int MáximoPorTipo = 20;

} // namespace

Ficha::Ficha(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Ficha"));
    setWindowTitle(QCoreApplication::translate("JanelaFicha", "Ficha de exercícios"));

    auto* formulário = new QFormLayout;
    bool primeiro = true;
    for (const std::string_view nome : resolucao::NomesDosTipos()) {
        auto* caixa = new QSpinBox;
        caixa->setObjectName(QStringLiteral("Quantos_") + DeUtf8(nome).replace(u'-', u'_'));
        caixa->setRange(0, MáximoPorTipo);
        caixa->setValue(primeiro ? 5 : 0);
        primeiro = false;
        formulário->addRow(RótuloDoTipo(nome), caixa);
        quantos.emplace(std::string(nome), caixa);
        connect(caixa, &QSpinBox::valueChanged, this, &Ficha::Actualizar);
    }
    nível = new QComboBox;
    nível->setObjectName(QStringLiteral("Nivel"));
    PreencherNíveis(nível);
    formulário->addRow(QCoreApplication::translate("JanelaFicha", "&Nível:"), nível);

    auto* filaDaSemente = new QHBoxLayout;
    semente = new QLineEdit;
    semente->setObjectName(QStringLiteral("Semente"));
    semente->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{1,20}")), semente));
    semente->setToolTip(QCoreApplication::translate(
        "JanelaFicha", "A mesma semente refaz a mesma ficha; vem no rodapé de cada página."));
    filaDaSemente->addWidget(semente, 1);
    auto* outra =
        Botão(filaDaSemente, "OutraSemente", QCoreApplication::translate("JanelaFicha", "&Variante"));
    outra->setToolTip(QCoreApplication::translate(
        "JanelaFicha", "Outra semente: os mesmos tipos e nível, outros exercícios."));
    connect(outra, &QPushButton::clicked, this, &Ficha::OutraSemente_Click);
    connect(semente, &QLineEdit::textChanged, this, &Ficha::Actualizar);
    auto* rótuloDaSemente = new QLabel(QCoreApplication::translate("JanelaFicha", "&Semente:"));
    rótuloDaSemente->setBuddy(semente);
    formulário->addRow(rótuloDaSemente, filaDaSemente);

    auto* exportar = new QHBoxLayout;
    ExportarLatex =
        Botão(exportar, "ExportarLatex", QCoreApplication::translate("JanelaFicha", "Exportar &LaTeX…"));
    ExportarHtml =
        Botão(exportar, "ExportarHtml", QCoreApplication::translate("JanelaFicha", "Exportar &HTML…"));
    ExportarPdf =
        Botão(exportar, "ExportarPdf", QCoreApplication::translate("JanelaFicha", "Exportar &PDF…"));
    connect(ExportarLatex, &QPushButton::clicked, this, [this] { Exportar(Formato::LaTeX); });
    connect(ExportarHtml, &QPushButton::clicked, this, [this] { Exportar(Formato::Html); });
    connect(ExportarPdf, &QPushButton::clicked, this, [this] { Exportar(Formato::Pdf); });

    auto* fechar = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(fechar, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* coluna = new QVBoxLayout(this);
    coluna->addLayout(formulário);
    coluna->addLayout(exportar);
    coluna->addWidget(fechar);

    OutraSemente_Click();
}

void Ficha::OutraSemente_Click()
{
    semente->setText(QString::number(QRandomGenerator::global()->generate64()));
}

// Nothing to export without an exercise or with a seed past 64 bits.
void Ficha::Actualizar()
{
    int total = 0;
    for (const auto& [nome, caixa] : quantos)
        total += caixa->value();
    bool lida = false;
    semente->text().toULongLong(&lida);
    for (QPushButton* botão : {ExportarLatex, ExportarHtml, ExportarPdf})
        botão->setEnabled(total > 0 && lida);
}

void Ficha::Exportar(Formato formato)
{
    const auto [título, nome, filtro] = [formato]() -> std::array<QString, 3> {
        switch (formato) {
        case Formato::LaTeX:
            return {QCoreApplication::translate("JanelaFicha", "Exportar LaTeX"),
                    QCoreApplication::translate("JanelaFicha", "ficha.tex"),
                    QCoreApplication::translate("JanelaFicha", "Documentos LaTeX (*.tex)")};
        case Formato::Html:
            return {QCoreApplication::translate("JanelaFicha", "Exportar HTML"),
                    QCoreApplication::translate("JanelaFicha", "ficha.html"),
                    QCoreApplication::translate("JanelaFicha", "Páginas HTML (*.html *.htm)")};
        case Formato::Pdf:
            break;
        }
        return {QCoreApplication::translate("JanelaFicha", "Exportar PDF"),
                QCoreApplication::translate("JanelaFicha", "ficha.pdf"),
                QCoreApplication::translate("JanelaFicha", "Documentos PDF (*.pdf)")};
    }();
    const QString caminho = QFileDialog::getSaveFileName(this, título, nome, filtro);
    if (caminho.isEmpty())
        return;

    resolucao::PedidoDeFicha pedido;
    for (const std::string_view n : resolucao::NomesDosTipos())
        if (const std::optional<resolucao::Tipo> tipo = resolucao::TipoDoNome(n))
            if (const int quantas = quantos.at(std::string(n))->value(); quantas > 0)
                pedido.quantos.emplace_back(*tipo, quantas);
    pedido.nível = nível->currentData().toInt();
    pedido.semente = semente->text().toULongLong();
    const runtime::Tradutor tradutor = TradutorQt();
    const resolucao::Ficha feita = resolucao::FazerFicha(pedido, tradutor);

    if (formato == Formato::Pdf) { // printed as the worked solutions are
        QTextDocument documento;
        documento.setHtml(DeUtf8(resolucao::FichaEmHtml(feita, tradutor)));
        QPrinter impressora(QPrinter::HighResolution);
        impressora.setOutputFormat(QPrinter::PdfFormat);
        impressora.setOutputFileName(caminho);
        documento.print(&impressora);
        return;
    }
    const std::string texto = formato == Formato::LaTeX ? resolucao::FichaEmLaTeX(feita, tradutor)
                                                        : resolucao::FichaEmHtml(feita, tradutor);
    QSaveFile ficheiro(caminho);
    if (!ficheiro.open(QIODevice::WriteOnly) ||
        ficheiro.write(texto.data(), static_cast<qint64>(texto.size())) !=
            static_cast<qint64>(texto.size()) ||
        !ficheiro.commit())
        QMessageBox::warning(this,
                             QStringLiteral("Vendrix"),
                             QCoreApplication::translate("JanelaFicha", "Não foi possível gravar %1.")
                                 .arg(QDir::toNativeSeparators(caminho)));
}

} // namespace vendrix::ui
