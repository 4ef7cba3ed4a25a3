// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A tabbed window on a screen too small for it. Qt 6.4 lets a dialog with a
// fixed-size layout run off the screen (seen on a 1024x600 laptop at 125 %
// and more, and under window managers with a panel), and a control reached by
// the keyboard may then stand out of sight. So the window shrinks to the
// free area (never fixed, as a Wayland compositor or the user may give it
// less), its pages scroll while the tabs and buttons stay in view, and the
// focused control and a text box's moving caret scroll into view (Qt
// follows only the caret, on focus changes only). Proved by ui_layout_test (also run
// at 1024x600 and fractional scales) and tests/e2e/placement.sh; it can go
// once the pages are laid out by Qt layouts that shrink on their own.

class QMargins;
class QObject;
class QRect;
class QTabWidget;
class QWidget;

namespace morvane {

// A room for `page` in a tab: the page at its own size, scrolled only when
// the window is too small for it. Where it fits, nothing of it shows.
QWidget* ScrollingRoom(QWidget* page);

// Scrolls the control that takes the focus into view within its room, all
// of it where it fits, and then its text cursor as it moves; for as long as
// the returned watcher (a child of `context`) lives.
QObject* ScrollFocusIntoView(QObject* context);

// `window` (holding `tabs`) fixed at its natural size where that fits
// `available` with `frame` around it; else as large as fits, its pages
// scrolling.
void FitIn(QWidget* window, QTabWidget* tabs, const QRect& available, const QMargins& frame);

}  // namespace morvane
