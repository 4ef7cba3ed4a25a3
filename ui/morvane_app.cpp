// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/morvane_app.h"

#include <QGuiApplication>

#include "adapters/qt_dialogs.h"
#include "ui/pages/all_pages.h"

namespace morvane {

bool CMorvaneApp::InitInstance() {
    // The desktop entry's name: window managers match the window to its icon by it.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Morvane"));
    QtServices services;
    const std::string caption = MainCaption();
    CAllPages sheet(caption, nullptr, 0, services.Get());
    services.SetOwner(&sheet);
    sheet.exec();
    // The window was the whole program: no event loop after it.
    return false;
}

}  // namespace morvane
