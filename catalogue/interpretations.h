// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <array>
#include <cstdint>
#include <string_view>

namespace morvane {

struct CatalogueEntry {
    std::int32_t id;
    std::string_view text;
};

// The interpretation paragraphs (compound numbers, digits, the small-name text).
extern const std::array<CatalogueEntry, 37> kInterpretations;

}  // namespace morvane
