// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/artwork/shipped.h"

#include <QtGlobal>

#include "ui/artwork/artwork.h"

namespace morvane {

namespace {

// Wraps the compiled-in bytes without copying them; QPixmap::fromImage makes
// the one copy the window system needs.
QImage Wrap(const ShippedImage& shipped) {
    QImage image(shipped.pixels, shipped.side, shipped.side, qsizetype{shipped.side} * 4,
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(shipped.device_pixel_ratio);
    return image;
}

}  // namespace

QPixmap LogoPixmap(qreal device_pixel_ratio) {
    const qreal dpr = device_pixel_ratio > 0.0 ? device_pixel_ratio : 1.0;
    // Every page shows the same picture: make it once per screen scale.
    static QPixmap cached;
    if (!cached.isNull() && qFuzzyCompare(cached.devicePixelRatio(), dpr)) {
        return cached;
    }
    QImage image;
    for (const ShippedImage& shipped : ShippedLogos()) {
        if (qFuzzyCompare(shipped.device_pixel_ratio, dpr)) {
            image = Wrap(shipped);
            break;
        }
    }
    if (image.isNull()) {
        image = PaintedLogo(dpr);
    }
    cached = QPixmap::fromImage(image);
    cached.setDevicePixelRatio(dpr);
    return cached;
}

QIcon ButterflyIcon() {
    // Title bars and task switchers use these; the X server is sent every
    // size at start-up, so the large ones are left to the desktop's icon theme.
    QIcon icon;
    for (const ShippedImage& shipped : ShippedButterflies()) {
        icon.addPixmap(QPixmap::fromImage(Wrap(shipped)));
    }
    return icon;
}

}  // namespace morvane
