// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the desktop icons into a hicolor theme tree: morvane_icons <folder>.
// PNGs at the sizes desktops ask for, and a scalable SVG, all from the same
// drawing the window uses, so the menu and the title bar show one butterfly.

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

#include "ui/artwork/artwork.h"

namespace {

constexpr auto kIconName = "org.example.Morvane";

bool WritePng(const QDir& root, int size) {
    const QString folder = QStringLiteral("%1x%1/apps").arg(size);
    if (!root.mkpath(folder)) {
        return false;
    }
    return morvane::PaintedButterfly(size).save(
        root.filePath(folder + QStringLiteral("/%1.png").arg(kIconName)), "PNG");
}

bool WriteSvg(const QDir& root) {
    constexpr int kSide = 256;
    if (!root.mkpath(QStringLiteral("scalable/apps"))) {
        return false;
    }
    QSvgGenerator svg;
    svg.setFileName(root.filePath(QStringLiteral("scalable/apps/%1.svg").arg(kIconName)));
    svg.setSize(QSize(kSide, kSide));
    svg.setViewBox(QRect(0, 0, kSide, kSide));
    svg.setTitle(QStringLiteral("Morvane"));
    QPainter painter;
    if (!painter.begin(&svg)) {
        return false;
    }
    morvane::PaintButterfly(painter, QRectF(0, 0, kSide, kSide));
    return painter.end();
}

}  // namespace

int main(int argc, char** argv) {
    const QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: morvane_icons <folder>\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (const int size : {16, 32, 48, 128}) {
        if (!WritePng(root, size)) {
            std::fprintf(stderr, "cannot write the %d px icon\n", size);
            return 1;
        }
    }
    if (!WriteSvg(root)) {
        std::fprintf(stderr, "cannot write the scalable icon\n");
        return 1;
    }
    return 0;
}
