// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/framework/controls.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QValidator>
#include <algorithm>
#include <map>
#include <string>
#include <utility>

namespace morvane {
namespace {

// Lower-cases whatever enters the field: typing, paste and setText alike.
// QString::toLower follows Unicode without a locale, so "I" never becomes a
// dotless i as it would under a Turkish locale.
class LowerCaseValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override {
        const QString lower = input.toLower();
        pos = std::clamp(pos + static_cast<int>(lower.size() - input.size()), 0,
                         static_cast<int>(lower.size()));
        input = lower;
        return Acceptable;
    }
};

// Enter inside a text box stays there instead of pressing the default button.
class KeepEnter : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        const int key =
            event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event)->key() : 0;
        return key == Qt::Key_Return || key == Qt::Key_Enter;
    }
};

std::map<std::string, PictureFunction, std::less<>>& Pictures() {
    static std::map<std::string, PictureFunction, std::less<>> pictures;
    return pictures;
}

}  // namespace

void RegisterPicture(std::string_view name, PictureFunction draw) {
    Pictures().insert_or_assign(std::string(name), std::move(draw));
}

QWidget* MakeControl(const ControlSpec& row, QWidget* parent, QPlainTextEdit* text_box) {
    switch (row.kind) {
        case ControlKind::Label: {
            auto* label = new QLabel(QString::fromUtf8(row.text), parent);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setWordWrap(WrapsText(row));
            label->setTextFormat(Qt::PlainText);
            return label;
        }
        case ControlKind::Edit: {
            auto* edit = new QLineEdit(parent);
            if ((row.flags & kLowerCase) != 0) {
                edit->setValidator(new LowerCaseValidator(edit));
            }
            if ((row.flags & kDigitsOnly) != 0) {
                edit->setValidator(new QRegularExpressionValidator(
                    QRegularExpression(QStringLiteral("[0-9]*")), edit));
            }
            return edit;
        }
        case ControlKind::Button:
        case ControlKind::DefaultButton:
            return new QPushButton(QString::fromUtf8(row.text), parent);
        case ControlKind::ReadOnlyField: {
            auto* field = new QLineEdit(parent);
            field->setReadOnly(true);
            field->setFrame(false);
            // Text on the same baseline as the label beside it, not centred.
            field->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            field->setTextMargins(2, 0, 0, 0);
            QPalette palette = field->palette();
            palette.setColor(QPalette::Base, Qt::transparent);
            field->setPalette(palette);
            return field;
        }
        case ControlKind::TextBox:
            text_box->setReadOnly(true);
            text_box->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                              Qt::TextSelectableByKeyboard);
            text_box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
            text_box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            text_box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            text_box->setTabChangesFocus(true);
            if ((row.flags & kKeepsEnter) != 0) {
                text_box->installEventFilter(new KeepEnter(text_box));
            }
            return text_box;
        case ControlKind::Picture: {
            auto* picture = new QLabel(parent);
            if (const auto it = Pictures().find(row.text); it != Pictures().end()) {
                picture->setPixmap(it->second(parent->devicePixelRatioF()));
            }
            picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return picture;
        }
    }
    return nullptr;
}

}  // namespace morvane
