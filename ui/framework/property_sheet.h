// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The tabbed main window: a dialog holding a tab per page and OK and Cancel.
// OK, Cancel, Escape and the title-bar close all just close it. A page is
// made when its tab is first shown (or the page asked for); until then its
// layout alone stands for it.

#include <QDialog>
#include <QTabWidget>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "ui/framework/property_page.h"

class QPushButton;

namespace morvane {

class CPropertySheet : public QDialog {
  public:
    CPropertySheet(std::string_view caption, QWidget* parent, int first_page);

    // A tab for the page that `make` builds from `layout`; the sheet owns it.
    void AddPage(const PageLayout& layout, std::function<CPropertyPage*()> make);
    [[nodiscard]] QTabWidget* TabControl() const { return tabs_; }
    [[nodiscard]] QPushButton* OkButton() const { return ok_; }
    // The shown page; null before the window is shown.
    [[nodiscard]] CPropertyPage* ActivePage() const;
    // The page of a tab, made now if it was not yet; null for no tab.
    CPropertyPage* Page(int index);
    void SetActivePage(int index) { tabs_->setCurrentIndex(index); }
    // The units every page is laid out in, fitted once to all pages' tables:
    // as wide as the widest needs, then as tall as each needs at that width.
    [[nodiscard]] DialogUnits Units() const {
        if (units_.base_x == 0) {
            units_ = DialogUnits::Fitting(font(), rows_);
        }
        return units_;
    }

  protected:
    // Runs once, when the window and its buttons first exist (first show).
    virtual void OnInitDialog() {}
    // Runs on every show and hide of the window.
    virtual void OnShowWindow() {}
    // What a tab shows of a page just made: the page, or something holding it.
    virtual QWidget* RoomFor(CPropertyPage* page) { return page; }

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QTabWidget* tabs_;
    QPushButton* ok_;
    std::optional<int> first_page_;  // none once the window was first shown
    std::vector<ControlSpec> rows_;  // all pages' tables, which share one set of units
    mutable DialogUnits units_;      // none until first asked for
};

}  // namespace morvane
