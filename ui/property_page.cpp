#include "ui/property_page.h"

#include <QEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShortcutEvent>
#include <QShowEvent>
#include <QToolTip>
#include <QValidator>
#include <algorithm>
#include <cassert>

#include "ui/artwork.h"
#include "ui/services.h"

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
        if (lower != input) {
            pos = std::clamp(pos + static_cast<int>(lower.size() - input.size()), 0,
                             static_cast<int>(lower.size()));
            input = lower;
        }
        return Acceptable;
    }
};

bool TakesFocus(ControlKind kind) {
    return kind != ControlKind::Label && kind != ControlKind::Picture;
}

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The field a label names for a screen reader: the nearest entry or read-only
// field that starts right of the label's start on the same line. Its "&" key
// is another matter: that goes to the next control in Tab order.
std::size_t FieldBeside(std::span<const ControlSpec> layout, std::size_t label) {
    const DlgRect& text = layout[label].rect;
    std::size_t nearest = layout.size();
    for (std::size_t i = 0; i < layout.size(); ++i) {
        const ControlSpec& row = layout[i];
        const bool field = row.kind == ControlKind::Edit || row.kind == ControlKind::ReadOnlyField;
        const bool same_line =
            row.rect.y < text.y + text.height && text.y < row.rect.y + row.rect.height;
        if (field && same_line && row.rect.x > text.x &&
            (nearest == layout.size() || row.rect.x < layout[nearest].rect.x)) {
            nearest = i;
        }
    }
    return nearest;
}

}  // namespace

DialogUnits DialogUnits::Of(const QFont& font) {
    const QFontMetrics metrics(font);
    const int average = metrics.horizontalAdvance(QStringLiteral(
                            "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                        26;
    return {(average + 1) / 2, metrics.height()};
}

DialogUnits DialogUnits::Fitting(const QFont& font, std::span<const ControlSpec> layout) {
    const QFontMetrics metrics(font);
    DialogUnits units = Of(font);
    for (const ControlSpec& row : layout) {
        const bool one_line_label = row.kind == ControlKind::Label && row.rect.height <= 8;
        const bool button =
            row.kind == ControlKind::Button || row.kind == ControlKind::DefaultButton;
        if (row.text.empty() || (!one_line_label && !button) || (row.flags & kGrowToText) != 0) {
            continue;
        }
        // The caption as drawn: "&x" shows as x, "&&" as one "&".
        QString caption;
        const QString text = ToQString(row.text);
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == QLatin1Char('&') && i + 1 < text.size()) {
                ++i;
            }
            caption += text[i];
        }
        const int padding = button ? metrics.height() : 0;
        const int needed = metrics.horizontalAdvance(caption) + padding;
        while (units.ToPixels(row.rect).width() < needed) {
            ++units.base_x;
        }
    }
    return units;
}

QRect DialogUnits::ToPixels(const DlgRect& r) const {
    // Convert both edges, so controls that share an edge in dialog units
    // still share it in pixels.
    const int left = ToPixelsX(r.x);
    const int top = ToPixelsY(r.y);
    const int right = ToPixelsX(r.x + r.width);
    const int bottom = ToPixelsY(r.y + r.height);
    return {left, top, right - left, bottom - top};
}

CPropertyPage::CPropertyPage(std::string_view caption, std::span<const ControlSpec> layout)
    : caption_(ToQString(caption)), layout_(layout), units_(DialogUnits::Fitting(font(), layout)) {}

CPropertyPage::~CPropertyPage() = default;

QSize CPropertyPage::sizeHint() const {
    return units_.ToPixels(kPageSize).size();
}

Services& CPropertyPage::services() const {
    assert(services_ != nullptr);
    return *services_;
}

QWidget* CPropertyPage::GetDlgItem(int id) const {
    const auto it = std::find_if(controls_.begin(), controls_.end(),
                                 [id](const auto& entry) { return entry.first == id; });
    return it != controls_.end() ? it->second : nullptr;
}

std::string CPropertyPage::GetDlgItemText(int id) const {
    QString text;
    QWidget* control = GetDlgItem(id);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        text = edit->text();
    } else if (auto* box = qobject_cast<QPlainTextEdit*>(control)) {
        text = box->toPlainText();
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        text = label->text();
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        text = button->text();
    }
    return text.toStdString();
}

