// SPDX-License-Identifier: MIT
// The program's start-up and nothing else: the application, the window,
// shown and painted once, then the end. ui_bench times whole runs of it.
#include "ui/aplicacao.h"
#include "ui/form1.h"

#include <QWindow>

int main(int argc, char** argv)
{
    const auto aplicação = vendrix::ui::CriarAplicação(argc, argv);
    vendrix::ui::Form1 janela;
    janela.show();
    while (janela.windowHandle() == nullptr || !janela.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents(); // the first paint
    return 0;
}
