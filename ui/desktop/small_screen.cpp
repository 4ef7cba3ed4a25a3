// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/small_screen.h"

#include <QApplication>
#include <QLayout>
#include <QScrollArea>
#include <QStyle>
#include <QTabWidget>

#include "ui/desktop/placement.h"

namespace morvane {
namespace {

class Room : public QScrollArea {
  public:
    explicit Room(QWidget* page) {
        setFrameShape(QFrame::NoFrame);
        setFocusPolicy(Qt::NoFocus);  // no stop of its own in the Tab order
        setWidget(page);
        // Drawn over the tab's pane, as a page is without an area around it.
        page->setAutoFillBackground(false);
        viewport()->setAutoFillBackground(false);
    }
    [[nodiscard]] QSize sizeHint() const override { return widget()->sizeHint(); }
};

// No further than needed: a page shown with its first control in view keeps
// its top too.
void ScrollIntoView(QWidget* focused) {
    for (QWidget* outer = focused; outer != nullptr; outer = outer->parentWidget()) {
        if (auto* room = dynamic_cast<Room*>(outer)) {
            constexpr int kMargin = 4;
            room->ensureWidgetVisible(focused, kMargin, kMargin);
            return;
        }
    }
}

}  // namespace

QWidget* ScrollingRoom(QWidget* page) {
    return new Room(page);
}

QMetaObject::Connection ScrollFocusIntoView(QObject* context) {
    return QObject::connect(qApp, &QApplication::focusChanged, context,
                            [](QWidget* /*old*/, QWidget* now) { ScrollIntoView(now); });
}

void FitIn(QWidget* window, QTabWidget* tabs, const QRect& available, const QMargins& frame) {
    const QSize natural = window->sizeHint();
    const QSize fitting = FittingSize(available, frame, natural);
    const bool fits = fitting == natural;
    // Where even the tab captions cannot all show, arrows scroll them.
    tabs->setUsesScrollButtons(!fits);
    if (fits) {
        window->layout()->setSizeConstraint(QLayout::SetFixedSize);
        return;
    }
    // Room for the scroll bar that the short side brings, if there is room,
    // so that the other side need not scroll too.
    const int bar = window->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, window);
    const QSize wanted = natural + QSize(fitting.height() < natural.height() ? bar : 0,
                                         fitting.width() < natural.width() ? bar : 0);
    const QSize size = FittingSize(available, frame, wanted);
    window->layout()->setSizeConstraint(QLayout::SetNoConstraint);
    window->setMinimumSize(window->minimumSizeHint().boundedTo(size));
    window->setMaximumSize(wanted);
    window->resize(size);
}

}  // namespace morvane
