// SPDX-License-Identifier: MIT
#include "ui/pratica.h"

#include "resolucao/exportar.h"
#include "resolucao/praticar.h"
#include "ui/acessibilidade.h"
#include "ui/em_fundo.h"
#include "ui/filas.h"
#include "ui/resolucao.h"
#include "ui/texto_qt.h"
#include "ui/tradutor_qt.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <array>
#include <utility>

namespace vendrix::ui {

namespace {

constexpr std::array RótulosDosNíveis{
    QT_TRANSLATE_NOOP("JanelaPratica", "1 — raízes inteiras"),
    QT_TRANSLATE_NOOP("JanelaPratica", "2 — também frações e raízes duplas"),
    QT_TRANSLATE_NOOP("JanelaPratica", "3 — também fatores do 2.º grau irredutíveis"),
};

QString Rico(const resolucao::Documento& documento)
{
    if (documento.blocos.empty())
        return {};
    return QStringLiteral("<style>") + EstiloDosDocumentos() + QStringLiteral("</style>") +
           DeUtf8(resolucao::EmHtml(documento));
}

} // namespace

QString RótuloDoTipo(std::string_view nome)
{
    const auto tipo = resolucao::TipoDoNome(nome);
    return tipo ? DeUtf8(TradutorQt()(resolucao::RótuloDoTipo(*tipo))) : DeUtf8(nome);
}

void PreencherTipos(QComboBox* caixa)
{
    for (const std::string_view nome : resolucao::NomesDosTipos())
        caixa->addItem(RótuloDoTipo(nome), DeUtf8(nome));
}

void PreencherNíveis(QComboBox* caixa)
{
    for (int nível = resolucao::NívelMínimo; nível <= resolucao::NívelMáximo; ++nível) {
        const auto i = static_cast<std::size_t>(nível - resolucao::NívelMínimo);
        caixa->addItem(i < RótulosDosNíveis.size()
                           ? QCoreApplication::translate("JanelaPratica", RótulosDosNíveis.at(i))
                           : QString::number(nível),
                       nível);
    }
}

Pratica::Pratica(Resolvedor resolvedorDado, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , resolvedor(std::move(resolvedorDado))
    , emFundo(std::make_unique<ExercícioEmFundo>(
          [](bool) {}, [this](const RespostaDoExercício& resposta) { Respondido(resposta); }))
{
    setObjectName(QStringLiteral("Pratica"));
    setWindowTitle(QCoreApplication::translate("JanelaPratica", "Praticar"));
    resize(600, 560);

    auto* escolha = new QGridLayout;
    tipo = new QComboBox;
    tipo->setObjectName(QStringLiteral("Tipo"));
    PreencherTipos(tipo);
    nível = new QComboBox;
    nível->setObjectName(QStringLiteral("Nivel"));
    PreencherNíveis(nível);
    auto* rótuloDoTipo = new QLabel(QCoreApplication::translate("JanelaPratica", "&Tipo:"));
    rótuloDoTipo->setBuddy(tipo);
    auto* rótuloDoNível = new QLabel(QCoreApplication::translate("JanelaPratica", "&Nível:"));
    rótuloDoNível->setBuddy(nível);
    escolha->addWidget(rótuloDoTipo, 0, 0);
    escolha->addWidget(tipo, 0, 1);
    escolha->addWidget(rótuloDoNível, 1, 0);
    escolha->addWidget(nível, 1, 1);
    escolha->setColumnStretch(1, 1);

    Enunciado = new QLabel;
    Enunciado->setObjectName(QStringLiteral("Enunciado"));
    Enunciado->setTextFormat(Qt::RichText);
    Enunciado->setWordWrap(true);
    Enunciado->setTextInteractionFlags(Qt::TextSelectableByMouse);

    const LinhaDeResposta linhaDaResposta =
        CriarLinhaDeResposta(QCoreApplication::translate("JanelaPratica", "A minha r&esposta:"),
                             QCoreApplication::translate("JanelaPratica", "Veri&ficar"),
                             this,
                             [this] { Verificar_Click(); });
    resposta = linhaDaResposta.resposta;

    Veredicto = new QLabel;
    Veredicto->setObjectName(QStringLiteral("Veredicto"));
    Veredicto->setWordWrap(true);
    Veredicto->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Veredicto->hide();

    auto* botões = new QHBoxLayout;
    Contagem = new QLabel;
    Contagem->setObjectName(QStringLiteral("Contagem"));
    botões->addWidget(Contagem, 1);
    VerResolucao =
        Botão(botões, "VerResolucao", QCoreApplication::translate("JanelaPratica", "Ver a re&solução"));
    connect(VerResolucao, &QPushButton::clicked, this, &Pratica::VerResolucao_Click);
    connect(Botão(botões, "Outro", QCoreApplication::translate("JanelaPratica", "&Outro")),
            &QPushButton::clicked,
            this,
            &Pratica::Outro_Click);

    documento = new QTextBrowser;
    documento->setObjectName(QStringLiteral("Documento"));
    documento->setAccessibleName(QCoreApplication::translate("JanelaPratica", "Resolução"));
    documento->setOpenLinks(false);
    documento->document()->setDefaultStyleSheet(EstiloDosDocumentos());

    auto* coluna = new QVBoxLayout(this);
    coluna->addLayout(escolha);
    coluna->addWidget(Enunciado);
    coluna->addLayout(linhaDaResposta.fila);
    coluna->addWidget(Veredicto);
    coluna->addLayout(botões);
    coluna->addWidget(documento, 1);
    coluna->addStretch();

    Contar();
    connect(tipo, &QComboBox::currentIndexChanged, this, &Pratica::Outro_Click);
    connect(nível, &QComboBox::currentIndexChanged, this, &Pratica::Outro_Click);
    Outro_Click();
}

Pratica::~Pratica() = default;

void Pratica::Outro_Click() { Gerar(QRandomGenerator::global()->generate64()); }

void Pratica::Gerar(std::uint64_t semente)
{
    emFundo->Cancelar(); // no answer to the exercise before comes in under this one
    const resolucao::Tipo t =
        resolucao::TipoDoNome(ParaUtf8(tipo->currentData().toString())).value_or(resolucao::Tipo{});
    exercício = std::make_unique<resolucao::ExercícioGerado>(
        resolucao::GerarExercício(t, nível->currentData().toInt(), semente, TradutorQt()));
    Enunciado->setText(Rico(exercício->enunciado));
    setProperty("enunciado", DeUtf8(resolucao::EmTexto(exercício->enunciado)));
    setProperty("semente", QString::number(semente));
    MostrarVerificação({});
    resposta->clear();
    resposta->setFocus();
    documento->clear();
    documento->hide();
    VerResolucao->setEnabled(true);
    tentado = false;
}

// An empty answer asks nothing, which would give the solution away.
void Pratica::Verificar_Click()
{
    if (resposta->text().trimmed().isEmpty()) {
        resposta->setFocus();
        return;
    }
    Correr(ParaUtf8(resposta->text()));
}

// Seeing the solution first counts the exercise as tried, not right.
void Pratica::VerResolucao_Click()
{
    if (!tentado)
        Contar(false);
    Correr({});
}

void Pratica::Correr(const std::string& texto)
{
    verificando = !texto.empty();
    const resolucao::ExercícioGerado& g = *exercício;
    emFundo->Começar([r = resolvedor,
                      e = g.exercício,
                      a = g.polinómio1,
                      b = g.polinómio2,
                      c = g.ponto,
                      d = g.condições,
                      texto] {
        return r(e, resolucao::Pergunta{a, b, c, d, texto}, TradutorQt());
    });
}

void Pratica::Respondido(const RespostaDoExercício& respondido)
{
    const resolucao::Resolução& r = respondido.resolução;
    if (r.falha) { // nothing the core made can be refused but the answer
        MostrarVerificação({{}, {}, r.falha->mensagem, r.falha->posição});
        if (r.falha->caixa == resolucao::Caixa::Resposta)
            MarcarResposta(r.falha->posição);
        return;
    }
    if (!verificando) {
        documento->setHtml(DeUtf8(resolucao::EmHtmlSemGráficos(r.documento)));
        documento->show();
        VerResolucao->setEnabled(false);
        return;
    }
    const resolucao::Verificação v = r.verificação.value_or(resolucao::Verificação{});
    MostrarVerificação(v);
    if (v.veredicto.empty()) // not read: back to where reading stopped
        MarcarResposta(v.posição);
    else if (!tentado)
        Contar(v.veredicto == "certo");
}

void Pratica::MostrarVerificação(const resolucao::Verificação& v)
{
    setProperty("veredicto", DeUtf8(v.veredicto));
    setProperty("erro", DeUtf8(v.erro));
    setProperty("explicacao", DeUtf8(v.explicação));
    Veredicto->setText(DeUtf8(v.explicação));
    Veredicto->setVisible(!v.explicação.empty());
    Veredicto->setAccessibleDescription(Veredicto->text());
    AnunciarDescrição(Veredicto);
}

void Pratica::MarcarResposta(std::size_t posição)
{
    resposta->setFocus();
    resposta->setCursorPosition(static_cast<int>(ÍndiceDoCarácter(resposta->text(), posição)));
}

void Pratica::Contar(std::optional<bool> certo)
{
    if (certo) {
        tentado = true;
        ++tentadas;
        certas += *certo ? 1 : 0;
    }
    Contagem->setText(QCoreApplication::translate("JanelaPratica", "Certas à primeira: %1 de %2")
                          .arg(certas)
                          .arg(tentadas));
}

} // namespace vendrix::ui
