// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/framework/property_sheet.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QKeySequence>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QShortcutEvent>
#include <QShowEvent>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/desktop/accessible_tab_bar.h"
#include "ui/desktop/placement.h"
#include "ui/framework/property_page.h"
#include "ui/framework/qt_text.h"

namespace morvane {
namespace {

// A page's room in the tab widget: the page at its own size, scrolled only
// when the window is too small for it. Where it fits, nothing of it shows.
class PageArea : public QScrollArea {
  public:
    explicit PageArea(CPropertyPage* page) {
        setFrameShape(QFrame::NoFrame);
        setFocusPolicy(Qt::NoFocus);  // no stop of its own in the Tab order
        setWidget(page);
        // Drawn over the tab's pane, as a page is without an area around it.
        page->setAutoFillBackground(false);
        viewport()->setAutoFillBackground(false);
    }
    [[nodiscard]] QSize sizeHint() const override { return widget()->sizeHint(); }
};

// A control reached by Tab or by its letter scrolls into view, no further
// than needed: a page shown with its first control in view keeps its top too.
void ScrollIntoView(QWidget* focused) {
    for (QWidget* outer = focused; outer != nullptr; outer = outer->parentWidget()) {
        if (auto* area = dynamic_cast<PageArea*>(outer)) {
            constexpr int kMargin = 4;
            area->ensureWidgetVisible(focused, kMargin, kMargin);
            return;
        }
    }
}

}  // namespace

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

    KeepPlaced(this,
               [this](const QRect& available, const QMargins& frame) { FitIn(available, frame); });
    focus_watch_ = connect(qApp, &QApplication::focusChanged, this,
                           [](QWidget* /*old*/, QWidget* now) { ScrollIntoView(now); });

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

CPropertySheet::~CPropertySheet() {
    // Closing and taking apart the window moves the focus about.
    disconnect(focus_watch_);
}

void CPropertySheet::AddPage(CPropertyPage* page) {
    pages_.push_back(page);
    // As wide as the widest page needs, then as tall as every page needs at
    // that width: a wider page wraps its paragraphs into fewer lines.
    DialogUnits shared = DialogUnits::Of(page->font());
    for (const CPropertyPage* other : pages_) {
        shared.base_x = std::max(shared.base_x, other->Units().base_x);
    }
    for (const CPropertyPage* other : pages_) {
        shared = shared.TallEnough(other->font(), other->Layout());
    }
    for (CPropertyPage* other : pages_) {
        other->SetUnits(shared);
        other->resize(other->sizeHint());
    }
    tabs_->addTab(new PageArea(page), page->Caption());
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

void CPropertySheet::FitIn(const QRect& available, const QMargins& frame) {
    const QSize natural = sizeHint();
    const QSize fitting = FittingSize(available, frame, natural);
    const bool fits = fitting == natural;
    // Where even the tab captions cannot all show, arrows scroll them.
    tabs_->setUsesScrollButtons(!fits);
    if (fits) {
        layout()->setSizeConstraint(QLayout::SetFixedSize);
        return;
    }
    // Room for the scroll bar that the short side brings, if there is room,
    // so that the other side need not scroll too.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const QSize wanted = natural + QSize(fitting.height() < natural.height() ? bar : 0,
                                         fitting.width() < natural.width() ? bar : 0);
    const QSize size = FittingSize(available, frame, wanted);
    layout()->setSizeConstraint(QLayout::SetNoConstraint);
    setMinimumSize(minimumSizeHint().boundedTo(size));
    setMaximumSize(wanted);
    resize(size);
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
