// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/text_box.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <cmath>

namespace morvane {
namespace {

// Covers the box, above the viewport and the scroll bar, and only draws.
class FrameLayer : public QWidget {
  public:
    explicit FrameLayer(TextBox* box) : QWidget(box), box_(box) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

  protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        const QTransform to_device = painter.deviceTransform();
        const QRectF exact = to_device.mapRect(QRectF(rect()));
        // The pixels wholly inside the box are surely inside its clip.
        const QRect whole(QPoint(static_cast<int>(std::ceil(exact.left())),
                                 static_cast<int>(std::ceil(exact.top()))),
                          QPoint(static_cast<int>(std::floor(exact.right())) - 1,
                                 static_cast<int>(std::floor(exact.bottom())) - 1));
        painter.setWorldTransform(to_device.inverted(), true);
        box_->DrawFrame(painter, whole);
    }

  private:
    TextBox* box_;
};

}  // namespace

TextBox::TextBox(QWidget* parent) : QPlainTextEdit(parent) {
    frame_ = new FrameLayer(this);
}

void TextBox::DrawFrame(QPainter& painter, const QRect& device_rect) const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    option.rect = device_rect;
    style()->drawControl(QStyle::CE_ShapedFrame, &option, &painter, this);
}

bool TextBox::event(QEvent* event) {
    if (event->type() == QEvent::Paint) {
        return true;  // the frame layer draws the frame
    }
    const bool handled = QPlainTextEdit::event(event);
    if (frame_ != nullptr) {  // else still being built
        if (event->type() == QEvent::Resize) {
            frame_->setGeometry(rect());
        }
        // The scroll bars are laid out, and raised, as the box changes.
        frame_->raise();
    }
    return handled;
}

}  // namespace morvane
