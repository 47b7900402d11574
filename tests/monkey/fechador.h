// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QTimer>

#include <chrono>
#include <map>
#include <string>

namespace vendrix::monkey {

using Relógio = std::chrono::steady_clock;

// Closes every modal box as soon as the event loop it runs turns, as a
// user who reads nothing would, counts the boxes by title and text, and
// keeps apart the time they exist, so that a click is timed without them.
class Fechador : public QObject
{
public:
    Fechador()
    {
        vigia.setInterval(0);
        connect(&vigia, &QTimer::timeout, this, [this] { Fechar(); });
        vigia.start();
        QCoreApplication::instance()->installEventFilter(this);
    }

    ~Fechador() override { QCoreApplication::instance()->removeEventFilter(this); }

    Fechador(const Fechador&) = delete;
    Fechador& operator=(const Fechador&) = delete;

    [[nodiscard]] Relógio::duration Aberta() const noexcept { return aberta; }

    [[nodiscard]] long Total() const noexcept { return total; }

    std::map<std::string, long> vistas;

protected:
    // A box's time runs from the first event it gets, while it is being
    // built, until it is destroyed, after the report that showed it returns.
    bool eventFilter(QObject* objecto, QEvent*) override
    {
        if (caixa == nullptr && qobject_cast<QMessageBox*>(objecto) != nullptr) {
            caixa = objecto;
            criada = Relógio::now();
            connect(objecto, &QObject::destroyed, this, [this] {
                aberta += Relógio::now() - criada;
                caixa = nullptr;
            });
        }
        return false;
    }

private:
    void Fechar()
    {
        QWidget* janela = QApplication::activeModalWidget();
        if (janela == nullptr)
            return;
        ++total;
        if (auto* mensagem = qobject_cast<QMessageBox*>(janela)) {
            ++vistas[mensagem->windowTitle().toStdString() + " | " + mensagem->text().left(60).toStdString()];
            mensagem->done(QMessageBox::Ok);
        } else {
            ++vistas[std::string("(outra janela modal) ") + janela->metaObject()->className()];
            janela->close();
        }
    }

    QTimer vigia;
    const QObject* caixa = nullptr; // the box being timed
    Relógio::time_point criada{};
    Relógio::duration aberta{};
    long total = 0;
};

} // namespace vendrix::monkey
