// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A tabbed window on a screen too small for it. Qt 6.4 lets a dialog with a
// fixed-size layout run off the screen (seen at 1024x600 from 125 % up, and
// under window managers with a panel), and follows a text box's caret only
// on focus changes. So the window shrinks to the free area (never fixed: a
// Wayland compositor or the user may give it less), its pages scroll with
// the tabs and buttons in view, following the focus and the caret, and
// their text boxes and fields narrow rather than scroll sideways. Proved by
// ui_layout_test and tests/e2e/placement.sh; it can go once the pages are
// laid out by Qt layouts that shrink on their own.

#include <QRect>  // and QMargins

class QTabWidget;
class QWidget;

namespace morvane {

// A room for `page` in a tab, scrolled only when the window is too small,
// keeping the focused control (all of it where it fits) and its caret in view.
QWidget* ScrollingRoom(QWidget* page);

// `window` (holding `tabs`) at its natural size, or as large as fits, scrolling.
void FitIn(QWidget* window, QTabWidget* tabs, const QRect& available, const QMargins& frame);

}  // namespace morvane
