// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/numerology.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <random>
#include <set>
#include <string>

namespace morvane {
namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

TEST(LetterValues, MatchTheGroupedTable) {
    // The same table written the other way round: letters grouped by value.
    const std::pair<std::int32_t, std::string> groups[] = {
        {1, "aijqy"}, {2, "bkr"}, {3, "cgls"}, {4, "dmt"},
        {5, "ehnx"},  {6, "uvw"}, {7, "oz"},   {8, "fp"},
    };
    std::set<char> seen;
    for (const auto& [value, letters] : groups) {
        for (const char c : letters) {
            EXPECT_EQ(LetterValues[c - 'a'], value) << c;
            seen.insert(c);
        }
    }
    EXPECT_EQ(seen.size(), 26U);
}

struct NameCase {
    std::string name;
    std::int32_t expected;
};

TEST(NameNumber, WorkedExamplesAndBoundaries) {
    const NameCase cases[] = {
        {"abc", 6},
        {"anna", 12},
        {"peter", 24},
        {"mary-ann 2nd", 28},
        {"christopher", 45},
        {"elizabeth alexandra", 6},
        {"zzzzzzzz", 11},
        {"ffffffff", 10},  // 64 -> 10, and no further
        {"john", 18},
        {"john smith", 35},
        {"oooooooc", 52},  // exactly 52 stays
        {"oooooood", 8},   // 53 -> 8
        {"", 0},
        {"   ", 0},
        {"123 -.,!", 0},
        {"ABC", 0},  // upper case counts nothing here
        {"\tab\ncd", 10},
        {"j\xC3\xA9r\xC3\xB4me", 1 + 2 + 4 + 5},  // bytes >= 0x80 skipped, scan goes on
        {std::string("a\0b", 3), 3},              // an embedded NUL does not end the name
        {"{|}~`@[", 0},                           // neighbours of the a-z range
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NameNumber(c.name), c.expected) << '"' << c.name << '"';
    }
}

TEST(NameNumber, DoesNotOverflowOnHugeText) {
    // 300 million 'f' total 2.4e9, past INT32_MAX: 2400000000 -> 6.
    // Deliberately huge: the letter total passes INT32_MAX.
    const std::string name(300'000'000, 'f');  // NOLINT(bugprone-string-constructor)
    EXPECT_EQ(NameNumber(name), 6);
}

struct IntCase {
    std::int32_t in;
    std::int32_t out;
};

