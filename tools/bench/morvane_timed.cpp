// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Morvane's own window and start-up, with the first-paint marker that the
// start-up benchmark waits for; built for 'make bench' only.

#include "tools/bench/paint_marker.h"
#include "ui/framework/win_app.h"
#include "ui/pages/all_pages.h"
#include "ui/services/qt_services.h"

namespace {

class CTimedApp : public morvane::CWinApp {
  protected:
    bool InitInstance() override {
        morvane::QtServices services;
        morvane::CAllPages sheet(morvane::MainCaption(), nullptr, 0, services.Get());
        services.SetOwner(&sheet);
        morvane::InstallPaintMarker(&sheet);
        sheet.exec();
        return false;
    }
};

}  // namespace

int main(int argc, char** argv) {
    CTimedApp app;
    return app.Run(argc, argv);
}
