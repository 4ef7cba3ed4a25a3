// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// One row of a page's control table: a control, where it stands in dialog
// units, and how it behaves. Rows are created in table order, which is also
// the Tab order.

#include <span>
#include <string_view>

namespace morvane {

enum class ControlKind {
    Label,          // static text naming the field beside it; a "&" mnemonic focuses the
                    // next focusable control
    Edit,           // single-line entry field with a border
    Button,         // push button
    DefaultButton,  // the page's default push button (Enter in a field clicks it)
    ReadOnlyField,  // single-line, read-only, borderless: reads like a label, takes the focus
    TextBox,        // multi-line, read-only, word-wrapped, vertical scroll bar
    Picture,        // the registered picture its text names, shown at its own size
};

enum ControlFlag : unsigned {
    kNoFlags = 0,
    kLowerCase = 1U << 0,   // letters turn lower case as they enter
    kDigitsOnly = 1U << 1,  // only 0-9 can be typed or pasted
    kGrowToText = 1U << 2,  // a label with free room to its right: widens to its text
    kKeepsEnter = 1U << 3,  // a text box in which Enter stays instead of pressing the default
};

// A rectangle in dialog units: x, y, width, height.
struct DlgRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

inline constexpr int kNoId = -1;

struct ControlSpec {
    int id;
    ControlKind kind;
    std::string_view text;
    DlgRect rect;
    unsigned flags = kNoFlags;
    // What a screen reader calls a control that has no label of its own.
    std::string_view accessible_name = {};
};

// What a page is made from: its tab's caption, its control table and its
// size in dialog units.
struct PageLayout {
    std::string_view caption;
    std::span<const ControlSpec> table;
    DlgRect size;
};

// A label taller than one line of text wraps its words.
constexpr bool WrapsText(const ControlSpec& row) {
    constexpr int kLineHeight = 8;
    return row.kind == ControlKind::Label && row.rect.height > kLineHeight;
}

}  // namespace morvane
