// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/catalogue.h"

#include <array>
#include <string_view>

#include "catalogue/interpretations.h"

// The product's web page; packagers may point it elsewhere at build time.
#ifndef MORVANE_HOMEPAGE
#define MORVANE_HOMEPAGE "https://morvane.example.org/"
#endif

// The program that opens the web page; its not-found message names it.
#define MORVANE_BROWSER "xdg-open"

namespace morvane {
namespace {

using namespace std::string_view_literals;

constexpr std::array<CatalogueEntry, 17> kMessages = {{
    {text::kEnterNameWarning, "Please enter a name for analysis"},
    {text::kInvalidNumber, "This number is not a valid number."},
    {text::kNumberHelp,
     "In numerological analysis of your name, at times you are asked to refer to "
     "interpretation of particular numbers. Enter that number here to directly see it's "
     "interpretation."},
    {text::kBirthDateFormat, "Enter your birth date in dd/mm/yyyy year format"},
    {text::kNameHelp,
     "Enter the name you want to numerically analyze. Please note, special character and "
     "numbers are of no consequence and are ignored during analysis."},
    {text::kBrowserProgram, MORVANE_BROWSER},
    {text::kHomePage, MORVANE_HOMEPAGE},
    {text::kBrowserNotFound,
     "Could not find file: " MORVANE_BROWSER ". Fix: Please include it in path."},
    {text::kBrowserNoMemory,
     "Not enough memory for opening the browser. Close few programs and try again. If the "
     "problem persists, try re-booting."},
    {text::kVersionLabel, "Beta 2.0"},
    {text::kVersionAndDate, "Beta 2.0 - Feb 16, 2002"},
    {text::kProductName, "Morvane"},
    {text::kSaveAsTitleTail, ": Save Intrepretation as ..."},
    {text::kUnableToCreateFile, "Unable to create file"},
    {text::kRule, "**********************************************************************"},
    {text::kGeneratedOn, "Generated on"},
    {text::kNothingToSave, "There is nothing to save"},
}};

// Compound numbers that borrow another number's text keep a placeholder
// entry, so every compound number n still has its id at n + 94.
constexpr std::array<std::int32_t, 15> kPlaceholderIds = {128, 129, 130, 132, 133, 134, 135, 136,
                                                          138, 139, 140, 141, 142, 143, 144};

constexpr std::int32_t kLastId = 199;

struct Table {
    std::array<std::string_view, kLastId + 1> texts{};

    Table() {
        for (const auto& entry : kInterpretations) {
            texts.at(static_cast<std::size_t>(entry.id)) = entry.text;
        }
        for (const auto& entry : kMessages) {
            texts.at(static_cast<std::size_t>(entry.id)) = entry.text;
        }
        for (const auto id : kPlaceholderIds) {
            texts.at(static_cast<std::size_t>(id)) = " "sv;
        }
    }
};

}  // namespace

std::string_view LoadText(std::int32_t id) {
    static const Table table;
    if (id < 0 || id > kLastId) {
        return {};
    }
    return table.texts[static_cast<std::size_t>(id)];
}

std::string ProductAndVersion(std::string_view between) {
    std::string text(LoadText(text::kProductName));
    text += between;
    text += LoadText(text::kVersionLabel);
    return text;
}

}  // namespace morvane
