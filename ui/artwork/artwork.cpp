// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/artwork/artwork.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRectF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace morvane {

namespace {

// Both pictures are designed on a fixed grid and scaled to whatever rect they are given.
constexpr qreal kLogoSide = 97.0;
constexpr qreal kButterflySide = 64.0;

// Maps a square design grid of `side` units onto the largest centred square inside `rect`.
// Returns the scale factor so callers can keep strokes at least one device pixel wide.
qreal FitSquare(QPainter& painter, const QRectF& rect, qreal side) {
    const qreal extent = std::min(rect.width(), rect.height());
    const qreal scale = extent / side;
    painter.translate(rect.center().x() - extent / 2.0, rect.center().y() - extent / 2.0);
    painter.scale(scale, scale);
    return scale;
}

// One comma of the ring, head at the origin, local x running clockwise along the ring and local y
// pointing towards its centre. The tail trails behind the head and curls inwards.
QPainterPath CommaPath(qreal r) {
    QPainterPath tail;
    tail.moveTo(0.0, -r);
    tail.cubicTo(-1.8 * r, -1.0 * r, -3.2 * r, 0.6 * r, -1.9 * r, 1.9 * r);
    tail.cubicTo(-2.3 * r, 0.9 * r, -1.8 * r, 0.35 * r, -0.95 * r, 0.31 * r);
    tail.closeSubpath();
    QPainterPath head;
    head.addEllipse(QPointF(0.0, 0.0), r, r);
    return head.united(tail);
}

QFont LogoFont(int pixel_size) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif, QFont::PreferAntialias);
    font.setWeight(QFont::Bold);
    font.setPixelSize(pixel_size);
    return font;
}

// Right half of the butterfly, body axis at x = 0; the left half is its mirror image.
QPainterPath UpperWing() {
    QPainterPath path;
    path.moveTo(1.5, 25.0);
    path.cubicTo(5.0, 12.0, 17.0, 3.0, 27.0, 5.0);
    path.cubicTo(32.0, 6.0, 32.5, 13.0, 29.0, 20.0);
    path.cubicTo(26.0, 26.5, 17.0, 32.0, 1.5, 31.0);
    path.closeSubpath();
    return path;
}

QPainterPath LowerWing() {
    QPainterPath path;
    path.moveTo(1.5, 30.0);
    path.cubicTo(11.0, 29.0, 22.0, 34.0, 23.0, 43.0);
    path.cubicTo(23.8, 51.0, 17.0, 56.0, 11.0, 53.0);
    path.cubicTo(5.5, 50.0, 2.5, 42.0, 1.5, 36.0);
    path.closeSubpath();
    return path;
}

// Draws a wing and its mirror image; mirroring the painter rather than the path keeps the
// gradient symmetric as well.
void PaintWingPair(QPainter& painter, const QPainterPath& wing, const QBrush& brush,
                   const QPen& edge) {
    painter.save();
    painter.setPen(edge);
    painter.setBrush(brush);
    painter.drawPath(wing);
    painter.scale(-1.0, 1.0);
    painter.drawPath(wing);
    painter.restore();
}

}  // namespace

QImage PaintedLogo(qreal device_pixel_ratio) {
    const qreal dpr = device_pixel_ratio > 0.0 ? device_pixel_ratio : 1.0;
    const int side = LogoSide(dpr);
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        PaintLogo(painter, QRectF(0.0, 0.0, side / dpr, side / dpr));
    }
    return image;
}

int LogoSide(qreal device_pixel_ratio) {
    return static_cast<int>(std::ceil(kLogoSide * device_pixel_ratio));
}

void PaintLogo(QPainter& painter, const QRectF& rect) {
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    painter.setPen(Qt::NoPen);

    // No backdrop of its own: the page shows through, in whatever palette
    // the desktop gives it, and one image serves light and dark themes alike.
    FitSquare(painter, rect, kLogoSide);
    const QPointF centre(kLogoSide / 2.0, kLogoSide / 2.0);
    const qreal ring_radius = 39.5;
    const qreal comma_radius = 3.5;
    const qreal inner_radius = 30.5;

    // A light disc behind the word keeps it readable on any page colour.
    QRadialGradient disc(centre, inner_radius);
    disc.setColorAt(0.0, QColor(0xe4, 0xe7, 0xec));
    disc.setColorAt(1.0, QColor(0xd2, 0xd6, 0xdd));
    painter.setBrush(disc);
    painter.drawEllipse(centre, inner_radius, inner_radius);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x1a, 0x2a, 0x6c, 110), 0.8));
    painter.drawEllipse(centre, inner_radius, inner_radius);

    const QPainterPath comma = CommaPath(comma_radius);
    QLinearGradient comma_fill(QPointF(0.5 * comma_radius, -0.5 * comma_radius),
                               QPointF(-1.9 * comma_radius, 1.9 * comma_radius));
    comma_fill.setColorAt(0.0, QColor(0x33, 0x5c, 0xb8));
    comma_fill.setColorAt(1.0, QColor(0x14, 0x22, 0x60));
    painter.setPen(Qt::NoPen);
    painter.setBrush(comma_fill);
    for (int i = 0; i < 12; ++i) {
        const qreal degrees = 30.0 * i;
        const qreal radians = degrees * std::numbers::pi / 180.0;
        painter.save();
        painter.translate(centre.x() + ring_radius * std::sin(radians),
                          centre.y() - ring_radius * std::cos(radians));
        painter.rotate(degrees);
        painter.drawPath(comma);
        painter.restore();
    }

    // Largest size whose ink box fits inside the disc with a little air around it.
    // Each size tried costs a font engine, so start from the size the word's
    // proportions in DejaVu Sans Bold predict and only step down if a wider
    // fallback font does not fit.
    const QString word = QStringLiteral("Morvane");
    const qreal room = inner_radius - 3.0;
    constexpr qreal kInkPerPixel = 2.45;  // half-diagonal of the word's ink per pixel of size
    constexpr int kLargest = 16;
    constexpr int kSmallest = 8;
    const auto half_diagonal = [&word](const QFont& font) {
        const QRectF ink = QFontMetricsF(font).tightBoundingRect(word);
        return std::hypot(ink.width() / 2.0, ink.height() / 2.0);
    };
    int size = std::clamp(static_cast<int>(room / kInkPerPixel), kSmallest, kLargest);
    QFont font = LogoFont(size);
    while (size > kSmallest && half_diagonal(font) > room) {
        font = LogoFont(--size);
    }
    const QRectF ink = QFontMetricsF(font).tightBoundingRect(word);
    painter.setFont(font);
    painter.setPen(QColor(0x1a, 0x2a, 0x6c));
    painter.drawText(QPointF(centre.x() - ink.center().x(), centre.y() - ink.center().y()), word);

    painter.restore();
}

