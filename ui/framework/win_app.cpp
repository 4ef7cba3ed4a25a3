// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/framework/win_app.h"

#include <QApplication>
#include <QFileInfo>

namespace morvane {

int CWinApp::Run(int& argc, char** argv) {
    const QApplication app(argc, argv);
    return InitInstance() ? QApplication::exec() : 0;
}

QString AppNameFromPath(const QString& path) {
    return QFileInfo(path).completeBaseName();
}

}  // namespace morvane
