// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/framework/property_page.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcutEvent>
#include <QShowEvent>
#include <algorithm>

#include "ui/framework/controls.h"

namespace morvane {
namespace {

// The field a label names for a screen reader: the nearest entry or read-only
// field that starts right of the label's start on the same line. Its "&" key
// is another matter: that goes to the next control in Tab order.
std::size_t FieldBeside(std::span<const ControlSpec> table, std::size_t label) {
    const DlgRect& text = table[label].rect;
    std::size_t nearest = table.size();
    for (std::size_t i = 0; i < table.size(); ++i) {
        const ControlSpec& row = table[i];
        const bool field = row.kind == ControlKind::Edit || row.kind == ControlKind::ReadOnlyField;
        const bool same_line =
            row.rect.y < text.y + text.height && text.y < row.rect.y + row.rect.height;
        if (field && same_line && row.rect.x > text.x &&
            (nearest == table.size() || row.rect.x < table[nearest].rect.x)) {
            nearest = i;
        }
    }
    return nearest;
}

}  // namespace

CPropertyPage::CPropertyPage(const PageLayout& layout) : layout_(layout) {}

template <class Pick>
QWidget* CPropertyPage::FirstControl(std::size_t from, Pick pick) const {
    const auto rest = layout_.table.subspan(from);
    const auto index =
        from + static_cast<std::size_t>(std::ranges::find_if(rest, pick) - rest.begin());
    return index < controls_.size() ? controls_[index] : nullptr;
}

QSize CPropertyPage::sizeHint() const {
    return Units().ToPixels(layout_.size).size();
}

DialogUnits CPropertyPage::Units() const {
    return units_.base_x > 0 ? units_ : DialogUnits::Fitting(font(), layout_.table);
}

QPlainTextEdit* CPropertyPage::NewTextBox() {
    return new QPlainTextEdit(this);
}

QWidget* CPropertyPage::GetDlgItem(int id) const {
    return FirstControl(0, [id](const auto& row) { return row.id == id; });
}

std::string CPropertyPage::GetDlgItemText(int id) const {
    QWidget* control = GetDlgItem(id);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        return edit->text().toStdString();
    }
    if (auto* box = qobject_cast<QPlainTextEdit*>(control)) {
        return box->toPlainText().toStdString();
    }
    return {};
}

void CPropertyPage::SetDlgItemText(int id, std::string_view text) {
    QWidget* control = GetDlgItem(id);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(QString::fromUtf8(text));
        if (edit->isReadOnly()) {
            edit->setCursorPosition(0);  // show the start of a long text, as a label would
            SetDlgItemTip(id, "");
        }
    } else if (auto* box = qobject_cast<QPlainTextEdit*>(control)) {
        box->setPlainText(QString::fromUtf8(text));
    }
}

void CPropertyPage::SetDlgItemTip(int id, std::string_view tip) {
    if (QWidget* control = GetDlgItem(id)) {
        control->setToolTip(QString::fromUtf8(tip));
        control->setAccessibleDescription(QString::fromUtf8(tip));
    }
}

void CPropertyPage::GotoDlgCtrl(int id) {
    // A hidden page must not take the keyboard focus away from the shown one.
    if (QWidget* control = GetDlgItem(id); control != nullptr && control->isVisible()) {
        control->setFocus(Qt::OtherFocusReason);
    }
}

void CPropertyPage::LimitText(int id, int max_length) {
    if (auto* edit = qobject_cast<QLineEdit*>(GetDlgItem(id))) {
        edit->setMaxLength(max_length);
    }
}

QPushButton* CPropertyPage::DefaultButton() const {
    return qobject_cast<QPushButton*>(
        FirstControl(0, [](const auto& row) { return row.kind == ControlKind::DefaultButton; }));
}

bool CPropertyPage::ActivateMnemonic(const QKeySequence& key) {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (QKeySequence::mnemonic(QString::fromUtf8(layout_.table[i].text)) == key &&
            Activate(i, false)) {
            return true;
        }
    }
    return false;
}

