// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Morvane's own start-up, with the first-paint marker that the start-up
// benchmark waits for on the first window it shows; built for 'make bench'
// only.

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include "tools/bench/paint_marker.h"
#include "ui/morvane_app.h"

namespace {

// Marks the first window shown: the main window.
class MarkFirstWindow : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && widget != nullptr && widget->isWindow()) {
            qApp->removeEventFilter(this);
            morvane::InstallPaintMarker(widget);
        }
        return false;
    }
};

class CTimedApp : public morvane::CMorvaneApp {
  protected:
    bool InitInstance() override {
        MarkFirstWindow marker;
        qApp->installEventFilter(&marker);
        return CMorvaneApp::InitInstance();
    }
};

}  // namespace

int main(int argc, char** argv) {
    CTimedApp app;
    return app.Run(argc, argv);
}
