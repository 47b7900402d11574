// SPDX-License-Identifier: MIT
#include "runtime/relato.h"

#include "runtime/mensagens.h"

namespace vendrix::runtime {

std::string_view TextoDoTítulo(Título título) noexcept { return FonteDoTítulo(título).texto; }

std::string TextoDoTítulo(Título título, const Tradutor& tradutor) { return tradutor(FonteDoTítulo(título)); }

} // namespace vendrix::runtime
