// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/text.h"

#include <unicode/translit.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/ustring.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <array>

namespace morvane::cli {
namespace {

bool IsAscii(std::string_view text) {
    return std::ranges::all_of(text, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Calls `each(code_point, bytes)` for every character of valid UTF-8.
template <typename Each>
void ForEachCodePoint(std::string_view text, Each each) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto length = static_cast<std::int32_t>(text.size());
    std::int32_t at = 0;
    while (at < length) {
        const std::int32_t start = at;
        UChar32 c = 0;
        U8_NEXT(bytes, at, length, c);
        each(c, text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(at - start)));
    }
}

class IcuFolder : public Folder {
  public:
    explicit IcuFolder(std::unique_ptr<icu::Transliterator> transliterator)
        : transliterator_(std::move(transliterator)) {}
    std::string Fold(std::string_view text) override {
        icu::UnicodeString unicode = icu::UnicodeString::fromUTF8(
            icu::StringPiece(text.data(), static_cast<std::int32_t>(text.size())));
        transliterator_->transliterate(unicode);
        std::string out;
        unicode.toUTF8String(out);
        return LowerAsTyped(out);
    }

  private:
    std::unique_ptr<icu::Transliterator> transliterator_;
};

}  // namespace

bool IsValidUtf8(std::string_view text) {
    if (IsAscii(text)) {
        return true;
    }
    bool valid = true;
    ForEachCodePoint(text, [&](UChar32 c, std::string_view) { valid = valid && c >= 0; });
    return valid;
}

std::string LowerAsTyped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    if (IsAscii(text)) {
        for (const char c : text) {
            out += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        }
        return out;
    }
    ForEachCodePoint(text, [&](UChar32 c, std::string_view bytes) {
        if (c < 0) {
            out += bytes;
            return;
        }
        if (c < 0x80) {
            out += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : bytes[0];
            return;
        }
        // A lone character has no context, so only the unconditional
        // mappings apply (İ -> i + combining dot, Σ -> σ).
        std::array<UChar, 2> one{};
        std::int32_t one_length = 0;
        U16_APPEND_UNSAFE(one.data(), one_length, c);
        std::array<UChar, 8> lower{};
        UErrorCode status = U_ZERO_ERROR;
        const std::int32_t lower_length =
            u_strToLower(lower.data(), static_cast<std::int32_t>(lower.size()), one.data(),
                         one_length, "", &status);
        if (U_FAILURE(status)) {
            out += bytes;
            return;
        }
        icu::UnicodeString(lower.data(), lower_length).toUTF8String(out);
    });
    return out;
}

std::vector<std::string> UncountedLetters(std::string_view lowered) {
    std::vector<std::string> letters;
    if (IsAscii(lowered)) {
        return letters;  // an ASCII letter left after lowering is a to z
    }
    ForEachCodePoint(lowered, [&](UChar32 c, std::string_view bytes) {
        if (c >= 0x80 && u_isalpha(c) && std::ranges::find(letters, bytes) == letters.end()) {
            letters.emplace_back(bytes);
        }
    });
    return letters;
}

std::unique_ptr<Folder> Folder::Create(FoldRule rule, std::string& error) {
    // de-ASCII knows only Latin; other scripts go on to the general rule.
    const char* id =
        rule == FoldRule::German ? "de-ASCII; Any-Latin; Latin-ASCII" : "Any-Latin; Latin-ASCII";
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Transliterator> transliterator(icu::Transliterator::createInstance(
        icu::UnicodeString::fromUTF8(id), UTRANS_FORWARD, status));
    if (U_FAILURE(status) || !transliterator) {
        error =
            std::string("ICU has no transliterator \"") + id + "\" (" + u_errorName(status) + ")";
        return nullptr;
    }
    return std::make_unique<IcuFolder>(std::move(transliterator));
}

}  // namespace morvane::cli