TEST(SumDigits, Examples) {
    const IntCase cases[] = {{0, 0},    {53, 8},    {99, 18},   {100, 1}, {999'999, 54},
                             {1005, 6}, {9999, 36}, {kMax, 46}, {-53, 8}, {kMin, 47}};
    for (const auto& c : cases) {
        EXPECT_EQ(SumDigits(c.in), c.out) << c.in;
    }
}

TEST(ReduceNameNumber, StopsAtOrBelow52) {
    const IntCase cases[] = {{0, 0},   {10, 10},     {52, 52},     {53, 8},    {64, 10},
                             {99, 18}, {999'999, 9}, {899'999, 8}, {kMax, 46}, {-5, -5}};
    for (const auto& c : cases) {
        std::int32_t value = c.in;
        ReduceNameNumber(value);
        EXPECT_EQ(value, c.out) << c.in;
    }
}

struct TextCase {
    std::string text;
    std::int32_t expected;
};

TEST(TextToInt, ParsesLikeTheFieldsNeed) {
    const TextCase cases[] = {
        {"", 0},
        {"0", 0},
        {"07", 7},
        {"12ab", 12},
        {"   12", 12},
        {" \t\n\v\f\r42", 42},
        {"a12", 0},
        {"+5", 5},
        {"-5", -5},
        {"- 5", 0},
        {"--5", 0},
        {"2147483647", kMax},
        {"2147483648", kMax},
        {"-2147483648", kMin},
        {"-2147483649", kMin},
        {"99999999999999999999", kMax},
        {"-99999999999999999999", kMin},
        {std::string(30, '0') + "5", 5},
        {std::string(100, '9'), kMax},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TextToInt(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(ReduceToSingleDigit, GoesOnThroughTen) {
    const IntCase cases[] = {{0, 0},    {9, 9},     {10, 1},   {18, 9},  {19, 1},  {99, 9},
                             {1989, 9}, {10042, 7}, {kMax, 1}, {-10, 1}, {kMin, 2}};
    for (const auto& c : cases) {
        EXPECT_EQ(ReduceToSingleDigit(c.in), c.out) << c.in;
    }
}

TEST(DestinyNumber, WorkedExamples) {
    struct Case {
        std::string day, month, year;
        std::int32_t destiny;
    };
    const Case cases[] = {
        {"15", "08", "1990", 6}, {"29", "02", "1996", 2}, {"01", "01", "1987", 9},
        {"09", "09", "1999", 1}, {"31", "12", "9999", 7}, {"00", "00", "0000", 0},
        {"31", "12", "1999", 8}, {"07", "7", "2001", 8},  {"7", "11", "1975", 4},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DestinyNumber(TextToInt(c.day), TextToInt(c.month), TextToInt(c.year)), c.destiny)
            << c.day << '/' << c.month << '/' << c.year;
    }
}

TEST(DestinyNumber, ExtremeInputsStayInRange) {
    EXPECT_EQ(DestinyNumber(kMax, kMax, kMax), 3);  // 6442450941 -> 39 -> 12 -> 3
    EXPECT_EQ(DestinyNumber(kMin, kMin, kMin), 6);  // |-6442450944| -> 6
    EXPECT_EQ(DestinyNumber(-1, 0, 0), 1);
}

TEST(TextIds, RulesSideBySide) {
    struct Case {
        std::int32_t n, name, birth, number;
    };
    // A zero marks a number that the rule's caller never passes.
    const Case cases[] = {
        {-1, 0, 0, 147},    {0, 146, 148, 147},  {1, 146, 149, 149},  {5, 146, 153, 153},
        {9, 146, 157, 157}, {10, 146, 104, 104}, {11, 105, 105, 105}, {31, 125, 125, 125},
        {32, 126, 0, 126},  {33, 127, 0, 127},   {34, 119, 0, 119},   {37, 131, 0, 131},
        {38, 105, 0, 105},  {43, 137, 0, 137},   {46, 131, 0, 131},   {47, 123, 0, 123},
        {51, 145, 0, 145},  {52, 137, 0, 137},   {53, 0, 0, 147},     {1000, 0, 0, 147},
        {kMax, 0, 0, 147},  {kMin, 0, 0, 147},
    };
    for (const auto& c : cases) {
        if (c.name != 0) {
            EXPECT_EQ(NameTextId(c.n), c.name) << c.n;
        }
        if (c.birth != 0) {
            EXPECT_EQ(BirthTextId(c.n), c.birth) << c.n;
        }
        EXPECT_EQ(NumberTextId(c.n), c.number) << c.n;
    }
    for (std::int32_t d = 0; d <= 9; ++d) {
        EXPECT_EQ(DigitTextId(d), 148 + d);
    }
}

TEST(TextIds, CompoundEquivalentsTable) {
    const std::pair<std::int32_t, std::int32_t> ids[] = {
        {34, 119}, {35, 120}, {36, 121}, {37, 131}, {38, 105}, {39, 124}, {40, 125},
        {41, 126}, {42, 118}, {43, 137}, {44, 120}, {45, 121}, {46, 131}, {47, 123},
        {48, 124}, {49, 125}, {50, 126}, {51, 145}, {52, 137}};
    for (const auto& [n, id] : ids) {
        EXPECT_EQ(CompoundTextId(n), id) << n;
    }
    for (std::int32_t n = 10; n <= 33; ++n) {
        EXPECT_EQ(CompoundTextId(n), n + 94);
    }
}

TEST(TextIds, NeverChooseAPlaceholderAndCoverEveryShownNumber) {
    const auto is_placeholder = [](std::int32_t id) {
        return (id >= 128 && id <= 130) || (id >= 132 && id <= 136) || (id >= 138 && id <= 144);
    };
    for (std::int32_t n = -100; n <= 200; ++n) {
        EXPECT_FALSE(is_placeholder(NumberTextId(n))) << n;
        if (n >= 0 && n <= 52) {
            EXPECT_FALSE(is_placeholder(NameTextId(n))) << n;
        }
        if (n >= 0 && n <= 31) {
            EXPECT_FALSE(is_placeholder(BirthTextId(n))) << n;
        }
        if (n >= 1 && n <= 52) {
            EXPECT_NE(NumberTextId(n), 147) << n;  // every name number can be looked up
        }
    }
}

TEST(Working, WritesTheSumOutAsAPersonChecksIt) {
    const auto NameNumberWorking = [](std::string_view name) {
        return WorkingText(morvane::NameNumberWorking(name));
    };
    const auto DestinyNumberWorking = [](std::int32_t day, std::int32_t month, std::int32_t year) {
        return WorkingText(morvane::DestinyNumberWorking(day, month, year));
    };
    const std::pair<std::string, std::string> names[] = {
        {"john", "j 1 + o 7 + h 5 + n 5 = 18"},
        {"J-o 2", "o 7 = 7"},
        {"oooooooc", "o 7 + o 7 + o 7 + o 7 + o 7 + o 7 + o 7 + c 3 = 52"},
        {"oooooood", "o 7 + o 7 + o 7 + o 7 + o 7 + o 7 + o 7 + d 4 = 53 -> 8"},
        {"", "no letters a to z = 0"},
        {"123 !", "no letters a to z = 0"},
    };
    for (const auto& [name, working] : names) {
        EXPECT_EQ(NameNumberWorking(name), working) << name;
    }
    // 111,111 'p' total 888,888: two digit-sum steps, as the number itself takes.
    const std::string long_name(111'111, 'p');
    EXPECT_TRUE(NameNumberWorking(long_name).ends_with(" = 888888 -> 48")) << "one step suffices";
    const std::string longer = std::string(124'999, 'p') + "o";  // 999,999
    EXPECT_TRUE(NameNumberWorking(longer).ends_with(" + p 8 + ... = 999999 -> 54 -> 9"));
    // Sixty letters are written out, and no more, however long the name.
    const std::string sixty(60, 'a');
    std::string sixty_terms = "a 1";
    for (int i = 1; i < 60; ++i) {
        sixty_terms += " + a 1";
    }
    EXPECT_EQ(NameNumberWorking(sixty), sixty_terms + " = 60 -> 6");
    EXPECT_EQ(NameNumberWorking(sixty + "-b"), sixty_terms + " + ... = 62 -> 8");
    EXPECT_LT(NameNumberWorking(longer).size(), 400U);
    // Asked for every term, nothing is cut.
    EXPECT_EQ(WorkingText(morvane::NameNumberWorking(sixty + "-b"), kEveryTerm),
              sixty_terms + " + b 2 = 62 -> 8");
    EXPECT_EQ(NameNumber(longer), 9);

    struct DateCase {
        std::int32_t day, month, year;
        std::string working;
    };
    const DateCase dates[] = {
        {31, 12, 1999, "31 + 12 + 1999 = 2042 -> 8"},
        {29, 2, 1996, "29 + 2 + 1996 = 2027 -> 11 -> 2"},
        {1, 1, 0, "1 + 1 + 0 = 2"},
        {0, 0, 0, "0 + 0 + 0 = 0"},
    };
    for (const auto& d : dates) {
        EXPECT_EQ(DestinyNumberWorking(d.day, d.month, d.year), d.working);
        EXPECT_TRUE(d.working.ends_with(std::to_string(DestinyNumber(d.day, d.month, d.year))));
    }
}

// Brute-force models, written as plainly as possible, for the property checks.
std::int32_t ModelDigitSum(std::int64_t v) {
    std::int32_t sum = 0;
    for (const char c : std::to_string(v < 0 ? -v : v)) {
        sum += c - '0';
    }
    return sum;
}

std::int32_t ModelNameNumber(const std::string& name) {
    std::int64_t total = 0;
    for (const char c : name) {
        const std::string alphabet = "abcdefghijklmnopqrstuvwxyz";
        const auto pos = alphabet.find(c);
        if (pos != std::string::npos) {
            total += LetterValues[pos];
        }
    }
    while (total > 52) {
        total = ModelDigitSum(total);
    }
    return static_cast<std::int32_t>(total);
}

TEST(Properties, RandomInputsAgreeWithModels) {
    std::mt19937 rng(20021216);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 400);
    std::uniform_int_distribution<std::int32_t> any(kMin, kMax);
    for (int i = 0; i < 20000; ++i) {
        std::string text(static_cast<std::size_t>(length(rng)), '\0');
        for (auto& c : text) {
            c = static_cast<char>(byte(rng));
        }
        const std::int32_t n = NameNumber(text);
        ASSERT_EQ(n, ModelNameNumber(text));
        ASSERT_GE(n, 0);
        ASSERT_LE(n, 52);

        // TextToInt against the C library's 64-bit parser, clamped.
        std::string digits = std::to_string(any(rng)) + (i % 3 == 0 ? "x9" : "");
        if (i % 5 == 0) {
            digits.insert(0, "  ");
            digits.append(static_cast<std::size_t>(i % 13), '7');
        }
        const long long wide = std::strtoll(digits.c_str(), nullptr, 10);
        ASSERT_EQ(TextToInt(digits),
                  static_cast<std::int32_t>(std::clamp<long long>(wide, kMin, kMax)))
            << digits;

        const std::int32_t v = any(rng);
        const std::int64_t magnitude = v < 0 ? -static_cast<std::int64_t>(v) : v;
        const std::int32_t expected =
            magnitude == 0 ? 0 : static_cast<std::int32_t>(1 + (magnitude - 1) % 9);
        ASSERT_EQ(ReduceToSingleDigit(v), expected) << v;
        ASSERT_EQ(SumDigits(v), ModelDigitSum(v)) << v;
    }
}

TEST(Properties, EveryDateGivesADigitAndAnExistingText) {
    for (std::int32_t day = 0; day <= 31; ++day) {
        for (std::int32_t month = 0; month <= 12; ++month) {
            for (std::int32_t year = 0; year <= 9999; year += 7) {
                const std::int64_t total = day + month + year;
                const std::int32_t d = DestinyNumber(day, month, year);
                ASSERT_EQ(d, total == 0 ? 0 : 1 + (total - 1) % 9);
                ASSERT_GE(DigitTextId(d), 148);
                ASSERT_LE(DigitTextId(d), 157);
            }
        }
    }
}

}  // namespace
}  // namespace morvane
