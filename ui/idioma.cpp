// SPDX-License-Identifier: MIT
#include "ui/idioma.h"

#include "ui/texto_qt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <algorithm>
#include <vector>

namespace vendrix::ui {

namespace {

[[nodiscard]] char Minúscula(char c) noexcept
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// "en-GB", "en_GB.UTF-8" and "EN" are all English.
[[nodiscard]] bool ÉDoIdioma(std::string_view etiqueta, std::string_view idioma) noexcept
{
    const std::size_t fim = std::min(etiqueta.find_first_of("-_.@"), etiqueta.size());
    return fim == idioma.size() &&
           std::equal(idioma.begin(), idioma.end(), etiqueta.begin(), [](char a, char b) {
               return a == Minúscula(b);
           });
}

// The toolkit's own texts (the buttons and labels of the file, print and
// message dialogs) in Portuguese, from Qt's catalogue where it is
// installed, or Brazil's, the only one Debian ships; without either they
// stay in English.
void InstalarQtEmPortuguês()
{
    auto* tradutor = new QTranslator(QCoreApplication::instance());
    const QString pasta = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const bool lido = tradutor->load(QStringLiteral("qtbase_pt"), pasta) ||
                      tradutor->load(QStringLiteral("qtbase_pt_BR"), pasta);
    if (!lido || !QCoreApplication::installTranslator(tradutor))
        delete tradutor;
}

} // namespace

std::string_view EscolherIdioma(std::span<const std::string> preferidos) noexcept
{
    for (const std::string& etiqueta : preferidos)
        for (const std::string_view idioma : IdiomasDaJanela)
            if (ÉDoIdioma(etiqueta, idioma))
                return idioma;
    return Português;
}

std::string_view InstalarIdioma()
{
    std::vector<std::string> preferidos;
    for (const QString& etiqueta : QLocale::system().uiLanguages())
        preferidos.push_back(ParaUtf8(etiqueta));
    const std::string_view idioma = EscolherIdioma(preferidos);
    if (idioma == Português) {
        InstalarQtEmPortuguês(); // the window's own texts are written in Portuguese
        return idioma;
    }
    auto* tradutor = new QTranslator(QCoreApplication::instance());
    const QString catálogo = QStringLiteral(":/i18n/vendrix_") + DeUtf8(idioma) + QStringLiteral(".qm");
    if (!tradutor->load(catálogo) || !QCoreApplication::installTranslator(tradutor)) {
        delete tradutor;
        return Português;
    }
    return idioma;
}

} // namespace vendrix::ui
