// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The interpretation report: a four-line header and the body of the page
// that saved it, composed with LF line ends (the file writer makes them CR LF).

#include <string>
#include <string_view>

namespace morvane {

// A moment of the local clock, as the desktop shows it to the user.
struct LocalDateTime {
    int year = 0;
    int month = 0;  // 1-12
    int day = 0;    // 1-31
    int hour = 0;   // 0-23
    int minute = 0;
    int second = 0;
};

// MM/DD/YY and HH:MM:SS (24-hour) of a local date and time.
std::string FormatReportDate(const LocalDateTime& when);
std::string FormatReportTime(const LocalDateTime& when);

// Rule, product and version with the date and time, rule, empty line.
std::string ReportHeader(std::string_view date, std::string_view time);

std::string NameReportBody(std::string_view name, std::string_view number,
                           std::string_view interpretation);

struct BirthReportFields {
    std::string_view day;
    std::string_view month;
    std::string_view year;
    std::string_view birth_number;
    std::string_view destiny_number;
    std::string_view birth_text;
    std::string_view destiny_text;
};
std::string BirthReportBody(const BirthReportFields& fields);

std::string NumberReportBody(std::string_view number, std::string_view interpretation);

}  // namespace morvane
