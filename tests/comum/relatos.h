// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/relato.h"

#include <gtest/gtest.h>

#include <ostream>

namespace vendrix::runtime {

// A report as a failing test prints it: title, number and text.
inline void PrintTo(const Relato& r, std::ostream* s)
{
    *s << TextoDoTítulo(r.título) << " " << r.erro.Número() << " " << r.erro.Descrição();
}

template <typename T>
void PrintTo(const Relatado<T>& r, std::ostream* s)
{
    *s << ::testing::PrintToString(r.valor) << " " << ::testing::PrintToString(r.relatos);
}

} // namespace vendrix::runtime
