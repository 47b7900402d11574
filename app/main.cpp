// SPDX-License-Identifier: MIT
#include "ui/aplicacao.h"
#include "ui/form1.h"

int main(int argc, char** argv)
{
    const auto aplicação = vendrix::ui::CriarAplicação(argc, argv);
    vendrix::ui::Form1 janela;
    janela.show();
    return aplicação->exec();
}
