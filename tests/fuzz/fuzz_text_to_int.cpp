// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// TextToInt against a plain reading of the same text in 64 bits.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string_view>

#include "engine/numerology.h"

namespace {

std::int32_t ReferenceTextToInt(std::string_view text) {
    constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";
    std::size_t pos = 0;
    while (pos < text.size() && kWhiteSpace.find(text[pos]) != std::string_view::npos) {
        ++pos;
    }
    std::int64_t sign = 1;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        sign = text[pos] == '-' ? -1 : 1;
        ++pos;
    }
    // Any cap well past the 32-bit range gives the same clamped result and
    // keeps value * 10 + 9 far from overflowing.
    constexpr std::int64_t kCap = 1'000'000'000'000;
    std::int64_t value = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        value = value * 10 + (text[pos] - '0');
        if (value > kCap) {
            value = kCap;
        }
        ++pos;
    }
    value *= sign;
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (value < std::numeric_limits<std::int32_t>::min()) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (morvane::TextToInt(text) != ReferenceTextToInt(text)) {
        std::abort();
    }
    return 0;
}
