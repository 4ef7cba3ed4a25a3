// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's two pictures. They are drawn in code; the build draws them
// once more at the usual screen scales and compiles those images into the
// program, so start-up shows finished pixels and paints only for a scale
// the build did not foresee.

#include <QIcon>
#include <QImage>
#include <QPixmap>

class QPainter;
class QRectF;

namespace morvane {

// The picture every page carries: 97 x 97 logical pixels at the given device
// pixel ratio, so it stays crisp on HiDPI screens. Its background is
// transparent: the page shows through, whatever the palette.
QPixmap LogoPixmap(qreal device_pixel_ratio);

// The window icon: a butterfly, at 16, 32 and 64 pixels.
QIcon ButterflyIcon();

// The drawing itself, for the build's images and for scales without one.
QImage PaintedLogo(qreal device_pixel_ratio);
int LogoSide(qreal device_pixel_ratio);  // in device pixels
void PaintLogo(QPainter& painter, const QRectF& rect);
QImage PaintedButterfly(int size);
void PaintButterfly(QPainter& painter, const QRectF& rect);

}  // namespace morvane
