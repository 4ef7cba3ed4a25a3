// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The engine, the catalogue and the report speak UTF-8 bytes; widgets speak
// QString. This is the one crossing from the first to the second.

#include <QString>
#include <string_view>

namespace morvane {

inline QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace morvane