bool CPropertyPage::Activate(std::size_t index, bool click_target) {
    // A button clicks; a label's "&" key goes where the table's Tab order says.
    const bool button = qobject_cast<QPushButton*>(controls_[index]) != nullptr;
    QWidget* target = button ? controls_[index] : MnemonicTarget(index);
    if (target == nullptr) {
        return false;
    }
    target->setFocus(Qt::ShortcutFocusReason);
    if (auto* clicked = qobject_cast<QAbstractButton*>(target);
        clicked != nullptr && (button || click_target)) {
        clicked->animateClick();
    }
    return true;
}

void CPropertyPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) {
        return;  // the window being restored, not the page being selected
    }
    if (!IsCreated()) {
        units_ = Units();
        CreateControls();
        OnInitDialog();
    }
    OnShowWindow();
}

void CPropertyPage::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous() && IsCreated()) {
        OnShowWindow();
    }
}

bool CPropertyPage::eventFilter(QObject* watched, QEvent* event) {
    const auto index = static_cast<std::size_t>(
        std::find(controls_.begin(), controls_.end(), watched) - controls_.begin());
    // The label's buddy is the field it names; its "&" key goes where the
    // table's Tab order says, as QLabel would have sent it to a buddy.
    if (event->type() == QEvent::Shortcut && qobject_cast<QLabel*>(watched) != nullptr &&
        index < controls_.size() &&
        Activate(index, !static_cast<QShortcutEvent*>(event)->isAmbiguous())) {
        return true;
    }
    if (event->type() == QEvent::FocusOut && !in_focus_check_ && index < controls_.size()) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // A message box opening or the user switching windows is no leaving
        // of the field; nor is the page being hidden.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            controls_[index]->isVisible()) {
            // A check may move the focus; the field that receives it must
            // not run its own check against a moving target.
            in_focus_check_ = true;
            Dispatch(layout_.table[index].id, ControlEvent::FocusLost);
            in_focus_check_ = false;
        }
    }
    return QWidget::eventFilter(watched, event);
}

QWidget* CPropertyPage::MnemonicTarget(std::size_t label) const {
    if (layout_.table[label].kind != ControlKind::Label) {
        return nullptr;
    }
    return FirstControl(label + 1, [](const auto& row) {
        return row.kind != ControlKind::Label && row.kind != ControlKind::Picture;
    });
}

void CPropertyPage::Dispatch(int id, ControlEvent event) {
    if (const auto it = handlers_.find({id, event}); it != handlers_.end()) {
        it->second();
    }
}

void CPropertyPage::CreateControls() {
    for (const ControlSpec& row : layout_.table) {
        controls_.push_back(CreateControl(row));
    }
    // A label's buddy is what a screen reader hears it name: the field beside
    // it. A label with a mnemonic but no field beside it keeps the control
    // its "&" key focuses as its buddy, so the key works at all.
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        auto* label = qobject_cast<QLabel*>(controls_[i]);
        if (label == nullptr || layout_.table[i].kind != ControlKind::Label) {
            continue;
        }
        const std::size_t field = FieldBeside(layout_.table, i);
        if (field < controls_.size()) {
            label->setBuddy(controls_[field]);
            label->installEventFilter(this);
        } else if (!QKeySequence::mnemonic(label->text()).isEmpty()) {
            label->setBuddy(MnemonicTarget(i));
        }
    }
}

QWidget* CPropertyPage::CreateControl(const ControlSpec& row) {
    QWidget* control =
        MakeControl(row, this, row.kind == ControlKind::TextBox ? NewTextBox() : nullptr);
    if (!row.accessible_name.empty()) {
        control->setAccessibleName(QString::fromUtf8(row.accessible_name));
    }
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        if (!edit->isReadOnly()) {
            connect(edit, &QLineEdit::textChanged, this,
                    [this, id = row.id] { Dispatch(id, ControlEvent::TextChanged); });
        }
        edit->installEventFilter(this);
    } else if (auto* button = qobject_cast<QPushButton*>(control)) {
        connect(button, &QPushButton::clicked, this,
                [this, id = row.id] { Dispatch(id, ControlEvent::Clicked); });
    }
    QRect geometry = units_.ToPixels(row.rect);
    if (row.kind == ControlKind::Picture) {
        geometry.setSize(control->sizeHint());  // its own size, whatever the rectangle says
    } else if ((row.flags & kGrowToText) != 0) {
        geometry.setWidth(std::max(geometry.width(), control->sizeHint().width()));
    }
    control->setGeometry(geometry);
    control->show();
    return control;
}

}  // namespace morvane
