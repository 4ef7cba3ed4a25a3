// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Baseline for the start-up benchmark: a minimal Qt dialog with two tabs and
// the standard OK and Cancel buttons, the least a tabbed dialog built from
// stock parts costs. Morvane's start-up time and memory are compared with it.

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

#include "tools/bench/paint_marker.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Two tabs"));

    auto* tabs = new QTabWidget;
    tabs->addTab(new QLabel(QStringLiteral("First page")), QStringLiteral("First"));
    tabs->addTab(new QLabel(QStringLiteral("Second page")), QStringLiteral("Second"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
    // The size of Morvane's window at 100 %, so both put as many pixels on
    // the screen.
    dialog.resize(676, 464);

    // The same first-frame marker as Morvane, so both are timed alike.
    morvane::InstallPaintMarker(&dialog);
    return dialog.exec() == QDialog::Accepted ? 0 : 1;
}
