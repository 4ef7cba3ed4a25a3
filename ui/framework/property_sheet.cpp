// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/framework/property_sheet.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QShortcutEvent>
#include <QVBoxLayout>
#include <utility>

namespace morvane {
namespace {

// A tab's place: at its page's size before the page is made, and holding the
// page's room over all of it after.
class Slot : public QWidget {
  public:
    Slot(const PageLayout& layout, std::function<CPropertyPage*()> make, CPropertySheet* sheet)
        : sheet(sheet), size(layout.size), make(std::move(make)) {}
    [[nodiscard]] QSize sizeHint() const override { return sheet->Units().ToPixels(size).size(); }
    // Made before the tab's focus moves into it, as if it had always been there.
    void showEvent(QShowEvent* /*event*/) override {
        sheet->Page(sheet->TabControl()->indexOf(this));
    }
    void resizeEvent(QResizeEvent* /*event*/) override {
        for (QWidget* room : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            room->setGeometry(rect());
        }
    }

    CPropertySheet* sheet;
    DlgRect size;
    std::function<CPropertyPage*()> make;
    CPropertyPage* page = nullptr;
};

void MakeDefault(const CPropertyPage* page) {
    if (QPushButton* button = page != nullptr ? page->DefaultButton() : nullptr) {
        button->setDefault(true);
    }
}

}  // namespace

CPropertySheet::CPropertySheet(std::string_view caption, QWidget* parent, int first_page)
    : QDialog(parent),
      tabs_(new QTabWidget(this)),
      // Plain-text buttons: no icon-theme lookup at start-up.
      ok_(new QPushButton(tr("OK"), this)),
      first_page_(first_page) {
    setWindowTitle(QString::fromUtf8(caption));
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

    connect(tabs_, &QTabWidget::currentChanged, this, [this] { MakeDefault(ActivePage()); });
    for (const int step : {1, -1}) {
        const QKeySequence key(Qt::CTRL | (step > 0 ? Qt::Key_PageDown : Qt::Key_PageUp));
        connect(new QShortcut(key, this), &QShortcut::activated, this, [this, step] {
            SetActivePage((tabs_->currentIndex() + step + tabs_->count()) % tabs_->count());
        });
    }
    // Mnemonic clashes between a tab caption and a page control arrive as
    // ambiguous shortcuts, which Qt would leave unresolved.
    qApp->installEventFilter(this);
}

void CPropertySheet::AddPage(const PageLayout& layout, std::function<CPropertyPage*()> make) {
    units_ = {};
    rows_.insert(rows_.end(), layout.table.begin(), layout.table.end());
    tabs_->addTab(new Slot(layout, std::move(make), this), QString::fromUtf8(layout.caption));
}

CPropertyPage* CPropertySheet::Page(int index) {
    auto* slot = static_cast<Slot*>(tabs_->widget(index));  // null for no tab
    if (slot != nullptr && slot->page == nullptr) {
        slot->page = slot->make();
        slot->page->SetUnits(Units());
        slot->page->resize(slot->page->sizeHint());
        QWidget* room = RoomFor(slot->page);
        room->setParent(slot);
        room->setGeometry(slot->rect());
        room->show();
    }
    return slot != nullptr ? slot->page : nullptr;
}

CPropertyPage* CPropertySheet::ActivePage() const {
    const auto* slot = static_cast<Slot*>(tabs_->currentWidget());
    return slot != nullptr ? slot->page : nullptr;
}

void CPropertySheet::showEvent(QShowEvent* event) {
    if (first_page_) {
        SetActivePage(*std::exchange(first_page_, std::nullopt));
        OnInitDialog();
    }
    QDialog::showEvent(event);
    OnShowWindow();
    MakeDefault(ActivePage());
}

void CPropertySheet::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    OnShowWindow();
}

bool CPropertySheet::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Shortcut && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this &&
        static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
        const QKeySequence key = static_cast<QShortcutEvent*>(event)->key();
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
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace morvane
