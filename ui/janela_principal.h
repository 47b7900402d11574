// SPDX-License-Identifier: MIT
#pragma once

#include "ui/resolvedor.h"

#include <QMainWindow>
#include <QString>

#include <memory>
#include <string_view>

class QAction;
class QLineEdit;
class QMenu;

namespace vendrix::ui {

class ExercícioEmFundo;
struct RespostaDoExercício;
class Form1;
class Ficha;
class Pratica;
class Resolucao;

// The program's window with its menus: Form1, unchanged, in the middle,
// and above it the exercises, the copy commands of its results and the
// about box. The worked solutions open in one window of their own, which
// is made on first use and then reused, and so do practice and the
// worksheet; the exercises run off the window's thread, while Form1's own
// commands run on it, as they always did.
class JanelaPrincipal : public QMainWindow
{
    Q_OBJECT

public:
    explicit JanelaPrincipal(QWidget* parent = nullptr);
    explicit JanelaPrincipal(Resolvedor resolvedor, QWidget* parent = nullptr);
    ~JanelaPrincipal() override;

    JanelaPrincipal(const JanelaPrincipal&) = delete;
    JanelaPrincipal& operator=(const JanelaPrincipal&) = delete;

private:
    void CriarMenuExercício();
    void CriarMenuEditar();
    void CriarMenuAjuda();
    QAction* NovaAcção(QMenu* menu, const char* nome, const QString& texto, const QKeySequence& atalho);
    void NovoExercício(QMenu* menu,
                       const char* nome,
                       std::string_view exercício,
                       const QString& texto,
                       const QKeySequence& atalho);

    void Dividir_Triggered();
    void Factorizar_Triggered();
    void ValorNumerico_Triggered();
    void Grafico_Triggered();
    void ExplicarRuffini_Triggered();
    void CalcularValor(const QString& ponto);
    void Parametros_Triggered();
    void ResolverParâmetros();
    void VerificarResposta_Triggered();
    void Verificar();
    void Praticar_Triggered();
    void Ficha_Triggered();
    void Resolver(resolucao::Exercício exercício);
    void Resolver(resolucao::Exercício exercício,
                  const QString& polinómio1,
                  const QString& polinómio2,
                  const QString& ponto,
                  const QString& resposta = {});
    void Resolvido(const RespostaDoExercício& resposta);
    void Recusado(const resolucao::Resolução& r);
    void Cancelar_Click();
    void Sobre_Triggered();
    void TabelaMudou(bool mostrada);
    void DivisorRecusado(const QString& divisor);

    Resolucao* JanelaDeResolução();
    QString Texto(const char* caixa) const;

    Resolvedor resolvedor;
    std::unique_ptr<ExercícioEmFundo> emFundo;
    Form1* form1 = nullptr;
    Resolucao* resolução = nullptr;
    Pratica* prática = nullptr;
    Ficha* ficha = nullptr;
    QAction* ExplicarRuffini = nullptr;
    bool valorEmCurso = false;       // the request running, if any, asks for P(a)
    bool verificaçãoEmCurso = false; // the request running, if any, checks an answer
    // The texts that made the table on show: the boxes may have changed since.
    QString dividendoDaTabela;
    QString divisorDaTabela;
};

} // namespace vendrix::ui
