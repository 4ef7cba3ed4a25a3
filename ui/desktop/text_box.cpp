// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/text_box.h"

#include <QEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QtMath>

namespace morvane {
namespace {

class TextBox : public QPlainTextEdit {
  public:
    explicit TextBox(QWidget* parent) : QPlainTextEdit(parent) {
        // Covers the box, above the viewport and the scroll bar, and only draws.
        frame_ = new QWidget(this);
        frame_->setAttribute(Qt::WA_TransparentForMouseEvents);
        frame_->installEventFilter(this);
    }

  protected:
    bool event(QEvent* event) override {
        // The frame layer draws the frame, over the scroll bars, which are
        // laid out and raised as the box changes.
        const bool handled = event->type() == QEvent::Paint || QPlainTextEdit::event(event);
        if (frame_ != nullptr) {  // else still being built
            frame_->setGeometry(rect());
            frame_->raise();
        }
        return handled;
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != frame_ || event->type() != QEvent::Paint) {
            return QPlainTextEdit::eventFilter(watched, event);
        }
        QPainter painter(frame_);
        const QTransform to_device = painter.deviceTransform();
        const QRectF exact = to_device.mapRect(QRectF(rect()));
        QStyleOptionFrame option;
        initStyleOption(&option);
        // The pixels wholly inside the box are surely inside its clip.
        option.rect = QRect(QPoint(qCeil(exact.left()), qCeil(exact.top())),
                            QPoint(qFloor(exact.right()) - 1, qFloor(exact.bottom()) - 1));
        painter.setWorldTransform(to_device.inverted(), true);
        style()->drawControl(QStyle::CE_ShapedFrame, &option, &painter, this);
        return true;
    }

  private:
    QWidget* frame_ = nullptr;
};

}  // namespace

QPlainTextEdit* NewTextBox(QWidget* parent) {
    return new TextBox(parent);
}

}  // namespace morvane
