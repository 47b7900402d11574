// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

// How the core says a text in the user's language. Every text the program
// shows is written once, in Portuguese, marked with VENDRIX_TEXTO; lupdate
// collects the marked texts into the translation catalogues through the
// alias VENDRIX_TEXTO of QT_TRANSLATE_NOOP, so the marker must keep its
// shape (a context literal, then a text literal) and no text may be built
// from pieces.
namespace vendrix::runtime {

// A source text and the catalogue context it is translated in.
struct Fonte
{
    const char* contexto;
    const char* texto;
};

#define VENDRIX_TEXTO(contexto, texto)                                                                       \
    ::vendrix::runtime::Fonte { contexto, texto }

// What a front end gives the core to put a source text in the user's
// language: the window's asks QCoreApplication::translate, the page's reads
// its texts file. Arguments "%1" … "%9" are left in place for the core.
using Tradutor = std::function<std::string(const Fonte&)>;

// The source text itself, for Portuguese and for tests.
[[nodiscard]] std::string EmPortuguês(const Fonte& fonte);

// The model with every "%1" … "%9" replaced by its argument, in one pass
// from left to right, so that an argument holding "%2" stays as it is. A
// marker with no argument, and a "%" followed by anything else, stay.
[[nodiscard]] std::string Preencher(std::string_view modelo,
                                    std::initializer_list<std::string_view> argumentos);

} // namespace vendrix::runtime
