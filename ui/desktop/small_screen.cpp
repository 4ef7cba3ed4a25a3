// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/small_screen.h"

#include <QApplication>
#include <QInputMethod>
#include <QLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <algorithm>

#include "ui/desktop/placement.h"

namespace morvane {
namespace {

constexpr int kMargin = 4;

class Room : public QScrollArea {
  public:
    explicit Room(QWidget* page) {
        setFrameShape(QFrame::NoFrame);
        setFocusPolicy(Qt::NoFocus);  // no stop of its own in the Tab order
        setWidget(page);
        // Drawn over the tab's pane, as a page is without an area around it.
        page->setAutoFillBackground(false);
        viewport()->setAutoFillBackground(false);
        // The focus kept in view, and a text box's caret as arrows or Page Down move it.
        connect(qApp, &QApplication::focusChanged, this,
                [this](QWidget* /*old*/, QWidget* now) { Reveal(now, true); });
        connect(QGuiApplication::inputMethod(), &QInputMethod::cursorRectangleChanged, this,
                [this] { Reveal(QApplication::focusWidget(), false); });
    }
    ~Room() override {
        // Taking the page apart moves the focus about.
        disconnect(qApp, nullptr, this, nullptr);
        disconnect(QGuiApplication::inputMethod(), nullptr, this, nullptr);
    }
    [[nodiscard]] QSize sizeHint() const override { return widget()->sizeHint(); }

    // `control` in view: all of it where it fits, then its text cursor.
    void Reveal(QWidget* control, bool whole) {
        if (!widget()->isAncestorOf(control)) {
            return;
        }
        if (whole) {
            const QRect area(control->mapTo(widget(), QPoint()), control->size());
            ensureVisible(area.center().x(), area.center().y(), area.width() / 2 + kMargin,
                          area.height() / 2 + kMargin);
        }
        ensureWidgetVisible(control, kMargin, kMargin);  // the caret where it has one
    }

  protected:
    // A page opens at its top, scrolled no further than its focused control
    // needs (not to its end, for a low control focused before the resize).
    bool viewportEvent(QEvent* event) override {
        if (event->type() == QEvent::Resize) {
            FitWidth();
            verticalScrollBar()->setValue(0);
            Reveal(QApplication::focusWidget(), true);  // none: not in the page
        }
        return QScrollArea::viewportEvent(event);
    }

    void showEvent(QShowEvent* event) override {
        FitWidth();  // the page has made its controls on its first show, just before
        QScrollArea::showEvent(event);
    }

  private:
    // Never sideways for want of room: a text field or box that would end
    // past the visible width narrows to end within it, down to its least width.
    void FitWidth() {
        int width = viewport()->width();
        for (QWidget* control : widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (control->inherits("QAbstractScrollArea") || control->inherits("QLineEdit")) {
                const char* const kLaidOut = "laidOutWidth";  // kept the first time seen
                if (!control->property(kLaidOut).isValid()) {
                    control->setProperty(kLaidOut, control->width());
                }
                const int room = viewport()->width() - kMargin - control->x();
                control->resize(std::max(std::min(room, control->property(kLaidOut).toInt()),
                                         control->minimumSizeHint().width()),
                                control->height());
            }
            width = std::max(width, control->geometry().right() + 1);
        }
        widget()->resize(std::min(width, widget()->sizeHint().width()), widget()->height());
    }
};

}  // namespace

QWidget* ScrollingRoom(QWidget* page) {
    return new Room(page);
}

void FitIn(QWidget* window, QTabWidget* tabs, const QRect& available, const QMargins& frame) {
    // Where the tab captions cannot all show, arrows scroll them; the
    // keyboard moves between tabs by itself, so the arrows take no focus.
    tabs->setUsesScrollButtons(true);
    for (QToolButton* arrow : tabs->tabBar()->findChildren<QToolButton*>()) {
        arrow->setFocusPolicy(Qt::NoFocus);
    }
    const QSize natural = window->sizeHint();
    // Room for the vertical scroll bar that a short window brings.
    const int bar = window->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, window);
    const bool is_short = FittingSize(available, frame, natural).height() < natural.height();
    const QSize size = FittingSize(available, frame, natural + QSize(is_short ? bar : 0, 0));
    // Never fixed: a window given less room than it needs (by a compositor
    // that knows the panels, or the user) gets scrolling pages too.
    window->layout()->setSizeConstraint(QLayout::SetNoConstraint);
    window->setMinimumSize(window->minimumSizeHint().boundedTo(size));
    window->setMaximumSize(natural + QSize(bar, 0));
    window->resize(size);
}

}  // namespace morvane
