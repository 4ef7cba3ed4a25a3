#pragma once

// Shared by the widget tests: recording fakes for every service and a fixture
// that shows the real main window, active, on the offscreen platform.

#include <gtest/gtest.h>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ui/all_pages.h"
#include "ui/services.h"

namespace morvane::testing {

struct Message {
    std::string text;
    MessageIcon icon;
    bool operator==(const Message&) const = default;
};

class FakeMessages : public MessageService {
  public:
    void Show(std::string_view text, MessageIcon icon) override {
        shown.push_back({std::string(text), icon});
        if (on_show) {
            on_show();
        }
    }
    std::vector<Message> shown;
    std::function<void()> on_show;  // runs while the "box" is open
};

class FakeSaveAs : public SaveAsService {
  public:
    std::optional<std::string> AskPath(const SaveAsRequest& request) override {
        requests.push_back(request);
        return answer;
    }
    std::vector<SaveAsRequest> requests;
    std::optional<std::string> answer;
};

class FakeBusyCursor : public BusyCursorService {
  public:
    void Begin() override { ++depth, ++begun; }
    void End() override { --depth; }
    int depth = 0;
    int begun = 0;
};

class FakeClock : public ClockService {
  public:
    LocalDateTime Now() override { return now; }
    LocalDateTime now{2002, 3, 5, 14, 7, 9};
};

class FakeLauncher : public LauncherService {
  public:
    LaunchResult Launch(std::string_view program, std::string_view argument) override {
        launches.emplace_back(std::string(program), std::string(argument));
        return result;
    }
    std::vector<std::pair<std::string, std::string>> launches;
    LaunchResult result = LaunchResult::Started;
};

struct FakeServices {
    FakeMessages messages;
    FakeSaveAs save_as;
    FakeBusyCursor busy_cursor;
    FakeClock clock;
    FakeLauncher launcher;
    Services services{messages, save_as, busy_cursor, clock, launcher};
};

class SheetTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Sends each key to whichever widget has the focus at that moment, as a
    // user's typing would follow the page's own focus moves.
    static void Type(const QString& keys);
    static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    static QWidget* Focused() { return QApplication::focusWidget(); }
    // Waits past a button's animated click (mnemonics click that way).
    static void WaitForClick() { QTest::qWait(250); }

    QLineEdit* Line(CPropertyPage& page, int id) const;
    QPlainTextEdit* Box(CPropertyPage& page, int id) const;
    std::string Text(CPropertyPage& page, int id) const { return page.GetDlgItemText(id); }
    void SelectTab(int index) const;

    FakeServices fakes;
    std::unique_ptr<CAllPages> sheet;
};

}  // namespace morvane::testing
