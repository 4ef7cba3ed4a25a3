// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Baseline for the start-up benchmark: the least a Widgets program with the
// same window shape needs, a dialog with five tabbed pages of common controls
// and OK/Cancel. Morvane's start-up time and memory are compared with this.

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cstdio>

#include "tools/bench/paint_marker.h"

namespace {

QWidget* MakePage(int number) {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    const QString n = QString::number(number);
    for (int row = 0; row < 3; ++row) {
        const QString r = QString::number(row + 1);
        grid->addWidget(new QLabel(QStringLiteral("Field %1.%2:").arg(n, r)), row, 0);
        grid->addWidget(new QLineEdit, row, 1);
        grid->addWidget(new QPushButton(QStringLiteral("Action %1").arg(r)), row, 2);
    }
    auto* text = new QPlainTextEdit;
    text->setReadOnly(true);
    text->setPlainText(QStringLiteral("Read-only text of page %1.").arg(n));
    grid->addWidget(text, 3, 0, 1, 3);
    return page;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Reference"));

    auto* tabs = new QTabWidget;
    for (int i = 1; i <= 5; ++i) {
        tabs->addTab(MakePage(i), QStringLiteral("Page %1").arg(i));
    }
    // Plain-text buttons, not standard ones: standard buttons fetch icons
    // from the icon theme, which is a start-up cost of its own.
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(new QPushButton(QStringLiteral("OK")), QDialogButtonBox::AcceptRole);
    buttons->addButton(new QPushButton(QStringLiteral("Cancel")), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(tabs);
    layout->addWidget(buttons);

    // The same first-paint marker as Morvane, so both are timed alike.
    morvane::InstallPaintMarker(&dialog);
    return dialog.exec() == QDialog::Accepted ? 0 : 1;
}
