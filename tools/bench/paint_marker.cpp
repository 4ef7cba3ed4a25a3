// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/bench/paint_marker.h"

#include <QEvent>
#include <QGuiApplication>
#include <QObject>
#include <QTimerEvent>
#include <QWidget>
#include <cstdio>

namespace {

// Watches the top-level window for its first paint event. Widgets paint a
// window in one synchronous pass (the window itself first, then its children,
// then the flush of the backing store to the screen), so the marker is
// deferred to a zero timer: it runs once control returns to the event loop,
// that is after the whole pass, not in the middle of it. A round trip to the
// window system then makes sure the server has drawn what was flushed, so a
// watcher that hears the marker has every damage event of the frame.
class PaintMarker : public QObject {
  public:
    explicit PaintMarker(QWidget* window) : QObject(window), window_(window) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Paint) {
            window_->removeEventFilter(this);
            startTimer(0);
        }
        return false;
    }

  protected:
    void timerEvent(QTimerEvent* event) override {
        killTimer(event->timerId());
        QGuiApplication::sync();
        std::fputs("first-paint\n", stdout);
        std::fflush(stdout);
        deleteLater();
    }

  private:
    QWidget* window_;
};

}  // namespace

namespace morvane {

void InstallPaintMarker(QWidget* window) {
    if (window == nullptr) {
        return;
    }
    window->installEventFilter(new PaintMarker(window));
}

}  // namespace morvane
