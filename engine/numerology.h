// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The numerology engine: pure arithmetic on names, dates and numbers.
// Every function is a total function of its arguments: no state, no failure.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace morvane {

// Value of each lower-case letter, indexed by c - 'a'.
inline constexpr std::array<std::int32_t, 26> LetterValues = {
    1,  // a
    2,  // b
    3,  // c
    4,  // d
    5,  // e
    8,  // f
    3,  // g
    5,  // h
    1,  // i
    1,  // j
    2,  // k
    3,  // l
    4,  // m
    5,  // n
    7,  // o
    8,  // p
    1,  // q
    2,  // r
    3,  // s
    4,  // t
    6,  // u
    6,  // v
    6,  // w
    5,  // x
    1,  // y
    7,  // z
};

struct CompoundEquivalent {
    std::int32_t number;  // a compound number from 34 to 52
    std::int32_t uses;    // the number whose interpretation it borrows
};

// Compound numbers from 34 to 52 and the number whose text each one uses.
inline constexpr std::array<CompoundEquivalent, 19> CompoundEquivalents = {{
    {34, 25}, {35, 26}, {36, 27}, {37, 37}, {38, 11}, {39, 30}, {40, 31},
    {41, 32}, {42, 24}, {43, 43}, {44, 26}, {45, 27}, {46, 37}, {47, 29},
    {48, 30}, {49, 31}, {50, 32}, {51, 51}, {52, 43},
}};

// The largest name number; totals above it are reduced by digit sums.
inline constexpr std::int32_t kMaxNameNumber = 52;

// Sum of the decimal digits of value; a negative value counts its magnitude.
std::int32_t SumDigits(std::int32_t value);

// Replaces a value above 52 by its digit sum until it is 52 or less.
void ReduceNameNumber(std::int32_t& value);

// Adds the letter values of the lower-case letters a-z in name (every other
// byte counts nothing) and reduces the total to 52 or less.
std::int32_t NameNumber(std::string_view name);

// Leading white space, an optional sign, then decimal digits up to the first
// non-digit. A value beyond the 32-bit range saturates to INT32_MAX/INT32_MIN.
std::int32_t TextToInt(std::string_view text);

// Repeated digit sum down to 0..9; a negative value reduces by its magnitude.
std::int32_t ReduceToSingleDigit(std::int32_t value);

// Day + month + year (summed without overflow) reduced to a single digit.
std::int32_t DestinyNumber(std::int32_t day, std::int32_t month, std::int32_t year);

// The working of a number: the terms of its sum, the total and each digit sum
// that takes the total down to the number. Every term is kept; how many are
// written out is the reader's choice (WorkingPieces).
struct WorkingTerm {
    char letter;         // the letter behind the value; '\0' for a number on its own
    std::int32_t value;  // what the term adds
};
struct Working {
    std::vector<WorkingTerm> terms;
    std::int64_t total = 0;
    std::vector<std::int64_t> steps;  // each digit sum, the last one the result
};

// "j 1 + o 7 + h 5 + n 5 = 18", then " -> n" for each digit-sum step.
Working NameNumberWorking(std::string_view name);

// "31 + 12 + 1999 = 2042 -> 8".
Working DestinyNumberWorking(std::int32_t day, std::int32_t month, std::int32_t year);

// The working as pieces that a line may break between: "j 1", "+ o 7", ...,
// "= 18", "-> 9". Past max_terms terms one "+ ..." stands for the rest, so a
// long name's sum stays short enough to read; a sum without terms reads
// "no letters a to z", "= 0".
inline constexpr std::size_t kWorkingLetters = 60;
inline constexpr std::size_t kEveryTerm = static_cast<std::size_t>(-1);
std::vector<std::string> WorkingPieces(const Working& working,
                                       std::size_t max_terms = kWorkingLetters);

// The pieces on one line, a space between each.
std::string WorkingText(const Working& working, std::size_t max_terms = kWorkingLetters);

// Catalogue id of a compound number, borrowing through CompoundEquivalents.
std::int32_t CompoundTextId(std::int32_t n);

// Catalogue id of a single digit: 0 gives 148, 1..9 give 149..157.
std::int32_t DigitTextId(std::int32_t n);

// Catalogue id for a name number: one common text up to and including 10.
std::int32_t NameTextId(std::int32_t n);

// Catalogue id for a birth number (the day of the month).
std::int32_t BirthTextId(std::int32_t n);

// Catalogue id for a typed number: outside 1..52 the "not a valid number" text.
std::int32_t NumberTextId(std::int32_t n);

}  // namespace morvane
