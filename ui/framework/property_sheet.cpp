// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/framework/property_sheet.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QShortcutEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/framework/property_page.h"
#include "ui/framework/qt_text.h"

namespace morvane {
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
    auto* next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown), this);
    connect(next, &QShortcut::activated, this,
            [this] { SetActivePage((tabs_->currentIndex() + 1) % tabs_->count()); });
    auto* previous = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp), this);
    connect(previous, &QShortcut::activated, this, [this] {
        SetActivePage((tabs_->currentIndex() + tabs_->count() - 1) % tabs_->count());
    });
    // Mnemonic clashes between a tab caption and a page control arrive as
    // ambiguous shortcuts, which Qt would leave unresolved.
    qApp->installEventFilter(this);
}

void CPropertySheet::AddPage(CPropertyPage* page, QWidget* room) {
    pages_.push_back(page);
    // As wide as the widest page needs, then as tall as every page needs at
    // that width: a wider page wraps its paragraphs into fewer lines.
    DialogUnits shared = DialogUnits::Of(page->font());
    for (const CPropertyPage* other : pages_) {
        shared.base_x = std::max(shared.base_x, other->Units().base_x);
    }
    for (const CPropertyPage* other : pages_) {
        shared = shared.TallEnough(other->font(), other->ControlTable());
    }
    for (CPropertyPage* other : pages_) {
        other->SetUnits(shared);
        other->resize(other->sizeHint());
    }
    tabs_->addTab(room != nullptr ? room : page, page->Caption());
}

CPropertyPage* CPropertySheet::ActivePage() const {
    return Page(tabs_->currentIndex());
}

CPropertyPage* CPropertySheet::Page(int index) const {
    return index >= 0 && index < static_cast<int>(pages_.size())
               ? pages_[static_cast<std::size_t>(index)]
               : nullptr;
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
    if (CPropertyPage* page = ActivePage()) {
        if (QPushButton* button = page->DefaultButton()) {
            button->setDefault(true);
        }
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
