// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/report.h"

#include <array>
#include <ctime>
#include <initializer_list>

#include "catalogue/catalogue.h"

namespace morvane {
namespace {

std::string Join(std::initializer_list<std::string_view> parts) {
    std::size_t size = 0;
    for (const auto part : parts) {
        size += part.size();
    }
    std::string text;
    text.reserve(size);
    for (const auto part : parts) {
        text += part;
    }
    return text;
}

std::string Format(const LocalDateTime& when, const char* format) {
    std::tm tm{};
    tm.tm_year = when.year - 1900;
    tm.tm_mon = when.month - 1;
    tm.tm_mday = when.day;
    tm.tm_hour = when.hour;
    tm.tm_min = when.minute;
    tm.tm_sec = when.second;
    std::array<char, 32> buffer{};
    const std::size_t length = std::strftime(buffer.data(), buffer.size(), format, &tm);
    return {buffer.data(), length};
}

}  // namespace

std::string FormatReportDate(const LocalDateTime& when) {
    return Format(when, "%m/%d/%y");
}

std::string FormatReportTime(const LocalDateTime& when) {
    return Format(when, "%H:%M:%S");
}

std::string ReportHeader(std::string_view date, std::string_view time) {
    const std::string_view rule = LoadText(text::kRule);
    const std::string product = ProductAndVersion(" ");
    return Join({rule, "\n", product, " - ", LoadText(text::kGeneratedOn), " ", date, " at ", time,
                 "\n", rule, "\n\n"});
}

std::string NameReportBody(std::string_view name, std::string_view number,
                           std::string_view interpretation) {
    return Join({"Name:\t", name, "\n\n", "Number:\t", number, "\n\n", interpretation});
}

std::string BirthReportBody(const BirthReportFields& f) {
    return Join({"Date of Birth: ", f.day, "-", f.month, "-", f.year, "\n\n", "Birth Number: ",
                 f.birth_number, "\t", "Destiny Number: ", f.destiny_number, "\n\n",
                 "Birth Number: \n", f.birth_text, "\n\nDestiny Number: \n", f.destiny_text});
}

std::string NumberReportBody(std::string_view number, std::string_view interpretation) {
    return Join({"Number: ", number, "\n\n", interpretation});
}

}  // namespace morvane
