// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A window centred in the screen less its panels, counting the window
// manager's frame, known only once the window is shown. Qt 6.4 leaves the
// frame uncounted, and a small screen with a panel can put the title bar out
// of reach (seen under a window manager with a panel at 1024x600, 100 to
// 150 %). On Wayland, where no panel is known, room is left for one. Proved
// by WindowPlacementTest in ui_layout_test and tests/e2e/placement.sh; it
// can go once Qt places a window by its frame.

#include <QRect>  // and QMargins and QSize
#include <functional>

class QWidget;

namespace morvane {

// The largest size, up to `size`, whose frame fits `available`.
QSize FittingSize(const QRect& available, const QMargins& frame, const QSize& size);

// The window rectangle whose frame is centred in `available`, or its title bar inside.
QRect CentredGeometry(const QRect& available, const QMargins& frame, const QSize& size);

// Centres `window` on every show, with the frame guessed, and again once
// framed; first `fit` sizes it for the free area and frame. By default a
// resizable window too large shrinks to fit, down to its minimum size.
using FitFunction = std::function<void(const QRect& available, const QMargins& frame)>;
void KeepPlaced(QWidget* window, FitFunction fit = {});

}  // namespace morvane
