// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/numerology.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace morvane {
namespace {

// Catalogue ids are number + offset; these are the catalogue's numbering.
constexpr std::int64_t kCompoundIdOffset = 94;
constexpr std::int64_t kDigitIdOffset = 148;
constexpr std::int32_t kSmallNameTextId = 146;
constexpr std::int32_t kInvalidNumberTextId = 147;

constexpr std::int32_t kFirstCompound = 10;
constexpr std::int32_t kMaxSingleDigit = 9;

std::uint64_t Magnitude(std::int64_t value) {
    // Negating INT64_MIN is undefined; go through the unsigned type instead.
    return value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
}

std::int32_t SumDigitsWide(std::uint64_t value) {
    std::int32_t sum = 0;  // at most 20 digits of 9
    while (value != 0) {
        sum += static_cast<std::int32_t>(value % 10);
        value /= 10;
    }
    return sum;
}

std::int32_t ReduceToSingleDigitWide(std::int64_t value) {
    std::uint64_t magnitude = Magnitude(value);
    while (magnitude > kMaxSingleDigit) {
        magnitude = static_cast<std::uint64_t>(SumDigitsWide(magnitude));
    }
    return static_cast<std::int32_t>(magnitude);
}

// Ids are only meaningful for small numbers; clamping keeps the arithmetic
// defined for every input without inventing a real id.
std::int32_t OffsetId(std::int32_t n, std::int64_t offset) {
    const std::int64_t id = std::clamp<std::int64_t>(static_cast<std::int64_t>(n) + offset,
                                                     std::numeric_limits<std::int32_t>::min(),
                                                     std::numeric_limits<std::int32_t>::max());
    return static_cast<std::int32_t>(id);
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

std::int32_t SumDigits(std::int32_t value) {
    return SumDigitsWide(Magnitude(value));
}

void ReduceNameNumber(std::int32_t& value) {
    while (value > kMaxNameNumber) {
        value = SumDigits(value);
    }
}

std::int32_t NameNumber(std::string_view name) {
    // 64 bits hold eight per byte of any text that fits in memory.
    std::uint64_t total = 0;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 'a' && byte <= 'z') {
            total += static_cast<std::uint64_t>(LetterValues[byte - 'a']);
        }
    }
    if (total > static_cast<std::uint64_t>(kMaxNameNumber)) {
        // One wide digit sum brings any total into the 32-bit range.
        std::int32_t value = SumDigitsWide(total);
        ReduceNameNumber(value);
        return value;
    }
    return static_cast<std::int32_t>(total);
}

std::int32_t TextToInt(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && IsSpace(text[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    // Past this bound the value saturates, so the accumulator never overflows.
    constexpr std::int64_t kBound =
        static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::max()) + 1;
    std::int64_t value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        value = std::min(value * 10 + (text[pos] - '0'), kBound);
    }
    if (negative) {
        value = -value;
    }
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::int32_t ReduceToSingleDigit(std::int32_t value) {
    return ReduceToSingleDigitWide(value);
}

std::int32_t DestinyNumber(std::int32_t day, std::int32_t month, std::int32_t year) {
    return ReduceToSingleDigitWide(static_cast<std::int64_t>(day) + month + year);
}

namespace {

// Each digit sum that takes value down to `limit` or less.
std::vector<std::int64_t> Reduction(std::uint64_t value, std::uint64_t limit) {
    std::vector<std::int64_t> steps;
    while (value > limit) {
        value = static_cast<std::uint64_t>(SumDigitsWide(value));
        steps.push_back(static_cast<std::int64_t>(value));
    }
    return steps;
}

}  // namespace

Working NameNumberWorking(std::string_view name) {
    Working working;
    std::uint64_t total = 0;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 'a' && byte <= 'z') {
            const std::int32_t value = LetterValues[byte - 'a'];
            working.terms.push_back({static_cast<char>(byte), value});
            total += static_cast<std::uint64_t>(value);
        }
    }
    working.total = static_cast<std::int64_t>(total);
    working.steps = Reduction(total, kMaxNameNumber);
    return working;
}

Working DestinyNumberWorking(std::int32_t day, std::int32_t month, std::int32_t year) {
    Working working;
    working.terms = {{'\0', day}, {'\0', month}, {'\0', year}};
    working.total = static_cast<std::int64_t>(day) + month + year;
    working.steps = Reduction(Magnitude(working.total), kMaxSingleDigit);
    return working;
}

std::vector<std::string> WorkingPieces(const Working& working, std::size_t max_terms) {
    std::vector<std::string> pieces;
    if (working.terms.empty()) {
        pieces.emplace_back("no letters a to z");
    }
    for (std::size_t i = 0; i < working.terms.size(); ++i) {
        std::string piece = i == 0 ? "" : "+ ";
        if (i == max_terms) {
            pieces.push_back(piece + "...");
            break;
        }
        const WorkingTerm& term = working.terms[i];
        if (term.letter != '\0') {
            piece += term.letter;
            piece += ' ';
        }
        pieces.push_back(piece + std::to_string(term.value));
    }
    pieces.push_back("= " + std::to_string(working.total));
    for (const std::int64_t step : working.steps) {
        pieces.push_back("-> " + std::to_string(step));
    }
    return pieces;
}

std::string WorkingText(const Working& working, std::size_t max_terms) {
    std::string text;
    for (const std::string& piece : WorkingPieces(working, max_terms)) {
        text += text.empty() ? "" : " ";
        text += piece;
    }
    return text;
}

std::int32_t CompoundTextId(std::int32_t n) {
    const auto* row = std::find_if(CompoundEquivalents.begin(), CompoundEquivalents.end(),
                                   [n](const CompoundEquivalent& e) { return e.number == n; });
    return OffsetId(row != CompoundEquivalents.end() ? row->uses : n, kCompoundIdOffset);
}

std::int32_t DigitTextId(std::int32_t n) {
    return OffsetId(n, kDigitIdOffset);
}

std::int32_t NameTextId(std::int32_t n) {
    return n <= kFirstCompound ? kSmallNameTextId : CompoundTextId(n);
}

std::int32_t BirthTextId(std::int32_t n) {
    return n < kFirstCompound ? DigitTextId(n) : CompoundTextId(n);
}

std::int32_t NumberTextId(std::int32_t n) {
    if (n < 1 || n > kMaxNameNumber) {
        return kInvalidNumberTextId;
    }
    return BirthTextId(n);
}

}  // namespace morvane
