// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The text catalogue: every text the program looks up by number. Read-only,
// built into the program.

#include <cstdint>
#include <string>
#include <string_view>

namespace morvane {

// The entry's text; an id without an entry gives an empty view.
std::string_view LoadText(std::int32_t id);

// The product name and the version label with `between` between them: the
// caption joins them with a space ("Morvane Beta 2.0"), the Save As title
// with nothing.
std::string ProductAndVersion(std::string_view between);

// Ids of the entries that code refers to by name.
namespace text {
inline constexpr std::int32_t kEnterNameWarning = 103;
inline constexpr std::int32_t kInvalidNumber = 147;
inline constexpr std::int32_t kNumberHelp = 148;
inline constexpr std::int32_t kBirthDateFormat = 158;
inline constexpr std::int32_t kNameHelp = 159;
inline constexpr std::int32_t kBrowserProgram = 161;
inline constexpr std::int32_t kHomePage = 163;
inline constexpr std::int32_t kBrowserNotFound = 164;
inline constexpr std::int32_t kBrowserNoMemory = 165;
inline constexpr std::int32_t kVersionLabel = 167;
inline constexpr std::int32_t kVersionAndDate = 168;
inline constexpr std::int32_t kProductName = 170;
inline constexpr std::int32_t kSaveAsTitleTail = 172;
inline constexpr std::int32_t kUnableToCreateFile = 173;
inline constexpr std::int32_t kRule = 174;
inline constexpr std::int32_t kGeneratedOn = 175;
inline constexpr std::int32_t kNothingToSave = 176;
}  // namespace text

}  // namespace morvane
