// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/field_tip.h"

#include <QCursor>
#include <QEvent>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QTimer>
#include <QToolTip>
#include <QWidget>

namespace morvane {
namespace {

// About as wide as a line of a book: long enough for a few pieces, short
// enough that a long name's sum stays a small box beside the field.
constexpr int kTipColumns = 48;

class FieldTip : public QObject {
  public:
    explicit FieldTip(QWidget* field) : QObject(field), field_(field) {
        setObjectName(kName);
        timer_.setSingleShot(true);
        timer_.setInterval(0);
        // The focus change that follows a FocusIn event hides any tip shown
        // during it: shown once the focus has settled, if it stays there.
        connect(&timer_, &QTimer::timeout, this, [this] {
            if (field_->hasFocus()) {
                ShowBeside();
            }
        });
        field->installEventFilter(this);
    }
    static FieldTip* Of(QWidget* field) {
        auto* tip =
            dynamic_cast<FieldTip*>(field->findChild<QObject*>(kName, Qt::FindDirectChildrenOnly));
        return tip != nullptr ? tip : new FieldTip(field);
    }
    void SetPieces(const QStringList& pieces) { pieces_ = pieces; }

  protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (field_->toolTip().isEmpty()) {
            return false;
        }
        if (event->type() == QEvent::ToolTip) {
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), Lines(), field_);
            return true;
        }
        if (event->type() == QEvent::FocusIn) {
            timer_.start();
        }
        return false;
    }

  private:
    static constexpr const char* kName = "morvane_field_tip";

    [[nodiscard]] QString Lines() const {
        const QFontMetrics metrics(QToolTip::font());
        return TipLines(pieces_, metrics, kTipColumns * metrics.averageCharWidth());
    }

    // Below the field, or above it where it would cover the mouse pointer (a
    // tip that appears under the pointer takes it from the window, and that
    // leaving hides the tip at once).
    void ShowBeside() const {
        const QString text = Lines();
        // Where the tip will stand: Qt puts it a little below and right of
        // the point given; its frame and margins are a few pixels more.
        const QPoint offset(2, 16);
        constexpr int kFrame = 8;
        const QSize size = QFontMetrics(QToolTip::font()).boundingRect(QRect(), 0, text).size() +
                           QSize(2 * kFrame, 2 * kFrame);
        const QPoint below = field_->mapToGlobal(QPoint(0, field_->height()));
        QPoint at = below;
        if (QRect(below + offset, size).contains(QCursor::pos())) {
            at = field_->mapToGlobal(QPoint(0, 0)) - QPoint(0, size.height() + offset.y() + kFrame);
        }
        QToolTip::showText(at, text, field_);
    }

    QWidget* field_;
    QStringList pieces_;
    QTimer timer_;
};

}  // namespace

QString TipLines(const QStringList& pieces, const QFontMetrics& metrics, int max_width) {
    QString lines;
    QString line;
    for (QString piece : pieces) {
        piece.replace(QLatin1Char(' '), QChar::Nbsp);
        const QString longer = line.isEmpty() ? piece : line + QLatin1Char(' ') + piece;
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > max_width) {
            lines += line + QLatin1Char('\n');
            line = piece;
        } else {
            line = longer;
        }
    }
    return lines + line;
}

void SetTipPieces(QWidget* field, const QStringList& pieces) {
    FieldTip::Of(field)->SetPieces(pieces);
}

}  // namespace morvane
