#include "ui/framework/property_sheet.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QShortcutEvent>
#include <QShowEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/framework/accessible_tab_bar.h"
#include "ui/framework/property_page.h"
#include "ui/framework/qt_text.h"

namespace morvane {

CPropertySheet::CPropertySheet(std::string_view caption, QWidget* parent, int first_page)
    : QDialog(parent),
      tabs_(new QTabWidget(this)),
      // Plain-text buttons: no icon-theme lookup at start-up.
      ok_(new QPushButton(tr("OK"), this)),
      first_page_(first_page) {
    InstallAccessibleTabBar();
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

void CPropertySheet::AddPage(CPropertyPage* page) {
    tabs_->addTab(page, page->Caption());
    DialogUnits shared = page->Units();
    for (int i = 0; i < tabs_->count(); ++i) {
        const DialogUnits units = static_cast<CPropertyPage*>(tabs_->widget(i))->Units();
        shared.base_x = std::max(shared.base_x, units.base_x);
        shared.base_y = std::max(shared.base_y, units.base_y);
    }
    for (int i = 0; i < tabs_->count(); ++i) {
        static_cast<CPropertyPage*>(tabs_->widget(i))->SetUnits(shared);
    }
}

CPropertyPage* CPropertySheet::ActivePage() const {
    return dynamic_cast<CPropertyPage*>(tabs_->currentWidget());
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
