// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Start-up timing: tells a watching process when the main window has first
// been drawn on screen.

class QWidget;

namespace morvane {

// Prints "first-paint\n" to stdout, flushed, once, as soon as the first paint
// of `window` has been completed, flushed and drawn by the window system
// (a round trip after the flush). Call it before
// the window is first shown.
void InstallPaintMarker(QWidget* window);

}  // namespace morvane
