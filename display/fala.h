// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// How a screen reader is to say a drawn polynomial: the exponents that the
// drawing raises are announced with "elevado a", since a reader cannot hear
// a raised line. Knows nothing of fonts or windows.
namespace vendrix::display {

// What the drawing of this text shows, in words: a run of raised
// characters is read "elevado a" and the run, a further raise over it adds
// another "elevado a"; a caret with nothing raised after it is not read,
// just as it is not drawn. "+" and "-" between terms stand apart, a sign at
// the start stays with its term. The whole text is read, however long: a
// result wider than its area can be heard to its last term.
[[nodiscard]] std::string FalarPolinómio(std::string_view texto);

} // namespace vendrix::display
