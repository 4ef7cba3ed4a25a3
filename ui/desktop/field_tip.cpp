// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/field_tip.h"

#include <QCursor>
#include <QFontMetrics>
#include <QRegularExpression>
#include <QTimer>
#include <QToolTip>
#include <QWidget>

namespace morvane {
namespace {

// About as wide as a line of a book: long enough for a few terms, short
// enough that a long name's sum stays a small box beside the field.
constexpr int kTipColumns = 48;

QString LaidOutTip(const QWidget* field) {
    const QFontMetrics metrics(QToolTip::font());
    return TipLines(field->toolTip(), metrics, kTipColumns * metrics.averageCharWidth());
}

}  // namespace

QString TipLines(const QString& tip, const QFontMetrics& metrics, int max_width) {
    // A term is what stands between two operators; each but the first
    // carries the operator before it.
    static const QRegularExpression kOperator(QStringLiteral(" (?=(\\+|=|->) )"));
    QString lines;
    QString line;
    for (QString term : tip.split(kOperator)) {
        term.replace(QLatin1Char(' '), QChar::Nbsp);
        const QString longer = line.isEmpty() ? term : line + QLatin1Char(' ') + term;
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > max_width) {
            lines += line + QLatin1Char('\n');
            line = term;
        } else {
            line = longer;
        }
    }
    return lines + line;
}

void ShowFieldTip(QWidget* field, const QPoint& global_pos) {
    QToolTip::showText(global_pos, LaidOutTip(field), field);
}

void ShowFieldTipBeside(QWidget* field) {
    const QString text = LaidOutTip(field);
    // Where the tip will stand: Qt puts it a little below and right of the
    // point given; its frame and margins are a few pixels more than the text.
    const QPoint offset(2, 16);
    constexpr int kFrame = 8;
    const QSize size = QFontMetrics(QToolTip::font()).boundingRect(QRect(), 0, text).size() +
                       QSize(2 * kFrame, 2 * kFrame);
    const QPoint below = field->mapToGlobal(QPoint(0, field->height()));
    QPoint at = below;
    if (QRect(below + offset, size).contains(QCursor::pos())) {
        at = field->mapToGlobal(QPoint(0, 0)) - QPoint(0, size.height() + offset.y() + kFrame);
    }
    QToolTip::showText(at, text, field);
}

void ShowFieldTipSoon(QWidget* field) {
    static const QString kName = QStringLiteral("morvane_tip_timer");
    auto* timer = field->findChild<QTimer*>(kName, Qt::FindDirectChildrenOnly);
    if (timer == nullptr) {
        timer = new QTimer(field);
        timer->setObjectName(kName);
        timer->setSingleShot(true);
        timer->setInterval(0);
        QObject::connect(timer, &QTimer::timeout, field, [field] {
            if (field->hasFocus()) {
                ShowFieldTipBeside(field);
            }
        });
    }
    timer->start();
}

}  // namespace morvane
