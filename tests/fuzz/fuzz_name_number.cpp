// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// NameNumber against a plain sum of letter values reduced through the
// decimal text of the total.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/numerology.h"

namespace {

std::int64_t ReferenceNameNumber(std::string_view name) {
    std::int64_t total = 0;
    for (const char c : name) {
        if (c >= 'a' && c <= 'z') {
            total += morvane::LetterValues[static_cast<std::size_t>(c - 'a')];
        }
    }
    while (total > morvane::kMaxNameNumber) {
        std::int64_t digit_sum = 0;
        for (const char digit : std::to_string(total)) {
            digit_sum += digit - '0';
        }
        total = digit_sum;
    }
    return total;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view name(reinterpret_cast<const char*>(data), size);
    const std::int32_t number = morvane::NameNumber(name);
    if (number < 0 || number > morvane::kMaxNameNumber) {
        std::abort();
    }
    if (number != ReferenceNameNumber(name)) {
        std::abort();
    }
    return 0;
}
