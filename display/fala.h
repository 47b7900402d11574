// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// How a screen reader is to say a drawn polynomial: the exponents that the
// drawing raises are announced with words such as "elevado a", since a
// reader cannot hear a raised line. Knows nothing of fonts, windows or
// languages: the window passes the words in the user's language.
namespace vendrix::display {

// What the drawing of this text shows, in words: a run of raised
// characters is read as the words `elevado` (by default "elevado a") and
// the run, a further raise over it adds the words again; a caret with nothing raised after it is not read,
// just as it is not drawn. "+" and "-" between terms stand apart, a sign at
// the start stays with its term. The whole text is read, however long: a
// result wider than its area can be heard to its last term.
[[nodiscard]] std::string FalarPolinómio(std::string_view texto, std::string_view elevado = "elevado a");

} // namespace vendrix::display
