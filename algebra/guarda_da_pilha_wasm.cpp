// SPDX-License-Identifier: MIT
// Only in the WebAssembly module. Debian's compiler-rt builtins for wasm32
// were built with the stack protector, so the 128-bit division that Boost's
// integers use there refers to the guard and the failure routine, and
// WASI's libc has neither. A fixed guard keeps the check meaningful (a
// frame that overwrote its guard is still caught) and a failed check stops
// at once. The symbols get their names by label, so no reserved name is
// declared in C++.
#include <cstdint>
#include <cstdlib>

extern "C" {

std::uintptr_t GuardaDaPilha __asm__("__stack_chk_guard") = 0x00c35a2fU;

[[noreturn]] void PilhaEstragada() __asm__("__stack_chk_fail");

void PilhaEstragada() { std::abort(); }

} // extern "C"