QImage PaintedButterfly(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        PaintButterfly(painter, QRectF(0.0, 0.0, size, size));
    }
    return image;
}

void PaintButterfly(QPainter& painter, const QRectF& rect) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal scale = FitSquare(painter, rect, kButterflySide);
    const qreal device_pixel = 1.0 / scale;
    // The drawing spans y = 1.5 to 56; this centres it vertically.
    painter.translate(kButterflySide / 2.0, 3.5);

    // Fine detail turns to mush below this size, so small icons get flat silhouettes.
    const bool detailed = scale * kButterflySide >= 40.0;
    const QColor outline(0x1c, 0x14, 0x3c);
    const QPen edge = detailed ? QPen(outline, std::max(0.9, device_pixel), Qt::SolidLine,
                                      Qt::RoundCap, Qt::RoundJoin)
                               : QPen(Qt::NoPen);

    QLinearGradient lower_fill(QPointF(0.0, 30.0), QPointF(20.0, 54.0));
    lower_fill.setColorAt(0.0, QColor(0x8e, 0x1a, 0x7a));
    lower_fill.setColorAt(1.0, QColor(0xe0, 0x3c, 0xb0));
    PaintWingPair(painter, LowerWing(), lower_fill, edge);

    QLinearGradient upper_fill(QPointF(0.0, 30.0), QPointF(28.0, 5.0));
    upper_fill.setColorAt(0.0, QColor(0x1e, 0x3a, 0xa8));
    upper_fill.setColorAt(1.0, QColor(0x3f, 0x9a, 0xf0));
    PaintWingPair(painter, UpperWing(), upper_fill, edge);

    if (detailed) {
        // Pale spots near the wing tips, as real wings carry.
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 170));
        for (const qreal side : {1.0, -1.0}) {
            painter.drawEllipse(QPointF(side * 24.5, 10.0), 2.2, 2.2);
            painter.drawEllipse(QPointF(side * 19.5, 9.0), 1.4, 1.4);
            painter.drawEllipse(QPointF(side * 16.0, 47.0), 1.8, 1.8);
        }
    }

    // Antennae: thin curves ending in small knobs, never thinner than one device pixel.
    const qreal antenna_width = std::max(1.2, device_pixel);
    painter.setPen(QPen(outline, antenna_width, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    for (const qreal side : {1.0, -1.0}) {
        QPainterPath antenna;
        antenna.moveTo(side * 1.0, 15.0);
        antenna.cubicTo(side * 2.0, 10.0, side * 5.0, 5.0, side * 9.0, 3.0);
        painter.drawPath(antenna);
    }
    if (detailed) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(outline);
        painter.drawEllipse(QPointF(9.0, 3.0), 1.5, 1.5);
        painter.drawEllipse(QPointF(-9.0, 3.0), 1.5, 1.5);
    }

    // Body: head, thorax and a tapering abdomen in one dark shape.
    QPainterPath head;
    head.addEllipse(QPointF(0.0, 16.5), 2.6, 2.6);
    QPainterPath thorax;
    thorax.addEllipse(QPointF(0.0, 24.0), 3.0, 6.0);
    QPainterPath abdomen;
    abdomen.moveTo(-2.4, 29.0);
    abdomen.cubicTo(-2.6, 38.0, -1.4, 46.0, 0.0, 50.0);
    abdomen.cubicTo(1.4, 46.0, 2.6, 38.0, 2.4, 29.0);
    abdomen.closeSubpath();
    const QPainterPath body = head.united(thorax).united(abdomen);
    QLinearGradient body_fill(QPointF(-3.0, 0.0), QPointF(3.0, 0.0));
    body_fill.setColorAt(0.0, QColor(0x10, 0x0c, 0x24));
    body_fill.setColorAt(0.5, QColor(0x3a, 0x30, 0x5a));
    body_fill.setColorAt(1.0, QColor(0x10, 0x0c, 0x24));
    painter.setPen(Qt::NoPen);
    painter.setBrush(body_fill);
    if (!detailed) {
        // A slightly stouter body keeps the wings visibly apart at icon sizes.
        painter.scale(1.4, 1.0);
    }
    painter.drawPath(body);

    painter.restore();
}

}  // namespace morvane
