#pragma once

// The tabbed main window: a dialog holding a tab per page and OK and Cancel.
// OK, Cancel, Escape and the title-bar close all just close it.

#include <QDialog>
#include <string_view>

class QTabWidget;
class QPushButton;

namespace morvane {

class CPropertyPage;

class CPropertySheet : public QDialog {
  public:
    CPropertySheet(std::string_view caption, QWidget* parent, int first_page);

    void AddPage(CPropertyPage* page);
    [[nodiscard]] QTabWidget* TabControl() const { return tabs_; }
    [[nodiscard]] QPushButton* OkButton() const { return ok_; }
    [[nodiscard]] CPropertyPage* ActivePage() const;
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
    QPushButton* ok_;
    int first_page_;
    bool initialised_ = false;
};

}  // namespace morvane
