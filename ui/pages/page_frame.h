// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What every page of Morvane's window shares: its size, and the logo in the
// same place on each.

#include <string_view>

#include "ui/framework/control_table.h"

namespace morvane {

inline constexpr DlgRect kPageSize{0, 0, 325, 178};
inline constexpr std::string_view kLogo = "logo";

// The logo's row of a page's control table.
constexpr ControlSpec LogoRow(int id = kNoId) {
    return {id, ControlKind::Picture, kLogo, {229, 9, 65, 60}, kNoFlags, "Morvane logo"};
}

}  // namespace morvane