void CPropertyPage::SetDlgItemText(int id, std::string_view text) {
    QWidget* control = GetDlgItem(id);
    const QString value = ToQString(text);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(value);
        if (edit->isReadOnly()) {
            edit->setCursorPosition(0);  // show the start of a long text, as a label would
            SetDlgItemTip(id, "");
        }
    } else if (auto* box = qobject_cast<QPlainTextEdit*>(control)) {
        box->setPlainText(value);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(value);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(value);
    }
}

void CPropertyPage::SetDlgItemTip(int id, std::string_view tip) {
    if (QWidget* control = GetDlgItem(id)) {
        control->setToolTip(ToQString(tip));
        control->setAccessibleDescription(ToQString(tip));
    }
}

void CPropertyPage::GotoDlgCtrl(int id) {
    // A hidden page must not take the keyboard focus away from the shown one.
    QWidget* control = GetDlgItem(id);
    if (control != nullptr && control->isVisible()) {
        control->setFocus(Qt::OtherFocusReason);
    }
}

void CPropertyPage::LimitText(int id, int max_length) {
    if (auto* edit = qobject_cast<QLineEdit*>(GetDlgItem(id))) {
        edit->setMaxLength(max_length);
    }
}

QPushButton* CPropertyPage::DefaultButton() const {
    for (std::size_t i = 0; i < layout_.size() && i < controls_.size(); ++i) {
        if (layout_[i].kind == ControlKind::DefaultButton) {
            return qobject_cast<QPushButton*>(controls_[i].second);
        }
    }
    return nullptr;
}

bool CPropertyPage::ActivateMnemonic(const QKeySequence& key) {
    for (std::size_t i = 0; i < layout_.size() && i < controls_.size(); ++i) {
        if (QKeySequence::mnemonic(ToQString(layout_[i].text)) != key) {
            continue;
        }
        QWidget* control = controls_[i].second;
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            button->setFocus(Qt::ShortcutFocusReason);
            button->animateClick();
            return true;
        }
        if (QWidget* target = MnemonicTarget(i)) {
            target->setFocus(Qt::ShortcutFocusReason);
            return true;
        }
    }
    return false;
}

bool CPropertyPage::OnInitDialog() {
    DoDataExchange();
    return true;
}

void CPropertyPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) {
        return;  // the window being restored, not the page being selected
    }
    if (!created_) {
        created_ = true;
        CreateControls();
        OnInitDialog();
    }
    OnShowWindow();
}

void CPropertyPage::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous() && created_) {
        OnShowWindow();
    }
}

