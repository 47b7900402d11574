// SPDX-License-Identifier: MIT
#pragma once

#include "resolucao/exercicio.h"
#include "ui/janela_principal.h"
#include "ui/resolucao.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QThreadPool>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace vendrix::ui {

using Cadeia = const char*;

template <typename Fila>
std::string Nome(const ::testing::TestParamInfo<Fila>& linha)
{
    return linha.param.nome;
}

// The window with its menus, driven as a user would; the modal boxes it
// opens are read and closed by a timer, since each runs its own loop.
template <typename Fila = int>
class Menus : public ::testing::TestWithParam<Fila>
{
protected:
    explicit Menus(Resolvedor resolvedor =
                       [](resolucao::Exercício e, const resolucao::Pergunta& p, const runtime::Tradutor& t) {
                           return resolucao::ResolverExercício(e, p, t);
                       })
        : janela(std::move(resolvedor))
    {
        janela.show();
        QObject::connect(&vigia, &QTimer::timeout, &janela, [this] {
            if (auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                caixas << caixa->windowTitle() + u'|' + QString::number(caixa->icon()) + u'|' + caixa->text();
                QTest::mouseClick(caixa->button(QMessageBox::Ok), Qt::LeftButton);
            }
        });
        vigia.start(10);
    }

    template <typename T = QWidget>
    T* C(Cadeia nome)
    {
        T* c = janela.findChild<T*>(QString::fromUtf8(nome));
        EXPECT_NE(c, nullptr) << nome;
        return c;
    }

    void Escrever(Cadeia polinómio1, Cadeia polinómio2)
    {
        C<QLineEdit>("Polinómio1")->setText(QString::fromUtf8(polinómio1));
        C<QLineEdit>("Polinómio2")->setText(QString::fromUtf8(polinómio2));
    }

    // The exercises run off the window's thread: their answers come in
    // once the work is done and its posted events are handled.
    static void Esperar()
    {
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::sendPostedEvents();
    }

    // The point is typed into the solution window and sent with Enter.
    void Correr(Cadeia acção, Cadeia ponto)
    {
        C<QAction>(acção)->trigger();
        Esperar();
        if (*ponto != '\0') {
            auto* caixa = C<QLineEdit>("Ponto");
            caixa->clear();
            QTest::keyClicks(caixa, QString::fromUtf8(ponto));
            QTest::keyClick(caixa, Qt::Key_Return);
            Esperar();
        }
    }

    std::string Propriedade(const char* nome)
    {
        const QVariant v = C("Resolucao")->property(nome);
        return (v.typeId() == QMetaType::QStringList ? v.toStringList().join(u';') : v.toString())
            .toStdString();
    }

    // The solution on show in a form its copy buttons give, rendered now.
    std::string Exportado(Resolucao::Formato formato)
    {
        return C<Resolucao>("Resolucao")->Exportar(formato).toStdString();
    }

    JanelaPrincipal janela;
    QTimer vigia;
    QStringList caixas; // "title|icon|text", 1 being the information icon
};

} // namespace vendrix::ui
