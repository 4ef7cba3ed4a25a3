// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/date.h"

#include <array>
#include <string_view>

#include "engine/numerology.h"

namespace morvane::cli {
namespace {

constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

bool AllDigits(std::string_view text, std::size_t min, std::size_t max) {
    if (text.size() < min || text.size() > max) {
        return false;
    }
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int month, int year) {
    constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

// Splits "a<sep>b<sep>c" into its three parts; false for any other shape.
bool SplitThree(std::string_view text, char separator, std::array<std::string_view, 3>& parts) {
    const std::size_t first = text.find(separator);
    if (first == std::string_view::npos) {
        return false;
    }
    const std::size_t second = text.find(separator, first + 1);
    if (second == std::string_view::npos || text.find(separator, second + 1) != text.npos) {
        return false;
    }
    parts = {text.substr(0, first), text.substr(first + 1, second - first - 1),
             text.substr(second + 1)};
    return true;
}

}  // namespace

std::variant<TypedDate, std::string> ParseDate(std::string_view text) {
    std::array<std::string_view, 3> parts;
    TypedDate date;
    if (SplitThree(text, '-', parts) && AllDigits(parts[0], 4, 4) && AllDigits(parts[1], 1, 2) &&
        AllDigits(parts[2], 1, 2)) {
        date = {std::string(parts[2]), std::string(parts[1]), std::string(parts[0])};
    } else if ((SplitThree(text, '/', parts) || SplitThree(text, '.', parts)) &&
               AllDigits(parts[0], 1, 2) && AllDigits(parts[1], 1, 2) &&
               AllDigits(parts[2], 4, 4)) {
        date = {std::string(parts[0]), std::string(parts[1]), std::string(parts[2])};
    } else {
        return "not a date; write it as DD/MM/YYYY, DD.MM.YYYY or YYYY-MM-DD";
    }
    const int day = TextToInt(date.day);
    const int month = TextToInt(date.month);
    const int year = TextToInt(date.year);
    if (year == 0) {
        return "there is no year 0";
    }
    if (month < 1 || month > 12) {
        return "there is no month " + date.month;
    }
    const std::string_view name = kMonthNames[static_cast<std::size_t>(month - 1)];
    if (day < 1 || day > DaysInMonth(month, year)) {
        // February's length depends on the year; say which one.
        const bool leap_matters = month == 2 && day == 29;
        return std::string(name) + (leap_matters ? " " + date.year : "") + " has no day " +
               date.day;
    }
    return date;
}

}  // namespace morvane::cli
