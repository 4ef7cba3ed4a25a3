// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's two pictures, painted in code so they scale to any size and need no resources.

#include <QIcon>
#include <QPixmap>

class QPainter;
class QRectF;

namespace morvane {

// The picture every page carries: 97 x 97 logical pixels, drawn for the given device pixel ratio
// so it stays crisp on HiDPI screens.
QPixmap LogoPixmap(qreal device_pixel_ratio);
void PaintLogo(QPainter& painter, const QRectF& rect);

// The window icon: a butterfly, with pixmaps at 16, 24, 32, 48, 64, 128 and 256 pixels.
QIcon ButterflyIcon();
void PaintButterfly(QPainter& painter, const QRectF& rect);

}  // namespace morvane
