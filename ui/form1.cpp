// SPDX-License-Identifier: MIT
#include "ui/form1.h"

#include "ruffini/divisao.h"
#include "ruffini/vista.h"
#include "ui/caixa_desenho.h"
#include "ui/caixa_trabalho.h"
#include "ui/caixas_mensagens.h"
#include "ui/fabrica.h"
#include "ui/fontes.h"
#include "ui/grelha_ruffini.h"
#include "ui/texto_qt.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QHash>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>

#include <string>

namespace vendrix::ui {

namespace {

using Controlos = QHash<QString, QWidget*>;

template <typename T>
T* Achar(const Controlos& controlos, const char* nome)
{
    return qobject_cast<T*>(controlos.value(QString::fromUtf8(nome)));
}

template <std::size_t N>
void CriarMatriz(std::array<QLineEdit*, N>& células,
                 const MatrizDeCélulas& m,
                 QWidget* contentor,
                 Controlos& todos)
{
    for (std::size_t i = 0; i < células.size() && i < static_cast<std::size_t>(m.quantidade); ++i) {
        const std::string nome = std::string(m.nome) + "(" + std::to_string(i) + ")";
        // Left is given at load; the cell is born at the left of its container.
        const Controlo linha{nome,
                             Tipo::Célula,
                             "Picture2",
                             0,
                             m.topo,
                             615,
                             285,
                             "",
                             "",
                             Letra::Padrão,
                             Azul,
                             SemCor,
                             false,
                             true,
                             ""};
        células[i] = static_cast<QLineEdit*>(CriarControlo(linha, contentor));
        todos.insert(células[i]->objectName(), células[i]);
    }
}

} // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent)
    , caixasPróprias(std::make_unique<CaixasModais>(this))
    , mensagens(caixasPróprias.get())
    , vistaRuffini(std::make_unique<ruffini::VistaRuffini>())
{
    Construir();
}

Form1::Form1(ServiçoDeMensagens& mensagens, QWidget* parent)
    : QWidget(parent)
    , mensagens(&mensagens)
    , vistaRuffini(std::make_unique<ruffini::VistaRuffini>())
{
    Construir();
}

Form1::~Form1() = default;

void Form1::Construir()
{
    InstalarSubstituições();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("VENDRIX"));
    setWindowIcon(QIcon(QStringLiteral(":/imagens/ruffini.svg")));
    setFont(Fonte(SansSerif, 8.25, false));
    // The layout is fixed, so the window keeps its designed size; it can
    // still be minimised.
    setFixedSize(Pixels(LarguraDaJanela), Pixels(AlturaDaJanela));

    Controlos todos;
    for (const Controlo& linha : ControlosDoForm1()) {
        QWidget* contentor = linha.contentor.empty() ? this : todos.value(DeUtf8(linha.contentor));
        QWidget* c = CriarControlo(linha, contentor);
        todos.insert(c->objectName(), c);
    }
    QWidget* tabela = todos.value(QStringLiteral("Picture2"));
    for (const MatrizDeCélulas& m : MatrizesDoForm1()) {
        if (m.nome == "Coef")
            CriarMatriz(Coef, m, tabela, todos);
        else if (m.nome == "Seg")
            CriarMatriz(Seg, m, tabela, todos);
        else
            CriarMatriz(Ter, m, tabela, todos);
    }

