// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A date of birth typed on the command line, checked against the calendar:
// a mistyped day would silently change every number that follows from it.

#include <string>
#include <string_view>
#include <variant>

namespace morvane::cli {

// The day, month and year as typed (07 stays 07), as the window's three
// fields would hold them.
struct TypedDate {
    std::string day;
    std::string month;
    std::string year;
};

// DD/MM/YYYY, D/M/YYYY, DD.MM.YYYY or YYYY-MM-DD; a date that is not in the
// Gregorian calendar gives a message such as "February has no day 31".
std::variant<TypedDate, std::string> ParseDate(std::string_view text);

}  // namespace morvane::cli
