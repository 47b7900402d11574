// SPDX-License-Identifier: MIT
#include "ui/aplicacao.h"

#include "ui/idioma.h"

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace vendrix::ui {

namespace {

constexpr const char* SemEcrã =
    "vendrix: no display to open the window on; start it from a desktop session, or without one "
    "as: xvfb-run build/release/app/vendrix\n";

// While the toolkit opens the display, its complaints about a missing one
// are replaced by the single line above; a failure to open it ends the
// program cleanly rather than through abort() and a core dump.
void AoAbrirOEcrã(QtMsgType tipo, const QMessageLogContext& contexto, const QString& mensagem)
{
    if (tipo == QtFatalMsg) {
        std::fputs(SemEcrã, stderr);
        std::_Exit(1);
    }
    const char* categoria = contexto.category != nullptr ? contexto.category : "";
    if (std::strncmp(categoria, "qt.qpa", 6) == 0)
        return;
    std::fprintf(stderr, "%s\n", qFormatLogMessage(tipo, contexto, mensagem).toLocal8Bit().constData());
}

} // namespace

std::unique_ptr<QApplication> CriarAplicação(int& argc, char** argv)
{
    const QtMessageHandler anterior = qInstallMessageHandler(AoAbrirOEcrã);
    auto aplicação = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(anterior);
    InstalarIdioma(); // before the window: its texts are translated as it is built
    return aplicação;
}

} // namespace vendrix::ui
