// SPDX-License-Identifier: MIT
#include "ui/aplicacao.h"
#include "ui/janela_principal.h"

int main(int argc, char** argv)
{
    const auto aplicação = vendrix::ui::CriarAplicação(argc, argv);
    vendrix::ui::JanelaPrincipal janela;
    janela.show();
    return aplicação->exec();
}
