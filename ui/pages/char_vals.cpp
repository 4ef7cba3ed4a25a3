// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/pages/char_vals.h"

#include <array>
#include <cstddef>

#include "engine/numerology.h"
#include "ui/pages/page_frame.h"

namespace morvane {
namespace {

constexpr std::size_t kLetters = LetterValues.size();

// "a = 1" ... "z = 7", made from the engine's own table so the two agree.
constexpr auto kLetterTexts = [] {
    std::array<std::array<char, 5>, kLetters> texts{};
    for (std::size_t i = 0; i < kLetters; ++i) {
        texts[i] = {static_cast<char>('a' + i), ' ', '=', ' ',
                    static_cast<char>('0' + LetterValues[i])};
    }
    return texts;
}();

constexpr bool SingleDigitValues() {
    for (const auto value : LetterValues) {
        if (value < 0 || value > 9) {
            return false;
        }
    }
    return true;
}
static_assert(SingleDigitValues(), "each label shows its value as one digit");

// Widths of the letter labels, a to z.
constexpr std::array<int, kLetters> kWidths = {19, 21, 22, 22, 23, 15, 20, 21, 15, 15, 23, 15, 19,
                                               20, 21, 23, 20, 15, 15, 15, 22, 20, 24, 15, 15, 15};

// Five columns 40 units apart, filled top to bottom, six rows 10 units apart.
constexpr int kRows = 6;
constexpr int kLeft = 10;
constexpr int kTop = 62;
constexpr int kColumnStep = 40;
constexpr int kRowStep = 10;
constexpr int kLabelHeight = 8;

constexpr auto kControls = [] {
    std::array<ControlSpec, kLetters + 2> controls{};
    controls[0] = {kNoId,
                   ControlKind::Label,
                   "These values are used by Morvane for numerological analysis of names.",
                   {7, 21, 183, 28}};
    controls[1] = LogoRow();
    for (std::size_t i = 0; i < kLetters; ++i) {
        const int column = static_cast<int>(i) / kRows;
        const int row = static_cast<int>(i) % kRows;
        controls[i + 2] = {
            kNoId,
            ControlKind::Label,
            {kLetterTexts[i].data(), kLetterTexts[i].size()},
            {kLeft + column * kColumnStep, kTop + row * kRowStep, kWidths[i], kLabelHeight},
            kGrowToText};
    }
    return controls;
}();

}  // namespace

const PageLayout CCharVals::kLayout = {"&Character Values", kControls, kPageSize};

CCharVals::CCharVals() : CPropertyPage(kLayout) {}

}  // namespace morvane
