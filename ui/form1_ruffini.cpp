// SPDX-License-Identifier: MIT
#include "ruffini/divisao.h"
#include "ruffini/vista.h"
#include "ui/caixa_desenho.h"
#include "ui/caixa_trabalho.h"
#include "ui/form1.h"
#include "ui/grelha_ruffini.h"
#include "ui/servico_mensagens.h"
#include "ui/texto_qt.h"

#include <QLabel>
#include <QLineEdit>

#include <span>

namespace vendrix::ui {

namespace {

template <std::size_t N>
void Escrever(const std::array<QLineEdit*, N>& células,
              const std::array<std::optional<std::string>, N>& textos)
{
    for (std::size_t i = 0; i < N; ++i)
        if (textos[i])
            células[i]->setText(DeUtf8(*textos[i]));
}

template <typename Caixa>
void Escrever(Caixa* caixa, const std::optional<std::string>& texto)
{
    if (texto)
        caixa->setText(DeUtf8(*texto));
}

} // namespace

void Form1::ApagarRuffini_Click()
{
    Picture2->Cls();
    Picture5->Cls();
    Label16->setText(QString());
    for (std::size_t i = 0; i < Seg.size(); ++i) {
        Coef[i]->hide();
        Seg[i]->hide();
        Ter[i]->hide();
    }
    Div->hide();
    Line1->hide();
    *vistaRuffini = {};
    Q_EMIT tableChanged(false);
}

void Form1::MostrarTabela(const ruffini::VistaRuffini& vista)
{
    for (const ruffini::CélulaVisível& c : vista.células) {
        if (c.fila == ruffini::Fila::Coef)
            Coef.at(c.índice)->show();
        else if (c.fila == ruffini::Fila::Seg)
            Seg.at(c.índice)->show();
        else
            Ter.at(c.índice)->show();
    }
    Div->show();
    Line1->show();
    for (const Segmento& s : LinhasDaGrelha(static_cast<std::int16_t>(vista.colunas - 1)))
        Picture2->Line(s.x1, s.y1, s.x2, s.y2, Qt::black);
}

void Form1::Ruffini_Click()
{
    ApagarRuffini_Click();
    const ruffini::Divisão d = ruffini::Dividir(
        ParaUtf8(Polinómio1->text()), ParaUtf8(Polinómio2->text()), interpreter::SementesDoRelógio());
    // Simplificar's failure report was shown while the division ran, before
    // the table was filled; the refusal, which always ends a run, is shown
    // below once the window holds what the run wrote.
    const std::span<const runtime::Relato> relatos(d.relatos);
    const std::size_t antes = d.Recusa() != nullptr ? relatos.size() - 1 : relatos.size();
    Mostrar(*mensagens, relatos.first(antes));
    Escrever(Polinómio1A, d.Polinómio1A);
    Escrever(Polinómio2A, d.Polinómio2A);
    Escrever(Text3, d.Text3);
    if (d.GrauDividendo)
        GrauDividendo = *d.GrauDividendo;
    *vistaRuffini = ruffini::VerDivisão(d);
    if (vistaRuffini->mostrada)
        MostrarTabela(*vistaRuffini);
    Escrever(Coef, d.Coef);
    Escrever(Seg, d.Seg);
    Escrever(Ter, d.Ter);
    Escrever(Div, d.Div);
    Escrever(Resultado, d.Resultado);
    if (vistaRuffini->mostrada) {
        DesenharQuociente();
        Label16->setText(DeUtf8(vistaRuffini->quadro.resto));
    }
    if (d.Recusa() != nullptr) {
        Mostrar(*mensagens, relatos.subspan(antes));
        if (d.foco == ruffini::Entrada::Dividendo)
            Polinómio1->setFocus();
        else if (d.foco == ruffini::Entrada::Divisor)
            Polinómio2->setFocus();
    }
    Q_EMIT tableChanged(vistaRuffini->mostrada);
    if (d.Recusa() != nullptr && d.Recusa()->erro.código == runtime::Código::DivisorInválido)
        Q_EMIT divisorRefused(Polinómio2->text());
}

} // namespace vendrix::ui
