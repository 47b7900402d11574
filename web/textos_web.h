// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

// The page's catalogue, textos.json, as web/catalogo.py writes it from the
// program's .ts files: {"en": {"Portuguese text": "English text", ...}, ...},
// one dictionary per language, keyed by the Portuguese source text.
namespace vendrix::web {

using Dicionário = std::map<std::string, std::string, std::less<>>;
using Dicionários = std::map<std::string, Dicionário, std::less<>>;

// Nothing when the text is not an object of objects of texts.
[[nodiscard]] std::optional<Dicionários> LerTextos(std::string_view json);

} // namespace vendrix::web