    LabelTítulo = Achar<QLabel>(todos, "LabelTítulo");
    frame1 = Achar<QGroupBox>(todos, "frame1");
    frame2 = Achar<QGroupBox>(todos, "frame2");
    frame3 = Achar<QGroupBox>(todos, "frame3");
    Frame4 = Achar<QGroupBox>(todos, "Frame4");
    Frame6 = Achar<QGroupBox>(todos, "Frame6");
    Text1 = Achar<QTextEdit>(todos, "Text1");
    Polinómio1 = Achar<QLineEdit>(todos, "Polinómio1");
    Polinómio2 = Achar<QLineEdit>(todos, "Polinómio2");
    Polinómio1A = Achar<CaixaDeTrabalho>(todos, "Polinómio1A");
    Polinómio2A = Achar<CaixaDeTrabalho>(todos, "Polinómio2A");
    Resultado = Achar<CaixaDeTrabalho>(todos, "Resultado");
    Text2 = Achar<CaixaDeTrabalho>(todos, "Text2");
    Text3 = Achar<CaixaDeTrabalho>(todos, "Text3");
    Text4 = Achar<CaixaDeTrabalho>(todos, "Text4");
    Picture1 = Achar<CaixaDeDesenho>(todos, "Picture1");
    Picture2 = Achar<CaixaDeDesenho>(todos, "Picture2");
    Picture3 = Achar<CaixaDeDesenho>(todos, "Picture3");
    Picture4 = Achar<CaixaDeDesenho>(todos, "Picture4");
    Picture5 = Achar<CaixaDeDesenho>(todos, "Picture5");
    SimplificarPolinómio1 = Achar<QAbstractButton>(todos, "SimplificarPolinómio1");
    SimplificarPolinómio2 = Achar<QAbstractButton>(todos, "SimplificarPolinómio2");
    ApagarPolinómio1 = Achar<QAbstractButton>(todos, "ApagarPolinómio1");
    ApagarPolinómio2 = Achar<QAbstractButton>(todos, "ApagarPolinómio2");
    ApagarResultado = Achar<QAbstractButton>(todos, "ApagarResultado");
    ApagarRuffini = Achar<QAbstractButton>(todos, "ApagarRuffini");
    Somar = Achar<QAbstractButton>(todos, "Somar");
    Subtrair = Achar<QAbstractButton>(todos, "Subtrair");
    Multiplicar = Achar<QAbstractButton>(todos, "Multiplicar");
    Ruffini = Achar<QAbstractButton>(todos, "Ruffini");
    Sair = Achar<QAbstractButton>(todos, "Sair");
    Label14 = Achar<QLabel>(todos, "Label14");
    Label15 = Achar<QLabel>(todos, "Label15");
    Label16 = Achar<QLabel>(todos, "Label16");
    Line1 = todos.value(QStringLiteral("Line1"));
    Div = Achar<QLineEdit>(todos, "Div");

    QWidget* anterior = nullptr;
    for (const std::string_view nome : OrdemDeTabulação()) {
        QWidget* c = todos.value(DeUtf8(nome));
        if (c == nullptr || c->focusPolicy() == Qt::NoFocus)
            continue;
        if (anterior != nullptr)
            setTabOrder(anterior, c);
        anterior = c;
    }

    Ligar();
    LigarCópias();
    Form_Load();
    Polinómio1->setFocus();
}

void Form1::Ligar()
{
    connect(SimplificarPolinómio1, &QAbstractButton::clicked, this, &Form1::SimplificarPolinómio1_Click);
    connect(SimplificarPolinómio2, &QAbstractButton::clicked, this, &Form1::SimplificarPolinómio2_Click);
    connect(ApagarPolinómio1, &QAbstractButton::clicked, this, &Form1::ApagarPolinómio1_Click);
    connect(ApagarPolinómio2, &QAbstractButton::clicked, this, &Form1::ApagarPolinómio2_Click);
    connect(ApagarResultado, &QAbstractButton::clicked, this, &Form1::ApagarResultado_Click);
    connect(ApagarRuffini, &QAbstractButton::clicked, this, &Form1::ApagarRuffini_Click);
    connect(Somar, &QAbstractButton::clicked, this, &Form1::Somar_Click);
    connect(Subtrair, &QAbstractButton::clicked, this, &Form1::Subtrair_Click);
    connect(Multiplicar, &QAbstractButton::clicked, this, &Form1::Multiplicar_Click);
    connect(Ruffini, &QAbstractButton::clicked, this, &Form1::Ruffini_Click);
    connect(Sair, &QAbstractButton::clicked, this, &Form1::Sair_Click);
}

void Form1::Form_Load()
{
    Picture1->Scale(0, 4, 50, 0);
    Picture3->Scale(0, 5, 50, 0);
    Picture4->Scale(0, 5, 50, 0);
    Picture5->Scale(0, 4, 50, 0);
    const QPoint dentro = Picture2->contentsRect().topLeft();
    for (int i = 0; i < ruffini::CélulasCoef; ++i) {
        Coef[static_cast<std::size_t>(i)]->move(dentro + QPoint(Pixels(EsquerdaCoef(i)), Pixels(TopoCoef)));
        Ter[static_cast<std::size_t>(i)]->move(dentro + QPoint(Pixels(EsquerdaCoef(i)), Pixels(TopoTer)));
    }
    for (int i = 0; i < ruffini::CélulasSeg; ++i)
        Seg[static_cast<std::size_t>(i)]->move(dentro + QPoint(Pixels(EsquerdaSeg(i)), Pixels(TopoSeg)));
    Div->move(dentro + QPoint(Pixels(EsquerdaDiv), Pixels(TopoDiv)));
}

} // namespace vendrix::ui
