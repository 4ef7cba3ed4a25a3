// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The tabbed main window: a dialog holding a tab per page and OK and Cancel.
// OK, Cancel, Escape and the title-bar close all just close it.

#include <QDialog>
#include <string_view>
#include <vector>

class QTabWidget;
class QPushButton;

namespace morvane {

class CPropertyPage;

class CPropertySheet : public QDialog {
  public:
    CPropertySheet(std::string_view caption, QWidget* parent, int first_page);
    ~CPropertySheet() override = default;
    CPropertySheet(const CPropertySheet&) = delete;
    CPropertySheet& operator=(const CPropertySheet&) = delete;
    CPropertySheet(CPropertySheet&&) = delete;
    CPropertySheet& operator=(CPropertySheet&&) = delete;

    // `room` is what the tab shows, if not the page itself: something holding it.
    void AddPage(CPropertyPage* page, QWidget* room = nullptr);
    [[nodiscard]] QTabWidget* TabControl() const { return tabs_; }
    [[nodiscard]] QPushButton* OkButton() const { return ok_; }
    [[nodiscard]] CPropertyPage* ActivePage() const;
    [[nodiscard]] CPropertyPage* Page(int index) const;
    void SetActivePage(int index);

  protected:
    // Runs once, when the window and its buttons first exist (first show).
    virtual void OnInitDialog() {}
    // Runs on every show and hide of the window.
    virtual void OnShowWindow() {}

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void MakePageButtonDefault();
    bool ResolveMnemonic(const QKeySequence& key);

    QTabWidget* tabs_;
    std::vector<CPropertyPage*> pages_;
    QPushButton* ok_;
    int first_page_;
    bool initialised_ = false;
};

}  // namespace morvane
