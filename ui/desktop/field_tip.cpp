// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/field_tip.h"

#include <QApplication>
#include <QCursor>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QScreen>
#include <QTimer>
#include <QToolTip>
#include <QWidget>
#include <utility>

namespace morvane {
namespace {

// About a book's line: a few pieces wide, and a long name's sum a small box.
constexpr int kTipColumns = 48;
constexpr const char* kName = "morvane_field_tip";

// Shows `pieces` as `field`'s tooltip; returns the tip's window, a little
// wider than Qt makes it: at 125 and 150 % the font's rounded widths fall
// short of the drawn text, and the last letters touch the right border.
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
        // The focus change that follows a FocusIn event hides any tip shown
        // during it: shown once the focus has settled, if it stays.
        settled_.setSingleShot(true);
        connect(&settled_, &QTimer::timeout, this, &FieldTip::ShowBeside);
        field->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (field_->toolTip().isEmpty()) {
            return false;
        }
        if (event->type() == QEvent::FocusIn) {
            settled_.start();
        } else if (event->type() == QEvent::ToolTip) {
            Show(static_cast<QHelpEvent*>(event)->globalPos(), pieces_, field_);
        }
        return event->type() == QEvent::ToolTip;
    }

  private:
    // Below the field, else above, else beside it: never on the field or
    // its label, where Qt pushes a tip with no room below, nor under the
    // pointer (that takes the pointer from the window, hiding the tip).
    void ShowBeside() const {
        QWidget* tip = field_->hasFocus()
                           ? Show(field_->mapToGlobal(QPoint(0, field_->height())), pieces_, field_)
                           : nullptr;
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
    QTimer settled_;
};

}  // namespace

QString TipLines(const QStringList& pieces, const QFontMetrics& metrics, int max_width) {
    QStringList lines;
    for (QString piece : pieces) {
        piece.replace(QLatin1Char(' '), QChar::Nbsp);
        const QString longer = lines.isEmpty() ? piece : lines.last() + QLatin1Char(' ') + piece;
        if (lines.isEmpty() || metrics.horizontalAdvance(longer) > max_width) {
            lines.append(piece);
        } else {
            lines.last() = longer;
        }
    }
    return lines.join(QLatin1Char('\n'));
}

void SetTipPieces(QWidget* field, const QStringList& pieces) {
    delete field->findChild<QObject*>(kName, Qt::FindDirectChildrenOnly);  // the last working's
    new FieldTip(field, pieces);
}

}  // namespace morvane
