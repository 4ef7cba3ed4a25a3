#pragma once

// A page of the tabbed main window, built from data: a layout table creates
// its controls (in Tab order, at dialog-unit positions in the window's real
// font) and a handler table routes control events to member functions.

#include <QWidget>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class QPushButton;
class QKeySequence;

namespace morvane {

struct Services;

enum class ControlKind {
    Label,          // static text naming the field beside it; a "&" mnemonic focuses the
                    // next focusable control
    Edit,           // single-line entry field with a border
    Button,         // push button
    DefaultButton,  // the page's default push button (Enter in a field clicks it)
    ReadOnlyField,  // single-line, read-only, borderless: reads like a label, takes the focus
    TextBox,        // multi-line, read-only, word-wrapped, vertical scroll bar
    Picture,        // the common logo, shown at its own size
};

enum ControlFlag : unsigned {
    kNoFlags = 0,
    kLowerCase = 1U << 0,   // letters turn lower case as they enter
    kDigitsOnly = 1U << 1,  // only 0-9 can be typed or pasted
    kGrowToText = 1U << 2,  // a label with free room to its right: widens to its text
};

// A rectangle in dialog units: x, y, width, height.
struct DlgRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

inline constexpr int kNoId = -1;

struct ControlSpec {
    int id;
    ControlKind kind;
    std::string_view text;
    DlgRect rect;
    unsigned flags = kNoFlags;
    // What a screen reader calls a control that has no label of its own.
    std::string_view accessible_name = {};
};

enum class ControlEvent { Clicked, TextChanged, FocusLost };

template <class Page>
struct HandlerEntry {
    int id;
    ControlEvent event;
    void (Page::*handler)();
};

// Dialog base units of a font, as the classic dialog manager measured them.
struct DialogUnits {
    int base_x = 0;
    int base_y = 0;

    static DialogUnits Of(const QFont& font);
    // The font's units, widened where needed so that every one-line label and
    // button caption of the layout fits its rectangle: desktop fonts run wider
    // than the one the layouts were drawn in.
    static DialogUnits Fitting(const QFont& font, std::span<const ControlSpec> layout);
    [[nodiscard]] int ToPixelsX(int x) const { return (x * base_x * 2 + 4) / 8; }
    [[nodiscard]] int ToPixelsY(int y) const { return (y * base_y * 2 + 8) / 16; }
    [[nodiscard]] QRect ToPixels(const DlgRect& r) const;
};

inline constexpr DlgRect kPageSize{0, 0, 325, 178};
inline constexpr DlgRect kPictureRect{229, 9, 65, 60};

class CPropertyPage : public QWidget {
  public:
    CPropertyPage(std::string_view caption, std::span<const ControlSpec> layout);
    ~CPropertyPage() override;
    CPropertyPage(const CPropertyPage&) = delete;
    CPropertyPage& operator=(const CPropertyPage&) = delete;
    CPropertyPage(CPropertyPage&&) = delete;
    CPropertyPage& operator=(CPropertyPage&&) = delete;

    [[nodiscard]] QString Caption() const { return caption_; }
    [[nodiscard]] QSize sizeHint() const override;

    void SetServices(Services* services) { services_ = services; }
    [[nodiscard]] DialogUnits Units() const { return units_; }
    // All pages of a window share one scale, so the picture and the common
    // controls stay in place from tab to tab.
    void SetUnits(DialogUnits units) { units_ = units; }

    // Controls by id; null before the page is first shown, or for an unknown id.
    [[nodiscard]] QWidget* GetDlgItem(int id) const;
    // Field texts as UTF-8 bytes, the form the engine and the report take.
    [[nodiscard]] std::string GetDlgItemText(int id) const;
    // Setting a read-only field's text also drops its explanation.
    void SetDlgItemText(int id, std::string_view text);
    // An explanation of a read-only field's value: a tooltip when hovered or
    // focused, and the field's accessible description.
    void SetDlgItemTip(int id, std::string_view tip);
    void GotoDlgCtrl(int id);
    void LimitText(int id, int max_length);

    [[nodiscard]] bool IsCreated() const { return created_; }
    // The button that Enter clicks while this page is shown, if any.
    [[nodiscard]] QPushButton* DefaultButton() const;
    // Runs the control of this page whose "&" letter matches; false if none.
    bool ActivateMnemonic(const QKeySequence& key);

  protected:
    // Runs once, right after the controls are created on first show.
    virtual bool OnInitDialog();
    // Runs from the base initialisation before OnInitDialog's own work.
    virtual void DoDataExchange() {}
    // Runs on every (non-spontaneous) show and hide of the page.
    virtual void OnShowWindow() {}

    Services& services() const;

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
    // Where a label's "&" key sends the focus: the next control in Tab order.
    [[nodiscard]] QWidget* MnemonicTarget(std::size_t label) const;
    void Dispatch(int id, ControlEvent event);

    QString caption_;
    std::span<const ControlSpec> layout_;
    std::vector<std::pair<int, QWidget*>> controls_;
    std::map<std::pair<int, ControlEvent>, std::function<void()>> handlers_;
    Services* services_ = nullptr;
    DialogUnits units_;
    bool created_ = false;
    bool in_focus_check_ = false;
};

}  // namespace morvane
