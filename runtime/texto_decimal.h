// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace vendrix::runtime {

// A value in plain decimal digits ("-12345678", "0.100000001490116"), never
// in exponent form, with the fewest digits that read back as the same
// double: for a text that another reader, such as the interpreter, must
// read back exactly and in which an "E" would be taken for a name. Negative
// zero is written "0"; NaN and the infinities, which have no digits, are
// written "0" too, and callers refuse them before.
[[nodiscard]] std::string TextoDecimal(double valor);

} // namespace vendrix::runtime
