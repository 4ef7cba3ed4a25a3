// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/framework/property_sheet.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QShortcutEvent>
#include <QTabWidget>
#include <QVBoxLayout>
#include <utility>

#include "ui/framework/property_page.h"
#include "ui/framework/qt_text.h"

namespace morvane {
namespace {

// A tab's place: at its page's size before the page is made, and holding the
// page's room over all of it after.
class Slot : public QWidget {
  public:
    Slot(const PageLayout& layout, std::function<CPropertyPage*()> make, CPropertySheet* sheet)
        : layout(layout), make(std::move(make)), sheet_(sheet) {}
    [[nodiscard]] QSize sizeHint() const override {
        return sheet_->Units().ToPixels(layout.size).size();
    }
    // Made before the tab's focus moves into it, as if it had always been there.
    void showEvent(QShowEvent* /*event*/) override {
        sheet_->Page(sheet_->TabControl()->indexOf(this));
    }
    void resizeEvent(QResizeEvent* /*event*/) override {
        if (room != nullptr) {
            room->setGeometry(rect());
        }
    }

    PageLayout layout;
    std::function<CPropertyPage*()> make;
    CPropertyPage* page = nullptr;
    QWidget* room = nullptr;

  private:
    CPropertySheet* sheet_;
};

}  // namespace

CPropertySheet::CPropertySheet(std::string_view caption, QWidget* parent, int first_page)
    : QDialog(parent),
      tabs_(new QTabWidget(this)),
      // Plain-text buttons: no icon-theme lookup at start-up.
      ok_(new QPushButton(tr("OK"), this)),
      first_page_(first_page) {
    setWindowTitle(FromUtf8(caption));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(ok_, QDialogButtonBox::AcceptRole);
    buttons->addButton(new QPushButton(tr("Cancel"), this), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    // Every tab caption stays readable: the window widens rather than
    // hiding tabs behind scroll arrows.
    tabs_->setUsesScrollButtons(false);
    tabs_->setElideMode(Qt::ElideNone);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(tabs_, &QTabWidget::currentChanged, this, [this] { MakePageButtonDefault(); });
    for (const auto& [key, step] :
         {std::pair{Qt::Key_PageDown, 1}, std::pair{Qt::Key_PageUp, -1}}) {
        connect(new QShortcut(QKeySequence(Qt::CTRL | key), this), &QShortcut::activated, this,
                [this, step = step] {
                    const int count = tabs_->count();
                    SetActivePage((tabs_->currentIndex() + step + count) % count);
                });
    }
    // Mnemonic clashes between a tab caption and a page control arrive as
    // ambiguous shortcuts, which Qt would leave unresolved.
    qApp->installEventFilter(this);
}

void CPropertySheet::AddPage(const PageLayout& layout, std::function<CPropertyPage*()> make) {
    units_.reset();
    tabs_->addTab(new Slot(layout, std::move(make), this), FromUtf8(layout.caption));
}

DialogUnits CPropertySheet::Units() const {
    if (!units_) {
        units_ = DialogUnits::Of(font());
        for (int i = 0; i < tabs_->count(); ++i) {
            units_ = units_->WideEnough(font(), static_cast<Slot*>(tabs_->widget(i))->layout.table);
        }
        for (int i = 0; i < tabs_->count(); ++i) {
            units_ = units_->TallEnough(font(), static_cast<Slot*>(tabs_->widget(i))->layout.table);
        }
    }
    return *units_;
}

CPropertyPage* CPropertySheet::Page(int index) {
    auto* slot = static_cast<Slot*>(tabs_->widget(index));  // null for no tab
    if (slot != nullptr && slot->page == nullptr) {
        slot->page = slot->make();
        slot->page->SetUnits(Units());
        slot->page->resize(slot->page->sizeHint());
        slot->room = RoomFor(slot->page);
        slot->room->setParent(slot);
        slot->room->setGeometry(slot->rect());
        slot->room->show();
    }
    return slot != nullptr ? slot->page : nullptr;
}

CPropertyPage* CPropertySheet::ActivePage() const {
    const auto* slot = static_cast<Slot*>(tabs_->currentWidget());
    return slot != nullptr ? slot->page : nullptr;
}

void CPropertySheet::SetActivePage(int index) {
    tabs_->setCurrentIndex(index);
}

void CPropertySheet::showEvent(QShowEvent* event) {
    if (!initialised_) {
        initialised_ = true;
        SetActivePage(first_page_);
        OnInitDialog();
    }
    QDialog::showEvent(event);
    OnShowWindow();
    MakePageButtonDefault();
}

void CPropertySheet::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    OnShowWindow();
}

void CPropertySheet::MakePageButtonDefault() {
    const CPropertyPage* page = ActivePage();
    if (QPushButton* button = page != nullptr ? page->DefaultButton() : nullptr) {
        button->setDefault(true);
    }
}

bool CPropertySheet::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Shortcut) {
        auto* shortcut = static_cast<QShortcutEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        if (shortcut->isAmbiguous() && widget != nullptr && widget->window() == this &&
            ResolveMnemonic(shortcut->key())) {
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool CPropertySheet::ResolveMnemonic(const QKeySequence& key) {
    // The shown page's own controls win over the tab captions.
    if (CPropertyPage* page = ActivePage(); page != nullptr && page->ActivateMnemonic(key)) {
        return true;
    }
    for (int i = 0; i < tabs_->count(); ++i) {
        if (QKeySequence::mnemonic(tabs_->tabText(i)) == key) {
            SetActivePage(i);
            return true;
        }
    }
    return false;
}

}  // namespace morvane
