// SPDX-License-Identifier: MIT
#include "engine/comandos.h"
#include "runtime/mensagens.h"
#include "ui/caixa_desenho.h"
#include "ui/caixa_trabalho.h"
#include "ui/form1.h"
#include "ui/servico_mensagens.h"
#include "ui/texto_qt.h"
#include "ui/tradutor_qt.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLineEdit>

namespace vendrix::ui {

namespace {

// Colour 9 of the 16-colour palette.
const QColor AzulClaro = QColor::fromRgb(0, 0, 255);

} // namespace

void Form1::DesenharEm(CaixaDeDesenho* área, double pontos, float baseY)
{
    área->DefinirFontBold(true);
    área->DefinirFontSize(pontos);
    área->DefinirForeColor(AzulClaro);
    área->CurrentX = 1;
    área->CurrentY = baseY;
    área->ImprimirPolinómio(ParaUtf8(Resultado->text()));
}

void Form1::DesenharResultado() { DesenharEm(Picture1, 10, 2); }

void Form1::DesenharQuociente() { DesenharEm(Picture5, 10, 3); }

void Form1::Simplificar(QLineEdit* entrada, CaixaDeTrabalho* cópia, CaixaDeDesenho* área)
{
    const engine::Simplificação s = engine::SimplificarPolinómio(ParaUtf8(entrada->text()));
    // The boxes come first, as they did when the engine showed them while
    // it worked: the drawing appears once the user has closed them.
    Mostrar(*mensagens, s.relatos);
    cópia->setText(DeUtf8(s.cópia));
    Resultado->setText(DeUtf8(s.Resultado));
    DesenharEm(área, 8, 3);
}

void Form1::SimplificarPolinómio1_Click() { Simplificar(Polinómio1, Polinómio1A, Picture3); }

void Form1::SimplificarPolinómio2_Click() { Simplificar(Polinómio2, Polinómio2A, Picture4); }

void Form1::ApagarPolinómio1_Click() { Picture3->Cls(); }

void Form1::ApagarPolinómio2_Click() { Picture4->Cls(); }

void Form1::ApagarResultado_Click()
{
    Picture1->Cls();
    frame3->setTitle(DeUtf8(TradutorQt()(runtime::FonteDaLegenda(runtime::Legenda::Resultado))));
}

void Form1::Sair_Click()
{
    close();
    QCoreApplication::quit();
}

void Form1::AplicarComando(const engine::Comando& comando)
{
    Mostrar(*mensagens, comando.relatos);
    Polinómio1A->setText(DeUtf8(comando.Polinómio1A));
    Polinómio2A->setText(DeUtf8(comando.Polinómio2A));
    if (comando.Text2)
        Text2->setText(DeUtf8(*comando.Text2));
    if (comando.Text3)
        Text3->setText(DeUtf8(*comando.Text3));
    Resultado->setText(DeUtf8(comando.Resultado));
    DesenharResultado();
    frame3->setTitle(DeUtf8(engine::LegendaDaOperação(comando.operação, TradutorQt())));
}

void Form1::Somar_Click()
{
    AplicarComando(engine::Somar(ParaUtf8(Polinómio1->text()), ParaUtf8(Polinómio2->text())));
}

void Form1::Subtrair_Click()
{
    AplicarComando(engine::Subtrair(ParaUtf8(Polinómio1->text()), ParaUtf8(Polinómio2->text())));
}

void Form1::Multiplicar_Click()
{
    AplicarComando(engine::Multiplicar(ParaUtf8(Polinómio1->text()), ParaUtf8(Polinómio2->text())));
}

} // namespace vendrix::ui
