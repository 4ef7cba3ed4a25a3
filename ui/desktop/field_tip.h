// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A read-only field's explanation as a tooltip. Qt 6.4 shows a tooltip as
// one screen-wide line, or wraps it anywhere, splitting "w 6" (long names
// on a 1024-pixel screen); only to the mouse, not on keyboard focus; with no
// room below a field, over the field and its label (1024x600 at 200 %); at
// 125 and 150 % touching its right border. Here it comes in lines broken
// between pieces, also on focus, clear of the field. Proved by
// ui_accessibility_test (FieldTipTest, the keyboard-focus case) and
// tests/e2e/placement.sh; it can go once Qt's tooltips wrap rich text to a
// width, follow the focus and keep clear of their widget.

#include <QStringList>

class QFontMetrics;
class QWidget;

namespace morvane {

// `pieces` in lines no wider than `max_width` (unless one piece alone is),
// one space between pieces; spaces inside a piece do not break.
QString TipLines(const QStringList& pieces, const QFontMetrics& metrics, int max_width);

// Shows `field`'s tooltip, while it has one, as `pieces` in lines: by the
// pointer, and beside the field once the keyboard focus settles on it.
void SetTipPieces(QWidget* field, const QStringList& pieces);

}  // namespace morvane
