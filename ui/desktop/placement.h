// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where a window goes: centred in the screen's available geometry (the
// screen less its panels), counting the frame the window manager puts around
// it, which is known only once the window is shown. Left to Qt 6.4, the
// frame goes uncounted, and a small screen with a panel can leave the title
// bar out of reach (seen under a real window manager with a panel at
// 1024x600, 100 to 150 %). On Wayland, where no panel is known, room is
// left for one. Proved by WindowPlacementTest in ui_layout_test
// and tests/e2e/placement.sh; it can go once Qt places a window by its frame.

#include <QMargins>
#include <QRect>
#include <QSize>
#include <functional>

class QWidget;

namespace morvane {

// The largest size, up to `size`, whose frame fits `available`.
QSize FittingSize(const QRect& available, const QMargins& frame, const QSize& size);

// The window rectangle (frame excluded) whose frame is centred in
// `available`. A frame too large for it keeps its top-left corner inside, so
// the title bar can always be grabbed.
QRect CentredGeometry(const QRect& available, const QMargins& frame, const QSize& size);

// Runs before each placing with the available geometry and the frame, to
// size the window for them.
using FitFunction = std::function<void(const QRect& available, const QMargins& frame)>;

// Centres `window` on every show: once before it appears, with the frame
// guessed from another shown window, and once more when the window manager
// has framed it. By default a resizable window too large for the screen
// shrinks to fit, down to its minimum size.
void KeepPlaced(QWidget* window, FitFunction fit = {});

}  // namespace morvane
