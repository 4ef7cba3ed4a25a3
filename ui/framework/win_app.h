// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The application object: owns the Qt application for the run and calls
// InitInstance, which runs the program's one window to its end.

#include <QCoreApplication>
#include <QString>

namespace morvane {

// The base name of an executable path: "/usr/bin/morvane" gives "morvane".
QString AppNameFromPath(const QString& path);

class CWinApp {
  public:
    CWinApp() = default;
    virtual ~CWinApp() = default;
    Q_DISABLE_COPY_MOVE(CWinApp)

    // Creates the Qt application and runs InitInstance; the exit status.
    int Run(int& argc, char** argv);

    // The executable's file name without directory and extension.
    static QString AppName() { return AppNameFromPath(QCoreApplication::applicationFilePath()); }

  protected:
    // Start-up. Returning false ends the program without an event loop.
    virtual bool InitInstance() = 0;
};

}  // namespace morvane
