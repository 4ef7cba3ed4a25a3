// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The theme of each interpretation: the short line its paragraph opens with,
// kept beside the paragraphs so a list of numbers can name them in a few words.

#include <cstdint>
#include <string_view>

namespace morvane {

// The theme of an interpretation by catalogue id; empty for an id that is no
// interpretation.
std::string_view ThemeOf(std::int32_t text_id);

// The opening every compound paragraph shares before its theme.
inline constexpr std::string_view kCompoundOpening = "This is a number of ";

}  // namespace morvane
