// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// How a screen reader is to say a drawn polynomial: the exponents that the
// drawing raises are announced with "elevado a", since a reader cannot hear
// a raised line. Knows nothing of fonts or windows.
namespace vendrix::display {

// More than the widest picture area can show, so the reader hears at least
// what is visible, while a result of a megabyte costs only a short text.
inline constexpr std::size_t CaracteresFalados = 200;

// What the drawing of this text shows, in words: a run of raised
// characters is read "elevado a" and the run, a further raise over it adds
// another "elevado a"; a caret with nothing raised after it is not read,
// just as it is not drawn. "+" and "-" between terms stand apart, a sign at
// the start stays with its term. After CaracteresFalados characters the
// rest is cut and " …" says so.
[[nodiscard]] std::string FalarPolinómio(std::string_view texto);

} // namespace vendrix::display
