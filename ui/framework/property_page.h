// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A page of the tabbed main window. Its API mirrors the classic dialog API
// (GetDlgItemText, GotoDlgCtrl, OnInitDialog, DoDataExchange, control and
// handler tables), so that each page reads like its table: a control table
// creates the controls (in Tab order, at dialog-unit positions in the
// window's real font) and a handler table routes control events to members.

#include <QWidget>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/framework/control_table.h"
#include "ui/framework/dialog_units.h"

class QPlainTextEdit;
class QPushButton;
class QKeySequence;

namespace morvane {

enum class ControlEvent { Clicked, TextChanged, FocusLost };

template <class Page>
struct HandlerEntry {
    int id;
    ControlEvent event;
    void (Page::*handler)();
};

class CPropertyPage : public QWidget {
  public:
    explicit CPropertyPage(const PageLayout& layout);

    [[nodiscard]] QSize sizeHint() const override;

    // Fitted to this page's own table, unless set: all pages of a window
    // share one scale, so the picture and the common controls stay in place
    // from tab to tab.
    [[nodiscard]] DialogUnits Units() const;
    void SetUnits(DialogUnits units) { units_ = units; }

    // Controls by id; null before the page is first shown, or for an unknown id.
    [[nodiscard]] QWidget* GetDlgItem(int id) const;
    // An entry field's or text box's text as UTF-8 bytes, the form the engine
    // and the report take.
    [[nodiscard]] std::string GetDlgItemText(int id) const;
    // Setting a read-only field's text also drops its explanation.
    void SetDlgItemText(int id, std::string_view text);
    // An explanation of a read-only field's value: a tooltip when hovered or
    // focused, and the field's accessible description.
    void SetDlgItemTip(int id, std::string_view tip);
    void GotoDlgCtrl(int id);
    void LimitText(int id, int max_length);

    [[nodiscard]] bool IsCreated() const { return !controls_.empty(); }
    // The button that Enter clicks while this page is shown, if any.
    [[nodiscard]] QPushButton* DefaultButton() const;
    // Runs the control of this page whose "&" letter matches; false if none.
    bool ActivateMnemonic(const QKeySequence& key);

  protected:
    // Runs once, right after the controls are created on first show; the
    // base runs DoDataExchange.
    virtual void OnInitDialog() { DoDataExchange(); }
    virtual void DoDataExchange() {}
    // Runs on every (non-spontaneous) show and hide of the page.
    virtual void OnShowWindow() {}

    // The multi-line text box TextBox rows make.
    virtual QPlainTextEdit* NewTextBox();

    template <class Page, std::size_t N>
    void SetHandlers(const HandlerEntry<Page> (&table)[N]) {
        auto* self = static_cast<Page*>(this);
        for (const auto& entry : table) {
            handlers_[{entry.id, entry.event}] = [self, fn = entry.handler] { (self->*fn)(); };
        }
    }

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreateControls();
    QWidget* CreateControl(const ControlSpec& row);
    // Runs the control's "&" key; `click_target` clicks a button a label sends it to.
    bool Activate(std::size_t index, bool click_target);
    // Where a label's "&" key sends the focus: the next control in Tab order.
    [[nodiscard]] QWidget* MnemonicTarget(std::size_t label) const;
    // The control of the first row from `from` on that `pick` picks; null if
    // none, or before the controls exist.
    template <class Pick>
    [[nodiscard]] QWidget* FirstControl(std::size_t from, Pick pick) const;
    void Dispatch(int id, ControlEvent event);

    PageLayout layout_;
    std::vector<QWidget*> controls_;  // one a table row, once the page is first shown
    std::map<std::pair<int, ControlEvent>, std::function<void()>> handlers_;
    DialogUnits units_;  // none until set
    bool in_focus_check_ = false;
};

}  // namespace morvane
