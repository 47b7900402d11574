// SPDX-License-Identifier: MIT
// Boost reports its own failures (a division by zero, a negative shift) by
// calling these when it is built without exceptions. The algebra checks
// every such case before calling Boost, so reaching one is a fault of the
// program: it stops at once rather than go on with a wrong number.
#include <boost/throw_exception.hpp>
#include <cstdlib>
#include <exception>

namespace boost {

void throw_exception(const std::exception&) { std::abort(); }

void throw_exception(const std::exception&, const boost::source_location&) { std::abort(); }

} // namespace boost
