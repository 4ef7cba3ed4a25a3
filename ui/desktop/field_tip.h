// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A read-only field's explanation as a tooltip. Qt 6.4 shows a tooltip as
// one line as wide as the screen, or wraps it anywhere, splitting "w 6"
// across lines (seen with long names on a 1024-pixel screen); it shows one
// only to the mouse, never on keyboard focus; with no room below a field it
// pushes the tip up over the field and its label (1024x600 at 200 %); and
// at 125 and 150 % the text touches the tip's right border. Here the tip
// comes in lines of a readable width, broken only between its pieces, also
// on keyboard focus, clear of the field. Proved by ui_accessibility_test
// (FieldTipTest and the keyboard-focus case) and tests/e2e/placement.sh;
// it can go once Qt's tooltips lay out rich text to a width, follow the
// focus and keep clear of the widget they explain.

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
