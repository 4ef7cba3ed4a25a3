// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/interpretations.h"
#include "catalogue/themes.h"
#include "engine/numerology.h"

namespace morvane {
namespace {

std::string Lower(std::string_view text) {
    std::string out(text);
    std::ranges::transform(out, out.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

bool IsLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

std::vector<std::string_view> Sentences(std::string_view text) {
    std::vector<std::string_view> out;
    std::size_t start = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if ((text[i] == '.' || text[i] == '?' || text[i] == '!') && text[i + 1] == ' ') {
            out.push_back(text.substr(start, i + 1 - start));
            start = i + 2;
        }
    }
    out.push_back(text.substr(start));
    return out;
}

// Where a whole-word, case-blind occurrence of phrase ends in text, at or after
// from, so "favor" is not found in "favour"; npos if there is none.
std::size_t FindWord(std::string_view text, std::string_view phrase, std::size_t from = 0) {
    const std::string hay = Lower(text);
    const std::string needle = Lower(phrase);
    for (auto at = hay.find(needle, from); at != std::string::npos; at = hay.find(needle, at + 1)) {
        const std::size_t end = at + needle.size();
        if ((at == 0 || !IsLetter(hay[at - 1])) && (end == hay.size() || !IsLetter(hay[end]))) {
            return end;
        }
    }
    return std::string::npos;
}

int CountWord(std::string_view text, std::string_view phrase) {
    int count = 0;
    for (auto end = FindWord(text, phrase); end != std::string::npos;
         end = FindWord(text, phrase, end - phrase.size() + 1)) {
        ++count;
    }
    return count;
}

std::vector<std::string_view> Split(std::string_view text, std::string_view separator) {
    std::vector<std::string_view> out;
    for (auto at = text.find(separator); at != std::string_view::npos; at = text.find(separator)) {
        out.push_back(text.substr(0, at));
        text.remove_prefix(at + separator.size());
    }
    out.push_back(text);
    return out;
}

// "a|b" counts a and b alike; "a|b ... c|d" counts the sentences in which a
// or b is followed by c or d: a device, whatever its wording.
int CountPhrase(std::string_view text, std::string_view pattern) {
    const std::vector<std::string_view> parts = Split(pattern, " ... ");
    int count = 0;
    if (parts.size() == 1) {
        for (const std::string_view phrase : Split(pattern, "|")) {
            count += CountWord(text, phrase);
        }
        return count;
    }
    for (const std::string_view sentence : Sentences(text)) {
        std::size_t first = std::string::npos;
        for (const std::string_view phrase : Split(parts[0], "|")) {
            first = std::min(first, FindWord(sentence, phrase));
        }
        const bool followed =
            first != std::string::npos &&
            std::ranges::any_of(Split(parts[1], "|"), [&](std::string_view phrase) {
                return FindWord(sentence, phrase, first) != std::string::npos;
            });
        count += followed ? 1 : 0;
    }
    return count;
}

// The first three words of a sentence, lower case, without punctuation.
std::string Opening(std::string_view sentence) {
    std::string out;
    int words = 0;
    bool in_word = false;
    for (const char c : sentence) {
        if (c == ' ') {
            words += in_word ? 1 : 0;
            in_word = false;
            if (words == 3) {
                break;
            }
        } else if (std::isalnum(static_cast<unsigned char>(c)) != 0) {
            if (!in_word && words > 0) {
                out += ' ';
            }
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            in_word = true;
        }
    }
    return out;
}

TEST(Catalogue, MessagesReadExactly) {
    const std::pair<std::int32_t, std::string_view> cases[] = {
        {103, "Please enter a name for analysis"},
        {147, "This number is not a valid number."},
        {148,
         "In numerological analysis of your name, at times you are asked to refer to "
         "interpretation of particular numbers. Enter that number here to directly see it's "
         "interpretation."},
        {158, "Enter your birth date in dd/mm/yyyy year format"},
        {159,
         "Enter the name you want to numerically analyze. Please note, special character and "
         "numbers are of no consequence and are ignored during analysis."},
        {161, "xdg-open"},
        {163, MORVANE_HOMEPAGE},
        {164, "Could not find file: xdg-open. Fix: Please include it in path."},
        {165,
         "Not enough memory for opening the browser. Close few programs and try again. If the "
         "problem persists, try re-booting."},
        {167, "Beta 2.0"},
        {168, "Beta 2.0 - Feb 16, 2002"},
        {170, "Morvane"},
        {172, ": Save Intrepretation as ..."},
        {173, "Unable to create file"},
        {174, std::string_view(
                  "**********************************************************************")},
        {175, "Generated on"},
        {176, "There is nothing to save"},
    };
    for (const auto& [id, text] : cases) {
        EXPECT_EQ(LoadText(id), text) << id;
    }
    EXPECT_EQ(LoadText(174), std::string(70, '*'));
}

TEST(Catalogue, PlaceholdersHoldASpaceAndUnknownIdsAreEmpty) {
    for (std::int32_t id = -5; id <= 260; ++id) {
        const bool placeholder =
            (id >= 128 && id <= 130) || (id >= 132 && id <= 136) || (id >= 138 && id <= 144);
        const bool interpretation =
            (id >= 104 && id <= 157) && !placeholder && id != 147 && id != 148;
        const bool message = id == 103 || id == 147 || id == 148 || id == 158 || id == 159 ||
                             id == 161 || (id >= 163 && id <= 165) || id == 167 || id == 168 ||
                             id == 170 || (id >= 172 && id <= 176);
        const std::string_view text = LoadText(id);
        if (placeholder) {
            EXPECT_EQ(text, " ") << id;
        } else if (interpretation || message) {
            EXPECT_GT(text.size(), 1U) << id;
        } else {
            EXPECT_TRUE(text.empty()) << id;
        }
    }
}

TEST(Catalogue, InterpretationsHaveTheirFormAndLength) {
    struct Case {
        std::int32_t id;
        std::string_view opening;
        std::size_t length;
    };
    const Case cases[] = {
        {104, "This is a number of rise and fall", 1060},
        {105, "This is a number of hidden trials and betrayal from others", 887},
        {106, "This is a number of periodic sacrifice of one for the plans of others", 895},
        {107, "This is a number of upheavals, so that new ground may be broken", 623},
        {108,
         "This is a number of magnetic communication with the public through writing and media",
         971},
        {109, "This is a number of extreme luck and enchantment", 1626},
        {110, "This is a number of strange fatality, accidents, defeat of one's plans", 903},
        {111, "This is a number of high spirituality, love and peace", 427},
        {112, "This is a number of the most difficult symbolism; quarrels and upheaval", 2257},
        {113, "This is a number of the most fortune and favour among the compound numbers", 813},
        {114, "This is a number of awakenings", 1207},
        {115, "This is a number of general successes", 415},
        {116, "This is a number of warnings of illusion and delusion", 914},
        {117, "This is a number of karmic rewards", 361},
        {118, "This is a number of fortunes and karmic reward justly earned", 1082},
        {119, "This is a number of spiritual wisdom gained through observation and experience",
         489},
        {120, "This is a number of unique powers of compassion; contradictions and warnings", 1100},
        {121, "This is a number of excellence, harmony, courage and power", 683},
        {122, "This is a number of puzzling and frustrating contradictions", 992},
        {123, "This is a number of perhaps the heaviest karma of all", 1092},
        {124, "This is a number of retrospection, thoughtful deduction, mental superiority", 1241},
        {125, "This is a number of intelligence; self-containment and isolation", 866},
        {126, "This is a number of magical power to sway the masses", 861},
        {127, "This is a number of no meaning of its own; the vibration of 24, deepened", 822},
        {131, "This is a number of a definite potency of its own; friendship, love, partnership",
         609},
        {137, "This is a number of misfortunes; revolution, upheaval, strife", 344},
        {145, "This is a number of strong potency; the nature of the warrior", 514},
        {146, "", 384},
        {149, "The number 1 ", 848},
        {150, "The number 2 ", 898},
        {151, "The number 3 ", 747},
        {152, "The number 4 ", 829},
        {153, "The number 5 ", 577},
        {154, "The number 6 ", 843},
        {155, "The number 7 ", 727},
        {156, "The number 8 ", 779},
        {157, "The number 9 ", 746},
    };
    std::size_t longest = 0;
    for (const auto& c : cases) {
        const std::string_view text = LoadText(c.id);
        EXPECT_TRUE(text.starts_with(c.opening)) << c.id;
        // A theme ends where the opening does, not partway through a word.
        const bool cuts_a_word = !c.opening.empty() && IsLetter(c.opening.back()) &&
                                 text.size() > c.opening.size() && IsLetter(text[c.opening.size()]);
        EXPECT_FALSE(cuts_a_word) << c.id;
        EXPECT_EQ(text.find_first_of("\r\n"), std::string_view::npos) << c.id;
        EXPECT_GE(text.size() * 10, c.length * 9) << c.id;
        EXPECT_LE(text.size() * 10, c.length * 11) << c.id;
        longest = std::max(longest, text.size());
    }
    // Entry 112 is the longest and comes back whole, past any short buffer size.
    EXPECT_EQ(LoadText(112).size(), longest);
    EXPECT_GT(LoadText(112).size(), 2000U);
    EXPECT_TRUE(LoadText(112).ends_with("."));
}

// A list that shows only the theme says what the paragraph says first: each
// compound paragraph opens with its theme, ending where a word ends.
TEST(Catalogue, CompoundParagraphsOpenWithTheirTheme) {
    for (const auto& [id, text] : kInterpretations) {
        const std::string_view theme = ThemeOf(id);
        EXPECT_FALSE(theme.empty()) << id;
        if (id < 146) {
            const std::string opening = std::string(kCompoundOpening) + std::string(theme);
            EXPECT_TRUE(text.starts_with(opening)) << id;
            EXPECT_FALSE(text.size() > opening.size() && IsLetter(text[opening.size()])) << id;
        }
    }
}

// Read side by side, the paragraphs must not slide back into one template
// filled in 37 times: the same hedge in every sentence, the same sentence
// openings in every paragraph, sentences copied from one number to another.
TEST(Catalogue, InterpretationsReadAsWrittenNotFilledIn) {
    struct Limit {
        std::string_view phrase;
        int per_paragraph;
        int per_set;
        // A paragraph that must say it at least once (0: none).
        std::int32_t held_by = 0;
    };
    const Limit limits[] = {
        {"said to", 2, 40},
        {"those born under", 1, 6},
        {"numerologists", 2, 10},
        {"one of the most", 0, 0},
        // The register of the set, used where it reads naturally, not as a refrain.
        {"the person or entity represented by it", 1, 10},
        // Devices that give the set away as a template when each paragraph has
        // one: the root digit and its planet, the named counsel before a list,
        // the same few pieces of advice.
        {"reduces to|reduce to|adds to|add to|add first to|comes to|come to|comes down to|"
         "digits make|work down to ... the number of|the digit of|Sun|Moon|Jupiter|Uranus|"
         "Mercury|Venus|Neptune|Saturn|Mars",
         1, 18},
        {"counsel is|cure is|cure lies|remedy is|practice it rewards", 1, 2},
        {"in writing|written record|write agreements", 1, 1},
        {"stake|put by|putting by|put something aside|set aside", 1, 2},
        {"trust slowly|trust grow|chosen slowly|trust few", 1, 1},
        {"double edge|double-edged|source of the danger|part of the danger", 1, 1},
        {"is the number of", 1, 3},
        // Authorities and statistics nobody can produce, and a combined
        // reading the program never gives.
        {"old advice|old counsel|often compared to|than chance|elsewhere in a reading", 0, 0},
        // A name that counted no letter totals 0 and must be told something true.
        {"no letter", 1, 1, 146},
        // British spelling throughout.
        {"toward", 0, 0},
        {"cooperation", 0, 0},
        {"favor", 0, 0},
        {"favorable", 0, 0},
        {"honor", 0, 0},
        {"color", 0, 0},
        {"center", 0, 0},
        {"recognize", 0, 0},
    };
    for (const auto& limit : limits) {
        int total = 0;
        for (const auto& [id, text] : kInterpretations) {
            const int count = CountPhrase(text, limit.phrase);
            EXPECT_LE(count, limit.per_paragraph) << id << " \"" << limit.phrase << "\"";
            if (id == limit.held_by) {
                EXPECT_GT(count, 0) << id << " lacks \"" << limit.phrase << "\"";
            }
            total += count;
        }
        EXPECT_LE(total, limit.per_set) << "\"" << limit.phrase << "\"";
    }

    std::map<std::string, std::set<std::int32_t>> openings;
    std::map<std::string, std::int32_t> first_seen;
    for (const auto& [id, text] : kInterpretations) {
        EXPECT_TRUE(std::ranges::all_of(text, [](char c) { return c >= 0x20 && c <= 0x7e; }))
            << id << " holds a line break or a character outside printable ASCII";
        EXPECT_EQ(text.find("  "), std::string_view::npos) << id << " holds a double space";
        const std::vector<std::string_view> sentences = Sentences(text);
        for (std::size_t i = 0; i < sentences.size(); ++i) {
            // The first sentence carries the required opening and theme.
            if (i > 0) {
                openings[Opening(sentences[i])].insert(id);
            }
            const auto [seen, fresh] = first_seen.emplace(Lower(sentences[i]), id);
            EXPECT_TRUE(fresh) << id << " repeats a sentence of " << seen->second << ": "
                               << sentences[i];
        }
    }
    for (const auto& [opening, ids] : openings) {
        EXPECT_LE(ids.size(), 6U) << "\"" << opening << "\" opens sentences in " << ids.size()
                                  << " paragraphs";
    }
}

TEST(Catalogue, EveryNumberAPageCanShowHasAParagraph) {
    for (std::int32_t n = 0; n <= 52; ++n) {
        EXPECT_GT(LoadText(NameTextId(n)).size(), 1U) << "name " << n;
    }
    for (std::int32_t day = 0; day <= 31; ++day) {
        EXPECT_GT(LoadText(BirthTextId(day)).size(), 1U) << "day " << day;
    }
    for (std::int32_t d = 0; d <= 9; ++d) {
        EXPECT_GT(LoadText(DigitTextId(d)).size(), 1U) << "destiny " << d;
    }
    for (std::int32_t n = -2; n <= 60; ++n) {
        EXPECT_GT(LoadText(NumberTextId(n)).size(), 1U) << "number " << n;
    }
}

}  // namespace
}  // namespace morvane
