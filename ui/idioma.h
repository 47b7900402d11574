// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string>
#include <string_view>

// Which language the window speaks. Portuguese is the language its texts
// are written in; the others come from the translation catalogue.
namespace vendrix::ui {

inline constexpr std::string_view Português = "pt";

// The languages the window can speak, the source language first.
inline constexpr std::string_view IdiomasDaJanela[] = {Português, "en"};

// The first of the user's languages, most wanted first ("en-GB", "pt_PT",
// "C"), that the window speaks, by its primary subtag; Portuguese when it
// speaks none of them.
[[nodiscard]] std::string_view EscolherIdioma(std::span<const std::string> preferidos) noexcept;

// Installs the catalogue of the first of the desktop's UI languages that the
// window speaks, so that every text created afterwards is in it. Returns
// the language chosen. Needs the application object.
std::string_view InstalarIdioma();

} // namespace vendrix::ui
