// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/placement.h"

#include <QApplication>
#include <QScreen>
#include <QShowEvent>
#include <QWidget>
#include <QWindow>
#include <cmath>
#include <utility>

namespace morvane {
namespace {

class Placer : public QObject {
  public:
    Placer(QWidget* window, FitFunction fit)
        : QObject(window), window_(window), fit_(std::move(fit)) {
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        QWindow* handle = window_->windowHandle();
        if (watched == window_ && event->type() == QEvent::Show &&
            !static_cast<QShowEvent*>(event)->spontaneous()) {
            // The native window exists by now, but is not yet on the screen.
            handle->installEventFilter(this);  // only once, however often shown
            framed_ = false;
            // Its frame is unknown till then: guessed from the window it
            // opens over, as a window manager frames a program's windows alike.
            const QWidget* over = QApplication::activeWindow();
            Place((over != nullptr && over != window_ ? over : window_)
                      ->windowHandle()
                      ->frameMargins());
        } else if (watched == handle && event->type() == QEvent::Expose && !framed_ &&
                   handle->isExposed()) {
            // On the screen, so framed: the frame is known from here on.
            framed_ = true;
            Place(handle->frameMargins());
        }
        return false;
    }

  private:
    void Place(QMargins frame) {
        const QScreen* screen = window_->screen();
        QRect available = screen->availableGeometry();
        // A Wayland client learns of no panels, the whole output free: room for
        // a usual one, else a tall window runs off the edge (weston, 1024x600).
        if (available == screen->geometry() && QGuiApplication::platformName() == "wayland") {
            available.setHeight(available.height() - 48);
        }
        // At a fractional scale the free area and the frame come rounded
        // either way; a pixel more of frame all round keeps the real one inside.
        if (screen->devicePixelRatio() != std::floor(screen->devicePixelRatio())) {
            frame += QMargins(1, 1, 1, 1);
        }
        if (fit_) {
            fit_(available, frame);
        } else {  // shrunk, down to its minimum size, where it may be
            window_->resize(FittingSize(available, frame, window_->size()));
        }
        window_->setGeometry(CentredGeometry(available, frame, window_->size()));
    }

    QWidget* window_;
    FitFunction fit_;
    bool framed_ = false;
};

}  // namespace

QSize FittingSize(const QRect& available, const QMargins& frame, const QSize& size) {
    return size.boundedTo(available.marginsRemoved(frame).size().expandedTo(QSize(1, 1)));
}

QRect CentredGeometry(const QRect& available, const QMargins& frame, const QSize& size) {
    // Too large: the top-left corner, and so the title bar, stays inside.
    const QSize spare = (available.size() - size.grownBy(frame)).expandedTo(QSize(0, 0));
    return {available.topLeft() +
                QPoint(spare.width() / 2 + frame.left(), spare.height() / 2 + frame.top()),
            size};
}

void KeepPlaced(QWidget* window, FitFunction fit) {
    new Placer(window, std::move(fit));
}

}  // namespace morvane
