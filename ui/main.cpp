// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/report_file.h"
#include "ui/morvane_app.h"

int main(int argc, char** argv) {
    morvane::IgnoreWriteSignals();
    morvane::CMorvaneApp app;
    return app.Run(argc, argv);
}
