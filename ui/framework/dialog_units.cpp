// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/framework/dialog_units.h"

#include <QFont>
#include <QFontMetrics>
#include <QRegularExpression>

namespace morvane {
namespace {

// A caption as drawn: "&x" shows as x, "&&" as one "&".
QString Drawn(std::string_view text) {
    static const QRegularExpression kMnemonic(QStringLiteral("&(.)"),
                                              QRegularExpression::DotMatchesEverythingOption);
    return QString::fromUtf8(text).replace(kMnemonic, QStringLiteral("\\1"));
}

}  // namespace

DialogUnits DialogUnits::Of(const QFont& font) {
    const QFontMetrics metrics(font);
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int average = metrics.horizontalAdvance(alphabet) / 26;
    return {(average + 1) / 2, metrics.height()};
}

DialogUnits DialogUnits::Fitting(const QFont& font, std::span<const ControlSpec> table) {
    const QFontMetrics metrics(font);
    DialogUnits units = Of(font);
    for (const ControlSpec& row : table) {
        const bool one_line_label = row.kind == ControlKind::Label && !WrapsText(row);
        const bool button =
            row.kind == ControlKind::Button || row.kind == ControlKind::DefaultButton;
        // A row without width can hold nothing, however wide the units grow.
        if (row.text.empty() || row.rect.width <= 0 || (!one_line_label && !button) ||
            (row.flags & kGrowToText) != 0) {
            continue;
        }
        const int needed =
            metrics.horizontalAdvance(Drawn(row.text)) + (button ? metrics.height() : 0);
        while (units.ToPixels(row.rect).width() < needed) {
            ++units.base_x;
        }
    }
    for (const ControlSpec& row : table) {
        if (row.kind != ControlKind::Label || row.text.empty() || row.rect.width <= 0 ||
            row.rect.height <= 0) {
            continue;
        }
        // The width, and so the text's height, stays as the vertical unit grows.
        const int flags = static_cast<int>(Qt::AlignLeft | Qt::AlignTop) |
                          (WrapsText(row) ? Qt::TextWordWrap : Qt::TextSingleLine);
        const QRect room(QPoint(), units.ToPixels(row.rect).size());
        const int needed = metrics.boundingRect(room, flags, Drawn(row.text)).height();
        while (units.ToPixels(row.rect).height() < needed) {
            ++units.base_y;
        }
    }
    return units;
}

}  // namespace morvane
