// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A tabbed window on a screen too small for it. Qt 6.4 lets a dialog with a
// fixed-size layout run off the screen (seen at 1024x600 from 125 % up, and
// under window managers with a panel), a control reached by the keyboard
// then out of sight. So the window shrinks to the free area (never fixed: a
// Wayland compositor or the user may give it less), its pages scroll with
// the tabs and buttons in view, the focused control and a text box's moving
// caret scroll into view (Qt follows the caret on focus changes only), and
// text boxes and one-line fields narrow by what the page lacks instead of
// scrolling sideways. Proved by ui_layout_test (also at 1024x600 and
// fractional scales) and tests/e2e/placement.sh; it can go once the pages
// are laid out by Qt layouts that shrink on their own.

class QMargins;
class QObject;
class QRect;
class QTabWidget;
class QWidget;

namespace morvane {

// A room for `page` in a tab, scrolled only when the window is too small.
QWidget* ScrollingRoom(QWidget* page);

// Scrolls the focused control (all of it where it fits), then its moving
// text cursor, into view, while the returned child of `context` lives.
QObject* ScrollFocusIntoView(QObject* context);

// `window` (holding `tabs`) at its natural size where that fits `available`
// with `frame`, else as large as fits, its pages scrolling.
void FitIn(QWidget* window, QTabWidget* tabs, const QRect& available, const QMargins& frame);

}  // namespace morvane
