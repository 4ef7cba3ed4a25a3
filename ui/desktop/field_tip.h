// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A read-only field's explanation as a tooltip. Qt 6.4 shows a tooltip as
// one line as wide as the screen, or wraps it anywhere, splitting "w 6"
// across lines (seen with long names on a 1024-pixel screen); and it shows a
// tooltip only to the mouse, never on keyboard focus, so a keyboard user
// never sees the working. Here the tip comes in lines of a readable width,
// broken only between its pieces, and also on keyboard focus. Proved by
// ui_accessibility_test (FieldTipTest and the keyboard-focus case); it can go
// once Qt's tooltips lay out rich text to a width and follow the focus.

#include <QStringList>

class QFontMetrics;
class QWidget;

namespace morvane {

// `pieces` in lines no wider than `max_width` (unless one piece alone is),
// one space between pieces; spaces inside a piece do not break.
QString TipLines(const QStringList& pieces, const QFontMetrics& metrics, int max_width);

// Shows `field`'s tooltip, while it has one, as `pieces` in lines: by the
// mouse pointer, and beside the field once the keyboard focus has settled
// on it.
void SetTipPieces(QWidget* field, const QStringList& pieces);

}  // namespace morvane
