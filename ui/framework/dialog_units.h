// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Dialog units: positions that scale with the font, as the classic
// dialog manager measured them.

#include <QRect>
#include <span>

#include "ui/framework/control_table.h"

class QFont;

namespace morvane {

struct DialogUnits {
    int base_x = 0;
    int base_y = 0;

    static DialogUnits Of(const QFont& font);
    // The font's units fitted to a table. The horizontal unit widens, where
    // needed, so that every one-line label and button caption fits its
    // rectangle: desktop fonts run wider than the one the tables were drawn
    // in. Then the vertical unit grows, where needed, until every label holds
    // its whole text at the width the units give it: a line can run taller
    // than the font's height, and wrapped lines stand a line spacing apart,
    // more than the height in fonts with a line gap.
    static DialogUnits Fitting(const QFont& font, std::span<const ControlSpec> table);

    [[nodiscard]] int ToPixelsX(int x) const { return (x * base_x * 2 + 4) / 8; }
    [[nodiscard]] int ToPixelsY(int y) const { return (y * base_y * 2 + 8) / 16; }
    // Both edges are converted, so controls that share an edge in dialog
    // units still share it in pixels.
    [[nodiscard]] QRect ToPixels(const DlgRect& r) const {
        return {QPoint(ToPixelsX(r.x), ToPixelsY(r.y)),
                QPoint(ToPixelsX(r.x + r.width) - 1, ToPixelsY(r.y + r.height) - 1)};
    }
};

}  // namespace morvane
