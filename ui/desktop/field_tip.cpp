// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/field_tip.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QScreen>
#include <QTimer>
#include <QToolTip>
#include <QWidget>
#include <utility>

namespace morvane {
namespace {

// About as wide as a line of a book: long enough for a few pieces, short
// enough that a long name's sum stays a small box beside the field.
constexpr int kTipColumns = 48;
constexpr const char* kName = "morvane_field_tip";

// Shows `pieces` as `field`'s tooltip; returns the tip's window. Qt sizes
// it by its font's rounded widths, which at 125 and 150 % fall short of the
// drawn text, leaving the last letters on the right border: a little more
// room there.
QWidget* Show(const QPoint& at, const QStringList& pieces, QWidget* field) {
    const QFontMetrics metrics(QToolTip::font());
    QToolTip::showText(at, TipLines(pieces, metrics, kTipColumns * metrics.averageCharWidth()),
                       field);
    for (QWidget* tip : QApplication::topLevelWidgets()) {
        if (tip->windowType() == Qt::ToolTip && tip->isVisible() && tip->inherits("QLabel")) {
            tip->resize(tip->sizeHint().width() + tip->fontMetrics().averageCharWidth(),
                        tip->height());
            return tip;
        }
    }
    return nullptr;
}

class FieldTip : public QObject {
  public:
    FieldTip(QWidget* field, QStringList pieces)
        : QObject(field), field_(field), pieces_(std::move(pieces)) {
        setObjectName(kName);
        field->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (field_->toolTip().isEmpty()) {
            return false;
        }
        if (event->type() == QEvent::FocusIn) {
            // The focus change that follows a FocusIn event hides any tip
            // shown during it: shown once the focus has settled, if it stays.
            QTimer::singleShot(0, this, [this] {
                if (field_->hasFocus()) {
                    ShowBeside();
                }
            });
        } else if (event->type() == QEvent::ToolTip) {
            Show(static_cast<QHelpEvent*>(event)->globalPos(), pieces_, field_);
        }
        return event->type() == QEvent::ToolTip;
    }

  private:
    // Below the field; where that is off the screen or would cover the
    // mouse pointer (a tip that appears under the pointer takes it from the
    // window, and that leaving hides the tip at once), above it, else
    // beside it: never on the field or on its label to the left, where Qt
    // would push a tip with no room below up over them.
    void ShowBeside() const {
        QWidget* tip = Show(field_->mapToGlobal(QPoint(0, field_->height())), pieces_, field_);
        if (tip == nullptr) {
            return;
        }
        const QRect field(field_->mapToGlobal(QPoint()), field_->size());
        constexpr int kGap = 2;
        const QPoint places[] = {field.bottomLeft() + QPoint(0, 1 + kGap),
                                 field.topLeft() - QPoint(0, tip->height() + kGap),
                                 field.topRight() + QPoint(1 + kGap, 0)};
        for (const QPoint& place : places) {
            const QRect where(place, tip->size());
            if (field_->screen()->availableGeometry().contains(where) &&
                !where.contains(QCursor::pos())) {
                tip->move(place);
                return;
            }
        }
        if (tip->geometry().intersects(field)) {
            tip->move(places[0]);  // cut by the screen's edge rather than on the field
        }
    }

    QWidget* field_;
    QStringList pieces_;
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
    delete field->findChild<QObject*>(kName, Qt::FindDirectChildrenOnly);  // the last working's
    new FieldTip(field, pieces);
}

}  // namespace morvane
