// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Shared by the widget tests: recording fakes for every service and a fixture
// that shows the real main window, active, on the offscreen platform.

#include <gtest/gtest.h>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <functional>
#include <memory>
#include <string>

#include "tests/fakes.h"
#include "ui/pages/all_pages.h"

// Readable QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace morvane::testing {

// Set by a test that opens a real modal dialog on purpose and closes it itself.
extern bool g_modal_dialogs_expected;

class SheetTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Sends each key to whichever widget has the focus at that moment, as a
    // user's typing would follow the page's own focus moves.
    static void Type(const QString& keys);
    static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    static QWidget* Focused() { return QApplication::focusWidget(); }
    // Processes events until `done` holds (a mnemonic's animated click, say);
    // false if it never does.
    static bool WaitFor(const std::function<bool()>& done) { return QTest::qWaitFor(done, 5000); }

    QLineEdit* Line(CPropertyPage& page, int id) const;
    QPlainTextEdit* Box(CPropertyPage& page, int id) const;
    std::string Text(CPropertyPage& page, int id) const { return page.GetDlgItemText(id); }
    void SelectTab(int index) const;
    // Presses Alt+A (Save To File) with the Save As dialog answering a fresh
    // temporary file, and returns what was written there.
    std::string SaveByKeyboard();
    // The header every report of the fake clock's moment starts with.
    static std::string ReportHeaderBytes();

    FakeServices fakes;
    std::unique_ptr<CAllPages> sheet;
};

}  // namespace morvane::testing
