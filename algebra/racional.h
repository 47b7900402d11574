// SPDX-License-Identifier: MIT
#pragma once

#include <boost/multiprecision/cpp_int.hpp>

// Exact numbers of the algebra: integers and rationals of any size. Nothing
// here is ever rounded; a result is as long as it needs to be.
namespace vendrix::algebra {

using Inteiro = boost::multiprecision::cpp_int;
using Racional = boost::multiprecision::cpp_rational;

} // namespace vendrix::algebra