bool CPropertyPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Shortcut && qobject_cast<QLabel*>(watched) != nullptr) {
        // The label's buddy is the field it names; its "&" key goes where the
        // layout's Tab order says, as QLabel would have sent it to a buddy.
        const auto it = std::find_if(controls_.begin(), controls_.end(),
                                     [watched](const auto& e) { return e.second == watched; });
        QWidget* target = it != controls_.end()
                              ? MnemonicTarget(static_cast<std::size_t>(it - controls_.begin()))
                              : nullptr;
        if (target != nullptr) {
            target->setFocus(Qt::ShortcutFocusReason);
            auto* button = qobject_cast<QAbstractButton*>(target);
            if (button != nullptr && !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
                button->animateClick();
            }
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress && qobject_cast<QPlainTextEdit*>(watched) != nullptr) {
        // Enter inside a text box stays there instead of pressing the default button.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            return true;
        }
    }
    if (event->type() == QEvent::FocusIn) {
        // A keyboard user sees a field's explanation as a mouse user would.
        auto* field = qobject_cast<QLineEdit*>(watched);
        if (field != nullptr && field->isReadOnly() && !field->toolTip().isEmpty()) {
            QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())), field->toolTip(),
                               field);
        }
    }
    if (event->type() == QEvent::FocusOut && !in_focus_check_) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        auto* widget = qobject_cast<QWidget*>(watched);
        // A message box opening or the user switching windows is no leaving
        // of the field; nor is the page being hidden.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            widget != nullptr && widget->isVisible()) {
            const auto it = std::find_if(controls_.begin(), controls_.end(),
                                         [widget](const auto& e) { return e.second == widget; });
            if (it != controls_.end()) {
                // A check may move the focus; the field that receives it
                // must not run its own check against a moving target.
                in_focus_check_ = true;
                Dispatch(it->first, ControlEvent::FocusLost);
                in_focus_check_ = false;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

QWidget* CPropertyPage::MnemonicTarget(std::size_t label) const {
    if (layout_[label].kind != ControlKind::Label) {
        return nullptr;
    }
    for (std::size_t j = label + 1; j < layout_.size() && j < controls_.size(); ++j) {
        if (TakesFocus(layout_[j].kind)) {
            return controls_[j].second;
        }
    }
    return nullptr;
}

void CPropertyPage::Dispatch(int id, ControlEvent event) {
    const auto it = handlers_.find({id, event});
    if (it != handlers_.end()) {
        it->second();
    }
}

void CPropertyPage::CreateControls() {
    controls_.reserve(layout_.size());
    for (const ControlSpec& row : layout_) {
        QWidget* control = CreateControl(row);
        controls_.emplace_back(row.id, control);
    }
    // A label's buddy is what a screen reader hears it name: the field beside
    // it. A label with a mnemonic but no field beside it keeps the control
    // its "&" key focuses as its buddy, so the key works at all.
    for (std::size_t i = 0; i < layout_.size(); ++i) {
        auto* label = qobject_cast<QLabel*>(controls_[i].second);
        if (label == nullptr || layout_[i].kind != ControlKind::Label) {
            continue;
        }
        const std::size_t field = FieldBeside(layout_, i);
        if (field < controls_.size()) {
            label->setBuddy(controls_[field].second);
            label->installEventFilter(this);
        } else if (!QKeySequence::mnemonic(label->text()).isEmpty()) {
            label->setBuddy(MnemonicTarget(i));
        }
    }
    for (const auto& [id, control] : controls_) {
        control->show();
    }
}

QWidget* CPropertyPage::CreateControl(const ControlSpec& row) {
    const QRect rect = units_.ToPixels(row.rect);
    const QString text = ToQString(row.text);
    QWidget* control = nullptr;
    switch (row.kind) {
        case ControlKind::Label: {
            auto* label = new QLabel(text, this);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setWordWrap(row.rect.height > 8);
            label->setTextFormat(Qt::PlainText);
            control = label;
            break;
        }
        case ControlKind::Edit: {
            auto* edit = new QLineEdit(this);
            if ((row.flags & kLowerCase) != 0) {
                edit->setValidator(new LowerCaseValidator(edit));
            }
            if ((row.flags & kDigitsOnly) != 0) {
                edit->setValidator(new QRegularExpressionValidator(
                    QRegularExpression(QStringLiteral("[0-9]*")), edit));
            }
            connect(edit, &QLineEdit::textChanged, this,
                    [this, id = row.id] { Dispatch(id, ControlEvent::TextChanged); });
            edit->installEventFilter(this);
            control = edit;
            break;
        }
        case ControlKind::Button:
        case ControlKind::DefaultButton: {
            auto* button = new QPushButton(text, this);
            connect(button, &QPushButton::clicked, this,
                    [this, id = row.id] { Dispatch(id, ControlEvent::Clicked); });
            control = button;
            break;
        }
        case ControlKind::ReadOnlyField: {
            auto* field = new QLineEdit(this);
            field->setReadOnly(true);
            field->setFrame(false);
            // Text on the same baseline as the label beside it, not centred.
            field->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            field->setTextMargins(2, 0, 0, 0);
            QPalette palette = field->palette();
            palette.setColor(QPalette::Base, Qt::transparent);
            field->setPalette(palette);
            field->installEventFilter(this);
            control = field;
            break;
        }
        case ControlKind::TextBox: {
            auto* box = new QPlainTextEdit(this);
            box->setReadOnly(true);
            box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
            box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
            box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            box->setTabChangesFocus(true);
            box->installEventFilter(this);
            control = box;
            break;
        }
        case ControlKind::Picture: {
            auto* picture = new QLabel(this);
            picture->setPixmap(LogoPixmap(devicePixelRatioF()));
            picture->setAccessibleName(QStringLiteral("Morvane logo"));
            picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            control = picture;
            // Shown at its own size, whatever the rectangle says.
            control->setGeometry(QRect(rect.topLeft(), picture->sizeHint()));
            return control;
        }
    }
    if (!row.accessible_name.empty()) {
        control->setAccessibleName(ToQString(row.accessible_name));
    }
    QRect geometry = rect;
    if ((row.flags & kGrowToText) != 0) {
        geometry.setWidth(std::max(rect.width(), control->sizeHint().width()));
    }
    control->setGeometry(geometry);
    return control;
}

}  // namespace morvane
