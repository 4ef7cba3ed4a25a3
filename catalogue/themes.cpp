// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/themes.h"

#include <algorithm>
#include <array>

#include "catalogue/interpretations.h"

namespace morvane {
namespace {

// The compound paragraphs state their theme after kCompoundOpening; the
// digits and the small-name text have none to quote, so theirs is a summary.
constexpr std::array<CatalogueEntry, 37> kThemes = {{
    {104, "rise and fall"},
    {105, "hidden trials and betrayal from others"},
    {106, "periodic sacrifice of one for the plans of others"},
    {107, "upheavals, so that new ground may be broken"},
    {108, "magnetic communication with the public through writing and media"},
    {109, "extreme luck and enchantment"},
    {110, "strange fatality, accidents, defeat of one's plans"},
    {111, "high spirituality, love and peace"},
    {112, "the most difficult symbolism; quarrels and upheaval"},
    {113, "the most fortune and favour among the compound numbers"},
    {114, "awakenings"},
    {115, "general successes"},
    {116, "warnings of illusion and delusion"},
    {117, "karmic rewards"},
    {118, "fortunes and karmic reward justly earned"},
    {119, "spiritual wisdom gained through observation and experience"},
    {120, "unique powers of compassion; contradictions and warnings"},
    {121, "excellence, harmony, courage and power"},
    {122, "puzzling and frustrating contradictions"},
    {123, "perhaps the heaviest karma of all"},
    {124, "retrospection, thoughtful deduction, mental superiority"},
    {125, "intelligence; self-containment and isolation"},
    {126, "magical power to sway the masses"},
    {127, "no meaning of its own; the vibration of 24, deepened"},
    {131, "a definite potency of its own; friendship, love, partnership"},
    {137, "misfortunes; revolution, upheaval, strife"},
    {145, "strong potency; the nature of the warrior"},
    {146, "a light name, or one with no letter counted yet"},
    {149, "manifestation and assertion"},
    {150, "antithesis, witness and confirmation"},
    {151, "body, mind and spirit"},
    {152, "reality and concretion"},
    {153, "expansion"},
    {154, "co-operation"},
    {155, "completion"},
    {156, "dissolution"},
    {157, "regeneration"},
}};

}  // namespace

std::string_view ThemeOf(std::int32_t text_id) {
    const auto* row = std::ranges::find(kThemes, text_id, &CatalogueEntry::id);
    return row != kThemes.end() ? row->text : std::string_view();
}

}  // namespace morvane
