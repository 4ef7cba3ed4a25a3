// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Dialog units: positions that scale with the font, as the classic
// dialog manager measured them.

#include <QRect>
#include <span>

#include "ui/framework/control_spec.h"

class QFont;

namespace morvane {

struct DialogUnits {
    int base_x = 0;
    int base_y = 0;

    static DialogUnits Of(const QFont& font);
    // The font's units fitted to one table: WideEnough, then TallEnough.
    static DialogUnits Fitting(const QFont& font, std::span<const ControlSpec> table);
    // These units with the horizontal one widened, where needed, so that every
    // one-line label and button caption of the table fits its rectangle:
    // desktop fonts run wider than the one the tables were drawn in.
    [[nodiscard]] DialogUnits WideEnough(const QFont& font,
                                         std::span<const ControlSpec> table) const;
    // These units with the vertical one grown, where needed, until every
    // label of the table holds its whole text at the width these units
    // give it: a line can run taller than the font's height, and wrapped
    // lines stand a line spacing apart, more than the height in fonts with a
    // line gap.
    [[nodiscard]] DialogUnits TallEnough(const QFont& font,
                                         std::span<const ControlSpec> table) const;

    [[nodiscard]] int ToPixelsX(int x) const { return (x * base_x * 2 + 4) / 8; }
    [[nodiscard]] int ToPixelsY(int y) const { return (y * base_y * 2 + 8) / 16; }
    // Both edges are converted, so controls that share an edge in dialog
    // units still share it in pixels.
    [[nodiscard]] QRect ToPixels(const DlgRect& r) const;
};

}  // namespace morvane
