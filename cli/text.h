// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Names as text: checking UTF-8, lowering capitals the way the window's name
// field does as they are typed, finding the letters the table does not count,
// and transliterating them into letters it does.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace morvane::cli {

bool IsValidUtf8(std::string_view text);

// Every capital lowered by Unicode's full, locale-free mapping, one character
// at a time and without context (the field knows no final sigma and no
// Turkish dotless i); ASCII takes a fast path.
std::string LowerAsTyped(std::string_view text);

// The distinct alphabetic characters of `lowered` other than a to z, in the
// order they first appear.
std::vector<std::string> UncountedLetters(std::string_view lowered);

enum class FoldRule {
    Any,     // any script to Latin, then accents dropped: ü -> u
    German,  // ä ö ü -> ae oe ue first, then as Any
};

// Transliteration into the letters a to z by ICU's transforms.
class Folder {
  public:
    // Empty with a message in `error` when ICU lacks the transform.
    static std::unique_ptr<Folder> Create(FoldRule rule, std::string& error);
    virtual ~Folder() = default;
    // The transliterated text, lowered as typed.
    virtual std::string Fold(std::string_view text) = 0;
};

}  // namespace morvane::cli
