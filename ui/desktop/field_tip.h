// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A read-only field's explanation is a written-out sum ("j 1 + o 7 = 8").
// Shown as a tooltip it comes in lines of a readable width, broken only
// between its terms.

#include <QString>

class QFontMetrics;
class QPoint;
class QWidget;

namespace morvane {

// `tip` in lines no wider than `max_width` (unless one term alone is), each
// after the first starting at an operator; spaces inside a term do not break.
QString TipLines(const QString& tip, const QFontMetrics& metrics, int max_width);

// Shows `field`'s tooltip, in lines, by the mouse pointer at `global_pos`.
void ShowFieldTip(QWidget* field, const QPoint& global_pos);

// Shows it for the keyboard: below the field, or above it where it would
// cover the mouse pointer (a tip that appears under the pointer takes it
// from the window, and that leaving hides the tip at once).
void ShowFieldTipBeside(QWidget* field);

// Shows it so once the focus has settled on `field`, if it stays there: the
// focus change that follows a FocusIn event hides any tip shown during it.
void ShowFieldTipSoon(QWidget* field);

}  // namespace morvane
