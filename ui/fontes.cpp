// SPDX-License-Identifier: MIT
#include "ui/fontes.h"

#include "runtime/numeros.h"

#include <QString>

namespace vendrix::ui {

void InstalarSubstituições()
{
    QFont::insertSubstitution(QString::fromLatin1(SansSerif), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QString::fromLatin1(Comic), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QString::fromLatin1(Serif), QStringLiteral("Liberation Serif"));
}

int PontosEmPixels(double pontos) { return runtime::ParaInteiro32(pontos * 96.0 / 72.0).ValorOu(11); }

QFont Fonte(const char* família, double pontos, bool negrito)
{
    QFont f(QString::fromLatin1(família));
    // Every attribute is set, so that a control never picks up the bold
    // caption font of the frame it sits in.
    f.setPixelSize(PontosEmPixels(pontos));
    f.setWeight(negrito ? QFont::Bold : QFont::Normal);
    f.setItalic(false);
    f.setUnderline(false);
    f.setStrikeOut(false);
    return f;
}

} // namespace vendrix::ui
